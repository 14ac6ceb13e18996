// Sending a configuration through the LANMOD57 module: the min/max logger block.
#include "SimProcess.h"
#include "config/ConfigTransfer.h"
#include "link/DeviceLink.h"
#include "link/ModbusTcp.h"
#include "netmodules/KnownDevices.h"
#include "platform/Messages.h"
#include "settings/INI_File.h"

#include <QTemporaryDir>
#include <QtTest>
#include <cstring>

class ConfigModuleTest : public QObject {
    Q_OBJECT
    QTemporaryDir settings;
    SimProcess sim;
    ScriptedMessages messages;
    KnownDevices devices;

    bool Module(const QString& ext) {
        CloseTCPConnection(0); // the connection to the previous simulator
        sim.stop();
        if (!sim.start({"--module", "--listen", "127.0.0.1:0", "--ext", ext})) return false;
        CommType = 3;
        devices.modules.resize(1);
        LM57Index = 0;
        qstrncpy(devices.modules[0].IP, "127.0.0.1", sizeof devices.modules[0].IP);
        UseKnownDevices(&devices);
        ModuleTCPPort = sim.tcpPort();
        const bool ok = ReceiveConfiguration();
        messages.clear();
        return ok;
    }

    // Registers 569..573 straight from the meter, whatever its version says.
    QByteArray MinMaxLoggerOnMeter() {
        InitInterface(CommPort);
        const int ok = Read(Lese, kReadConfigExtended, 1);
        CloseInterface();
        return ok ? QByteArray(reinterpret_cast<const char*>(Lese.MinMaxLogger), 9)
                  : QByteArray("read failed");
    }

  private slots:
    void initTestCase() {
        SettingsDir = settings.path().toStdString();
        RecTimeout = 500;
        SetMessageSink(&messages);
    }
    void cleanupTestCase() {
        sim.stop();
        SetMessageSink(nullptr);
    }

    void longBlockQuestion_data() {
        QTest::addColumn<QString>("ext");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("asked");
        QTest::newRow("old module, continue") << "119" << 1 << true;
        QTest::newRow("old module, cancel") << "119" << 0 << true;
        QTest::newRow("new module takes it without asking") << "121" << 1 << false;
    }
    void longBlockQuestion() {
        QFETCH(QString, ext);
        QFETCH(int, answer);
        QFETCH(bool, asked);
        QVERIFY(Module(ext));
        if (asked)
            for (uint8_t c : Konf.MinMaxLogger)
                QCOMPARE(c, uint8_t(255)); // an old module has none
        QVERIFY(Konf.BusSettings & 0x40);
        const QByteArray before = MinMaxLoggerOnMeter();
        Konf.MinMaxLogger[0] = 5;
        Konf.Logger ^= 0x1000; // no logger question through the module
        messages.answers = {answer, 1};
        QCOMPARE(CmSendConfig(), answer);
        // The min/max question comes with the checks, the changes are shown after them.
        std::vector<ScriptedMessages::Shown> shown;
        if (asked) shown.push_back({MessageType::Warnung, 7, 7});
        if (answer) shown.push_back({MessageType::Warnung, 0, 0});
        QCOMPARE(messages.shown, shown);
        QCOMPARE(messages.progressOpen, 0);
        QByteArray expected = before;
        if (answer) expected[0] = 5;
        QCOMPARE(MinMaxLoggerOnMeter(), expected);
    }
};

QTEST_GUILESS_MAIN(ConfigModuleTest)
#include "configmodule_test.moc"
