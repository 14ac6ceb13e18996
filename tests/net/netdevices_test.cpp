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

void KnowGateway(int i, const char* mac, const char* ip) {
    NumGateways = std::max(NumGateways, i + 1);
    CopyText(GatewayMAC[i], mac);
    CopyText(GatewayIP[i], ip);
}

void FieldsOf(const NetbiterRecord& r) {
    NetFields.IP = r.IP;
    NetFields.subnet = r.SN;
    NetFields.gateway = r.GW;
    NetFields.hostName = r.HN;
    NetFields.dhcpOn = QByteArray(r.DHCP) == "ON";
}

void FieldsOf(const ModuleRecord& r) {
    NetFields.IP = r.IP;
    NetFields.subnet = r.subnet;
    NetFields.gateway = r.gateway;
    NetFields.hostName = r.name;
    NetFields.dhcpOn = QByteArray(r.DHCP) == "01";
}

} // namespace

class NetDevicesTest : public QObject {
    Q_OBJECT
    QTemporaryDir settings;
    SimProcess sim;
    ScriptedMessages messages;

  private slots:
    void initTestCase() {
        if (qEnvironmentVariable("ZARO_IN_NETNS") != "1") QSKIP("broadcasts only inside the test netns");
        SettingsDir = settings.path().toStdString();
    }
    void init() {
        sim.stop();
        messages.clear();
        SetMessageSink(&messages);
        LoadINIDefaultTCP();
        LoadDevINIDefault();
        NetFields = NetworkFields{};
        CommType = kGateway;
    }

    // Two gateways answer, a third known one stays after them, not found.
    void gatewayScanAndConfigure() {
        QVERIFY(sim.start({"--gateway", "5", "--listen", "127.0.0.1:0", "--udp-devices", "2"}));
        KnowGateway(0, "00-30-11-00-00-99", "127.0.0.9");
        KnowGateway(1, "00-30-11-F0-0A-1C", "127.0.0.77");
        InitGatewayRecords();
        QCOMPARE(CheckGateways(), 2);
        QCOMPARE(NumGateways, 3);
        QCOMPARE(QByteArray(NBD[0].MAC), QByteArray("00-30-11-00-00-99"));
        QCOMPARE(NBD[0].valid, uint8_t(0));
        QCOMPARE(QByteArray(GatewayIP[1]), QByteArray("127.0.0.2")); // known, updated in place
        QCOMPARE(QByteArray(NBD[2].MAC), QByteArray("00-30-11-F0-0A-1B"));
        QCOMPARE(QByteArray(GatewayName[2]), QByteArray("sim-gateway-1"));

        // Saving unchanged fields sends nothing and asks nothing.
        SelectInterface(kGateway, 2, 0);
        FieldsOf(NBD[2]);
        NetFields.defaultPassword = 0;
        QVERIFY(GatewayModificationCheck());
        QCOMPARE(messages.passwordsAsked, 0);

        // Only the host name changes: the gateway keeps its other settings and shows the name.
        NetFields.hostName = "hall";
        NetFields.defaultPassword = 1;
        QVERIFY(GatewayModificationCheck());
        QVERIFY(messages.shown.empty());
        QCOMPARE(QByteArray(GatewayName[2]), QByteArray("hall"));
        NetFields.dhcpOn = 1;
        QVERIFY(GatewayModificationCheck());
        QCOMPARE(CheckGateways(), 2);
        QCOMPARE(QByteArray(NBD[2].HN), QByteArray("hall"));
        QCOMPARE(QByteArray(NBD[2].IP), QByteArray("127.0.0.1"));
        QCOMPARE(QByteArray(NBD[2].DHCP), QByteArray("ON"));
    }

    // With nobody on port 3250 but the program, its own broadcast is no answer.
    void ownBroadcastIsNoAnswer() {
        KnowGateway(0, "00-30-11-F0-0A-1B", "127.0.0.1");
        InitGatewayRecords();
        NBD[0].valid = 1;
        FieldsOf(NBD[0]);
        NetFields.subnet = NetFields.gateway = "255.0.0.0";
        QVERIFY(!SetNetbiterConfig());
        QVERIFY(messages.wasShown(MessageType::Error, 10, 2));
        QCOMPARE(QByteArray(NBD[0].SN), QByteArray());
    }

    void meterSearchKeepsThe32Lowest() {
        QStringList units;
        for (int a = 1; a <= 40; ++a)
            units << QString::number(a * 5);
        QVERIFY(sim.start({"--gateway", units.join(','), "--listen", "127.0.0.1:0"}));
        KnowGateway(0, kHandAddedMAC, "127.0.0.1");
        TCPPort = sim.tcpPort();
        RecTimeout = 500;
        SelectInterface(kGateway, 0, 0);
        Last_Device = 247;
        QCOMPARE(SearchGatewayDevices(), 1);
        QVERIFY(messages.shown.empty());
        QCOMPARE(DevicesTCP[0][0], 5);
        QCOMPARE(DevicesTCP[0][31], 160);
        CloseTCPConnection(kCloseAllTCP);
        // Connections go to an address only: a name is never looked up.
        QCOMPARE(ConnectToTCPServer("localhost", sim.tcpPort(), ClientTCPCB, 1000), -1);
    }

    void moduleScanAndConfigure() {
        QVERIFY(sim.start({"--module", "--listen", "127.0.0.1:0", "--udp-devices", "2"}));
        CommType = kModule;
        Num57 = 1;
        CopyText(MAC57[0], "00-12-34-C7-00-01"); // known, not on the network
        InitLM57Records();
        QCOMPARE(CheckLANMD57(), 2);
        QCOMPARE(Num57, 3);
        QCOMPARE(EMD[0].found, uint8_t(0));
        QCOMPARE(QByteArray(EMD[1].MAC), QByteArray("00-12-34-C7-0A-1B"));
        QCOMPARE(QByteArray(IP57[2]), QByteArray("127.0.0.2"));

        // Only the name: sent, no rescan (the other module's flag stays as set here).
        SelectInterface(kModule, 0, 1);
        FieldsOf(EMD[1]);
        NetFields.hostName = "hall";
        EMD[2].found = 0;
        QVERIFY(LM57ModificationCheck());
        QCOMPARE(QByteArray(Name57[1]), QByteArray("hall"));
        QCOMPARE(EMD[2].found, uint8_t(0));
    }
};

QTEST_GUILESS_MAIN(NetDevicesTest)
#include "netdevices_test.moc"
