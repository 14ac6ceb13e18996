// Gateways and modules without a network: reading their answers, building their
// messages, checking what is typed, the known lists, and the scans and configuration
// exchanges on a scripted network whose clock moves only while the program waits.
#include "link/Udp.h"
#include "link/Connection.h"
#include "netmodules/Gateway.h"
#include "netmodules/LANMOD57Net.h"
#include "platform/Messages.h"
#include "settings/INI_File.h"

#include <QtTest>
#include <cerrno>
#include <functional>
#include <map>

namespace {

// What the program sends is recorded and handed to the devices, whose datagrams are
// due at a time of the clock.
struct Network {
    int64_t now = 0;
    int takenPort = 0; // held by another program that shares it with nobody
    std::vector<int> opened;
    std::vector<QByteArray> sent;
    std::multimap<int64_t, QByteArray> incoming;
    std::function<void(const QByteArray&)> devices;
} net;

void Due(int64_t afterMs, const QByteArray& datagram) {
    net.incoming.emplace(net.now + afterMs, datagram);
}

int Receive(int, void* buffer, int size, int timeoutMs, UdpDatagram& got) {
    const auto next = net.incoming.begin();
    if (next == net.incoming.end() || next->first > net.now + timeoutMs) {
        net.now += timeoutMs;
        return ETIMEDOUT;
    }
    net.now = std::max(net.now, next->first);
    const QByteArray d = net.incoming.extract(next).mapped();
    got.length = std::min(int(d.size()), size);
    std::memcpy(buffer, d.constData(), size_t(got.length));
    return d.size() > size ? EMSGSIZE : 0;
}

const UdpTransport kScriptedNetwork = {
    [](int port, int& socket, bool) {
        if (port != 0 && port == net.takenPort) return EADDRINUSE;
        net.opened.push_back(port);
        socket = 3;
        return 0;
    },
    [](int, const void* data, int length, uint32_t, int) {
        net.sent.emplace_back(static_cast<const char*>(data), length);
        if (net.devices) net.devices(net.sent.back());
        return 0;
    },
    Receive,
    [](int, uint32_t, int) { return false; },
    [](int) {},
    [] { return net.now; },
    [](int ms) { net.now += ms; },
};

QByteArray GatewayReply(const QByteArray& mac, const QByteArray& ip = "127.0.0.1",
                        const QByteArray& name = "hall") {
    return "A = 1; B = 2; C = 3; MAC = " + mac + "; IP = " + ip +
           "; SN = 255.0.0.0; GW = 127.0.0.254; DHCP = ON; P = x; HN = " + name +
           "; DNS1 = 1.1.1.1; DNS2 = 2.2.2.2;" + '\0';
}

QByteArray ModuleAnswer(const QByteArray& mac = "001234C70A1B", const QByteArray& name = "hall 2") {
    return mac + " 00 0A010164 FFFFFF00 0A010204 " + name.leftJustified(32, ' ');
}

} // namespace

class NetDevicesTest : public QObject {
    Q_OBJECT
    Connection connection; // the one the link talks over
    ScriptedMessages messages;
    KnownDevices devices;
    NetworkFields fields;

    int Parse(const QByteArray& d, NetbiterRecord& r) {
        return ParseNetbiterReply(d.data(), int(d.size()), r);
    }

  private slots:
    void initTestCase() { UseConnection(&connection); }
    void init() {
        messages.clear();
        fields = NetworkFields{};
        SetMessageSink(&messages);
        LoadINIDefaultTCP(devices, connection);
        LoadDevINIDefault(devices, connection);
        InitGatewayRecords(devices);
        InitLM57Records(devices);
        net = Network{};
        SetUdpTransport(&kScriptedNetwork);
    }
    void cleanup() { SetUdpTransport(nullptr); }

    void checkIP() {
        for (const char* bad : {"192.168.0.256", "192.168..1", ".1.2.3", "1.2.3", "1.2.3.4.", "1.2.3.x", "",
                                "1.2.3.99999999999"})
            QVERIFY2(!CheckIP(bad), bad);
        for (const char* good : {"0.0.0.0", "010.1.1.1", "255.255.255.255", "10.1.1.100"})
            QVERIFY2(CheckIP(good), good);
    }

    void gatewayReplyByPosition() {
        const QByteArray full = GatewayReply("00-30-11-0A-1B-01");
        NetbiterRecord r;
        QCOMPARE(Parse(full, r), 1);
        QCOMPARE((QByteArrayList{r.MAC, r.IP, r.GW, r.DHCP, r.HN, r.DNS2}),
                 (QByteArrayList{"00-30-11-0A-1B-01", "127.0.0.1", "127.0.0.254", "ON", "hall", "2.2.2.2"}));

        // A host name too long for its field is cut and said to be; the datagram ends
        // without terminator and without its last ";": nothing beyond it is read.
        QCOMPARE(Parse(GatewayReply("00-30-11-0A-1B-01", "127.0.0.1", QByteArray(40, 'n')).chopped(2), r), 0);
        QCOMPARE((QByteArrayList{r.HN, r.DNS2}), (QByteArrayList{QByteArray(29, 'n'), "2.2.2.2"}));

        // Missing "=": the later fields stay empty.
        QCOMPARE(Parse(full.left(full.indexOf("SN")), r), 0);
        QCOMPARE((QByteArrayList{r.IP, r.SN}), (QByteArrayList{"127.0.0.1", ""}));
        QCOMPARE(r.valid, uint8_t(1));

        // No gateway's reply without a MAC and a dotted IP: the IP is where Modbus/TCP
        // goes, and a name there would be looked up.
        for (const QByteArray ip : {"999.1.1.1", "1.2.3", "", "localhost", "192.168.100.1001"})
            QVERIFY2(Parse(GatewayReply("00-30-11-0A-1B-01", ip), r) < 0, ip.constData());
        for (const QByteArray mac :
             {"00-30-11-0A-1B", "0x-30-11-0A-1B-01", "00-00-00-00-00-00", "00-30-11-0A-1B-01-02"})
            QVERIFY2(Parse(GatewayReply(mac), r) < 0, mac.constData());
        QCOMPARE(Parse(GatewayReply("00-30-11-0a-1b-01").replace("255.0.0.0", "255.0.0"), r), 0);
        QCOMPARE((QByteArrayList{r.MAC, r.SN}),
                 (QByteArrayList{"00-30-11-0A-1B-01", ""})); // no address: left out
    }

    // A scan ends a few seconds after its request however long anyone keeps answering,
    // and lists each device once, whatever else comes; the module scan goes out from a
    // free port, so that another program holding the module port takes nothing from it.
    void scansEndAndListEachDeviceOnce() {
        for (const bool gateway : {true, false}) {
            net = Network{};
            net.takenPort = kModuleUdpPort;
            const QByteArray reply = gateway ? GatewayReply("00-30-11-0A-1B-01") : ModuleAnswer();
            net.devices = [&](const QByteArray&) {
                Due(10, QByteArray(4000, '=')); // no answer, and longer than any: not the end
                for (int i = 0; i < 400; ++i)
                    Due(20 + 90 * i, reply);
                Due(50, gateway ? GatewayReply("00-30-11-0A-1B-02") : ModuleAnswer("001234C70A1C"));
            };
            QCOMPARE(gateway ? NetbiterScan().size() : LANMD57Scan().size(), size_t(2));
            QVERIFY2(net.now <= kUdpScanLimitMs, qPrintable(QString::number(net.now)));
            QCOMPARE(net.opened, std::vector<int>{0});
            QVERIFY(messages.infos.empty());
        }
        // Beyond 256 the rest is dropped, and the user told so.
        net.devices = [](const QByteArray&) {
            for (int i = 0; i < 300; ++i)
                Due(i, GatewayReply(QString::asprintf("00-30-11-00-%02X-%02X", i / 256, i % 256).toLatin1()));
        };
        QCOMPARE(NetbiterScan().size(), size_t(256));
        QCOMPARE(int(messages.notes.size()), 1);
    }

    // Settings count as sent only when the addressed device confirms them: a refusal,
    // a stray byte or another device's answer leave the record as it was.
    void configurationNeedsConfirmation() {
        devices.gateways.resize(1);
        QCOMPARE(Parse(GatewayReply("00-30-11-0A-1B-01"), devices.gateways[0].record), 1);
        SelectInterface(connection, kGateway, 0, 0);
        fields = NetworkFields{"127.0.0.1", "255.0.0.0", "127.0.0.254", "plant", 1, 1};
        QByteArray answer;
        net.devices = [&](const QByteArray&) { Due(5, answer); };
        for (const QByteArray& refusal : {QByteArray("ERROR: wrong password") + '\0', QByteArray("\xFF"),
                                          GatewayReply("00-30-11-0A-1B-02")}) {
            answer = refusal;
            messages.clear();
            QVERIFY(!GatewayModificationCheck(devices, fields));
            QVERIFY(messages.wasShown(MessageType::Error, 10, 2));
            QCOMPARE(QByteArray(devices.gateways[0].record.HN), QByteArray("hall"));
        }
        answer = GatewayReply("00-30-11-0A-1B-01");
        QVERIFY(GatewayModificationCheck(devices, fields));
        QCOMPARE(QByteArray(devices.gateways[0].record.HN), QByteArray("plant"));

        // A module's name is kept with its blanks, whatever else changes.
        devices.modules.resize(1);
        QVERIFY(ParseModuleAnswer(ModuleAnswer("001234C70A1B", "Hall 7 meter").constData(), 75,
                                  devices.modules[0]));
        SelectInterface(connection, kModule, 0, 0);
        fields = NetworkFields{"10.1.1.5", "255.255.255.0", "10.1.2.4", "Hall 7 meter ", 0, 1};
        for (const QByteArray& refusal : {QByteArray("ERROR: refused"), QByteArray("\xFF"),
                                          ModuleAnswer("001234C70A1C", "Hall 7 meter")}) {
            answer = refusal;
            messages.clear();
            QVERIFY(!LM57ModificationCheck(devices, fields));
            QVERIFY(messages.wasShown(MessageType::Error, 10, 2));
            QCOMPARE(QByteArray(devices.modules[0].IP), QByteArray("10.1.1.100"));
        }
        answer = ModuleAnswer("001234C70A1B", "Hall 7 meter");
        QVERIFY(LM57ModificationCheck(devices, fields));
        QCOMPARE(net.sent.back().mid(43), QByteArray("Hall 7 meter").leftJustified(32, ' '));
        QCOMPARE((QByteArrayList{devices.modules[0].IP, devices.modules[0].name}),
                 (QByteArrayList{"10.1.1.5", "Hall 7 meter"}));
    }

    // DHCP switched on: the module comes back with a leased address, which the scan
    // after the settle pause puts into the list.
    void moduleRescannedAfterDhcpChange() {
        devices.modules.resize(1);
        QVERIFY(ParseModuleAnswer(ModuleAnswer().constData(), 75, devices.modules[0]));
        SelectInterface(connection, kModule, 0, 0);
        fields = NetworkFields{"10.1.1.100", "255.255.255.0", "10.1.2.4", "hall 2", 1, 1};
        int64_t configuredAt = -1;
        net.devices = [&](const QByteArray& datagram) {
            if (!datagram.startsWith("001234C7FFFF")) configuredAt = net.now;
            Due(5, configuredAt < 0 ? ModuleAnswer() : ModuleAnswer().replace(13, 11, "01 0A010105"));
        };
        QVERIFY(LM57ModificationCheck(devices, fields));
        QCOMPARE(int(net.sent.size()), 2); // the message, then the scan
        QVERIFY(configuredAt >= 0 && net.now - configuredAt >= 5000);
        QCOMPARE((QByteArrayList{devices.modules[0].IP, devices.modules[0].DHCP}),
                 (QByteArrayList{"10.1.1.5", "01"}));
        QCOMPARE(connection.moduleIndex, 0);
    }

    void gatewayMessage() {
        NetbiterRecord r;
        QCOMPARE(Parse(GatewayReply("00-30-11-0A-1B-01", "10.1.1.5", "plant"), r), 1);
        CopyText(r.DNS2, "");
        QCOMPARE(QByteArray::fromStdString(NetbiterConfigMessage(r, "pw")),
                 QByteArray("Configure: 00-30-11-0A-1B-01;Password: pw;IP = 10.1.1.5;SN = 255.0.0.0;"
                            "GW = 127.0.0.254;DHCP = ON;HN = plant;DNS1 = 1.1.1.1;DNS2 = ;"));
    }

    void moduleAnswerAndMessage() {
        const QByteArray answer = ModuleAnswer();
        ModuleRecord r;
        QCOMPARE(ParseModuleAnswer(answer.constData(), 75, r), 1);
        QCOMPARE(
            (QByteArrayList{r.MAC, r.IP, r.subnet, r.gateway, r.DHCP, r.name}),
            (QByteArrayList{"00-12-34-C7-0A-1B", "10.1.1.100", "255.255.255.0", "10.1.2.4", "00", "hall 2"}));
        // The request itself, another device, a short or damaged datagram are no answers.
        for (QByteArray bad : {QByteArray("001234C7FFFF"), QByteArray(answer).replace(0, 8, "00301100"),
                               answer.left(30), QByteArray(answer).replace(16, 1, "G")})
            QVERIFY(!ParseModuleAnswer(bad.constData(), int(bad.size()), r));
        ParseModuleAnswer(answer.constData(), 75, r);
        CopyText(r.IP, "10.1.1.5");
        char m[kModuleMessageSize];
        ModuleMessage(r, m);
        QCOMPARE(QByteArray(m, 75),
                 "001234C70A1B 00 0a010105 ffffff00 0a010204 " + QByteArray("hall 2").leftJustified(32, ' '));
    }

    void macEntry() {
        QVERIFY(!CheckMAC("00:30:11:0A:0B:0C") && !CheckMAC("00-30-11-0A-0B"));
        QVERIFY(!AddLANMD57(devices, "00-30-11-0a-0b-0c"));
        QVERIFY(messages.wasShown(MessageType::Error, 14, 20) && devices.modules.empty());
        QVERIFY(AddLANMD57(devices, "00-30-11-0A-0B-0C"));
        QCOMPARE(QByteArray(devices.modules[0].IP), QByteArray("10.1.1.100"));
        QCOMPARE(connection.moduleIndex, 0);

        // One known by its address only takes the MAC of the module a scan finds there.
        devices.modules.clear();
        QVERIFY(AddLANMD57ByIP(devices, "10.1.1.100"));
        net.devices = [](const QByteArray&) { Due(5, ModuleAnswer()); };
        CheckLANMD57(devices);
        QCOMPARE(devices.modules.size(), size_t(1));
        QCOMPARE(QByteArray(devices.modules[0].MAC), QByteArray("00-12-34-C7-0A-1B"));
    }

    // Hand-added gateways keep what is typed, the host name up to a blank or ";".
    void handAddedGatewaysAndDelete() {
        for (int i = 0; i < 3; ++i) {
            QVERIFY(AddGateway(devices)); // and selects it
            devices.gateways[i].units[0] = 10 + i;
        }
        fields = NetworkFields{"10.1.1.12", "", "", "plant 1;x"};
        QVERIFY(GatewayModificationCheck(devices, fields));
        QCOMPARE((QByteArrayList{devices.gateways[2].record.HN, devices.gateways[2].record.IP}),
                 (QByteArrayList{"plant", "10.1.1.12"}));
        fields.IP = "10.1.1.256";
        QVERIFY(!GatewayModificationCheck(devices, fields));
        QVERIFY(messages.wasShown(MessageType::Error, 11, 17));
        QCOMPARE(QByteArray(devices.gateways[2].record.IP), QByteArray("10.1.1.12"));

        QVERIFY(DeleteGateway(devices, 0));
        QCOMPARE(devices.gateways.size(), size_t(2));
        QCOMPARE((QList<int>{devices.gateways[0].units[0], devices.gateways[1].units[0]}),
                 (QList<int>{11, 12}));
        QCOMPARE(QByteArray(devices.gateways[1].record.HN), QByteArray("plant"));
    }
};

QTEST_GUILESS_MAIN(NetDevicesTest)
#include "netdevices_test.moc"
