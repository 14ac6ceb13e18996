// The brightness popup: a slider that sets the meter's display brightness at once.
#pragma once

struct MeterSession;

class QDialog;
class QWidget;

// Main-panel command: reads the brightness and runs the popup until it is closed.
int CmDisplay(MeterSession& session);
// The popup over parent, for the meter whose display byte session.read holds; the link is open.
QDialog* CreateBrightnessPopup(MeterSession& session, QWidget* parent);
