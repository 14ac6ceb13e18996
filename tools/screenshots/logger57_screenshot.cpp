// Draws the module logger panel with a log from the simulated module and saves a
// picture of it:  logger57_screenshot FILE.png [LANGUAGE]   (scripts/screenshots.sh)
#include "SimLog57.h"
#include "config/MeterSession.h"

#include "logger/Logger57.h"
#include "logger/gui/Logger57Panel.h"
#include "platform/Messages.h"

#include <QApplication>
#include <QTranslator>
#include <QWidget>
#include <cstdio>

int main(int argc, char** argv) {
    MeterSession session;
    qputenv("TZ", "UTC");
    QApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: logger57_screenshot FILE.png [LANGUAGE]\n");
        return 2;
    }
    ScriptedMessages messages; // a popup would wait for a click that never comes
    SetMessageSink(&messages);
    QTranslator translator;
    if (argc == 3 && translator.load(QString("zaro_") + argv[2], QString(ZARO_BIN_DIR) + "/translations"))
        QCoreApplication::installTranslator(&translator);
    SimMeterSetup setup;
    setup.logRecords = 96;
    SimMeter meter;
    SimMeterInit(meter, setup, 0);
    SimLog57Setup log;
    log.records = 48;
    log.endUnix = 1767268800; // 2026-01-01 12:00 UTC: the same picture every time
    if (!InitLogger57(session, ModuleLoggerPanelLog(), SimModuleLogFile(meter, log))) return 1;
    QWidget window;
    window.resize(1366, 768);
    QWidget* panel = CreateLogger57Panel(session, &window, true);
    panel->resize(1366, 768);
    window.show();
    DispLogger57();
    QCoreApplication::processEvents();
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
