// The main window and the rule by which display panels replace the main panel.
#pragma once

#include <QPointer>

#include <string>

struct MeterSession;
class QMainWindow;
class QPrinter;
class QString;
class QToolBar;
class QWidget;

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
    Installation, // the installation check
};

// What the shell knows of a kind of panel: its help page, and whether it fills the
// window (the others keep their size, in the top left corner).
struct PanelKindTraits {
    PanelKind kind;
    const char* helpPage;
    bool fitted;
};
const PanelKindTraits& TraitsOf(PanelKind kind);

// The panels and windows open now, at most one of each (null when closed); the shell
// keeps them for as long as the program runs. The mean panel serves both mean kinds.
struct OpenPanels {
    QPointer<QWidget> measurements, minMax, mean, meters, harmonics, installation;
    QPointer<QWidget> simulation, displayMode;
    QPointer<QWidget> deviceLogger, moduleLogger, loadProfile;
    QPointer<QWidget> commLog;  // the communication log, a window of its own
    QPointer<QWidget> about;    // the splash panel of start-up, shown again as the about panel
    QPointer<QToolBar> toolbar; // the toolbar attached to the main window now
};
OpenPanels& Panels();

// Shows panel (created with the main window as parent) in place of the current one,
// adjusting the menu bar and toolbar and fitting it when its kind asks for that.
void ShowPanel(PanelKind kind, QWidget* panel);
// Back from a display panel: rebuild 1 reloads the menu bar and toolbar too.
void ShowMainPanel(int rebuild);
// Hides a panel, forgets its handle and deletes it once the event that is closing it
// (its own button or menu entry) has returned.
void DiscardPanel(QPointer<QWidget>& panel);
void ActivateMenu(int visible);

QMainWindow* MainWindow();   // the main window (BkgndPanel); nullptr before start-up
QWidget* ActivePanel();      // the panel shown now; popups are parented to it
PanelKind ActivePanelKind(); // the kind it was shown as
QWidget* MainPanelHandle();  // the configuration editor; nullptr before start-up

// The toolbar lists, refilled after every change of device type, interface or selection.
void InitToolbarDeviceAddr();
void InitToolbarGateway();
// The address list's selection becomes meterAddress / gatewayUnitAddress.
int DevSelCallback(MeterSession& session);
int GatewaySelCallback(); // the gateway list's selection becomes gatewayIndex
int LM57SelCallback();    // the module list's selection becomes moduleIndex

// The logger panels bring their own menu bar and toolbar.
void LoadLoggerMenuTool(QWidget* loggerPanel);

// Start-up up to the event loop: splash for splashSeconds, settings from settingsDir,
// main window in the stored language. 1 when the main window is up.
int StartZaro(double splashSeconds, const std::string& settingsDir);
// Discards the toolbar, the panels and the main window.
void EndZaro();
// The whole program: what main() runs.
int RunZaro(int argc, char** argv);

// Loads the main window's texts, menu bar, toolbar and main panel in language l
// (0 German, 1 English, 2 Dutch, 3 French; others mean English) and stores the choice.
int ChangeLanguage(int l);
int CmLangDeu();
int CmLangEng();
int CmLangNed();
int CmLangFra();

// Folder with translations/ and help/; empty (the default) means the program's directory.
void SetResourceDir(const std::string& dir);
std::string ResourcePath(const char* sub);

int ExitProgram();
// Writes today's date and time into the main panel's QLabel children named "Date" and
// "Time" (they are shown only while printing).
void ShowPrintDateTime();

// The panel shown or the commissioning record, as the user chooses.
int CmPrint(MeterSession& session);
// Prints panel as a picture scaled onto one page; false when the printer cannot start.
bool PrintPanel(QWidget* panel, QPrinter& printer);

// The help page that describes panels of this kind.
QString HelpPage(PanelKind kind);
// Help > Contents: the contents page. F1 opens the page of the panel in front (AddHelpKey).
int CmHelpContents();
// The viewer over parent, showing page (a file name in help/<language>/).
void ShowHelpPage(QWidget* parent, const QString& page);
// F1 inside window or panel w opens page: for dialogs and for panels that hide the main
// menu with its F1.
void AddHelpKey(QWidget* w, const QString& page);
// The help page of the language, or the English one when the language lacks it.
QString HelpFile(const QString& helpDir, int language, const QString& page);

int ShowAboutDialog();
void CloseAboutDialog();
