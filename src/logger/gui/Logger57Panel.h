// The module logger panel: one sequence of the module's log at a time in two value
// lists (ordinary measurands, maxima and minima), the module's identity, the period,
// step buttons, the extremes popup, download, *.LF3 store and open.
#pragma once

struct MeterSession;

class QWidget;
struct ModuleLog;

// The log the panel shows, empty once the panel closes.
ModuleLog& ModuleLoggerPanelLog();

// Enters the module logger: online (1) opens the link and reads the configuration
// first, and on failure asks whether to go on with files only; offline (0) does not
// touch the meter. Returns 0.
int EnterModuleLogger(MeterSession& session, int online);

// Builds the panel (the caller shows it); online enables the download.
QWidget* CreateLogger57Panel(MeterSession& session, QWidget* parent, bool online);

// Fills both lists with the shown sequence of the log and shows its description. 1.
int DispLogger57();
void ShowLoggerInfo57(int seq);
int PrevSequence();
int NextSequence();

// Panel commands (buttons; the logger menu's entries call the same).
int CmReadLoggerData57Panel(MeterSession& session); // download, then show the newest usable sequence
int CmOpenLoggerFile57(MeterSession& session);
int CmStoreLoggerFile57();
int CmShowMinMax57();
int CmCloseLogDisplay57();

// The profile graph and the workbook export of the shown sequence.
int CmDispLogData57();
int CmExcelExport57();
