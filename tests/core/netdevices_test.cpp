// Gateways and modules without a network: reading their answers, building their
// messages, checking what is typed, and the known lists.
#include "netmodules/Gateway.h"
#include "netmodules/LANMOD57Net.h"
#include "platform/Messages.h"
#include "settings/INI_File.h"

#include <QtTest>

class NetDevicesTest : public QObject {
    Q_OBJECT
    ScriptedMessages messages;

  private slots:
    void init() {
        messages.clear();
        SetMessageSink(&messages);
        LoadINIDefaultTCP();
        LoadDevINIDefault();
    }

    void checkIP() {
        for (const char* bad : {"192.168.0.256", "192.168..1", ".1.2.3", "1.2.3", "1.2.3.4.", "1.2.3.x", "",
                                "1.2.3.99999999999"})
            QVERIFY2(!CheckIP(bad), bad);
        for (const char* good : {"0.0.0.0", "010.1.1.1", "255.255.255.255", "10.1.1.100"})
            QVERIFY2(CheckIP(good), good);
    }

    void gatewayReplyByPosition() {
        const QByteArray full = QByteArray("A = 1; B = 2; C = 3; MAC = 00-30-11-0A-1B-01; IP = 127.0.0.1; "
                                           "SN = 255.0.0.0; GW = 127.0.0.254; DHCP = ON; P = x; HN = hall; "
                                           "DNS1 = 1.1.1.1; DNS2 = 2.2.2.2;") +
                                '\0';
        NetbiterRecord r;
        QCOMPARE(ParseNetbiterReply(full.constData(), int(full.size()), r), 1);
        QCOMPARE(QByteArray(r.MAC), QByteArray("00-30-11-0A-1B-01"));
        QCOMPARE(QByteArray(r.IP), QByteArray("127.0.0.1"));
        QCOMPARE(QByteArray(r.GW), QByteArray("127.0.0.254"));
        QCOMPARE(QByteArray(r.DHCP), QByteArray("ON"));
        QCOMPARE(QByteArray(r.HN), QByteArray("hall"));
        QCOMPARE(QByteArray(r.DNS2), QByteArray("2.2.2.2"));

        // A host name too long for its field is cut and said to be; the datagram ends
        // without terminator and without its last ";": nothing beyond it is read.
        QByteArray longName = full;
        longName.replace("HN = hall", "HN = " + QByteArray(40, 'n'));
        longName.chop(2); // ";" and the zero byte
        QCOMPARE(ParseNetbiterReply(longName.constData(), int(longName.size()), r), 0);
        QCOMPARE(QByteArray(r.HN), QByteArray(29, 'n'));
        QCOMPARE(QByteArray(r.DNS2), QByteArray("2.2.2.2"));

        // Missing "=": the later fields stay empty.
        const QByteArray cut = full.left(int(full.indexOf("SN")));
        QCOMPARE(ParseNetbiterReply(cut.constData(), int(cut.size()), r), 0);
        QCOMPARE(QByteArray(r.IP), QByteArray("127.0.0.1"));
        QCOMPARE(QByteArray(r.SN), QByteArray());
        QCOMPARE(r.valid, uint8_t(1));
    }

    void gatewayMessage() {
        NetbiterRecord r = NBDdef;
        CopyText(r.MAC, "00-30-11-0A-1B-01");
        CopyText(r.IP, "10.1.1.5");
        CopyText(r.SN, "255.255.255.0");
        CopyText(r.GW, "10.1.1.1");
        CopyText(r.DHCP, "OFF");
        CopyText(r.HN, "plant");
        QCOMPARE(QByteArray::fromStdString(NetbiterConfigMessage(r, "pw")),
                 QByteArray("Configure: 00-30-11-0A-1B-01;Password: pw;IP = 10.1.1.5;SN = 255.255.255.0;"
                            "GW = 10.1.1.1;DHCP = OFF;HN = plant;DNS1 = ;DNS2 = ;"));
    }

    void moduleAnswerAndMessage() {
        const QByteArray answer =
            "001234C70A1B 00 0A010164 FFFFFF00 0A010204 " + QByteArray("hall 2").leftJustified(32, ' ');
        QCOMPARE(answer.size(), 75);
        ModuleRecord r;
        QCOMPARE(ParseModuleAnswer(answer.constData(), 75, r), 1);
        QCOMPARE(QByteArray(r.MAC), QByteArray("00-12-34-C7-0A-1B"));
        QCOMPARE(QByteArray(r.IP), QByteArray("10.1.1.100"));
        QCOMPARE(QByteArray(r.subnet), QByteArray("255.255.255.0"));
        QCOMPARE(QByteArray(r.gateway), QByteArray("10.1.2.4"));
        QCOMPARE(QByteArray(r.DHCP), QByteArray("00"));
        QCOMPARE(QByteArray(r.name), QByteArray("hall 2"));
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
        QVERIFY(CheckMAC("00-30-11-0A-0B-0C"));
        QVERIFY(!CheckMAC("00-30-11-0a-0b-0c"));
        QVERIFY(!CheckMAC("00:30:11:0A:0B:0C"));
        QVERIFY(!CheckMAC("00-30-11-0A-0B"));
        QVERIFY(!AddLANMD57("00-30-11-0a-0b-0c"));
        QVERIFY(messages.wasShown(MessageType::Error, 14, 20));
        QCOMPARE(Num57, 0);
        QVERIFY(AddLANMD57("00-30-11-0A-0B-0C"));
        QCOMPARE(QByteArray(IP57[0]), QByteArray("10.1.1.100"));
        QCOMPARE(LM57Index, 0);
    }

    // Hand-added gateways keep what is typed, the host name up to a blank or ";".
    void handAddedGatewaysAndDelete() {
        for (int i = 0; i < 3; ++i)
            QVERIFY(AddGateway());
        for (int i = 0; i < 3; ++i)
            DevicesTCP[i][0] = 10 + i;
        SelectInterface(CommType, 2, LM57Index);
        NetFields.IP = "10.1.1.12";
        NetFields.hostName = "plant 1;x";
        QVERIFY(GatewayModificationCheck());
        QCOMPARE(QByteArray(GatewayName[2]), QByteArray("plant"));
        QCOMPARE(QByteArray(GatewayIP[2]), QByteArray("10.1.1.12"));
        NetFields.IP = "10.1.1.256";
        QVERIFY(!GatewayModificationCheck());
        QVERIFY(messages.wasShown(MessageType::Error, 11, 17));
        QCOMPARE(QByteArray(GatewayIP[2]), QByteArray("10.1.1.12"));

        QVERIFY(DeleteGateway(0));
        QCOMPARE(NumGateways, 2);
        QCOMPARE(DevicesTCP[0][0], 11);
        QCOMPARE(DevicesTCP[1][0], 12);
        QCOMPARE(DevicesTCP[2][0], 0);
        QCOMPARE(QByteArray(GatewayName[1]), QByteArray("plant"));
    }
};

QTEST_GUILESS_MAIN(NetDevicesTest)
#include "netdevices_test.moc"
