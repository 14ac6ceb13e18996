#include "config/ConfigImage.h"
#include "netmodules/LANMOD57.h"
#include "platform/ProgramFiles.h"
#include "settings/INI_File.h"
#include "settings/IniFormat.h"

#include <QtTest>
#include <cstring>
#include <functional>

namespace {

QByteArray Crlf(const char* text) { return QByteArray(text).replace("\n", "\r\n"); }

// The 32 address keys as a settings library orders them: 1, 10..19, 2, 20..29, 3, 30..32, 4..9.
QByteArray SortedAddressLines(const int32_t (&values)[32])
{
    QByteArray out;
    const int order[] = {1, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 2, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29,
                         3, 30, 31, 32, 4, 5, 6, 7, 8, 9};
    for (int n : order) out += "DevAddr" + QByteArray::number(n) + " = " + QByteArray::number(values[n - 1]) + "\r\n";
    return out;
}

QByteArray ReadBack(const QString& dir, const char* name)
{
    QByteArray data;
    ReadWholeFile((dir + "/" + name).toStdString(), data);
    return data;
}

void Put(const QString& dir, const char* name, const QByteArray& content)
{
    QVERIFY(WriteFileAtomically((dir + "/" + name).toStdString(), content));
}

const std::map<QString, std::function<int()>> kProbes{
    {"Language", [] { return Language; }},
    {"CommType", [] { return CommType; }},
    {"CommPort", [] { return CommPort; }},
    {"Baudrate", [] { return Baudrate; }},
    {"Parity", [] { return Parity; }},
    {"DeviceAddr", [] { return DeviceAddr; }},
    {"RecTimeout", [] { return RecTimeout; }},
    {"RTSFlow", [] { return RTSFlow; }},
    {"MaxI", [] { return int(Konf.MaxI); }},
    {"MaxU", [] { return int(Konf.MaxU); }},
    {"Devices485", [] { return Devices485[0] * 1000 + Devices485[1]; }}, // first two slots
    {"NumGateways", [] { return NumGateways; }},
    {"GatewayIndex", [] { return GatewayIndex; }},
    {"TCPPort", [] { return TCPPort; }},
    {"TCPDevAddr", [] { return TCPDevAddr; }},
    {"Num57", [] { return Num57; }},
    {"LM57Index", [] { return LM57Index; }},
    {"MACLength", [] { return int(std::strlen(MAC57[0])); }},
    {"NameLength", [] { return int(std::strlen(GatewayName[0])); }},
};

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT
    QTemporaryDir* dir = nullptr;
    QString path() const { return dir->path(); }

private slots:
    void init()
    {
        dir = new QTemporaryDir;
        SettingsDir = dir->path().toStdString();
    }
    void cleanup()
    {
        delete dir;
        dir = nullptr;
    }

    void defaultsWithoutFiles()
    {
        LoadAllSettings(true);
        QCOMPARE(Language, 1);
        QCOMPARE(CommType, 0);
        QCOMPARE(CommPort, 1);
        QCOMPARE(RecTimeout, 200);
        const int32_t zero[32] = {};
        const QByteArray expected = "[Interface]\r\nAutoClose = 1\r\nBaudrate = 3\r\nCOMPort = 1\r\nCOMType = 0\r\n"
                                    "DevAddr = 247\r\n" + SortedAddressLines(zero) +
                                    "Parity = 0\r\nRTSFlow = 1\r\nTimeout = 200\r\n\r\n"
                                    "[Options]\r\nDevType = 0\r\nLanguage = 1\r\nModule = 1\r\nRatedI = 500\r\n"
                                    "RatedU = 500\r\n";
        QCOMPARE(ReadBack(path(), "ZARO.ini"), expected);
        QCOMPARE(ReadBack(path(), "ZAROTCP.ini"),
                 Crlf("[TCPComm]\nNumGate = 0\nTCPPort = 502\nGateway = 0\nDevAddr = 247\n"));
        QCOMPARE(ReadBack(path(), "ZARODEV.ini"), Crlf("[LANMOD57]\nLM57Ix = 0\n"));
    }

    // What is written reads back to the same globals and is written again byte for byte.
    void roundTrips()
    {
        LoadINIDefault();
        Language = 3;
        CommType = 1;
        CommPortPath = "/dev/pts/\"7\"\\\t";
        RecTimeout = 350;
        Konf.MaxI = 100;
        const int32_t found[32] = {3, 17, 247};
        std::copy(std::begin(found), std::end(found), Devices485);
        NewINIFile();
        const QByteArray ini = ReadBack(path(), "ZARO.ini");
        QVERIFY(ini.contains("\r\nCOMPort = 1\r\nCOMPortPath = \"/dev/pts/\\\"7\\\"\\\\\\t\"\r\nCOMType = 1\r\n"));
        QVERIFY(ini.contains(SortedAddressLines(found)));
        QVERIFY(!ini.contains("\n\n") && ini.count("\n") == ini.count("\r\n"));

        LoadINIDefaultTCP();
        NumGateways = 2;
        GatewayIndex = 1;
        const char name29[] = "Hall 2 \"north\" \\ tab\there\x01\x7f";
        qstrncpy(GatewayName[1], name29, sizeof GatewayName[1]);
        qstrncpy(GatewayIP[0], "127.0.0.1", sizeof GatewayIP[0]);
        DevicesTCP[1][0] = 9;
        NewINIFileTCP();
        const QByteArray tcp = ReadBack(path(), "ZAROTCP.ini");
        QVERIFY(tcp.startsWith(Crlf("[TCPComm]\nNumGate = 2\nTCPPort = 502\nGateway = 1\nDevAddr = 247\n\n"
                                    "[Gateway1]\nGatewayIP = \"127.0.0.1\"\nGatewayMAC = \"\"\nGatewayName = \"\"\n"
                                    "DevAddr1 = 0\nDevAddr2 = 0\n")));
        QVERIFY(tcp.contains("GatewayName = \"Hall 2 \\\"north\\\" \\\\ tab\\there\\x01\\x7F\"\r\n"));

        LoadDevINIDefault();
        Num57 = 1;
        qstrncpy(Name57[0], "line\r\nbreak", sizeof Name57[0]);
        qstrncpy(DHCP57[0], "01", sizeof DHCP57[0]);
        NewDevINIFile();
        const QByteArray dev = ReadBack(path(), "ZARODEV.ini");
        QCOMPARE(dev, Crlf("[LANMOD57]\nLM57Ix = 0\n\n[Device0]\nMAC = \"\"\nIP = \"\"\nGateway = \"\"\n"
                           "SubMask = \"\"\nDHCP = \"01\"\nName = \"line\\r\\nbreak\"\n"));

        LoadAllSettings(true);
        QCOMPARE(CommPortPath, std::string("/dev/pts/\"7\"\\\t"));
        QCOMPARE(QByteArray(GatewayName[1]), QByteArray(name29));
        QCOMPARE(QByteArray(Name57[0]), QByteArray("line\r\nbreak"));
        QCOMPARE(QByteArray(EMD[0].DHCP), QByteArray("01"));
        QCOMPARE(Devices485[1], 17);
        NewINIFile();
        NewINIFileTCP();
        NewDevINIFile();
        QCOMPARE(ReadBack(path(), "ZARO.ini"), ini);
        QCOMPARE(ReadBack(path(), "ZAROTCP.ini"), tcp);
        QCOMPARE(ReadBack(path(), "ZARODEV.ini"), dev);
    }

    void handEditedFilesAreRead()
    {
        Put(path(), "ZARO.ini",
            "; edited by hand\n\n[options]\n  language=2\n[Interface]\nCOMPort = 3\nDevAddr2 = 9\n");
        LoadAllSettings(true);
        QCOMPARE(Language, 2);
        QCOMPARE(CommPort, 3);
        QCOMPARE(CommPortPath, std::string()); // the old rule: the link derives the device from COMPort
        QCOMPARE(Devices485[0], 9);  // slots are kept packed
        QCOMPARE(Konf.MaxI, int16_t(500)); // missing keys keep their defaults
    }

    void gatewayCountLimitsSections()
    {
        QByteArray text = "[TCPComm]\r\nNumGate = 2\r\n";
        for (int n = 1; n <= 3; ++n) text += "[Gateway" + QByteArray::number(n) + "]\r\nGatewayIP = \"127.0.0." +
                                             QByteArray::number(n) + "\"\r\n";
        Put(path(), "ZAROTCP.ini", text);
        LoadAllSettings(true);
        QCOMPARE(NumGateways, 2);
        QCOMPARE(QByteArray(GatewayIP[1]), QByteArray("127.0.0.2"));
        QCOMPARE(GatewayIP[2][0], '\0');
        NewINIFileTCP();
        const QByteArray written = ReadBack(path(), "ZAROTCP.ini");
        QVERIFY(written.contains("[Gateway2]"));
        QVERIFY(!written.contains("[Gateway3]"));
    }

    void everyExtraSectionIsAModule()
    {
        Put(path(), "ZARODEV.ini",
            "[LANMOD57]\r\nLM57Ix = 1\r\n[Device0]\r\nName = \"A\"\r\nMAC = \"00-30-11-00-00-01\"\r\n"
            "SubMask = \"255.0.0.0\"\r\n[Device1]\r\nName = \"B\"\r\n[Notes]\r\nName = \"C\"\r\n");
        LoadAllSettings(true);
        QCOMPARE(Num57, 3);
        QCOMPARE(LM57Index, 1);
        QCOMPARE(QByteArray(Name57[1]), QByteArray("B"));
        QCOMPARE(Name57[2][0], '\0'); // read from Device2, which is not there
        QCOMPARE(QByteArray(EMD[0].MAC), QByteArray("00-30-11-00-00-01"));
        QCOMPARE(QByteArray(EMD[0].name), QByteArray("A"));
        QCOMPARE(EMD[0].subnet[0], '\0'); // the subnet mask stays in the list only
    }

    void gatewayNameOf29Characters()
    {
        LoadINIDefaultTCP();
        NumGateways = 1;
        const QByteArray name(29, 'N');
        qstrncpy(GatewayName[0], name.constData(), sizeof GatewayName[0]);
        NewINIFileTCP();
        LoadINIDefaultTCP();
        QCOMPARE(ReadINIFileTCP(), 1);
        QCOMPARE(QByteArray(GatewayName[0]), name);
    }

    // Broken or hand-made files: the program starts with sound values and the file on
    // disk is rewritten so that it reads back to exactly those values.
    void badInput_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("probe");
        QTest::addColumn<int>("expected");

        const QByteArray gateway = "[Gateway1]\r\nGatewayName = \"only\"\r\n";
        auto ini = [](const char* section, const char* line) {
            return QByteArray("[") + section + "]\r\n" + line + "\r\n";
        };
        QTest::newRow("missing") << "" << QByteArray() << "Language" << 1;
        QTest::newRow("empty") << "ZARO.ini" << QByteArray() << "CommType" << 0;
        QTest::newRow("garbage") << "ZARO.ini" << QByteArray("\x7f" "ELF\x02\x01\x00\xff[=]\xfe\n=\n", 13)
                                 << "RecTimeout" << 200;
        QTest::newRow("garbage tcp") << "ZAROTCP.ini" << QByteArray("PK\x03\x04\xff\xfe\r\n") << "TCPPort" << 502;
        QTest::newRow("unterminated string") << "ZARODEV.ini" << QByteArray("[LANMOD57]\r\n[Device0]\r\nIP = \"1\r\n")
                                             << "Num57" << 0;
        QTest::newRow("no sections") << "ZARODEV.ini" << QByteArray("; nothing\r\n") << "Num57" << 0;
        QTest::newRow("Language 7") << "ZARO.ini" << ini("Options", "Language = 7") << "Language" << 1;
        QTest::newRow("Language -1") << "ZARO.ini" << ini("Options", "Language = -1") << "Language" << 1;
        QTest::newRow("RatedI 250") << "ZARO.ini" << ini("Options", "RatedI = 250") << "MaxI" << 500;
        QTest::newRow("RatedU 0") << "ZARO.ini" << ini("Options", "RatedU = 0") << "MaxU" << 500;
        QTest::newRow("COMType 9") << "ZARO.ini" << ini("Interface", "COMType = 9") << "CommType" << 0;
        QTest::newRow("COMPort 0") << "ZARO.ini" << ini("Interface", "COMPort = 0") << "CommPort" << 1;
        QTest::newRow("COMPort 99") << "ZARO.ini" << ini("Interface", "COMPort = 99") << "CommPort" << 1;
        QTest::newRow("Baudrate 5") << "ZARO.ini" << ini("Interface", "Baudrate = 5") << "Baudrate" << 3;
        QTest::newRow("Parity -1") << "ZARO.ini" << ini("Interface", "Parity = -1") << "Parity" << 0;
        QTest::newRow("RTSFlow 2") << "ZARO.ini" << ini("Interface", "RTSFlow = 2") << "RTSFlow" << 1;
        QTest::newRow("DevAddr 0") << "ZARO.ini" << ini("Interface", "DevAddr = 0") << "DeviceAddr" << 247;
        QTest::newRow("DevAddr 248") << "ZARO.ini" << ini("Interface", "DevAddr = 248") << "DeviceAddr" << 247;
        QTest::newRow("Timeout -5") << "ZARO.ini" << ini("Interface", "Timeout = -5") << "RecTimeout" << 50;
        QTest::newRow("Timeout 0") << "ZARO.ini" << ini("Interface", "Timeout = 0") << "RecTimeout" << 50;
        QTest::newRow("Timeout huge") << "ZARO.ini" << ini("Interface", "Timeout = 600000") << "RecTimeout" << 10000;
        QTest::newRow("Timeout overflow") << "ZARO.ini" << ini("Interface", "Timeout = 99999999999999999999")
                                          << "RecTimeout" << 200;
        QTest::newRow("Timeout text") << "ZARO.ini" << ini("Interface", "Timeout = \"fast\"") << "RecTimeout" << 200;
        QTest::newRow("address slots") << "ZARO.ini"
                                       << ini("Interface", "DevAddr1 = 300\r\nDevAddr2 = 17\r\nDevAddr3 = 5\r\n"
                                                           "DevAddr4 = 17\r\nDevAddr5 = -4")
                                       << "Devices485" << 5017;
        QTest::newRow("NumGate 9999") << "ZAROTCP.ini" << ini("TCPComm", "NumGate = 9999") + gateway
                                      << "NumGateways" << 1;
        QTest::newRow("NumGate -3") << "ZAROTCP.ini" << ini("TCPComm", "NumGate = -3") << "NumGateways" << 0;
        QTest::newRow("Gateway 4 of 1") << "ZAROTCP.ini" << ini("TCPComm", "NumGate = 1\r\nGateway = 4") + gateway
                                        << "GatewayIndex" << 0;
        QTest::newRow("TCPPort 70000") << "ZAROTCP.ini" << ini("TCPComm", "TCPPort = 70000") << "TCPPort" << 502;
        QTest::newRow("TCP DevAddr 0") << "ZAROTCP.ini" << ini("TCPComm", "DevAddr = 0") << "TCPDevAddr" << 247;
        QTest::newRow("long name") << "ZAROTCP.ini"
                                   << ini("TCPComm", "NumGate = 1") + "[Gateway1]\r\nGatewayName = \"" +
                                          QByteArray(200, 'x') + "\"\r\n"
                                   << "NameLength" << 29;
        QTest::newRow("long MAC") << "ZARODEV.ini"
                                  << ini("LANMOD57", "LM57Ix = 0") + "[Device0]\r\nMAC = \"00-30-11-22-33-44-55-66\"\r\n"
                                  << "MACLength" << 17;
        QTest::newRow("LM57Ix 5 of 1") << "ZARODEV.ini" << ini("LANMOD57", "LM57Ix = 5") + "[Device0]\r\n"
                                       << "LM57Index" << 0;
        QByteArray many = ini("LANMOD57", "LM57Ix = 0");
        for (int i = 0; i < 300; ++i) many += "[Device" + QByteArray::number(i) + "]\r\n";
        QTest::newRow("300 modules") << "ZARODEV.ini" << many << "Num57" << 256;
    }
    void badInput()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QString, probe);
        QFETCH(int, expected);
        if (!file.isEmpty()) Put(path(), file.toLatin1().constData(), content);

        LoadAllSettings(true);
        QCOMPARE(kProbes.at(probe)(), expected);

        const char* names[] = {"ZARO.ini", "ZAROTCP.ini", "ZARODEV.ini"};
        QByteArray written[3];
        for (int i = 0; i < 3; ++i) {
            written[i] = ReadBack(path(), names[i]);
            if (file == names[i]) QVERIFY2(written[i] != content, "the broken file was not rewritten");
            IniDoc doc;
            QVERIFY2(IniParse(written[i], doc) && !doc.sections.empty(), names[i]);
        }
        // The rewritten files are settled: reading them again changes nothing.
        LoadAllSettings(true);
        QCOMPARE(kProbes.at(probe)(), expected);
        for (int i = 0; i < 3; ++i) QCOMPARE(ReadBack(path(), names[i]), written[i]);
    }

    // zaro-cli reads the files but leaves even broken ones alone.
    void readOnlyLoadWritesNothing()
    {
        Put(path(), "ZARO.ini", "[Options]\r\nLanguage = 7\r\n");
        LoadAllSettings(false);
        QCOMPARE(Language, 1);
        QCOMPARE(ReadBack(path(), "ZARO.ini"), QByteArray("[Options]\r\nLanguage = 7\r\n"));
        QVERIFY(!QFile::exists(path() + "/ZAROTCP.ini"));
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "settings_test.moc"
