// The main window's commands: one table feeds the menu bar and the toolbar buttons.
#pragma once

struct MeterSession;

enum class ToolImage { None, New, Open, Save, Download, Upload, Print, Return, Graphic, Excel, Find };

struct MenuCommand {
    int menu;             // index into the menu titles of the table
    const char* text;     // English source text, context "Menu"; nullptr = separator
    const char* shortcut; // key sequence in portable text, or nullptr
    ToolImage image;      // the toolbar button that triggers this entry
    int (*run)(MeterSession& session); // nullptr while its subsystem is not built: shown dimmed
    int language;         // the language entries: 0..3; -1 for all others
};

struct MenuTable {
    const char* const* titles;
    int titleCount;
    const MenuCommand* commands;
    int count;
};

const MenuTable& MainMenu();
const MenuTable& LoggerMenu();
