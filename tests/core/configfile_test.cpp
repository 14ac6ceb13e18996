#include "config/ConfigDiff.h"
#include "config/ConfigFile.h"
#include "config/MeterSession.h"
#include "platform/Messages.h"
#include "platform/ProgramFiles.h"
#include "settings/INI_File.h"

#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <tuple>

namespace {

// Packed fields are copied before QCOMPARE takes them by reference.
template <class T> T V(T value) {
    return value;
}

ConfigImage SampleImage(int model) {
    ConfigImage c{};
    c.UrPrim = 20000.0f;
    c.UrSec = 100;
    c.IrPrim = 1500.0f;
    c.IrSec = 0.5f;
    c.Interface = 1;
    c.Model = int16_t(model);
    c.MaxI = 500;
    c.MaxU = 400;
    c.PulseRate[0] = 100;
    c.PulseRate[1] = -7;
    c.Address = 17;
    c.BusSettings = 3 + 8;
    std::strcpy(c.Description, "Feeder 3\nBuilding B");
    c.LimitOn[0] = -1200;
    c.LimitOn[1] = 32767;
    c.LimitOff[0] = -32768;
    c.LimitOff[1] = 5;
    c.Display = 0x38;
    c.System = 19;
    c.Image = -5;
    c.DigOut[0] = 70;
    c.DigOut[1] = 200;
    c.EnergyControl = 0x8F;
    c.Logger = 0xFE01;
    c.Freq = 0x82;
    c.DispMode = 0x95;
    for (int i = 0; i < 22; ++i) {
        c.Loop[i] = uint8_t(i * 11);
        c.User[i] = uint8_t(255 - i);
    }
    c.Mean_Log = 0x1A5;
    for (int i = 0; i < 9; ++i) {
        c.MeanMeas[i] = uint8_t(i == 3 ? 255 : i * 7);
        c.MinMaxLogger[i] = uint8_t(i == 0 ? 255 : 69 + i);
    }
    return c;
}

QByteArray Line(const QByteArray& text, int n) {
    return text.split('\n').value(n).chopped(1);
}

// The text of a file with one value field replaced.
QByteArray WithField(const QByteArray& text, int column, const QByteArray& value) {
    QList<QByteArray> fields = Line(text, 1).split('\t');
    fields[column] = value;
    return Line(text, 0) + "\r\n" + fields.join('\t') + "\r\n";
}

bool Same(const ConfigImage& a, const ConfigImage& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// A new extended-model configuration for a 100 V / 1 A meter, four-wire system.
ConfigImage Extended(MeterSession& session) {
    session.edited = ConfigImage{};
    session.edited.Model = 1;
    session.edited.Interface = 1;
    session.edited.MaxU = 100;
    session.edited.MaxI = 100;
    InitNewConfiguration(session);
    session.edited.UrPrim = 20000.0f;
    session.edited.DigOut[0] = 12; // limit output on the frequency
    session.edited.LimitOn[0] = 4800;
    session.edited.LimitOff[0] = 5000;
    std::memset(session.edited.User, 0, sizeof session.edited.User);
    session.edited.User[0] = 0x0F;
    return session.edited;
}

} // namespace

class ConfigFileTest : public QObject {
    Q_OBJECT
    MeterSession session;
    Connection& connection = session.connection; // the one the link talks over
  private slots:
    void initTestCase() { UseSession(session); }
    // Base, extended, through the module.
    void roundTripIsByteExact() {
        for (const auto& [model, commType, columns] :
             {std::tuple{0, 0, 25}, std::tuple{1, 1, 31}, std::tuple{1, 3, 32}}) {
            const ConfigImage source = SampleImage(model);
            const QByteArray text = ConfigFileText(source, commType, "06.12.2026", "20:15:07");
            QCOMPARE(Line(text, 0).count('\t'), columns);
            QCOMPARE(Line(text, 1).count('\t'), columns);
            QVERIFY(text.endsWith("\t\r\n"));

            ConfigImage loaded = SampleImage(1 - model);
            QVERIFY(ParseConfigText(text, loaded));
            QCOMPARE(V(loaded.Model), int16_t(model));
            QCOMPARE(ConfigFileText(loaded, commType, "06.12.2026", "20:15:07"), text);
            QCOMPARE(V(loaded.UrPrim), V(source.UrPrim));
            QCOMPARE(V(loaded.IrSec), V(source.IrSec));
            QCOMPARE(loaded.Image, int8_t(-5));
            QCOMPARE(V(loaded.Logger), uint16_t(0xFE01));
            QCOMPARE(QByteArray(loaded.Description), QByteArray("Feeder 3\nBuilding B"));
            QCOMPARE(bool(loaded.BusSettings & 0x40), commType == 3);
        }
    }

    void headerAndValueLayout() {
        const QByteArray text = ConfigFileText(SampleImage(1), 3, "06.12.2026", "20:15:07");
        QCOMPARE(
            Line(text, 0),
            QByteArray(
                "Date\tTime\tInterface\tMAX U\tMAX I\tVoltage transformer\t\tCurrent transformer\t\t"
                "System\tEnergyControl\tDigital output 1\tDigital output 2\tLimit on1\tLimit on2\t"
                "Limit off1\tLimit off2\tPulse rate1\tPulse rate2\tDevice\tAddress\tBus settings\t"
                "Display\tImage\tLogger\tFreq\tDispMode\tLoop\tUser\tMean_Log\tMeanMeas\tMinMaxLogger\t"));
        const QList<QByteArray> f = Line(text, 1).split('\t');
        QCOMPARE(f[5], QByteArray("20000.000000"));
        QCOMPARE(f[9], QByteArray("19"));
        QCOMPARE(f[19], QByteArray("Feeder 3\x01"
                                   "Building B"));
        QCOMPARE(f[21], QByteArray::number(3 + 8 + 0x40));
        QCOMPARE(f[23], QByteArray("-5"));
        QCOMPARE(f[27].size(), 87);
        QVERIFY(f[27].startsWith("  0, 11, 22,"));
        QCOMPARE(f[31], QByteArray("255, 70, 71, 72, 73, 74, 75, 76, 77"));
    }

    void loadingDropsCosPhiAndFillsMissingColumns() {
        ConfigImage source = SampleImage(1);
        source.System |= 0x80;
        ConfigImage loaded = SampleImage(1);
        QVERIFY(ParseConfigText(ConfigFileText(source, 0, "01.01.2027", "00:00:00"), loaded));
        QCOMPARE(loaded.System, uint8_t(19));
        for (uint8_t c : loaded.MinMaxLogger)
            QCOMPARE(c, uint8_t(255)); // 31 columns: no min/max logger

        // A base-model file leaves the extended fields as they were.
        ConfigImage before = SampleImage(1);
        before.Freq = 0x44;
        before.FwVersion = 412;
        loaded = before;
        QVERIFY(ParseConfigText(ConfigFileText(SampleImage(0), 0, "01.01.2027", "00:00:00"), loaded));
        QCOMPARE(V(loaded.Model), int16_t(0));
        QCOMPARE(loaded.Freq, uint8_t(0x44));
        QCOMPARE(V(loaded.FwVersion), int16_t(412));
        QVERIFY(std::memcmp(loaded.Loop, before.Loop, sizeof before.Loop) == 0);
        QVERIFY(std::memcmp(loaded.MinMaxLogger, before.MinMaxLogger, sizeof before.MinMaxLogger) == 0);
    }

    void tabInDescriptionKeepsTheColumns() {
        ConfigImage source = SampleImage(0);
        std::memset(source.Description, 'x', sizeof source.Description); // no terminating zero
        std::memcpy(source.Description, "a\tb", 3);
        ConfigImage loaded{};
        QVERIFY(ParseConfigText(ConfigFileText(source, 0, "01.01.2027", "00:00:00"), loaded));
        QCOMPARE(QByteArray(loaded.Description).left(4), QByteArray("a bx"));
        QCOMPARE(qstrlen(loaded.Description), size_t(47));
    }

    void lineEndsAndNumbers() {
        const QByteArray crlf = ConfigFileText(SampleImage(1), 3, "06.12.2026", "20:15:07");
        QByteArray lf = crlf;
        lf.replace("\r\n", "\n");
        ConfigImage a{}, b{};
        QVERIFY(ParseConfigText(crlf, a));
        QVERIFY(ParseConfigText(lf, b));
        QVERIFY(Same(a, b));
        // Numbers in another notation than the writer's still read.
        ConfigImage c{};
        QVERIFY(ParseConfigText(WithField(crlf, 5, "2e4"), c));
        QCOMPARE(V(c.UrPrim), 20000.0f);
    }

    void badFilesAreRejected_data() {
        const QByteArray good = ConfigFileText(SampleImage(1), 3, "06.12.2026", "20:15:07");
        const QByteArray base = ConfigFileText(SampleImage(0), 0, "06.12.2026", "20:15:07");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("binary") << QByteArray("\x00\xff\x01\t\x02\n\x7f\t\x00", 9);
        QTest::newRow("one line") << Line(good, 0) + "\r\n";
        QTest::newRow("26 tabs") << "\t" + Line(base, 0) + "\r\n" + "\t" + Line(base, 1) + "\r\n";
        QTest::newRow("value line short") << Line(good, 0) + "\r\n" + Line(good, 1).chopped(4) + "\r\n";
        QTest::newRow("value line long") << Line(good, 0) + "\r\n" + Line(good, 1) + "7\t\r\n";
        QTest::newRow("text after last tab") << Line(good, 0) + "\r\n" + Line(good, 1) + "7\r\n";
        QTest::newRow("empty number") << WithField(good, 20, "");
        QTest::newRow("word for number") << WithField(good, 3, "four hundred");
        QTest::newRow("number with tail") << WithField(good, 24, "12abc");
        QTest::newRow("huge number") << WithField(good, 4, "99999999999999999999");
        QTest::newRow("float not a number") << WithField(good, 7, "1,5");
        QTest::newRow("float nan") << WithField(good, 8, "nan");
        QTest::newRow("float beyond single") << WithField(good, 5, "1e39");
        QTest::newRow("description 60") << WithField(good, 19, QByteArray(60, 'd'));
        QTest::newRow("date too long") << WithField(good, 0, "06.12.2026.....");
        QTest::newRow("list short") << WithField(good, 27, "  1,  2");
        QTest::newRow("list element not a number")
            << WithField(good, 31, "  1,  x,  3,  4,  5,  6,  7,  8,  9");
        // Numbers the fields or the editor cannot hold would wrap or divide by zero on the meter.
        QTest::newRow("CT secondary 400 A") << WithField(good, 8, "400.000000");
        QTest::newRow("secondary voltage 0") << WithField(good, 6, "0");
        QTest::newRow("list element 999") << WithField(good, 31, "999,  2,  3,  4,  5,  6,  7,  8,  9");
        QTest::newRow("maximum beyond 16 bits") << WithField(good, 3, "4294967295");
        QTest::newRow("100000 characters") << Line(good, 0) + "\r\n" + QByteArray(100000, '7') + "\r\n";
        QTest::newRow("overlong header")
            << QByteArray(1200, 'h') + Line(good, 0) + "\r\n" + Line(good, 1) + "\r\n";
    }
    void badFilesAreRejected() {
        QFETCH(QByteArray, text);
        const ConfigImage before = SampleImage(0);
        ConfigImage image = before;
        QCOMPARE(ParseConfigText(text, image), 0);
        QVERIFY(Same(image, before));
    }

    void fileErrorsNameTheirPairs() {
        ScriptedMessages messages;
        SetMessageSink(&messages);
        QTemporaryDir dir;
        const ConfigImage before = SampleImage(1);
        ConfigImage image = before;
        QCOMPARE(LoadConfigFile((dir.path() + "/missing.ZRC").toStdString(), image), 0);
        QVERIFY(messages.wasShown(MessageType::Error, 2, 5));

        const std::string bad = (dir.path() + "/bad.ZRC").toStdString();
        QVERIFY(WriteFileAtomically(bad, "only one line\n"));
        QCOMPARE(LoadConfigFile(bad, image), 0);
        QVERIFY(messages.wasShown(MessageType::Error, 3, 6));
        QVERIFY(Same(image, before));

        // Saving through the module marks the bus settings in session.edited itself.
        session.edited = SampleImage(1);
        connection.kind = 3;
        const std::string path = (dir.path() + "/saved.ZRC").toStdString();
        QCOMPARE(SaveConfigFile(session, path), 1);
        QVERIFY(session.edited.BusSettings & 0x40);
        ConfigImage loaded{};
        QCOMPARE(LoadConfigFile(path, loaded), 1);
        QCOMPARE(loaded.MinMaxLogger[1], uint8_t(70));

        messages.clear();
        QCOMPARE(SaveConfigFile(session, (dir.path() + "/no/such/folder/x.ZRC").toStdString()), 0);
        QVERIFY(messages.wasShown(MessageType::Error, 2, 5));

        // A meter's ratio out of range is not saved as a file that would not load again.
        session.edited.UrPrim = std::numeric_limits<float>::infinity();
        const std::string inf = (dir.path() + "/inf.ZRC").toStdString();
        QCOMPARE(SaveConfigFile(session, inf), 0);
        QVERIFY(messages.wasShown(MessageType::Error, 3, 9));
        QVERIFY(!QFileInfo::exists(QString::fromStdString(inf)));
        SetMessageSink(nullptr);
        connection.kind = 0;
    }

    // ---- comparing two configurations ----

    void changedSettingsGiveOneRowEach() {
        const ConfigImage a = Extended(session);
        ConfigImage b = a;
        b.UrPrim = 10000.0f;
        b.DigOut[0] = 65; // pulse output, active energy HT, per kWh
        b.PulseRate[0] = 100;
        b.User[0] = 0x0E; // page 1 leaves,
        b.User[2] = 0x0B; // three pages join
        QCOMPARE(
            DifferenceRows(CompareConfigurations(a, b, QLocale::c())),
            (QStringList{"Voltage transformer\t20.000 kV / 100 V\t10.000 kV / 100 V",
                         "Digital output 1\tlimit output F 48.00/50.00 Hz\tpulse output EPinc HT 100 /kWh",
                         QString::fromUtf8("Display pages (user set)\t4\t6 (+3, \u22121)")}));

        std::strcpy(b.Description, "Feeder 8");
        const std::vector<ConfigDifference> d = CompareConfigurations(b, a, QLocale::c());
        QCOMPARE(d.size(), size_t(4));
        QCOMPARE(d[2].setting, QString("Description"));
        QCOMPARE(d[2].from + " " + d[2].to, QString("'Feeder 8' ''"));
    }

    void equalAsTheMeterKeepsThem() {
        const ConfigImage a = Extended(session);
        QVERIFY(CompareConfigurations(a, a, QLocale::c()).empty());
        // 20000.4 V and 20 kV are the same mantissa and exponent on the meter.
        ConfigImage b = a;
        b.UrPrim = 20000.4f;
        b.UrPrimMant = 1; // stale meter form: recomputed before the comparison
        QVERIFY(CompareConfigurations(a, b, QLocale::c()).empty());
        // The meter's own bytes are no setting of the user's.
        b.Image = 5;
        b.FwVersion = 999;
        b.Display = uint8_t((a.Display & 0xF0) | 3); // brightness
        QVERIFY(CompareConfigurations(a, b, QLocale::c()).empty());
    }

    void baseModelComparesOnlyItsOwnSettings() {
        ConfigImage a = Extended(session);
        a.Model = 0;
        ConfigImage b = a;
        b.User[5] = 0xFF;
        b.MeanMeas[0] = 3;
        QVERIFY(CompareConfigurations(a, b, QLocale::c()).empty());
        b.Model = 1;
        QCOMPARE(DifferenceRows(CompareConfigurations(a, b, QLocale::c())),
                 (QStringList{"Device type\tZARO standard meter\tZRM3 extended meter"}));
    }

    void editorWordsForOutputsAndMeanValues() {
        ConfigImage a = Extended(session);
        ConfigImage b = a;
        b.DigOut[1] = 3 | 128; // freed: the function the output had is kept but unused
        a.DigOut[1] = 94;      // capacitive reactive energy LT, per Mvarh
        a.PulseRate[1] = 5;
        b.MeanMeas[2] = 21;
        b.Mean_Log = 1 << 2;
        QCOMPARE(DifferenceRows(CompareConfigurations(a, b, QLocale::c())),
                 (QStringList{"Digital output 2\tpulse output EQcap LT 5 /Mvarh\tFree (simulation)",
                              "Mean value 3\tnone\tS1, logged"}));
    }

    // The menu command: two files picked in turn, the differences in one popup.
    void comparingTwoFiles() {
        QTemporaryDir dir;
        const std::string a = dir.filePath("a.ZRC").toStdString(), b = dir.filePath("b.ZRC").toStdString();
        ScriptedMessages messages;
        SetMessageSink(&messages);
        session.edited = Extended(session);
        QVERIFY(SaveConfigFile(session, a));
        session.edited.IrPrim = 1500.0f;
        QVERIFY(SaveConfigFile(session, b));
        messages.files = {a, b};
        CmCompareFiles(session);
        messages.files = {a, a};
        CmCompareFiles(session);
        messages.files = {a}; // the second pick cancelled: nothing to show
        CmCompareFiles(session);
        SetMessageSink(nullptr);
        QCOMPARE(messages.infos,
                 (std::vector<QString>{QString::fromUtf8("Compare configurations\na.ZRC \u2192 b.ZRC\n"
                                                         "Settings that differ: 1\n"
                                                         "Current transformer\t1 A / 1 A\t1.500 kA / 1 A"),
                                       QString::fromUtf8("Compare configurations\na.ZRC \u2192 a.ZRC\n"
                                                         "The configurations are the same.")}));
    }
};

QTEST_GUILESS_MAIN(ConfigFileTest)
#include "configfile_test.moc"
