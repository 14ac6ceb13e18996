// The page editor of the extended model's display: which pages the loop and the user
// set show, as a table with one row per page group.
#pragma once

#include <QPointer>

class QWidget;

// Main-panel command: shows the page editor in place of the main panel. Returns 0.
int CmDispMode();
QWidget* CreateDispModePanel(QWidget* parent);
void InitDispModeSel(); // fills the editor from Konf
void ShowMode();        // colours the cells of the set being edited
int CmPrintMode();
int CmDispModeDone(); // back to the main panel
