// Serial transactions against zaro-sim on a pseudo-terminal, end to end. The engine's
// retries, pauses and time-outs are tested on a scripted line in link_engine_test.
#include "SimProcess.h"
#include "config/ConfigImage.h"
#include "link/DeviceLink.h"
#include "platform/Messages.h"
#include "platform/SerialPort.h"
#include "settings/INI_File.h"

#include <QtTest>
#include <cstring>

namespace {

using Shown = ScriptedMessages::Shown;

int Requests(const QString& simLog, const QString& frameStart) {
    return int(simLog.count("request " + frameStart));
}

} // namespace

class LinkSerialTest : public QObject {
    Q_OBJECT

    Connection connection; // the one the link talks over

    std::unique_ptr<SimProcess> sim; // one per test: its log counts that test's requests
    ScriptedMessages messages;

    void startSim(const QStringList& args) {
        QVERIFY2(sim->start(args + QStringList{"--verbose"}), qPrintable(sim->output()));
        connection.serialPath = sim->ptyPath().toStdString();
    }

    // What the simulator saw, once it has stopped.
    QString simLog() {
        sim->stop();
        return sim->output();
    }

  private slots:
    void initTestCase() { UseConnection(&connection); }
    void init() {
        sim = std::make_unique<SimProcess>();
        SetMessageSink(&messages);
        messages.clear();
        connection.kind = 1;
        connection.meterAddress = 3;
        connection.baudIndex = 3;
        connection.formatIndex = 0;
        connection.rtsFlow = 1; // a pseudo-terminal has no RTS: the link must work without
        connection.replyTimeoutMs = 100;
        connection.closePortAfterUse = 1;
    }
    void cleanup() {
        sim.reset();
        CloseCommPort();
        SetMessageSink(nullptr);
    }

    // An exception reply is of the wrong length for the request: tried four times.
    // (Silence and a wrong CRC are tested on the scripted line of link_engine_test.)
    void exceptionReplyIsAWrongLength() {
        startSim({"--rs485", "3,17", "--fault", "exception:2:4@3"});
        std::memset(Measurands, 0x5A, sizeof Measurands);
        QCOMPARE(InitInterface(), 1);
        QCOMPARE(Read(Lese, kReadValuesM3, 1), 0);
        CloseInterface();
        QCOMPARE(messages.shown, (std::vector<Shown>{{MessageType::Error, 0, 4}}));
        QCOMPARE(Measurands[0], uint8_t(0x5A)); // a failed read keeps what the block had
        QCOMPARE(Requests(simLog(), "03 03 00 63"), 4);
    }

    void portOpensPerOperationOnlyWithAutoClose_data() {
        QTest::addColumn<int>("autoClose");
        QTest::addColumn<int>("opens");
        QTest::newRow("stays open") << 0 << 1;
        QTest::newRow("closes each time") << 1 << 2;
    }
    void portOpensPerOperationOnlyWithAutoClose() {
        QFETCH(int, autoClose);
        QFETCH(int, opens);
        connection.closePortAfterUse = autoClose;
        startSim({"--rs485", "3"});
        const int before = SerialOpenCount();
        for (int op = 0; op < 2; ++op) {
            QCOMPARE(InitInterface(), 1);
            QCOMPARE(Read(Lese, kReadDevStatus, 1), 1);
            CloseInterface();
        }
        QCOMPARE(SerialOpenCount() - before, opens);
        QCOMPARE(CommPortIsOpen(), !autoClose);
    }

    void broadcastWaitsForNoReplyAndDiagnoseFindsOnlyPresentMeters() {
        startSim({"--rs485", "3,17"});
        QCOMPARE(InitInterface(), 1);
        QCOMPARE(Write(Lese, kWriteRestartInterval, 1, 1), 1);
        QCOMPARE(Read(Lese, kReadDevStatus, 1), 1); // the line is free again at once
        QCOMPARE(Diagnose(17), 1);
        QCOMPARE(Diagnose(5), 0);
        CloseInterface();
        QVERIFY(messages.shown.empty());
        const QString log = simLog();
        QCOMPARE(Requests(log, "00 10 03 c9 00 01 02 00 02"), 1);
        QCOMPARE(int(log.count("reply 00")), 0);
    }

    void missingPortShowsOpenError() {
        connection.serialPath = "/dev/zaro-no-such-port";
        QCOMPARE(InitInterface(), 0);
        QVERIFY(!CommPortIsOpen());
        QCOMPARE(messages.shown, (std::vector<Shown>{{MessageType::Error, 0, 0}}));
    }

    // Timer ticks run while a transaction waits; their poll must not start another.
    void tickDuringTransactionIsSkipped() {
        startSim({"--rs485", "3", "--turnaround", "60"});
        QCOMPARE(InitInterface(), 1);
        int tickResult = -1;
        bool busyInTick = false;
        QTimer::singleShot(10, [&] {
            busyInTick = LinkBusy();
            tickResult = Read(Lese, kReadMeterScale, 1);
        });
        QCOMPARE(Read(Lese, kReadValuesM3, 1), 1);
        CloseInterface();
        QVERIFY(busyInTick);
        QCOMPARE(tickResult, 0);
        QVERIFY(!LinkBusy());
        QCOMPARE(Requests(simLog(), "03 03 01 3f"), 0);
    }
};

QTEST_GUILESS_MAIN(LinkSerialTest)
#include "link_serial_test.moc"
