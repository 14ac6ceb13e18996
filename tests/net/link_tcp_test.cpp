// Modbus/TCP transactions against zaro-sim as gateway and as module, end to end. The
// engine's retries, time-out, discarding of stale replies and the simulator's faults
// are tested on the transport seam in link_engine_test; the busy guard against a timer
// tick inside a transaction sits above the transports (link_serial_test). Below, the
// simulated gateway itself on raw frames: broadcast and a dropped connection (its unit
// rules and the module are checked against third-party masters in the integration tests).
#include "SimProcess.h"
#include "config/ConfigImage.h"
#include "link/DeviceLink.h"
#include "link/ModbusTcp.h"
#include "netmodules/KnownDevices.h"
#include "platform/Messages.h"
#include "settings/INI_File.h"

#include <QTcpSocket>
#include <QtTest>

namespace {

QByteArray Request(uint16_t tid, uint8_t unit, const QByteArray& pduHex) {
    const QByteArray pdu = QByteArray::fromHex(pduHex);
    QByteArray f;
    f.append(char(tid >> 8)).append(char(tid & 0xFF)).append(2, '\0');
    f.append(char(0)).append(char(pdu.size() + 1)).append(char(unit)).append(pdu);
    return f;
}

// Reads until want bytes came or nothing arrives for quietMs.
QByteArray Receive(QTcpSocket& s, int want, int quietMs = 500) {
    QByteArray got = s.readAll();
    while (got.size() < want && s.waitForReadyRead(quietMs))
        got += s.readAll();
    return got;
}

QByteArray Transact(QTcpSocket& s, const QByteArray& request, int want, int quietMs = 500) {
    s.write(request);
    s.flush();
    return Receive(s, want, quietMs);
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
        QCOMPARE(Write(Lese, kWriteRestartInterval, 1, 0), 1);
        QCOMPARE(Write(Lese, kWriteRestartInterval, 1, 1), 1); // a broadcast does not wait for a reply
        QCOMPARE(Read(Lese, kReadDevStatus, 1), 1);
        QVERIFY(messages.shown.empty());
        QCOMPARE(QByteArray(Devtype, 4), QByteArray("ZRM3"));
        QCOMPARE(TCP_Connection[0], 1);
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
        CommType = commType;
        GatewayIndex = LM57Index = 0;
        qstrncpy(devices.gateways[0].record.IP, "127.0.0.1", sizeof devices.gateways[0].record.IP);
        qstrncpy(devices.modules[0].IP, "127.0.0.1", sizeof devices.modules[0].IP);
        TCPPort = ModuleTCPPort = 1; // nothing listens there
        QCOMPARE(InitInterface(CommPort), 0);
        QCOMPARE(messages.shown, (std::vector<ScriptedMessages::Shown>{{MessageType::Error, 8, number}}));
        QCOMPARE(TCP_Connection[0], 0);
    }

    void moduleReadsAt255AndWritesToTheMeter() {
        startModule();
        QCOMPARE(InitInterface(CommPort), 1);
        QCOMPARE(Read(Lese, kReadDevStatus, 1), 1);
        QCOMPARE(Write(Lese, kWriteRestartInterval, 1, 0), 1);
        QVERIFY(messages.shown.empty());
        QCOMPARE(requests("ff 03 01 8f"), 1);
        QCOMPARE(requests("f7 10 03 c9"), 1);
    }

    void simulatedGatewayBroadcastAndDrop() {
        QVERIFY(sim->start({"--gateway", "5,9", "--listen", "127.0.0.1:0"}));
        QTcpSocket s;
        s.connectToHost(sim->host(), quint16(sim->tcpPort()));
        QVERIFY(s.waitForConnected(3000));

        // A broadcast (unit 0) reaches both meters without a reply.
        QVERIFY(Transact(s, Request(2, 0, "100214000102162e"), 12, 150).isEmpty());
        QCOMPARE(Transact(s, Request(3, 9, "0302140001"), 11).mid(9).toHex(), QByteArray("162e"));

        sim->command("fault drop");
        s.write(Request(9, 5, "0301910001"));
        QVERIFY(s.waitForDisconnected(2000));
        // The server still takes new connections.
        QTcpSocket again;
        again.connectToHost(sim->host(), quint16(sim->tcpPort()));
        QVERIFY(again.waitForConnected(3000));
        QCOMPARE(Transact(again, Request(10, 9, "0301910001"), 11).size(), 11);
        QVERIFY(sim->stopClean());
    }
};

QTEST_GUILESS_MAIN(LinkTcpTest)
#include "link_tcp_test.moc"
