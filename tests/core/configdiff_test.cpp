#include "config/ConfigDiff.h"
#include "config/ConfigFile.h"
#include "config/ConfigImage.h"
#include "platform/Messages.h"

#include <QtTest>
#include <cstring>

namespace {

// A new extended-model configuration for a 100 V / 1 A meter, four-wire system.
ConfigImage Extended() {
    Konf = ConfigImage{};
    Konf.Model = 1;
    Konf.Interface = 1;
    Konf.MaxU = 100;
    Konf.MaxI = 100;
    InitNewConfiguration();
    Konf.UrPrim = 20000.0f;
    Konf.DigOut[0] = 12; // limit output on the frequency
    Konf.LimitOn[0] = 4800;
    Konf.LimitOff[0] = 5000;
    std::memset(Konf.User, 0, sizeof Konf.User);
    Konf.User[0] = 0x0F;
    return Konf;
}

} // namespace

class ConfigDiffTest : public QObject {
    Q_OBJECT

  private slots:
    void changedSettingsGiveOneRowEach() {
        const ConfigImage a = Extended();
        ConfigImage b = a;
        b.UrPrim = 10000.0f;
        b.DigOut[0] = 65; // pulse output, active energy HT, per kWh
        b.PulseRate[0] = 100;
        b.User[0] = 0x0E;  // page 1 leaves,
        b.User[2] = 0x0B;  // three pages join
        QCOMPARE(DifferenceRows(CompareConfigurations(a, b)),
                 (QStringList{"Voltage transformer\t20.000 kV / 100 V\t10.000 kV / 100 V",
                              "Digital output 1\tlimit output F 48.00/50.00 Hz\tpulse output EPinc HT 100 /kWh",
                              QString::fromUtf8("Display pages (user set)\t4\t6 (+3, \u22121)")}));

        std::strcpy(b.Description, "Feeder 8");
        const std::vector<ConfigDifference> d = CompareConfigurations(b, a);
        QCOMPARE(d.size(), size_t(4));
        QCOMPARE(d[2].setting, QString("Description"));
        QCOMPARE(d[2].from + " " + d[2].to, QString("'Feeder 8' ''"));
    }

    void equalAsTheMeterKeepsThem() {
        const ConfigImage a = Extended();
        QVERIFY(CompareConfigurations(a, a).empty());
        // 20000.4 V and 20 kV are the same mantissa and exponent on the meter.
        ConfigImage b = a;
        b.UrPrim = 20000.4f;
        b.UrPrimMant = 1; // stale meter form: recomputed before the comparison
        QVERIFY(CompareConfigurations(a, b).empty());
        // The meter's own bytes are no setting of the user's.
        b.Image = 5;
        b.FwVersion = 999;
        b.Display = uint8_t((a.Display & 0xF0) | 3); // brightness
        QVERIFY(CompareConfigurations(a, b).empty());
    }

    void baseModelComparesOnlyItsOwnSettings() {
        ConfigImage a = Extended();
        a.Model = 0;
        ConfigImage b = a;
        b.User[5] = 0xFF;
        b.MeanMeas[0] = 3;
        QVERIFY(CompareConfigurations(a, b).empty());
        b.Model = 1;
        QCOMPARE(DifferenceRows(CompareConfigurations(a, b)),
                 (QStringList{"Device type\tZARO standard meter\tZRM3 extended meter"}));
    }

    void editorWordsForOutputsAndMeanValues() {
        ConfigImage a = Extended();
        ConfigImage b = a;
        b.DigOut[1] = 3 | 128; // freed: the function the output had is kept but unused
        a.DigOut[1] = 94;      // capacitive reactive energy LT, per Mvarh
        a.PulseRate[1] = 5;
        b.MeanMeas[2] = 21;
        b.Mean_Log = 1 << 2;
        QCOMPARE(DifferenceRows(CompareConfigurations(a, b)),
                 (QStringList{"Digital output 2\tpulse output EQcap LT 5 /Mvarh\tFree (simulation)",
                              "Mean value 3\tnone\tS1, logged"}));
    }

    // The menu command: two files picked in turn, the differences in one popup.
    void comparingTwoFiles() {
        QTemporaryDir dir;
        const std::string a = dir.filePath("a.ZRC").toStdString(), b = dir.filePath("b.ZRC").toStdString();
        ScriptedMessages messages;
        SetMessageSink(&messages);
        Konf = Extended();
        QVERIFY(SaveConfigFile(a));
        Konf.IrPrim = 1500.0f;
        QVERIFY(SaveConfigFile(b));
        messages.files = {a, b};
        CmCompareFiles();
        messages.files = {a, a};
        CmCompareFiles();
        messages.files = {a}; // the second pick cancelled: nothing to show
        CmCompareFiles();
        SetMessageSink(nullptr);
        QCOMPARE(messages.infos,
                 (std::vector<QString>{QString::fromUtf8("Compare configurations\na.ZRC \u2192 b.ZRC\n"
                                                         "Settings that differ: 1\n"
                                                         "Current transformer\t1 A / 1 A\t1.500 kA / 1 A"),
                                       QString::fromUtf8("Compare configurations\na.ZRC \u2192 a.ZRC\n"
                                                         "The configurations are the same.")}));
    }
};

QTEST_GUILESS_MAIN(ConfigDiffTest)
#include "configdiff_test.moc"
