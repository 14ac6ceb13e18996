#include "config/ConfigImage.h"
#include "config/MeterSession.h"
#include "link/Connection.h"
#include "netmodules/KnownDevices.h"
#include "platform/ProgramFiles.h"
#include "settings/INI_File.h"
#include "settings/IniFormat.h"

#include <QtTest>
#include <cstring>
#include <functional>
#include <sys/stat.h>

struct BadCase {
    const char* file;
    QByteArray content;
    std::function<int()> probe;
    int expected;
};
Q_DECLARE_METATYPE(BadCase)

namespace {

MeterSession session;
Connection& connection = session.connection; // the one the link talks over

// What the probes of the tables below look at.
KnownDevices devices;

// A probe of one setting.
std::function<int()> Of(const int32_t& setting) {
    return [&setting] { return int(setting); };
}

QByteArray Crlf(const char* text) {
    return QByteArray(text).replace("\n", "\r\n");
}

// The 32 address keys as a settings library orders them: 1, 10..19, 2, 20..29, 3, 30..32, 4..9.
QByteArray SortedAddressLines(const int32_t (&values)[32]) {
    QByteArray out;
    const int order[] = {1,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 2, 20, 21, 22, 23,
                         24, 25, 26, 27, 28, 29, 3,  30, 31, 32, 4,  5, 6,  7,  8,  9};
    for (int n : order)
        out += "DevAddr" + QByteArray::number(n) + " = " + QByteArray::number(values[n - 1]) + "\r\n";
    return out;
}

QByteArray ReadBack(const QString& dir, const char* name) {
    QByteArray data;
    ReadWholeFile((dir + "/" + name).toStdString(), data);
    return data;
}

void Put(const QString& dir, const char* name, const QByteArray& content) {
    QVERIFY(WriteFileAtomically((dir + "/" + name).toStdString(), content));
}

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT
    QTemporaryDir* dir = nullptr;
    QString path() const { return dir->path(); }

  private slots:
    void initTestCase() { UseSession(session); }
    void init() {
        dir = new QTemporaryDir;
        SettingsDir = dir->path().toStdString();
    }
    void cleanup() {
        delete dir;
        dir = nullptr;
    }

    void defaultsWithoutFiles() {
        LoadAllSettings(devices, session, true);
        const int32_t zero[32] = {};
        const QByteArray expected =
            "[Interface]\r\nAutoClose = 1\r\nBaudrate = 3\r\nCOMPort = 1\r\nCOMType = 0\r\n"
            "DevAddr = 247\r\n" +
            SortedAddressLines(zero) +
            "Parity = 0\r\nRTSFlow = 1\r\nTimeout = 200\r\n\r\n"
            "[Options]\r\nDevType = 0\r\nLanguage = 1\r\nModule = 1\r\nRatedI = 500\r\n"
            "RatedU = 500\r\n";
        QCOMPARE(ReadBack(path(), "ZARO.ini"), expected);
        QCOMPARE(ReadBack(path(), "ZAROTCP.ini"),
                 Crlf("[TCPComm]\nNumGate = 0\nTCPPort = 502\nGateway = 0\nDevAddr = 247\n"));
        QCOMPARE(ReadBack(path(), "ZARODEV.ini"), Crlf("[LANMOD57]\nLM57Ix = 0\nHTTPPort = 80\n"));
    }

    // What is written reads back to the same globals and is written again byte for byte.
    void roundTrips() {
        LoadINIDefault(session);
        Language = 3;
        connection.kind = 1;
        connection.serialPath = "/dev/pts/\"7\"\\\t";
        connection.replyTimeoutMs = 350;
        session.edited.MaxI = 100;
        const int32_t found[32] = {3, 17, 247};
        std::copy(std::begin(found), std::end(found), Devices485);
        NewINIFile(session);
        const QByteArray ini = ReadBack(path(), "ZARO.ini");
        QVERIFY(ini.contains(
            "\r\nCOMPort = 1\r\nCOMPortPath = \"/dev/pts/\\\"7\\\"\\\\\\t\"\r\nCOMType = 1\r\n"));
        QVERIFY(ini.contains(SortedAddressLines(found)));
        QVERIFY(!ini.contains("\n\n") && ini.count("\n") == ini.count("\r\n"));

        LoadINIDefaultTCP(devices, connection);
        devices.gateways.resize(2);
        connection.gatewayIndex = 1;
        const char name29[] = "Hall 12 \"north\" \\ tab\there.\x01\x7f"; // fills the field
        qstrncpy(devices.gateways[1].record.HN, name29, sizeof devices.gateways[1].record.HN);
        qstrncpy(devices.gateways[0].record.IP, "127.0.0.1", sizeof devices.gateways[0].record.IP);
        devices.gateways[1].units[0] = 9;
        NewINIFileTCP(devices, connection);
        const QByteArray tcp = ReadBack(path(), "ZAROTCP.ini");
        QVERIFY(tcp.startsWith(
            Crlf("[TCPComm]\nNumGate = 2\nTCPPort = 502\nGateway = 1\nDevAddr = 247\n\n"
                 "[Gateway1]\nGatewayIP = \"127.0.0.1\"\nGatewayMAC = \"\"\nGatewayName = \"\"\n"
                 "DevAddr1 = 0\nDevAddr2 = 0\n")));
        QVERIFY(tcp.contains("GatewayName = \"Hall 12 \\\"north\\\" \\\\ tab\\there.\\x01\\x7F\"\r\n"));

        LoadDevINIDefault(devices, connection);
        devices.modules.resize(1);
        qstrncpy(devices.modules[0].name, "line\r\nbreak", sizeof devices.modules[0].name);
        qstrncpy(devices.modules[0].DHCP, "01", sizeof devices.modules[0].DHCP);
        NewDevINIFile(devices, connection);
        const QByteArray dev = ReadBack(path(), "ZARODEV.ini");
        QCOMPARE(
            dev,
            Crlf("[LANMOD57]\nLM57Ix = 0\nHTTPPort = 80\n\n[Device0]\nMAC = \"\"\nIP = \"\"\nGateway = \"\"\n"
                 "SubMask = \"\"\nDHCP = \"01\"\nName = \"line\\r\\nbreak\"\n"));

        LoadAllSettings(devices, session, true);
        QCOMPARE(connection.serialPath, std::string("/dev/pts/\"7\"\\\t"));
        QCOMPARE(QByteArray(devices.gateways[1].record.HN), QByteArray(name29));
        QCOMPARE(QByteArray(devices.modules[0].name), QByteArray("line\r\nbreak"));
        QCOMPARE(QByteArray(devices.modules[0].DHCP), QByteArray("01"));
        QCOMPARE(Devices485[1], 17);
        NewINIFile(session);
        NewINIFileTCP(devices, connection);
        NewDevINIFile(devices, connection);
        QCOMPARE(ReadBack(path(), "ZARO.ini"), ini);
        QCOMPARE(ReadBack(path(), "ZAROTCP.ini"), tcp);
        QCOMPARE(ReadBack(path(), "ZARODEV.ini"), dev);
    }

    void handEditedFilesAreRead() {
        Put(path(), "ZARO.ini",
            "; edited by hand\n\n[options]\n  language=2\n[Interface]\nCOMPort = 3\nDevAddr2 = 9\n");
        LoadAllSettings(devices, session, true);
        QCOMPARE(Language, 2);
        QCOMPARE(connection.serialPort, 3);
        QCOMPARE(connection.serialPath, std::string()); // the old rule: the link derives the device from COMPort
        QCOMPARE(Devices485[0], 9);            // slots are kept packed
        QCOMPARE(session.edited.MaxI, int16_t(500)); // missing keys keep their defaults
    }

    void strayLinesArePassedOver_data() {
        QTest::addColumn<BadCase>("c");
        const std::function<int()> timeout = Of(connection.replyTimeoutMs);
        auto row = [](const char* tag, const char* file, const char* content, std::function<int()> probe,
                      int expected) {
            QTest::newRow(tag) << BadCase{file, content, probe, expected};
        };
        row("byte-order mark", "ZARO.ini", "\xEF\xBB\xBF[Interface]\r\nTimeout = 700\r\n", timeout, 700);
        row("hash comment", "ZARO.ini", "[Interface]\r\n# office PC\r\nTimeout = 700\r\n", timeout, 700);
        row("stray text", "ZARO.ini", "[Interface]\r\nTimeout = 700\r\nask Bob\r\n", timeout, 700);
        row(
            "unterminated string", "ZARODEV.ini", "[LANMOD57]\r\n[Device0]\r\nIP = \"1\r\nName = \"A\"\r\n",
            [] { return int(devices.modules[0].name[0]); }, 'A');
        // The keys under a damaged section line belong to no section, not to the one before.
        row(
            "damaged section", "ZAROTCP.ini", "[TCPComm]\r\nNumGate = 1\r\n[Gateway1\r\nTCPPort = 600\r\n",
            [] { return connection.gatewayTcpPort * 10 + int(devices.gateways.size()); }, 5021);
    }
    // The rest of the file is read, and the file stays as the user left it.
    void strayLinesArePassedOver() {
        QFETCH(BadCase, c);
        Put(path(), c.file, c.content);
        LoadAllSettings(devices, session, true);
        QCOMPARE(c.probe(), c.expected);
        QCOMPARE(ReadBack(path(), c.file), c.content);
        QVERIFY(!QFile::exists(path() + "/" + c.file + ".bak"));
    }

    void gatewayCountLimitsSections() {
        QByteArray text = "[TCPComm]\r\nNumGate = 2\r\n";
        for (int n = 1; n <= 3; ++n)
            text += "[Gateway" + QByteArray::number(n) + "]\r\nGatewayIP = \"127.0.0." +
                    QByteArray::number(n) + "\"\r\n";
        Put(path(), "ZAROTCP.ini", text);
        LoadAllSettings(devices, session, true);
        QCOMPARE(devices.gateways.size(), size_t(2));
        QCOMPARE(QByteArray(devices.gateways[1].record.IP), QByteArray("127.0.0.2"));
        NewINIFileTCP(devices, connection);
        const QByteArray written = ReadBack(path(), "ZAROTCP.ini");
        QVERIFY(written.contains("[Gateway2]"));
        QVERIFY(!written.contains("[Gateway3]"));
    }

    // A million sections fill the 4 MiB a settings file may have: reading stops after
    // what the gateway list can hold instead of searching them all for every key.
    void aMillionSections() {
        QByteArray text = "[TCPComm]\nNumGate = 256\n[Gateway1]\nGatewayName = \"first\"\n" +
                          QByteArray("[x]\n").repeated(1000000) + "[Gateway2]\nGatewayName = \"late\"\n";
        QVERIFY(text.size() <= kMaxUserFileBytes);
        IniDoc doc;
        QVERIFY(IniParse(text, doc, kMaxGateways + 1));
        QCOMPARE(doc.sections.size(), size_t(kMaxGateways + 1));
        QVERIFY(doc.truncated);
        Put(path(), "ZAROTCP.ini", text);
        LoadAllSettings(devices, session, true);
        QCOMPARE(devices.gateways.size(), size_t(256));
        QCOMPARE(QByteArray(devices.gateways[0].record.HN), QByteArray("first"));
        QCOMPARE(devices.gateways[1].record.HN[0], '\0'); // past the sections that are read
    }

    void everyExtraSectionIsAModule() {
        Put(path(), "ZARODEV.ini",
            "[LANMOD57]\r\nLM57Ix = 1\r\n[Device0]\r\nName = \"A\"\r\nMAC = \"00-30-11-00-00-01\"\r\n"
            "SubMask = \"255.0.0.0\"\r\n[Device1]\r\nName = \"B\"\r\n[Notes]\r\nName = \"C\"\r\n");
        LoadAllSettings(devices, session, true);
        QCOMPARE(devices.modules.size(), size_t(3));
        QCOMPARE(connection.moduleIndex, 1);
        // The third is read from Device2, which is not there.
        QCOMPARE((QByteArrayList{devices.modules[0].name, devices.modules[0].MAC, devices.modules[0].subnet,
                                 devices.modules[1].name, devices.modules[2].name}),
                 (QByteArrayList{"A", "00-30-11-00-00-01", "255.0.0.0", "B", ""}));
    }

    void badInput_data() {
        QTest::addColumn<BadCase>("c");
        auto ini = [](const char* section, const char* line) {
            return QByteArray("[") + section + "]\r\n" + line + "\r\n";
        };
        using Probe = std::function<int()>;
        auto row = [](const char* tag, const char* file, const QByteArray& content, Probe probe,
                      int expected) {
            QTest::newRow(tag) << BadCase{file, content, probe, expected};
        };
        auto zaro = [&](const char* tag, const char* section, const char* line, Probe probe, int expected) {
            row(tag, "ZARO.ini", ini(section, line), probe, expected);
        };
        auto tcp = [&](const char* tag, const QByteArray& content, Probe probe, int expected) {
            row(tag, "ZAROTCP.ini", content, probe, expected);
        };
        const Probe num57 = [] { return int(devices.modules.size()); };
        const Probe numGate = [] { return int(devices.gateways.size()); };
        const QByteArray gateway = "[Gateway1]\r\nGatewayName = \"only\"\r\n";
        row("missing", "", {}, Of(Language), 1);
        row("empty", "ZARO.ini", {}, Of(connection.kind), 0);
        row("garbage", "ZARO.ini",
            QByteArray("\x7f"
                       "ELF\x02\x01\x00\xff[=]\xfe\n=\n",
                       13),
            Of(connection.replyTimeoutMs), 200);
        tcp("garbage tcp", "PK\x03\x04\xff\xfe\r\n", Of(connection.gatewayTcpPort), 502);
        zaro("Language 7", "Options", "Language = 7", Of(Language), 1);
        zaro(
            "RatedI 250", "Options", "RatedI = 250", [] { return int(session.edited.MaxI); }, 500);
        zaro("COMType 9", "Interface", "COMType = 9", Of(connection.kind), 0);
        zaro("COMPort 99", "Interface", "COMPort = 99", Of(connection.serialPort), 1);
        zaro("COMPort 0 without a path", "Interface", "COMPort = 0", Of(connection.serialPort), 1);
        zaro("Baudrate 5", "Interface", "Baudrate = 5", Of(connection.baudIndex), 3);
        zaro("Parity -1", "Interface", "Parity = -1", Of(connection.formatIndex), 0);
        zaro("RTSFlow 2", "Interface", "RTSFlow = 2", Of(connection.rtsFlow), 1);
        zaro("DevAddr 248", "Interface", "DevAddr = 248", Of(connection.meterAddress), 247);
        zaro("Timeout -5", "Interface", "Timeout = -5", Of(connection.replyTimeoutMs), 50);
        zaro("Timeout huge", "Interface", "Timeout = 600000", Of(connection.replyTimeoutMs), 10000);
        zaro("Timeout overflow", "Interface", "Timeout = 99999999999999999999", Of(connection.replyTimeoutMs), 200);
        zaro("Timeout text", "Interface", "Timeout = \"fast\"", Of(connection.replyTimeoutMs), 200);
        zaro(
            "address slots", "Interface",
            "DevAddr1 = 300\r\nDevAddr2 = 17\r\nDevAddr3 = 5\r\nDevAddr4 = 17\r\nDevAddr5 = -4",
            [] { return Devices485[0] * 1000 + Devices485[1]; }, 5017);
        tcp("NumGate 9999", ini("TCPComm", "NumGate = 9999") + gateway, numGate, 1);
        tcp("NumGate -3", ini("TCPComm", "NumGate = -3"), numGate, 0);
        tcp("Gateway 4 of 1", ini("TCPComm", "NumGate = 1\r\nGateway = 4") + gateway, Of(connection.gatewayIndex), 0);
        tcp("TCPPort 70000", ini("TCPComm", "TCPPort = 70000"), Of(connection.gatewayTcpPort), 502);
        tcp("TCP DevAddr 0", ini("TCPComm", "DevAddr = 0"), Of(connection.gatewayUnitAddress), 247);
        tcp(
            "long name",
            ini("TCPComm", "NumGate = 1") + "[Gateway1]\r\nGatewayName = \"" + QByteArray(200, 'x') +
                "\"\r\n",
            [] { return int(std::strlen(devices.gateways[0].record.HN)); }, 29);
        row(
            "long MAC", "ZARODEV.ini",
            ini("LANMOD57", "LM57Ix = 0") + "[Device0]\r\nMAC = \"00-30-11-22-33-44-55-66\"\r\n",
            [] { return int(std::strlen(devices.modules[0].MAC)); }, 17);
        row("LM57Ix 5 of 1", "ZARODEV.ini", ini("LANMOD57", "LM57Ix = 5") + "[Device0]\r\n", Of(connection.moduleIndex),
            0);
        QByteArray many = ini("LANMOD57", "LM57Ix = 0");
        for (int i = 0; i < 300; ++i)
            many += "[Device" + QByteArray::number(i) + "]\r\n";
        row("300 modules", "ZARODEV.ini", many, num57, 256);
    }
    // Broken or hand-made files: the program starts with sound values and the file on
    // disk is rewritten so that it reads back to exactly those values.
    void badInput() {
        QFETCH(BadCase, c);
        if (*c.file) Put(path(), c.file, c.content);
        LoadAllSettings(devices, session, true);
        QCOMPARE(c.probe(), c.expected);
        const char* names[] = {"ZARO.ini", "ZAROTCP.ini", "ZARODEV.ini"};
        QByteArray written[3];
        for (int i = 0; i < 3; ++i) {
            written[i] = ReadBack(path(), names[i]);
            if (!qstrcmp(c.file, names[i]))
                QVERIFY2(written[i] != c.content, "the broken file was not rewritten");
            IniDoc doc;
            QVERIFY2(IniParse(written[i], doc) && !doc.sections.empty(), names[i]);
        }
        LoadAllSettings(devices, session,
                        true); // the rewritten files are settled: reading them again changes nothing
        QCOMPARE(c.probe(), c.expected);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(ReadBack(path(), names[i]), written[i]);
    }

    // What the program cannot read becomes NAME.bak as it was (a link stays a link, its
    // target untouched), and a new file takes its name.
    void unreadableFilesAreMovedAside() {
        const struct {
            QString file, kind;
            QByteArray content;
        } cases[] = {{"ZARO.ini", "link", QByteArray("\x7f\x45LF\x02\0\0", 7)}, // to a binary file
                     {"ZAROTCP.ini", "dangling link", {}},
                     {"ZARODEV.ini", "fifo", {}},
                     {"ZARO.ini", "file", "[Notes]\r\nText = 1\r\n"}}; // no section of its own
        for (const auto& [file, kind, content] : cases) {
            cleanup();
            init();
            const QString name = path() + "/" + file, elsewhere = path() + "/elsewhere";
            if (kind == "link") Put(path(), "elsewhere", content);
            if (kind.endsWith("link")) QVERIFY(QFile::link(elsewhere, name));
            if (kind == "fifo") QCOMPARE(mkfifo(qPrintable(name), 0600), 0);
            if (kind == "file") Put(path(), qPrintable(file), content);

            LoadAllSettings(devices, session, true);
            IniDoc doc;
            QVERIFY(!QFileInfo(name).isSymLink());
            QVERIFY(IniParse(ReadBack(path(), qPrintable(file)), doc) && !doc.sections.empty());
            const QString bak = name + ".bak";
            struct stat st = {};
            QCOMPARE(lstat(qPrintable(bak), &st), 0);
            if (kind == "fifo") QVERIFY(S_ISFIFO(st.st_mode));
            if (kind == "file") QCOMPARE(ReadBack(path(), qPrintable(file + ".bak")), content);
            if (kind.endsWith("link")) QCOMPARE(QFileInfo(bak).symLinkTarget(), elsewhere);
            if (kind == "link") QCOMPARE(ReadBack(path(), "elsewhere"), content);
            if (kind == "dangling link") QVERIFY(!QFileInfo::exists(elsewhere));
        }
    }

    // zaro-cli reads the files but leaves even broken ones alone.
    void readOnlyLoadWritesNothing() {
        Put(path(), "ZARO.ini", "[Options]\r\nLanguage = 7\r\n");
        LoadAllSettings(devices, session, false);
        QCOMPARE(Language, 1);
        QCOMPARE(ReadBack(path(), "ZARO.ini"), QByteArray("[Options]\r\nLanguage = 7\r\n"));
        QVERIFY(!QFile::exists(path() + "/ZAROTCP.ini"));
    }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "settings_test.moc"
