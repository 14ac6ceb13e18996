// The module logger panel in the real main window: downloading from zaro-sim's module,
// stepping through sequences, the extremes popup, storing and opening *.LF3 files.
#include "SimProcess.h"

#include "link/Connection.h"
#include "link/DeviceLink.h"
#include "link/ModbusTcp.h"
#include "logger/Logger57.h"
#include "logger/gui/Logger57Panel.h"
#include "logger/gui/LoggerPanel.h"
#include "netmodules/KnownDevices.h"
#include "platform/Messages.h"
#include "platform/ProgramFiles.h"
#include "shell/Shell.h"
#include "shell/ZARO.h"

#include <QtTest>
#include <QtWidgets>

namespace {

template <typename T = QPushButton> T* Obj(const char* name) {
    return Panels().moduleLogger ? Panels().moduleLogger->findChild<T*>(name) : nullptr;
}
void Click(const char* name) {
    QPushButton* b = Obj(name);
    QVERIFY2(b && b->isEnabled(), name);
    b->click();
}
QAbstractItemModel* List(int l) {
    return Obj<QTableView>(l ? "list2" : "list1")->model();
}
QString Header(int l, int column) {
    return List(l)->headerData(column, Qt::Horizontal).toString();
}
QString Cell(int l, int row, int column) {
    return List(l)->index(row, column).data().toString();
}
QString Period() {
    return Obj<QLabel>("period")->text();
}

} // namespace

class Logger57Test : public QObject {
    Q_OBJECT

    Connection& connection = ShellConnection(); // the one the link talks over

    QTemporaryDir dir;
    ScriptedMessages messages;
    SimProcess sim;

  private slots:
    void initTestCase() {
        UseConnection(&connection);
        QVERIFY(dir.isValid());
        qputenv("TZ", "UTC");
        tzset();
        SetMessageSink(&messages);
        QVERIFY(StartZaro(0.0, dir.path().toStdString()));
        SelectInterface(connection, kModule, 0, 0);
        qstrcpy(ShellDevices().modules.emplace_back().IP, "127.0.0.1");
    }
    void cleanup() {
        if (Panels().moduleLogger) CmCloseLogDisplay57();
        sim.stop();
        messages.clear();
    }
    void cleanupTestCase() { EndZaro(); }

    void downloadsStepsAndStores() {
        QVERIFY2(sim.start({"--module", "--http-port", "0", "--log-sequences", "3", "--log-records", "30"}),
                 qPrintable(sim.output()));
        connection.moduleTcpPort = sim.tcpPort();
        connection.moduleHttpPort = sim.httpPort();
        CmLoggerAcquisition();
        QVERIFY(Panels().moduleLogger);
        QCOMPARE(ActivePanel(), Panels().moduleLogger.data());
        QVERIFY(!Obj("store")->isEnabled() && !Obj("prev")->isEnabled());

        Click("read");
        QCOMPARE(messages.shown.size(), size_t(0));
        QCOMPARE(ModuleLoggerPanelLog().Shown, 3);
        QVERIFY(Period().endsWith("#Records: 30"));
        QVERIFY(Obj<QLabel>("module")->text().startsWith("ZARO-SIM 247\n00-30-11-57-00-f7"));
        // The maximum the module logs first is a column of the second list, under its own header.
        QCOMPARE(List(0)->columnCount(), 1 + 6);
        QCOMPARE(Header(0, 1), QString("U1N\n[V]"));
        QCOMPARE(Header(0, 5), QString("F\n[Hz]"));
        QVERIFY(Cell(0, 0, 5).contains(QRegularExpression(R"(^ {4}5\d\.\d\d$)")));
        QVERIFY(Obj<QTableView>("list2")->isVisibleTo(Panels().moduleLogger));
        QCOMPARE(Header(1, 1), QString("Umax\n[V]"));
        QCOMPARE(Header(1, 2), QString("Umin\n[V]"));
        QVERIFY(Cell(1, 0, 1).toDouble() > Cell(1, 0, 2).toDouble());
        QCOMPARE(List(0)->rowCount(), 30);
        QVERIFY(!Obj("next")->isEnabled());
        QVERIFY(Obj("graph")->isEnabled() && Obj("excel")->isEnabled());

        Click("prev");
        Click("prev");
        QCOMPARE(ModuleLoggerPanelLog().Shown, 1);
        QVERIFY(Period().endsWith("#Records: 29")); // the record the module missed
        QVERIFY(!Obj("prev")->isEnabled());
        Click("next");
        QCOMPARE(ModuleLoggerPanelLog().Shown, 2);

        // The extremes of the shown sequence; rows past its channels are empty and dimmed.
        QString name, unit;
        bool dimmed = false;
        QTimer::singleShot(0, [&] {
            QWidget* popup = QApplication::activeModalWidget();
            if (!popup) return;
            name = popup->findChild<QLabel*>("minmax_0_0")->text();
            unit = popup->findChild<QLabel*>("minmax_1_2")->text();
            dimmed = !popup->findChild<QLabel*>("minmax_8_0")->isEnabled();
            popup->close();
        });
        Click("minmax");
        QCOMPARE(name, QString("Umax"));
        QCOMPARE(unit, QString("[V]"));
        QVERIFY(dimmed);

        const QString stored = dir.filePath("module");
        messages.files.push_back(stored.toStdString());
        Click("store");
        QByteArray fetched, copy;
        QVERIFY(ReadWholeFile(ModuleLoggerPanelLog().SourceFile, fetched));
        QVERIFY(ReadWholeFile((stored + ".LF3").toStdString(), copy));
        QCOMPARE(copy, fetched);

        Click("back");
        QCOMPARE(ActivePanel(), MainPanelHandle());
        QVERIFY(sim.stopClean());
    }

    // Without a meter: files only. A damaged file changes nothing that is shown.
    void opensFilesWithoutMeter() {
        CmLoggerOffline();
        QVERIFY(Panels().moduleLogger);
        QVERIFY(!Obj("read")->isEnabled());
        messages.files.push_back(ZARO_SOURCE_DIR "/fuzz/corpus/modulelog_fuzz/sample.LF3");
        Click("open");
        QCOMPARE(ModuleLoggerPanelLog().Shown, 2); // the newest sequence has no channels
        QVERIFY(!Obj<QTableView>("list2")->isVisibleTo(Panels().moduleLogger));
        QCOMPARE(Cell(0, 0, 1), QString("      ---"));

        const QString damaged = dir.filePath("damaged.LF3");
        QVERIFY(WriteFileAtomically(damaged.toStdString(), QByteArray(64, '\xFF')));
        messages.files.push_back(damaged.toStdString());
        Obj("open")->click();
        QCOMPARE(messages.shown.size(), size_t(1));
        QCOMPARE(messages.shown[0].kind, 17);
        QCOMPARE(messages.shown[0].number, 1);
        // Larger than a download may be: said in the download's words.
        QVERIFY(WriteFileAtomically(damaged.toStdString(), QByteArray((4 << 20) + 1, '\0')));
        messages.files.push_back(damaged.toStdString());
        Obj("open")->click();
        QCOMPARE(messages.shown.size(), size_t(2));
        QCOMPARE(messages.shown[1].kind, 17);
        QCOMPARE(messages.shown[1].number, 3);
        QCOMPARE(ModuleLoggerPanelLog().Shown, 2);
        QCOMPARE(List(0)->rowCount(), 2);
    }
};

QTEST_MAIN(Logger57Test)
#include "logger57_test.moc"
