// Serial transactions against zaro-sim on a pseudo-terminal, end to end. The engine's
// retries, pauses and time-outs are tested on a scripted line in link_engine_test.
#include "SimProcess.h"
#include "config/ConfigImage.h"
#include "config/MeterSession.h"
#include "link/Connection.h"
#include "link/DeviceLink.h"
#include "platform/Messages.h"
#include "platform/SerialPort.h"
#include "settings/INI_File.h"

#include <QtTest>

namespace {

int Requests(const QString& simLog, const QString& frameStart) {
    return int(simLog.count("request " + frameStart));
}

} // namespace

class LinkSerialTest : public QObject {
    Q_OBJECT
    MeterSession session;
    Connection& connection = session.connection; // the one the link talks over

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
    void initTestCase() { UseSession(session); }
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

    void portOpensPerOperationOnlyWithAutoClose() {
        for (const int autoClose : {0, 1}) {
            init();
            connection.closePortAfterUse = autoClose;
            startSim({"--rs485", "3"});
            const int before = SerialOpenCount();
            for (int op = 0; op < 2; ++op) {
                QCOMPARE(InitInterface(), 1);
                QCOMPARE(Read(session.read, kReadDevStatus, 1), 1);
                CloseInterface();
            }
            QCOMPARE(SerialOpenCount() - before, autoClose ? 2 : 1);
            QCOMPARE(CommPortIsOpen(), !autoClose);
            cleanup();
        }
    }

    void broadcastWaitsForNoReplyAndDiagnoseFindsOnlyPresentMeters() {
        startSim({"--rs485", "3,17"});
        QCOMPARE(InitInterface(), 1);
        QCOMPARE(Write(session.read, kWriteRestartInterval, 1, 1), 1);
        QCOMPARE(Read(session.read, kReadDevStatus, 1), 1); // the line is free again at once
        QCOMPARE(Diagnose(17), 1);
        QCOMPARE(Diagnose(5), 0);
        CloseInterface();
        QVERIFY(messages.shown.empty());
        const QString log = simLog();
        QCOMPARE(Requests(log, "00 10 03 c9 00 01 02 00 02"), 1);
        QCOMPARE(int(log.count("reply 00")), 0);
    }

    // Timer ticks run while a transaction waits; their poll must not start another.
    void tickDuringTransactionIsSkipped() {
        startSim({"--rs485", "3", "--turnaround", "60"});
        QCOMPARE(InitInterface(), 1);
        int tickResult = -1;
        bool busyInTick = false;
        QTimer::singleShot(10, [&] {
            busyInTick = LinkBusy();
            tickResult = Read(session.read, kReadMeterScale, 1);
        });
        QCOMPARE(Read(session.read, kReadValuesM3, 1), 1);
        CloseInterface();
        QVERIFY(busyInTick);
        QCOMPARE(tickResult, 0);
        QVERIFY(!LinkBusy());
        QCOMPARE(Requests(simLog(), "03 03 01 3f"), 0);
    }
};

QTEST_GUILESS_MAIN(LinkSerialTest)
#include "link_serial_test.moc"
