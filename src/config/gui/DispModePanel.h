// The page editor of the extended model's display: which pages the loop and the user
// set show, as a table with one row per page group.
#pragma once

#include <QPointer>

struct MeterSession;
class QWidget;

// Main-panel command: shows the page editor in place of the main panel. Returns 0.
int CmDispMode(MeterSession& session);
QWidget* CreateDispModePanel(MeterSession& session, QWidget* parent);
void InitDispModeSel(MeterSession& session); // fills the editor from session.edited
void ShowMode(MeterSession& session);        // colours the cells of the set being edited
int CmPrintMode();
int CmDispModeDone(); // back to the main panel
