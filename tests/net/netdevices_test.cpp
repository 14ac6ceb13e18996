// The UDP layer, and gateways found, configured and searched on loopback against zaro-sim.
// Refusals, storms and the DHCP rescan run on the scripted network of core/netdevices_test;
// the dialog, and zaro-sim's modules, in gui/netdevices_test.
#include "SimProcess.h"
#include "link/Connection.h"
#include "link/ModbusTcp.h"
#include "link/Udp.h"
#include "netmodules/Gateway.h"
#include "netmodules/LANMOD57Net.h"
#include "platform/Messages.h"
#include "platform/TcpClient.h"
#include "settings/INI_File.h"
#include "settings/SearchAddress.h"

#include <QtTest>
#include <arpa/inet.h>

namespace {

KnownDevices devices;

void KnowGateway(int i, const char* mac, const char* ip) {
    devices.gateways.resize(std::max(devices.gateways.size(), size_t(i + 1)));
    CopyText(devices.gateways[i].record.MAC, mac);
    CopyText(devices.gateways[i].record.IP, ip);
}

// The dialog's fields as they show the record.
NetworkFields FieldsOf(const NetbiterRecord& r, int defaultPassword = 1) {
    return {r.IP, r.SN, r.GW, r.HN, QByteArray(r.DHCP) == "ON", defaultPassword};
}

} // namespace

class NetDevicesTest : public QObject {
    Q_OBJECT
    Connection connection; // the one the link talks over
    QTemporaryDir settings;
    SimProcess sim;
    ScriptedMessages messages;

  private slots:
    void initTestCase() {
        UseConnection(&connection);
        if (qEnvironmentVariable("ZARO_IN_NETNS") != "1") QSKIP("broadcasts only inside the test netns");
        SettingsDir = settings.path().toStdString();
    }
    void init() {
        sim.stop();
        messages.clear();
        SetMessageSink(&messages);
        LoadINIDefaultTCP(devices, connection);
        LoadDevINIDefault(devices, connection);
        UseKnownDevices(&devices);
        connection.kind = kGateway;
    }

    void udpPortsTimeOutsAndDatagrams() {
        int rx = -1, tx = -1, second = -1;
        QCOMPARE(UDPOpen(47002, rx), 0);
        const int inUse = UDPOpen(47002, second);
        QCOMPARE(inUse, 10048);
        QCOMPARE(QString(UDPErrorString(inUse)), QString("Socket address is already in use."));
        QCOMPARE(UDPOpen(0, tx), 0);
        char buf[16] = {};
        QElapsedTimer t;
        t.start();
        QCOMPARE(UDPRead(rx, buf, sizeof buf, 100), 1); // nothing came
        QVERIFY(t.elapsed() >= 90);

        const char msg[] = "ping";
        QCOMPARE(UDPWrite(tx, msg, 4, inet_addr("127.0.0.1"), 47002), 0);
        QCOMPARE(UDPRead(rx, buf, sizeof buf, 2000), 0);
        QCOMPARE(QByteArray(buf), QByteArray("ping"));
        // A datagram longer than the buffer is cut, and that is said.
        const QByteArray longer(24, 'x');
        QCOMPARE(UDPWrite(tx, longer.constData(), int(longer.size()), inet_addr("127.0.0.1"), 47002), 0);
        const int cut = UDPRead(rx, buf, sizeof buf, 2000);
        QCOMPARE(cut, 10040);
        QVERIFY(QString(UDPErrorString(cut)).contains("truncated"));
        // Broadcasts are allowed (the whole test runs in the private namespace).
        QCOMPARE(UDPWrite(tx, msg, 4, inet_addr("255.255.255.255"), 47002), 0); // netns loopback only
        QCOMPARE(UDPRead(rx, buf, sizeof buf, 2000), 0);
        UDPClose(rx);
        UDPClose(tx);
    }
    // A known gateway found again is updated in place; saving unchanged fields sends and
    // asks nothing; switching DHCP on rescans and keeps the name. (The scan's list and a
    // name sent alone: gui/netdevices_test and netdevices_cli_test.)
    void gatewayScanAndConfigure() {
        QVERIFY(sim.start({"--gateway", "5", "--listen", "127.0.0.1:0", "--udp-devices", "2"}));
        KnowGateway(0, "00-30-11-F0-0A-1C", "127.0.0.77");
        InitGatewayRecords(devices);
        QCOMPARE(CheckGateways(devices).size(), size_t(2));
        QCOMPARE(devices.gateways.size(), size_t(2));
        QCOMPARE(QByteArray(devices.gateways[0].record.IP), QByteArray("127.0.0.2"));

        SelectInterface(connection, kGateway, 1, 0);
        NetworkFields fields = FieldsOf(devices.gateways[1].record, 0);
        QVERIFY(GatewayModificationCheck(devices, fields));
        QCOMPARE(messages.passwordsAsked, 0);

        fields.defaultPassword = 1;
        fields.hostName = "hall";
        fields.dhcpOn = 1;
        QVERIFY(GatewayModificationCheck(devices, fields));
        QVERIFY(messages.shown.empty());
        QCOMPARE(CheckGateways(devices).size(), size_t(2));
        const NetbiterRecord& r = devices.gateways[1].record;
        QCOMPARE((QByteArrayList{r.HN, r.IP, r.DHCP}), (QByteArrayList{"hall", "127.0.0.1", "ON"}));
    }

    // With nobody on port 3250 but the program, its own broadcast is no answer.
    void ownBroadcastIsNoAnswer() {
        KnowGateway(0, "00-30-11-F0-0A-1B", "127.0.0.1");
        InitGatewayRecords(devices);
        devices.gateways[0].record.valid = 1;
        NetworkFields fields = FieldsOf(devices.gateways[0].record);
        fields.subnet = fields.gateway = "255.0.0.0";
        QVERIFY(!SetNetbiterConfig(devices, fields));
        QVERIFY(messages.wasShown(MessageType::Error, 10, 2));
        QCOMPARE(QByteArray(devices.gateways[0].record.SN), QByteArray());
    }

    void meterSearchKeepsThe32Lowest() {
        QStringList units;
        for (int a = 1; a <= 40; ++a)
            units << QString::number(a * 5);
        QVERIFY(sim.start({"--gateway", units.join(','), "--listen", "127.0.0.1:0"}));
        KnowGateway(0, kHandAddedMAC, "127.0.0.1");
        connection.gatewayTcpPort = sim.tcpPort();
        connection.replyTimeoutMs = 500;
        SelectInterface(connection, kGateway, 0, 0);
        connection.highestSearchAddress = 247;
        QCOMPARE(SearchGatewayDevices(devices, connection.highestSearchAddress), 1);
        QVERIFY(messages.shown.empty());
        QCOMPARE(devices.gateways[0].units[0], 5);
        QCOMPARE(devices.gateways[0].units[31], 160);
        CloseTCPConnection(kCloseAllTCP);
        // Connections go to an address only: a name is never looked up.
        QCOMPARE(ConnectToTCPServer("localhost", sim.tcpPort(), ClientTCPCB, 1000), -1);
    }
};

QTEST_GUILESS_MAIN(NetDevicesTest)
#include "netdevices_test.moc"
