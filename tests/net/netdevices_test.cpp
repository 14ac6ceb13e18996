// Gateways and modules found, configured and searched on loopback, against zaro-sim.
// Refusals, wrong passwords, storms and the rescan after a change of DHCP are tested on
// the scripted network of core/netdevices_test, the dialog's cancel and offline edits
// in gui/netdevices_test.
#include "SimProcess.h"
#include "link/ModbusTcp.h"
#include "netmodules/Gateway.h"
#include "netmodules/LANMOD57Net.h"
#include "platform/Messages.h"
#include "platform/TcpClient.h"
#include "settings/INI_File.h"
#include "settings/SearchAddress.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

KnownDevices devices;
NetworkFields fields;

void KnowGateway(int i, const char* mac, const char* ip) {
    devices.gateways.resize(std::max(devices.gateways.size(), size_t(i + 1)));
    CopyText(devices.gateways[i].record.MAC, mac);
    CopyText(devices.gateways[i].record.IP, ip);
}

void FieldsOf(const NetbiterRecord& r) {
    fields.IP = r.IP;
    fields.subnet = r.SN;
    fields.gateway = r.GW;
    fields.hostName = r.HN;
    fields.dhcpOn = QByteArray(r.DHCP) == "ON";
}

void FieldsOf(const ModuleRecord& r) {
    fields.IP = r.IP;
    fields.subnet = r.subnet;
    fields.gateway = r.gateway;
    fields.hostName = r.name;
    fields.dhcpOn = QByteArray(r.DHCP) == "01";
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
        fields = NetworkFields{};
        UseKnownDevices(&devices);
        connection.kind = kGateway;
    }

    // Two gateways answer, a third known one stays after them, not found.
    void gatewayScanAndConfigure() {
        QVERIFY(sim.start({"--gateway", "5", "--listen", "127.0.0.1:0", "--udp-devices", "2"}));
        KnowGateway(0, "00-30-11-00-00-99", "127.0.0.9");
        KnowGateway(1, "00-30-11-F0-0A-1C", "127.0.0.77");
        InitGatewayRecords(devices);
        QCOMPARE(CheckGateways(devices).size(), size_t(2));
        QCOMPARE(devices.gateways.size(), size_t(3));
        QCOMPARE(QByteArray(devices.gateways[0].record.MAC), QByteArray("00-30-11-00-00-99"));
        QCOMPARE(devices.gateways[0].record.valid, uint8_t(0));
        QCOMPARE(QByteArray(devices.gateways[1].record.IP),
                 QByteArray("127.0.0.2")); // known, updated in place
        QCOMPARE(QByteArray(devices.gateways[2].record.MAC), QByteArray("00-30-11-F0-0A-1B"));
        QCOMPARE(QByteArray(devices.gateways[2].record.HN), QByteArray("sim-gateway-1"));

        // Saving unchanged fields sends nothing and asks nothing.
        SelectInterface(connection, kGateway, 2, 0);
        FieldsOf(devices.gateways[2].record);
        fields.defaultPassword = 0;
        QVERIFY(GatewayModificationCheck(devices, fields));
        QCOMPARE(messages.passwordsAsked, 0);

        // Only the host name changes: the gateway keeps its other settings and shows the name.
        fields.hostName = "hall";
        fields.defaultPassword = 1;
        QVERIFY(GatewayModificationCheck(devices, fields));
        QVERIFY(messages.shown.empty());
        QCOMPARE(QByteArray(devices.gateways[2].record.HN), QByteArray("hall"));
        fields.dhcpOn = 1;
        QVERIFY(GatewayModificationCheck(devices, fields));
        QCOMPARE(CheckGateways(devices).size(), size_t(2));
        QCOMPARE(QByteArray(devices.gateways[2].record.HN), QByteArray("hall"));
        QCOMPARE(QByteArray(devices.gateways[2].record.IP), QByteArray("127.0.0.1"));
        QCOMPARE(QByteArray(devices.gateways[2].record.DHCP), QByteArray("ON"));
    }

    // With nobody on port 3250 but the program, its own broadcast is no answer.
    void ownBroadcastIsNoAnswer() {
        KnowGateway(0, "00-30-11-F0-0A-1B", "127.0.0.1");
        InitGatewayRecords(devices);
        devices.gateways[0].record.valid = 1;
        FieldsOf(devices.gateways[0].record);
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

    void moduleScanAndConfigure() {
        QVERIFY(sim.start({"--module", "--listen", "127.0.0.1:0", "--udp-devices", "2"}));
        connection.kind = kModule;
        devices.modules.resize(1);
        CopyText(devices.modules[0].MAC, "00-12-34-C7-00-01"); // known, not on the network
        InitLM57Records(devices);
        QCOMPARE(CheckLANMD57(devices).size(), size_t(2));
        QCOMPARE(devices.modules.size(), size_t(3));
        QCOMPARE(devices.modules[0].found, uint8_t(0));
        QCOMPARE(QByteArray(devices.modules[1].MAC), QByteArray("00-12-34-C7-0A-1B"));
        QCOMPARE(QByteArray(devices.modules[2].IP), QByteArray("127.0.0.2"));

        // Only the name: sent, no rescan (the other module's flag stays as set here).
        SelectInterface(connection, kModule, 0, 1);
        FieldsOf(devices.modules[1]);
        fields.hostName = "hall";
        devices.modules[2].found = 0;
        QVERIFY(LM57ModificationCheck(devices, fields));
        QCOMPARE(QByteArray(devices.modules[1].name), QByteArray("hall"));
        QCOMPARE(devices.modules[2].found, uint8_t(0));
    }
};

QTEST_GUILESS_MAIN(NetDevicesTest)
#include "netdevices_test.moc"
