// The configuration editor is a panel of the GUI; core routines that change session.edited
// (receive, open, send) ask it to redraw through these. In zaro-cli nothing is drawn.
#pragma once

#include <functional>

void ShowAll(); // ends with ShowEditState
void ActivateObjects();
// After session.edited changed or a command ended: the window shows whether the edits are
// saved and sent, and what the last transfer came to.
void ShowEditState();

// Installed by the main panel while it exists.
extern std::function<void()> ShowAllHook;
extern std::function<void()> ActivateObjectsHook;
// Installed by the main window.
extern std::function<void()> EditStateHook;
