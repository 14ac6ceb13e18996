// Draws the communication log after a few reads from zaro-sim (one with a CRC fault) and
// the question before a send with its differences:
//   commlog_screenshot DIR [LANGUAGE]   writes DIR/commlog-LANG.png, DIR/senddiff-LANG.png
#include "config/ConfigDiff.h"
#include "config/ConfigImage.h"
#include "config/ConfigTransfer.h"
#include "config/MeterSession.h"
#include "link/DeviceLink.h"
#include "link/gui/CommLogWindow.h"
#include "platform/gui/DialogMessages.h"
#include "settings/INI_File.h"

#include "SimProcess.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <cstdio>
#include <cstring>

namespace {

// The meter's configuration and the one to be sent: VT, output 1, user pages, text.
void SampleDifferences(MeterSession& session, ConfigImage& meter, ConfigImage& file) {
    session.edited = ConfigImage{};
    session.edited.Model = 1;
    session.edited.Interface = 1;
    session.edited.MaxU = 100;
    session.edited.MaxI = 100;
    InitNewConfiguration(session);
    session.edited.UrPrim = 20000.0f;
    session.edited.DigOut[0] = 12;
    session.edited.LimitOn[0] = 4800;
    session.edited.LimitOff[0] = 5000;
    std::strcpy(session.edited.Description, "Feeder 7");
    meter = file = session.edited;
    file.UrPrim = 10000.0f;
    file.DigOut[0] = 65;
    file.PulseRate[0] = 100;
    file.User[0] ^= 0x31;
    std::strcpy(file.Description, "Feeder 8");
}

} // namespace

int main(int argc, char** argv) {
    MeterSession session;
    UseSession(session);
    QApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: commlog_screenshot DIR [LANGUAGE]\n");
        return 2;
    }
    const QString lang = argc == 3 ? argv[2] : "en";
    QTranslator translator;
    if (translator.load("zaro_" + lang, QString(ZARO_BIN_DIR) + "/translations"))
        QCoreApplication::installTranslator(&translator);
    DialogMessages dialogs(nullptr);
    SetMessageSink(&dialogs);

    SimProcess sim;
    if (!sim.start({"--rs232", "--model", "zrm3", "--fault", "badcrc"})) return 1;
    session.connection.kind = 0;
    session.connection.serialPath = sim.ptyPath().toStdString();
    session.connection.closePortAfterUse = 0;
    QWidget* log = CreateCommLogWindow(nullptr);
    log->show();
    if (!InitInterface() || !ReadConfiguration(session, 0)) return 1;
    sim.command("fault badcrc");
    Read(session.read, kReadValuesM3, 1);
    QTest::qWait(500); // the window refreshes from the log every 250 ms
    if (!log->grab().save(QString("%1/commlog-%2.png").arg(argv[1], lang))) return 1;

    ConfigImage meter, file;
    SampleDifferences(session, meter, file);
    bool saved = false;
    QTimer::singleShot(100, [&] {
        QWidget* d = QApplication::activeModalWidget();
        if (!d) return;
        saved = d->grab().save(QString("%1/senddiff-%2.png").arg(argv[1], lang));
        d->close();
    });
    WarningWithDetails(0, 0, DifferenceRows(CompareConfigurations(meter, file, QLocale())));
    delete log;
    return saved ? 0 : 1;
}
