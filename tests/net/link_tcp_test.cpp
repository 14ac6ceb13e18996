// Modbus/TCP transactions against zaro-sim as gateway and as module, end to end. The
// engine's retries, time-out, discarding of stale replies and the simulator's faults
// are tested on the transport seam in link_engine_test.
#include "SimProcess.h"
#include "config/ConfigImage.h"
#include "link/DeviceLink.h"
#include "link/ModbusTcp.h"
#include "netmodules/KnownDevices.h"
#include "platform/Messages.h"
#include "settings/INI_File.h"

#include <QtTest>

class LinkTcpTest : public QObject {
    Q_OBJECT

    Connection connection; // the one the link talks over

    std::unique_ptr<SimProcess> sim; // one per test: its log counts that test's requests
    ScriptedMessages messages;
    KnownDevices devices;

    void startGateway(const QStringList& extra = {}) {
        QVERIFY2(sim->start(QStringList{"--gateway", "5,9", "--verbose"} + extra), qPrintable(sim->output()));
        connection.kind = 2;
        connection.gatewayIndex = 0;
        qstrncpy(devices.gateways[0].record.IP, qPrintable(sim->host()), sizeof(NetbiterRecord::IP));
        connection.gatewayTcpPort = sim->tcpPort();
        connection.gatewayUnitAddress = 5;
    }

    void startModule(const QStringList& extra = {}) {
        QVERIFY2(sim->start(QStringList{"--module", "--unit", "247", "--verbose"} + extra),
                 qPrintable(sim->output()));
        connection.kind = 3;
        connection.moduleIndex = 0;
        qstrncpy(devices.modules[0].IP, qPrintable(sim->host()), sizeof devices.modules[0].IP);
        connection.moduleTcpPort = sim->tcpPort();
        connection.gatewayUnitAddress = 247;
    }

    int requests(const QString& frameStart) {
        sim->stop();
        int n = 0;
        for (const QString& line : sim->output().split('\n'))
            if (line.startsWith("zaro-sim: request") &&
                line.mid(36).startsWith(frameStart)) // after the header
                ++n;
        return n;
    }

  private slots:
    void initTestCase() { UseConnection(&connection); }
    void init() {
        sim = std::make_unique<SimProcess>();
        SetMessageSink(&messages);
        messages.clear();
        connection.replyTimeoutMs = 200;
        devices.gateways.resize(1);
        devices.modules.resize(1);
        UseKnownDevices(&devices);
    }
    void cleanup() {
        CloseTCPConnection(kCloseAllTCP);
        sim.reset();
        SetMessageSink(nullptr);
    }

    void readsAndWritesThroughGateway() {
        startGateway();
        QCOMPARE(InitInterface(), 1);
        QCOMPARE(Read(Lese, kReadModelName, 1), 1);
        QCOMPARE(Read(Lese, kReadConfigM3, 1), 1);
        QCOMPARE(Read(Lese, kReadValuesM3, 1), 1);
        QCOMPARE(Write(Lese, kWriteRestartInterval, 1, 0), 1);
        QCOMPARE(Write(Lese, kWriteRestartInterval, 1, 1), 1); // a broadcast does not wait for a reply
        QCOMPARE(Read(Lese, kReadDevStatus, 1), 1);
        QVERIFY(messages.shown.empty());
        QCOMPARE(QByteArray(ReportedModel(), 4), QByteArray("ZRM3"));
        QCOMPARE(int(TCPSlotConnected(0)), 1);
        QCOMPARE(requests("00 10 03 c9"), 1);
    }

    void connectionRefused_data() {
        QTest::addColumn<int>("commType");
        QTest::addColumn<int>("number");
        QTest::newRow("gateway") << 2 << 11;
        QTest::newRow("module") << 3 << 2;
    }
    void connectionRefused() {
        QFETCH(int, commType);
        QFETCH(int, number);
        connection.kind = commType;
        connection.gatewayIndex = connection.moduleIndex = 0;
        qstrncpy(devices.gateways[0].record.IP, "127.0.0.1", sizeof devices.gateways[0].record.IP);
        qstrncpy(devices.modules[0].IP, "127.0.0.1", sizeof devices.modules[0].IP);
        connection.gatewayTcpPort = connection.moduleTcpPort = 1; // nothing listens there
        QCOMPARE(InitInterface(), 0);
        QCOMPARE(messages.shown, (std::vector<ScriptedMessages::Shown>{{MessageType::Error, 8, number}}));
        QCOMPARE(int(TCPSlotConnected(0)), 0);
    }

    void moduleReadsAt255AndWritesToTheMeter() {
        startModule();
        QCOMPARE(InitInterface(), 1);
        QCOMPARE(Read(Lese, kReadDevStatus, 1), 1);
        QCOMPARE(Write(Lese, kWriteRestartInterval, 1, 0), 1);
        QVERIFY(messages.shown.empty());
        QCOMPARE(requests("ff 03 01 8f"), 1);
        QCOMPARE(requests("f7 10 03 c9"), 1);
    }

    // The wait processes events: a timer tick then must not start a second request.
    void tickDuringTransactionIsSkipped() {
        startGateway({"--fault", "late:200"});
        QCOMPARE(InitInterface(), 1);
        bool busyInTick = false;
        int tickResult = -1;
        QTimer::singleShot(20, [&] {
            busyInTick = LinkBusy();
            tickResult = Read(Lese, kReadMeterScale, 1);
        });
        QCOMPARE(Read(Lese, kReadDevStatus, 1), 1);
        QVERIFY(busyInTick);
        QCOMPARE(tickResult, 0);
        QCOMPARE(requests("05 03 01 3f"), 0);
    }
};

QTEST_GUILESS_MAIN(LinkTcpTest)
#include "link_tcp_test.moc"
