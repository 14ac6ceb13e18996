// Reads a simulated meter's logger into the logger panel and saves a picture of the
// main window:   loggerpanel_screenshot FILE.png     (scripts/screenshots.sh runs it)
#include "SimProcess.h"
#include "config/MeterSession.h"

#include "link/DeviceLink.h"
#include "logger/gui/LoggerPanel.h"
#include "platform/Messages.h"
#include "settings/INI_File.h"
#include "shell/Shell.h"
#include "shell/ZARO.h"

#include <QApplication>
#include <QMainWindow>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv) {
    MeterSession& session = ShellSession();
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: loggerpanel_screenshot FILE.png\n");
        return 2;
    }
    QTemporaryDir dir; // never the user's settings
    ScriptedMessages messages;
    SetMessageSink(&messages);
    SimProcess sim;
    // Five channels, a day and a half of records, one interruption.
    if (!sim.start(
            {"--rs232", "--logger-channels", "5", "--logger-values", "700", "--logger-gaps", "2300"}) ||
        !StartZaro(0.0, dir.path().toStdString()))
        return 1;
    session.connection.kind = 0;
    session.connection.serialPath = sim.ptyPath().toStdString();
    MainWindow()->resize(1100, 640);
    CmLoggerAcquisition(session);
    CmReadLoggerData(session);
    if (!Panels().deviceLogger) return 1;
    QCoreApplication::processEvents();
    const bool saved = MainWindow()->grab().save(QString::fromLocal8Bit(argv[1]));
    CmCloseLogDisplay(session);
    EndZaro();
    return saved ? 0 : 1;
}
