// The brightness popup: a slider that sets the meter's display brightness at once.
#pragma once

class QDialog;
class QWidget;

// Main-panel command: reads the brightness and runs the popup until it is closed.
int CmDisplay();
// The popup over parent, for the meter whose display byte Lese holds; the link is open.
QDialog* CreateBrightnessPopup(QWidget* parent);
