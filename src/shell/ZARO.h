// The main window and the rule by which display panels replace the main panel.
#pragma once

class QWidget;
class QMainWindow;

enum class PanelKind {
    Main,
    Measurements, // instantaneous values
    MinMax,
    MeanExtended,
    MeanStandard,
    Meters,
    Simulation,
    DeviceLogger,
    ModuleLogger,
    LoadProfile,
    DisplayMode,
    Harmonics,
};

// Shows panel (created with the main window as parent) in place of the current one,
// adjusting the menu bar and toolbar and fitting it when its kind asks for that.
void ShowPanel(PanelKind kind, QWidget* panel);
// Back from a display panel: rebuild 1 reloads the menu bar and toolbar too.
void ShowMainPanel(int rebuild);
void ActivateMenu(int visible);

QMainWindow* MainWindow(); // the main window (BkgndPanel); nullptr before start-up
QWidget* ActivePanel();    // the panel shown now; popups are parented to it

// The toolbar lists, refilled after every change of device type, interface or selection.
void InitToolbarDeviceAddr();
void InitToolbarGateway();
