// Modbus/TCP transactions against zaro-sim as gateway and as module, end to end. The
// engine's retries, time-out and discarding of stale replies are tested on a scripted
// line in link_engine_test.
#include "SimProcess.h"
#include "config/ConfigImage.h"
#include "link/DeviceLink.h"
#include "link/ModbusTcp.h"
#include "netmodules/KnownDevices.h"
#include "platform/Messages.h"
#include "settings/INI_File.h"

#include <QtTest>
#include <cstring>

namespace {

using Shown = ScriptedMessages::Shown;

// argument: of the texts that name the device in use
std::vector<Shown> Errors(std::initializer_list<std::pair<int, int>> pairs,
                          const std::string& argument = "") {
    std::vector<Shown> v;
    for (auto [k, n] : pairs)
        v.push_back({MessageType::Error, k, n, argument});
    return v;
}

} // namespace

class LinkTcpTest : public QObject {
    Q_OBJECT

    std::unique_ptr<SimProcess> sim; // one per test: its log counts that test's requests
    ScriptedMessages messages;
    KnownDevices devices;

    void startGateway(const QStringList& extra = {}) {
        QVERIFY2(sim->start(QStringList{"--gateway", "5,9", "--verbose"} + extra), qPrintable(sim->output()));
        CommType = 2;
        GatewayIndex = 0;
        qstrncpy(devices.gateways[0].record.IP, qPrintable(sim->host()), sizeof(NetbiterRecord::IP));
        TCPPort = sim->tcpPort();
        TCPDevAddr = 5;
    }

    void startModule(const QStringList& extra = {}) {
        QVERIFY2(sim->start(QStringList{"--module", "--unit", "247", "--verbose"} + extra),
                 qPrintable(sim->output()));
        CommType = 3;
        LM57Index = 0;
        qstrncpy(devices.modules[0].IP, qPrintable(sim->host()), sizeof devices.modules[0].IP);
        ModuleTCPPort = sim->tcpPort();
        TCPDevAddr = 247;
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
    void init() {
        sim = std::make_unique<SimProcess>();
        SetMessageSink(&messages);
        messages.clear();
        RecTimeout = 200;
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
        QCOMPARE(InitInterface(CommPort), 1);
        QCOMPARE(Read(Lese, kReadModelName, 1), 1);
        QCOMPARE(Read(Lese, kReadConfigM3, 1), 1);
        QCOMPARE(Read(Lese, kReadValuesM3, 1), 1);
        QCOMPARE(Write(Lese, kWriteRestartInterval, 1, 0), 1);
        QCOMPARE(Write(Lese, kWriteRestartInterval, 1, 1), 1); // a broadcast does not wait for a reply
        QCOMPARE(Read(Lese, kReadDevStatus, 1), 1);
        QVERIFY(messages.shown.empty());
        QCOMPARE(QByteArray(Devtype, 4), QByteArray("ZRM3"));
        QCOMPARE(TCP_Connection[0], 1);
        QCOMPARE(requests("00 10 03 c9"), 1);
    }

    void failures_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("unit");
        QTest::addColumn<std::vector<Shown>>("shown");
        QTest::addColumn<bool>("kept");
        QTest::addColumn<int>("sent");
        QTest::newRow("absent unit: exception 11") << "" << 7 << Errors({{10, 2}}) << true << 1;
        QTest::newRow("exception 11 with the gateway's own unit")
            << "absent:0" << 5 << Errors({{10, 2}}) << true << 1;
        const std::string gateway = "The gateway";
        QTest::newRow("other unit three times")
            << "otherunit:3" << 5 << Errors({{8, 14}}, gateway) << false << 3;
        QTest::newRow("wrong function three times")
            << "badcrc:3" << 5 << Errors({{8, 14}}, gateway) << false << 3;
        QTest::newRow("short three times") << "short:3" << 5 << Errors({{8, 14}}, gateway) << false << 3;
        QTest::newRow("peer closes") << "drop" << 5 << Errors({{8, 15}}, gateway) << false << 1;
    }
    void failures() {
        QFETCH(QString, fault);
        QFETCH(int, unit);
        QFETCH(std::vector<Shown>, shown);
        QFETCH(bool, kept);
        QFETCH(int, sent);
        startGateway(fault.isEmpty() ? QStringList{} : QStringList{"--fault", fault});
        TCPDevAddr = unit;
        std::memset(DevStatus, 0x5A, sizeof DevStatus);
        QCOMPARE(InitInterface(CommPort), 1);
        const int handle = TCP_Handle[0];
        QCOMPARE(Read(Lese, kReadDevStatus, 1), 0);
        QCOMPARE(messages.shown, shown);
        QCOMPARE(TCP_Connection[0], kept ? 1 : 0);
        QCOMPARE(DevStatus[0], uint8_t(0x5A));
        if (kept) { // the same connection serves the next unit
            TCPDevAddr = 9;
            QCOMPARE(Read(Lese, kReadDevStatus, 1), 1);
            QCOMPARE(TCP_Handle[0], handle);
        }
        QCOMPARE(requests(QString("%1 03 01 8f").arg(unit, 2, 16, QChar('0'))), sent);
    }

    void recoveries_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("firstRead");
        QTest::newRow("reply split over two segments") << "split" << 1;
        QTest::newRow("two bad replies, then a good one") << "otherunit:2" << 1;
        QTest::newRow("late but within the time-out") << "late:300" << 1;
        QTest::newRow("reply in one-byte segments") << "dribble:5" << 1;
        QTest::newRow("reply split after 9 bytes") << "splitat:9" << 1;
        QTest::newRow("gateway closes after every answer") << "close:2" << 1;
        QTest::newRow("peer closed: the next request reconnects") << "drop" << 0;
    }
    void recoveries() {
        QFETCH(QString, fault);
        QFETCH(int, firstRead);
        startGateway({"--fault", fault});
        QCOMPARE(InitInterface(CommPort), 1);
        QCOMPARE(Read(Lese, kReadValuesM3, 1), firstRead);
        QCOMPARE(Read(Lese, kReadValuesM3, 1), 1);
        QCOMPARE(messages.shown, firstRead ? std::vector<Shown>{} : Errors({{8, 15}}, "The gateway"));
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
        CommType = commType;
        GatewayIndex = LM57Index = 0;
        qstrncpy(devices.gateways[0].record.IP, "127.0.0.1", sizeof devices.gateways[0].record.IP);
        qstrncpy(devices.modules[0].IP, "127.0.0.1", sizeof devices.modules[0].IP);
        TCPPort = ModuleTCPPort = 1; // nothing listens there
        QCOMPARE(InitInterface(CommPort), 0);
        QCOMPARE(messages.shown, Errors({{8, number}}));
        QCOMPARE(TCP_Connection[0], 0);
    }

    void moduleReadsAt255AndWritesToTheMeter() {
        startModule();
        QCOMPARE(InitInterface(CommPort), 1);
        QCOMPARE(Read(Lese, kReadDevStatus, 1), 1);
        QCOMPARE(Write(Lese, kWriteRestartInterval, 1, 0), 1);
        QVERIFY(messages.shown.empty());
        sim->command("fault silence");
        QCOMPARE(Read(Lese, kReadDevStatus, 1), 0);
        QCOMPARE(messages.shown, Errors({{8, 14}}, "The LANMOD57 module"));
        QVERIFY(requests("ff 03 01 8f") >= 2);
        QCOMPARE(requests("f7 10 03 c9"), 1);
    }

    // The wait processes events: a timer tick then must not start a second request.
    void tickDuringTransactionIsSkipped() {
        startGateway({"--fault", "late:200"});
        QCOMPARE(InitInterface(CommPort), 1);
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
