// The configuration editor is a panel of the GUI; core routines that change session.edited
// (receive, open, send) ask it to redraw through these. In zaro-cli nothing is drawn.
#pragma once

#include <functional>

void ShowAll();
void ActivateObjects();

// Installed by the main panel while it exists.
extern std::function<void()> ShowAllHook;
extern std::function<void()> ActivateObjectsHook;
