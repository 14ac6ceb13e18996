// Draws the main panel with a sample configuration and saves a picture of it:
//   mainpanel_screenshot FILE.png [LANGUAGE]     (scripts/screenshots.sh runs it)
// or the whole main window against zaro-sim after a receive and one edit, to show the
// status bar and the title in use:
//   mainpanel_screenshot --window FILE.png LANGUAGE
#include "SimProcess.h"
#include "config/ConfigImage.h"
#include "config/ConfigTransfer.h"
#include "config/EditorRefresh.h"
#include "config/MeterSession.h"
#include "config/gui/MainPanel.h"
#include "link/DeviceLink.h"
#include "platform/Messages.h"
#include "settings/INI_File.h"
#include "shell/Shell.h"
#include "shell/ZARO.h"
#include "values/NumberText.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QTranslator>
#include <QWidget>
#include <cstdio>
#include <cstring>

namespace {

// An extended model with its interface option behind a module, both outputs in use
// and the loggers on: every group of the panel has something to show.
void SampleConfiguration(MeterSession& session) {
    session.edited = ConfigImage{};
    session.edited.MaxU = 500;
    session.edited.MaxI = 500;
    session.edited.Model = 1;
    session.edited.Interface = 1;
    session.connection.kind = 3;
    InitNewConfiguration(session);
    session.edited.UrPrim = 20000.0f;
    session.edited.UrSec = 100;
    session.edited.IrPrim = 100.0f;
    session.edited.IrSec = 5.0f;
    session.edited.DigOut[0] = 12;
    session.edited.LimitOn[0] = 4800;
    session.edited.LimitOff[0] = 5000;
    session.edited.DigOut[1] = 0x4D;
    session.edited.MeanMeas[0] = 6;
    session.edited.Mean_Log = 1;
    session.edited.Logger = 0x0C00;
    session.edited.MinMaxLogger[0] = 81;
    std::strcpy(session.edited.Description, "Feeder 3, switchboard B");
}

int LanguageNumber(const QString& code) {
    return code == "de" ? 0 : code == "nl" ? 2 : code == "fr" ? 3 : 1;
}

int MainWindowPicture(const QString& file, const QString& code) {
    QTemporaryDir dir; // settings of this run only
    ScriptedMessages messages;
    SetMessageSink(&messages);
    SetResourceDir(ZARO_BIN_DIR); // translations of the build
    if (!StartZaro(0.0, dir.path().toStdString())) return 1;
    ChangeLanguage(LanguageNumber(code));
    MainWindow()->resize(1366, 768);
    SimProcess sim;
    if (!sim.start({"--rs485", "5", "--model", "zrm3", "--fw", "412", "--system", "4", "--vt", "20000/100",
                    "--ct", "100/5"})) {
        std::fprintf(stderr, "zaro-sim did not start: %s\n", qPrintable(sim.output()));
        return 1;
    }
    Connection& connection = ShellConnection();
    connection.kind = kRS485;
    connection.meterAddress = 5;
    connection.serialPath = sim.ptyPath().toStdString();
    const int received = CmRecFromDev(ShellSession());
    // One edit, as typed: the transformer's primary voltage.
    auto* field = MainPanelHandle()->findChild<QDoubleSpinBox*>("UrPrim");
    field->setValue(30.0);
    emit field->editingFinished();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 300)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    const bool saved = MainWindow()->grab().save(file);
    CloseCommPort();
    sim.stop();
    EndZaro();
    return received && saved && messages.shown.empty() ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    MeterSession session;
    UseSession(session);
    QApplication app(argc, argv);
    if (argc == 4 && QString(argv[1]) == "--window")
        return MainWindowPicture(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: mainpanel_screenshot FILE.png [LANGUAGE]\n");
        return 2;
    }
    QTemporaryDir dir; // the panel may store settings: never the user's
    SettingsDir = dir.path().toStdString();
    ScriptedMessages messages; // a popup would wait for a click that never comes
    SetMessageSink(&messages);
    QTranslator translator;
    if (argc == 3) {
        const QString folder = QString(ZARO_BIN_DIR) + "/translations";
        if (!translator.load(QString("zaro_") + argv[2], folder)) {
            std::fprintf(stderr, "no translation %s in %s\n", argv[2], qPrintable(folder));
            return 1;
        }
        QCoreApplication::installTranslator(&translator);
        const QString code = argv[2];
        QLocale::setDefault(LanguageLocale(code == "de" ? 0 : code == "nl" ? 2 : code == "fr" ? 3 : 1));
    }
    QWidget window;
    window.resize(1366, 768);
    QWidget* panel = CreateMainPanel(session, &window);
    panel->resize(1366, 768);
    window.show();
    SampleConfiguration(session);
    ActivateObjects();
    ShowAll();
    QCoreApplication::processEvents(); // let the layouts follow the new texts
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
