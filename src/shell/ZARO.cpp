// Start-up, the main window, panel switching, language switching and the orderly end.
#include "shell/ZARO.h"

#include "shell/Demo.h"
#include "shell/Shell.h"

#include "config/ConfigImage.h"
#include "config/ConfigTransfer.h"
#include "config/EditorRefresh.h"
#include "config/gui/MainPanel.h"
#include "config/gui/SimulationPanel.h"
#include "link/CommLog.h"
#include "link/DeviceLink.h"
#include "link/ModbusTcp.h"
#include "netmodules/KnownDevices.h"
#include "platform/ChildProcess.h"
#include "platform/ProgramFiles.h"
#include "platform/Signals.h"
#include "platform/TimeBase.h"
#include "platform/gui/DialogMessages.h"
#include "settings/INI_File.h"
#include "settings/SearchAddress.h"
#include "values/NumberText.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLibraryInfo>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QToolBar>
#include <QTranslator>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

namespace {

std::string resourceDir;
OpenPanels openPanels;

QPointer<QMainWindow> BkgndPanel;
QPointer<QWidget> MainPanel;
QPointer<QWidget> activePanel;
PanelKind activeKind = PanelKind::Main;
QVBoxLayout* panelArea = nullptr; // holds the panel shown in the main window

QTranslator* translator = nullptr;   // our texts
QTranslator* qtTranslator = nullptr; // Qt's own dialog buttons

const char* const kLanguageCodes[] = {"de", "en", "nl", "fr"};

// Close of the main window ends the event loop, even while the about panel is up.
class PanelEventFilter : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override;
};

bool PanelEvents(QObject* panel, QEvent* event) {
    // The type first: during the window's destruction the handle no longer is a main window.
    if (event->type() == QEvent::Close && panel == BkgndPanel) {
        if (!MayDropEdits(ShellSession())) {
            event->ignore();
            return true;
        }
        QCoreApplication::exit(0);
    }
    return false;
}

bool PanelEventFilter::eventFilter(QObject* watched, QEvent* event) {
    return PanelEvents(watched, event);
}

// One row per kind, in the order of the enum.
constexpr PanelKindTraits kPanelKinds[] = {
    {PanelKind::Main, "main_panel.html", true},
    {PanelKind::Measurements, "measurements.html", true},
    {PanelKind::MinMax, "minmax.html", true},
    {PanelKind::MeanExtended, "mean_values.html", true},
    {PanelKind::MeanStandard, "mean_values.html", false},
    {PanelKind::Meters, "meters.html", false},
    {PanelKind::Simulation, "simulation.html", false},
    {PanelKind::DeviceLogger, "logger.html", true},
    {PanelKind::ModuleLogger, "module_logger.html", true},
    {PanelKind::LoadProfile, "profiles.html", true},
    {PanelKind::DisplayMode, "display_pages.html", false},
    {PanelKind::Harmonics, "harmonics.html", true},
    {PanelKind::Installation, "installation_check.html", true},
};
constexpr bool InEnumOrder() {
    for (size_t i = 0; i < std::size(kPanelKinds); ++i)
        if (size_t(kPanelKinds[i].kind) != i) return false;
    return std::size(kPanelKinds) == size_t(PanelKind::Installation) + 1;
}
static_assert(InEnumOrder());

bool IsFitted(PanelKind kind) {
    return TraitsOf(kind).fitted;
}

void ResetProgramState(MeterSession& session) {
    session.configFile.clear();
    session.connection.highestSearchAddress = 32;
    session.connection.contact = MeterContact{};
    CloseTCPConnection(kCloseAllTCP);
}

void LoadTranslation(int l) {
    for (QTranslator** t : {&translator, &qtTranslator}) {
        if (!*t) continue;
        QCoreApplication::removeTranslator(*t);
        delete *t;
        *t = nullptr;
    }
    translator = new QTranslator;
    const QString dir = QString::fromStdString(ResourcePath("translations"));
    // A missing translation leaves the English texts: a window in the wrong language
    // still beats no window at all.
    if (translator->load(QStringLiteral("zaro_%1").arg(kLanguageCodes[l]), dir))
        QCoreApplication::installTranslator(translator);
    else
        qWarning("zaro: no translation zaro_%s in %s", kLanguageCodes[l], qPrintable(dir));
    qtTranslator = new QTranslator;
    if (qtTranslator->load(QStringLiteral("qtbase_%1").arg(kLanguageCodes[l]),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtTranslator);
}

// Numbers in the chosen language: widgets made from now on take the default locale, and
// the windows already open (the communication log, a popup) are told to write theirs anew.
void ApplyLanguageLocale(int l) {
    QLocale::setDefault(LanguageLocale(l));
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(qApp, &change);
}

void CreateMainWindow() {
    BkgndPanel = new QMainWindow;
    BkgndPanel->setObjectName("BkgndPanel");
    auto* area = new QWidget(BkgndPanel);
    panelArea = new QVBoxLayout(area);
    panelArea->setContentsMargins(0, 0, 0, 0);
    panelArea->addWidget(CreateFirstRunBanner(area));
    BkgndPanel->setCentralWidget(area);
    CreateStatusBar(BkgndPanel);
    BkgndPanel->installEventFilter(new PanelEventFilter(BkgndPanel));
    BkgndPanel->resize(1000, 700);
    BkgndPanel->setWindowIcon(QIcon(SplashPicture().copy(320, 40, 180, 220)));
}

void DiscardToolbar() {
    if (!Panels().toolbar) return;
    // Later, not now: the button that asked for this may still be handling its click.
    BkgndPanel->removeToolBar(Panels().toolbar);
    Panels().toolbar->hide();
    Panels().toolbar->deleteLater();
    Panels().toolbar = nullptr;
}

// The main menu bar and toolbar in the current language. The old menu bar goes later:
// the command that asked for the rebuild may be running from one of its entries.
void BuildMainBars() {
    DiscardToolbar();
    QMenuBar* bar = BuildMenuBar(MainMenu(), BkgndPanel, ShellSession());
    BkgndPanel->setMenuBar(bar);
    CheckLanguageEntry(bar, Language);
    Panels().toolbar = BuildMainToolbar(ShellSession(), BkgndPanel, bar);
}

int SwitchLanguage(int l) {
    ChangeLanguage(l);
    return 0;
}

} // namespace

const PanelKindTraits& TraitsOf(PanelKind kind) {
    return kPanelKinds[size_t(kind)];
}

void SetResourceDir(const std::string& dir) {
    resourceDir = dir;
}

OpenPanels& Panels() {
    return openPanels;
}

std::string ResourcePath(const char* sub) {
    const std::string base = resourceDir.empty() ? DataDir() : resourceDir;
    return base + "/" + sub;
}

QMainWindow* MainWindow() {
    return BkgndPanel;
}
QWidget* ActivePanel() {
    return activePanel ? activePanel.data() : BkgndPanel.data();
}
PanelKind ActivePanelKind() {
    return activeKind;
}
QWidget* MainPanelHandle() {
    return MainPanel;
}

void ActivateMenu(int visible) {
    if (BkgndPanel) BkgndPanel->menuBar()->setVisible(visible != 0);
}

void ShowPanel(PanelKind kind, QWidget* panel) {
    if (!BkgndPanel || !panel) return;
    if (activePanel && activePanel != panel) activePanel->hide();
    if (panelArea->indexOf(panel) < 0) {
        panel->setParent(panelArea->parentWidget());
        // A fitted panel fills the window; the others keep their own size.
        if (IsFitted(kind))
            panelArea->addWidget(panel, 1);
        else
            panelArea->addWidget(panel, 0, Qt::AlignLeft | Qt::AlignTop);
    }
    switch (kind) {
    case PanelKind::Main:
        MainPanel = panel;
        ActivateMenu(1);
        if (!Panels().toolbar)
            Panels().toolbar = BuildMainToolbar(ShellSession(), BkgndPanel, BkgndPanel->menuBar());
        Panels().toolbar->show();
        break;
    case PanelKind::DeviceLogger:
    case PanelKind::ModuleLogger:
        LoadLoggerMenuTool(panel);
        break;
    default:
        ActivateMenu(0);
        if (Panels().toolbar) Panels().toolbar->hide();
        break;
    }
    // F1 belongs to the panel in front; the menu's Contents opens the contents.
    AddHelpKey(panel, HelpPage(kind));
    panel->show();
    activePanel = panel;
    activeKind = kind;
    ShowWindowStatus();
}

void DiscardPanel(QPointer<QWidget>& panel) {
    if (QWidget* p = panel) {
        panel = nullptr;
        p->hide();
        p->deleteLater();
    }
}

void ShowMainPanel(int rebuild) {
    if (!BkgndPanel || !MainPanel) return;
    if (rebuild) {
        BuildMainBars();
    } else {
        ActivateMenu(1);
        if (!Panels().toolbar)
            Panels().toolbar = BuildMainToolbar(ShellSession(), BkgndPanel, BkgndPanel->menuBar());
        Panels().toolbar->show();
    }
    if (activePanel && activePanel != MainPanel) activePanel->hide();
    MainPanel->show();
    activePanel = MainPanel;
    activeKind = PanelKind::Main;
    ActivateObjects();
    ShowAll();
}

void LoadLoggerMenuTool(QWidget*) {
    if (!BkgndPanel) return;
    DiscardToolbar();
    QMenuBar* bar = BuildMenuBar(LoggerMenu(), BkgndPanel, ShellSession());
    BkgndPanel->setMenuBar(bar);
    Panels().toolbar = BuildLoggerToolbar(BkgndPanel, bar);
    bar->show();
}

int ChangeLanguage(int l) {
    if (l < 0 || l > 3) l = 1;
    Language = l;
    LoadTranslation(l);
    ApplyLanguageLocale(l);
    if (!BkgndPanel) CreateMainWindow();

    // Only the panel is reloaded; the configuration in memory stays as it is. The old
    // editor goes first so that its refresh hooks are gone before the new one's exist.
    delete MainPanel;
    BuildMainBars();
    BkgndPanel->show();
    QWidget* panel = CreateMainPanel(ShellSession(), BkgndPanel);
    panel->setObjectName("MainPanel");
    ShowPanel(PanelKind::Main, panel);
    ShowPrintFields(false);
    ActivateObjects();
    ShowAll();
    NewINIFile(ShellSession());
    ShowWindowStatus(); // the title and the status bar in the new language
    return 1;
}

int CmLangDeu() {
    return SwitchLanguage(0);
}
int CmLangEng() {
    return SwitchLanguage(1);
}
int CmLangNed() {
    return SwitchLanguage(2);
}
int CmLangFra() {
    return SwitchLanguage(3);
}

KnownDevices& ShellDevices() {
    static KnownDevices devices;
    return devices;
}

MeterSession& ShellSession() {
    static MeterSession session;
    return session;
}

Connection& ShellConnection() {
    return ShellSession().connection;
}

int StartZaro(double splashSeconds, const std::string& settingsDir) {
    const double shownAt = Timer();
    delete Panels().about;
    Panels().about = CreateSplashPanel(nullptr);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        Panels().about->move(screen->availableGeometry().center() - Panels().about->rect().center());
    Panels().about->show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    CloseCommPort();
    // Kept from the start, so that the log shows what led to a failure however late it is opened.
    StartCommLog();

    SettingsDir = settingsDir;
    MeterSession& session = ShellSession();
    LoadAllSettings(ShellDevices(), session, true);
    UseKnownDevices(&ShellDevices());
    UseSession(session);
    ResetProgramState(session);
    InitNewConfiguration(session);

    // The splash stays its full time however quickly the files were read.
    Delay(splashSeconds - (Timer() - shownAt));
    Panels().about->hide();
    EditStateHook = ShowWindowStatus;
    ObserveExchanges(ShowWindowStatus);
    const int shown = ChangeLanguage(Language);
    KeepEdits(session); // after the editor's first redraw, which makes its corrections
    session.onMeterKnown = false;
    session.transfer = TransferReport{};
    ShowWindowStatus();
    return shown;
}

void EndZaro() {
    EditStateHook = nullptr;
    ObserveExchanges(nullptr);
    EndPanelSimulation(ShellSession());
    DiscardToolbar();
    delete MainPanel;
    delete Panels().about;
    delete BkgndPanel;
    panelArea = nullptr;
}

int RunZaro(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("ZARO");
    QApplication::setApplicationVersion(ZARO_VERSION);
    QCommandLineParser options;
    options.setApplicationDescription("Sets up and reads multifunction power meters.");
    options.addHelpOption();
    options.addVersionOption();
    const QCommandLineOption demo("demo", "Start against a simulated meter (zaro-sim); your own settings stay untouched.");
    options.addOption(demo);
    const QCommandLineOption wiring(
        "wiring",
        "With --demo: a wiring fault of the simulated meter (repeatable): reversed-ct:N, "
        "swapped-ct:N,M, missing-u:N or ct-ratio:X.",
        "fault");
    options.addOption(wiring);
    options.process(app);

    QuitOnTerminationSignals();
    DialogMessages dialogs(ActivePanel);
    dialogs.setHelpKey(AddHelpKey);
    SetMessageSink(&dialogs);
    const int started = options.isSet(demo)
                            ? StartDemoSession(FindHelperProgram("zaro-sim"), options.values(wiring), 2.0)
                            : StartZaro(2.0, DefaultSettingsDir());
    if (started && !TerminationRequested()) app.exec();
    EndZaro();
    StopDemo();
    SetMessageSink(nullptr);
    return started ? 0 : 1;
}

void CloseAllTCPConnections() {
    CloseTCPConnection(kCloseAllTCP);
}

int ExitProgram() {
    CloseAllTCPConnections();
    QCoreApplication::exit(0);
    return 0;
}

void ShowPrintDateTime() {
    if (!MainPanel) return;
    const LocalTime now = LocalNow();
    if (auto* date = MainPanel->findChild<QLabel*>("Date"))
        date->setText(QString::fromStdString(FormatDate(now)));
    if (auto* time = MainPanel->findChild<QLabel*>("Time"))
        time->setText(QString::fromStdString(FormatTime(now)));
}
