// Sending a configuration through the LANMOD57 module: the min/max logger block.
#include "SimProcess.h"
#include "config/ConfigTransfer.h"
#include "link/Kommun.h"
#include "link/TCP_Komm.h"
#include "netmodules/LANMOD57.h"
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

    bool Module(const QString& ext)
    {
        CloseTCPConnection(0); // the connection to the previous simulator
        sim.stop();
        if (!sim.start({"--module", "--listen", "127.0.0.1:0", "--ext", ext})) return false;
        CommType = 3;
        Num57 = 1;
        LM57Index = 0;
        qstrncpy(IP57[0], "127.0.0.1", sizeof IP57[0]);
        qstrncpy(EMD[0].IP, "127.0.0.1", sizeof EMD[0].IP);
        ModuleTCPPort = sim.tcpPort();
        const bool ok = ReceiveConfiguration();
        messages.clear();
        return ok;
    }

    // Registers 569..573 straight from the meter, whatever its version says.
    QByteArray MinMaxLoggerOnMeter()
    {
        InitInterface(CommPort);
        const int ok = Read(Lese, 35, 1);
        CloseInterface();
        return ok ? QByteArray(reinterpret_cast<const char*>(Lese.MinMaxLogger), 9) : QByteArray("read failed");
    }

private slots:
    void initTestCase()
    {
        SettingsDir = settings.path().toStdString();
        RecTimeout = 500;
        SetMessageSink(&messages);
    }
    void cleanupTestCase()
    {
        sim.stop();
        SetMessageSink(nullptr);
    }

    void oldModuleAsksBeforeTheLongBlock_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("continue") << 1;
        QTest::newRow("cancel") << 0;
    }
    void oldModuleAsksBeforeTheLongBlock()
    {
        QFETCH(int, answer);
        QVERIFY(Module("119"));
        for (uint8_t c : Konf.MinMaxLogger) QCOMPARE(c, uint8_t(255)); // an old module has none
        QVERIFY(Konf.BusSettings & 0x40);
        const QByteArray before = MinMaxLoggerOnMeter();
        Konf.MinMaxLogger[0] = 5;
        Konf.Logger ^= 0x1000; // no logger question through the module
        messages.answers = {1, answer};
        CmSendConfig();
        QCOMPARE(status, answer);
        QCOMPARE(messages.shown, (std::vector<ScriptedMessages::Shown>{{MessageType::Warnung, 0, 0},
                                                                       {MessageType::Warnung, 7, 7}}));
        QCOMPARE(messages.progressOpen, 0);
        QByteArray expected = before;
        if (answer) expected[0] = 5;
        QCOMPARE(MinMaxLoggerOnMeter(), expected);
    }

    void newModuleTakesTheLongBlockWithoutAsking()
    {
        QVERIFY(Module("121"));
        Konf.MinMaxLogger[8] = 77;
        CmSendConfig();
        QCOMPARE(status, 1);
        QCOMPARE(messages.shown.size(), size_t(1)); // only the confirmation
        ReceiveConfiguration();
        QCOMPARE(Konf.MinMaxLogger[8], uint8_t(77));
    }
};

QTEST_GUILESS_MAIN(ConfigModuleTest)
#include "configmodule_test.moc"
