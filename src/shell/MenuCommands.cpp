// Every command of the main window and of the logger's menu bar, in menu order.
//
// A command whose subsystem is not built yet has nullptr as its function and is shown
// dimmed. Making it live is one line: include the subsystem's header below and put the
// callback in place of the nullptr: CmXxx when it is int(MeterSession&), Void<CmXxx> when
// it returns void, Sessionless<CmXxx> when it does not work on the meter session, e.g.
//     {kMeasurements, QT_TRANSLATE_NOOP("Menu", "&Instantaneous values"), "F5", ToolImage::None,
//     CmMeasDisplay, -1},
// A callback that wants its parent window gets a two-line adapter below.
// The toolbar buttons trigger the entry that carries their image, so they follow.
#include "shell/MenuCommands.h"

#include "acquisition/gui/HarmDisp.h"
#include "acquisition/gui/MeanDisp.h"
#include "acquisition/gui/MeasDisp.h"
#include "acquisition/gui/MeterDisp.h"
#include "acquisition/gui/MinMaxDisp.h"
#include "commissioning/gui/InstallationPanel.h"
#include "logger/gui/LoggerPanel.h"
#include "shell/Demo.h"
#include "shell/Shell.h"
#include "shell/ZARO.h"

#include "config/ConfigDiff.h"
#include "config/ConfigFile.h"
#include "config/ConfigTransfer.h"
#include "link/gui/CommLogWindow.h"
#include "config/gui/BrightnessPopup.h"
#include "config/gui/DispModePanel.h"
#include "config/gui/SimulationPanel.h"
#include "settings/gui/SelComm.h"

#include <QWidget>
#include <QtGlobal>
#include <iterator>

namespace {

template <void (*command)(MeterSession&)> int Void(MeterSession& session) {
    command(session);
    return 0;
}
template <void (*command)()> int Void(MeterSession&) {
    command();
    return 0;
}
// Commands that do not work on the meter session.
template <int (*command)()> int Sessionless(MeterSession&) {
    return command();
}

// Commands that replace the configuration being edited ask first when it holds unsaved edits.
template <int (*command)(MeterSession&)> int AfterAsking(MeterSession& session) {
    return MayDropEdits(session) ? command(session) : 0;
}

int SelInterface(MeterSession& session) {
    return CmSelInterface(ActivePanel(), ShellDevices(), session);
}

int CommLog(MeterSession&) {
    CmCommLog();
    AddHelpKey(Panels().commLog, "commlog.html");
    return 0;
}

enum { kFile, kMeter, kMeasurements, kDisplay, kLanguage, kHelp };

const char* const kMainTitles[] = {
    QT_TRANSLATE_NOOP("Menu", "&File"),         QT_TRANSLATE_NOOP("Menu", "&Meter"),
    QT_TRANSLATE_NOOP("Menu", "M&easurements"), QT_TRANSLATE_NOOP("Menu", "&Display"),
    QT_TRANSLATE_NOOP("Menu", "&Language"),     QT_TRANSLATE_NOOP("Menu", "&Help"),
};

using T = ToolImage;

const MenuCommand kMainCommands[] = {
    {kFile, QT_TRANSLATE_NOOP("Menu", "&New configuration"), "Ctrl+N", T::New, AfterAsking<Void<CmFileNew>>,
     -1},
    {kFile, QT_TRANSLATE_NOOP("Menu", "&Open configuration..."), "Ctrl+O", T::Open,
     AfterAsking<Void<CmFileOpen>>, -1},
    {kFile, QT_TRANSLATE_NOOP("Menu", "&Save configuration..."), "Ctrl+S", T::Save, CmSaveToFile, -1},
    {kFile, QT_TRANSLATE_NOOP("Menu", "Compare configuration &files..."), nullptr, T::None,
     Void<CmCompareFiles>, -1},
    {kFile, QT_TRANSLATE_NOOP("Menu", "Compare file with &meter..."), nullptr, T::None,
     Void<CmCompareWithMeter>, -1},
    {kFile, nullptr, nullptr, T::None, nullptr, -1},
    {kFile, QT_TRANSLATE_NOOP("Menu", "Commissioning &record..."), nullptr, T::None, CmCommissioningRecord,
     -1},
    {kFile, QT_TRANSLATE_NOOP("Menu", "&Print..."), "Ctrl+P", T::Print, CmPrint, -1},
    {kFile, nullptr, nullptr, T::None, nullptr, -1},
    {kFile, QT_TRANSLATE_NOOP("Menu", "E&xit"), "Ctrl+Q", T::None, AfterAsking<Sessionless<ExitProgram>>, -1},

    {kMeter, QT_TRANSLATE_NOOP("Menu", "&Receive configuration from meter"), "Ctrl+R", T::Download,
     AfterAsking<CmRecFromDev>, -1},
    {kMeter, QT_TRANSLATE_NOOP("Menu", "Sen&d configuration to meter"), "Ctrl+D", T::Upload, CmSendConfig,
     -1},
    {kMeter, QT_TRANSLATE_NOOP("Menu", "&Version information"), nullptr, T::None, Void<CmGetVersionInfo>, -1},
    {kMeter, QT_TRANSLATE_NOOP("Menu", "Restart &mean-value interval"), nullptr, T::None, CmRestartInterval,
     -1},
    {kMeter, nullptr, nullptr, T::None, nullptr, -1},
    {kMeter, QT_TRANSLATE_NOOP("Menu", "&Interface..."), nullptr, T::None, SelInterface, -1},
    {kMeter, QT_TRANSLATE_NOOP("Menu", "Communication &log..."), nullptr, T::None, CommLog, -1},

    {kMeasurements, QT_TRANSLATE_NOOP("Menu", "&Instantaneous values"), "F5", T::None, CmMeasDisplay, -1},
    {kMeasurements, QT_TRANSLATE_NOOP("Menu", "Mi&nimum and maximum values"), nullptr, T::None,
     CmMinMaxDisplay, -1},
    {kMeasurements, QT_TRANSLATE_NOOP("Menu", "&Energy meters"), nullptr, T::None, CmMetersDisplay, -1},
    {kMeasurements, QT_TRANSLATE_NOOP("Menu", "&Mean values"), nullptr, T::None, CmMeanValueDisplay, -1},
    {kMeasurements, QT_TRANSLATE_NOOP("Menu", "&Voltage harmonics"), nullptr, T::None, CmVoltageHarmonics,
     -1},
    {kMeasurements, QT_TRANSLATE_NOOP("Menu", "C&urrent harmonics"), nullptr, T::None, CmCurrentHarmonics,
     -1},
    {kMeasurements, QT_TRANSLATE_NOOP("Menu", "Installation chec&k"), nullptr, T::None, CmInstallationCheck,
     -1},
    {kMeasurements, nullptr, nullptr, T::None, nullptr, -1},
    {kMeasurements, QT_TRANSLATE_NOOP("Menu", "&Simulation of digital outputs"), nullptr, T::None,
     CmSimulation, -1},
    {kMeasurements, nullptr, nullptr, T::None, nullptr, -1},
    {kMeasurements, QT_TRANSLATE_NOOP("Menu", "&Logger"), nullptr, T::None, CmLoggerAcquisition, -1},
    {kMeasurements, QT_TRANSLATE_NOOP("Menu", "Logger &without meter"), nullptr, T::None, CmLoggerOffline,
     -1},

    {kDisplay, QT_TRANSLATE_NOOP("Menu", "Display &pages..."), nullptr, T::None, CmDispMode, -1},
    {kDisplay, QT_TRANSLATE_NOOP("Menu", "&Brightness..."), nullptr, T::None, CmDisplay, -1},

    // Each language is named in its own language, whatever language is active.
    {kLanguage, "&Deutsch", nullptr, T::None, Sessionless<CmLangDeu>, 0},
    {kLanguage, "&English", nullptr, T::None, Sessionless<CmLangEng>, 1},
    {kLanguage, "&Nederlands", nullptr, T::None, Sessionless<CmLangNed>, 2},
    {kLanguage, "&Fran\u00e7ais", nullptr, T::None, Sessionless<CmLangFra>, 3},

    {kHelp, QT_TRANSLATE_NOOP("Menu", "&Contents"), nullptr, T::None, Sessionless<CmHelpContents>, -1},
    {kHelp, QT_TRANSLATE_NOOP("Menu", "Try with a &simulated meter"), nullptr, T::None,
     Sessionless<CmTryDemo>, -1},
    {kHelp, QT_TRANSLATE_NOOP("Menu", "&About ZARO"), nullptr, T::None, Sessionless<ShowAboutDialog>, -1},
};

const char* const kLoggerTitles[] = {QT_TRANSLATE_NOOP("Menu", "&Logger")};

const MenuCommand kLoggerCommands[] = {
    {0, QT_TRANSLATE_NOOP("Menu", "&Back to the configuration"), nullptr, T::Return, CmCloseLogDisplay, -1},
    {0, nullptr, nullptr, T::None, nullptr, -1},
    {0, QT_TRANSLATE_NOOP("Menu", "&Open logger file..."), "Ctrl+O", T::Open, CmOpenLoggerFile, -1},
    {0, QT_TRANSLATE_NOOP("Menu", "&Save logger file..."), "Ctrl+S", T::Save, CmStoreLoggerFile, -1},
    {0, QT_TRANSLATE_NOOP("Menu", "&Read from meter"), nullptr, T::Upload, CmReadLoggerData, -1},
    {0, QT_TRANSLATE_NOOP("Menu", "&Profile graph"), nullptr, T::Graphic, CmDispLogData, -1},
    {0, QT_TRANSLATE_NOOP("Menu", "E&xport to Excel..."), nullptr, T::Excel, CmExcelExport, -1},
    {0, QT_TRANSLATE_NOOP("Menu", "&Minimum and maximum values"), nullptr, T::Find, Sessionless<CmShowMinMax>,
     -1},
    {0, nullptr, nullptr, T::None, nullptr, -1},
    {0, QT_TRANSLATE_NOOP("Menu", "Rese&t logger..."), nullptr, T::None, CmLoggerReset, -1},
};

} // namespace

const MenuTable& MainMenu() {
    static const MenuTable table = {kMainTitles, int(std::size(kMainTitles)), kMainCommands,
                                    int(std::size(kMainCommands))};
    return table;
}

const MenuTable& LoggerMenu() {
    static const MenuTable table = {kLoggerTitles, int(std::size(kLoggerTitles)), kLoggerCommands,
                                    int(std::size(kLoggerCommands))};
    return table;
}
