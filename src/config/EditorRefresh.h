// The configuration editor is a panel of the GUI; core routines that change Konf
// (receive, open, send) ask it to redraw through these. In zaro-cli nothing is drawn.
#pragma once

void ShowAll();
void ActivateObjects();

// Installed by the main panel while it exists.
extern void (*ShowAllHook)();
extern void (*ActivateObjectsHook)();
