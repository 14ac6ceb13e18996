// The module's log file: decoding, hostile files, units and value texts.
#include "config/ConfigImage.h"
#include "config/MeterSession.h"
#include "logger/Logger57.h"
#include "logger/Logger57Decode.h"
#include "platform/TimeBase.h"

#include <QtTest>
#include <cmath>
#include <cstring>

namespace {

// A small encoder of the element layout, written from the layout alone.
QByteArray Tlv(uint8_t id, const QByteArray& content) {
    QByteArray out(1, char(id));
    if (content.size() < 0x80) {
        out += char(content.size());
    } else {
        out += char(0x82);
        out += char(content.size() >> 8);
        out += char(content.size() & 0xFF);
    }
    return out + content;
}
QByteArray Open(uint8_t id, const QByteArray& children) {
    return QByteArray(1, char(id)) + '\0' + children + QByteArray(2, '\0');
}
QByteArray Le32(uint32_t v) {
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = char(v >> (8 * i));
    return b;
}
QByteArray Record(uint32_t stamp, const QList<float>& values) {
    QByteArray r = Tlv(0x80, Le32(stamp));
    for (int k = 0; k < values.size(); ++k) {
        uint32_t bits;
        std::memcpy(&bits, &values[k], 4);
        r += Tlv(uint8_t(0x81 + k), Le32(bits));
    }
    return Tlv(0x30, r);
}
QByteArray Sequence(const QByteArray& codes, int interval, const QByteArray& records) {
    return Open(0x63,
                Tlv(0x44, codes) + (interval ? Tlv(0x45, QByteArray(1, char(interval))) : "") + records);
}
QByteArray LogFile(const QByteArray& sequences) {
    const QByteArray mac("\x00\x30\x11\xAB\xCD\xEF", 6);
    return Open(0x70, Tlv(0x41, mac) + QByteArray("\x42\x00Module A\x00\x00", 12) + sequences);
}

QString Decode(const QByteArray& bytes, ModuleLog& log) {
    QString error;
    return DecodeModuleLog(bytes, log, error) ? QString() : error;
}

} // namespace

class ModuleLogTest : public QObject {
    Q_OBJECT
    MeterSession session;

  private slots:
    void initTestCase() {
        qputenv("TZ", "UTC");
        tzset();
    }

    // Three sequences, the middle one without channels: identity, order, stamps,
    // interval from the stamps, extremes, and the steps that skip the empty one.
    void decodesSequencesNewestFirst() {
        const QByteArray codes("\x01\x2B\x0D", 3); // U, F, P
        const QByteArray seq1 =
            Sequence(codes, 15,
                     Record(0, {230.f, 50.f, 1500.f}) + Record(900, {231.f, 70.f, 2500.f}) +
                         Record(1800, {231.f, 49.f, 1200.f}));
        const QByteArray seq2 = Open(0x63, Record(5000, {}));
        const QByteArray seq3 =
            Sequence(QByteArray("\x02\x50", 2), 0, Record(7200, {1, 2}) + Record(7500, {3, 4}));
        ModuleLog log;
        QCOMPARE(Decode(LogFile(seq1 + seq2 + seq3), log), QString());
        QCOMPARE(ModuleIdentityText(log), QString("Module A\n00-30-11-ab-cd-ef"));
        QCOMPARE(log.NumLogSeq, 3);
        const LogSequence& s = log.Dev57[1];
        // Stamp 0 is now the oldest; record 0 is the last one read.
        QCOMPARE((QList<uint32_t>{s.NumRec, log.LogStamp[s.FirstStamp + 2], s.Start, s.Stop}),
                 (QList<uint32_t>{3, kUnixTo1900, kUnixTo1900, kUnixTo1900 + 1800}));
        QCOMPARE((QList<float>{log.LogVal[s.FirstVal + 0 * 3 + 2], log.LogVal[s.FirstVal + 2 * 3 + 2]}),
                 (QList<float>{1200, 1500}));
        // The first of equal maxima; 70 Hz is no valid frequency; 300 s between the first two
        // stamps of sequence 3.
        QCOMPARE(s.MaxTime[0], kUnixTo1900 + 900);
        QCOMPARE((QList<double>{s.Max[0], s.Max[1], s.Min[1]}), (QList<double>{231, 50, 49}));
        QCOMPARE((QList<int>{s.IntervalMin, log.Dev57[3].IntervalMin}), (QList<int>{15, 5}));
        QCOMPARE(s.Names[2] + s.Units[2], QString("P[kW]"));

        QCOMPARE(NewestUsableSequence(log), 3);
        QCOMPARE(StepSequence(log, 3, -1), 1);
        QCOMPARE(StepSequence(log, 1, +1), 3);
        QCOMPARE(StepSequence(log, 1, -1), 1);
    }

    // One stamp and four values in a record of 5 x 6 bytes; a record short of values
    // is filled with invalid ones and one with too many loses the extra ones.
    void recordsKeepTheirChannels() {
        const QByteArray codes("\x01\x02\x03\x04", 4);
        ModuleLog log;
        QCOMPARE(Decode(LogFile(Sequence(codes, 15, Record(100, {1, 2, 3, 4}))), log), QString());
        QCOMPARE(log.Dev57[1].NumRec, 1u);
        QCOMPARE(log.LogVal.size(), size_t(4));

        QCOMPARE(
            Decode(LogFile(Sequence(codes, 15, Record(100, {1, 2}) + Record(200, {5, 6, 7, 8, 9}))), log),
            QString());
        const LogSequence& s = log.Dev57[1];
        QCOMPARE(log.LogVal.size(), size_t(8));
        QCOMPARE(log.LogVal[s.FirstVal + 3], 8.f);
        QVERIFY(std::isnan(log.LogVal[s.FirstVal + 4 + 2]));
        QCOMPARE(ModuleValueText(s, 2, log.LogVal[s.FirstVal + 4 + 2]), QString("      OVL"));
    }

    // An interval ahead of every sequence holds for those without their own; channels
    // named after the first records keep the values read before them; a sequence that
    // never names its channels keeps no values.
    void acceptsIntervalAndCodesWhereverTheyStand() {
        const QByteArray codes("\x01\x0D", 2); // U, P
        const QByteArray late = Open(0x63, Record(0, {230, 1500, 9}) + Tlv(0x44, codes) + Record(900, {231}) +
                                               Tlv(0x44, codes) + Record(1800, {232, 1600}));
        const QByteArray own = Sequence(codes, 5, Record(3600, {1, 2}));
        const QByteArray unnamed = Open(0x63, Record(7200, {7, 8}));
        ModuleLog log;
        QCOMPARE(Decode(LogFile(Tlv(0x45, "\x0A") + late + own + unnamed), log), QString());
        QCOMPARE(log.NumLogSeq, 3);
        const LogSequence& s = log.Dev57[1];
        QCOMPARE((QList<uint32_t>{s.NumChan, s.NumRec, s.IntervalMin}),
                 (QList<uint32_t>{2, 3, 10})); // not 15
        const float* v = log.LogVal.data() + s.FirstVal;
        QVERIFY(std::isnan(v[3]));
        QCOMPARE((QList<float>{v[0], v[1], v[2], v[4], v[5]}), (QList<float>{232, 1600, 231, 230, 1500}));
        QCOMPARE(s.Max[1], 1600.0);
        QCOMPARE((QList<uint32_t>{log.Dev57[2].IntervalMin, log.Dev57[2].FirstVal, log.Dev57[3].NumChan,
                                  uint32_t(log.LogVal.size())}),
                 (QList<uint32_t>{5, 6, 0, 8}));
    }

    void refusesHostileFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        const QString structure = DecodeFaultText(DecodeFault::Structure);
        const QByteArray good = LogFile(Sequence("\x01", 15, Record(1, {230})));
        QTest::newRow("truncated") << good.left(good.size() - 5) << structure;
        QTest::newRow("zeros") << QByteArray(4096, '\0') << structure;
        QTest::newRow("0xFF") << QByteArray(4096, '\xFF') << structure;
        QTest::newRow("endless nesting") << QByteArray(100000, '\x70') << structure;
        QByteArray deep = good;
        for (int i = 0; i < kMaxLogNesting; ++i)
            deep = Open(0x70, deep);
        QTest::newRow("nested past the limit") << deep << structure;
        QTest::newRow("5-byte length") << QByteArray("\x41\x85\x00\x00\x00\x00\x06", 7) << structure;
        QTest::newRow("length past the end") << QByteArray("\x70\x00\x41\x20\x01", 5) << structure;
        QTest::newRow("two-byte tag") << QByteArray("\x5F\x81\x01\x01\x00", 5) << structure;
        QTest::newRow("value before a stamp")
            << LogFile(Open(0x63, Tlv(0x44, "\x01") + Tlv(0x81, Le32(0)))) << structure;
        QTest::newRow("channels changed after records")
            << LogFile(Open(0x63, Tlv(0x44, "\x01") + Record(1, {230}) + Tlv(0x44, "\x02"))) << structure;
        QTest::newRow("stamp of 3 bytes")
            << LogFile(Open(0x63, Tlv(0x44, "\x01") + Tlv(0x80, "abc"))) << structure;
        QByteArray seqs;
        for (int i = 0; i < 256; ++i)
            seqs += QByteArray("\x43\x00", 2);
        QTest::newRow("256 sequences") << LogFile(seqs) << QString(DecodeFaultText(DecodeFault::Sequences));
        QTest::newRow("24 channels") << LogFile(Sequence(QByteArray(24, '\x01'), 15, ""))
                                     << QString(DecodeFaultText(DecodeFault::Channels));
        QByteArray stamps;
        for (uint32_t i = 0; i <= kMaxLogStamps; ++i)
            stamps += Tlv(0x80, Le32(i));
        QTest::newRow("too many stamps")
            << LogFile(Open(0x63, stamps)) << QString(DecodeFaultText(DecodeFault::Stamps));
        // 23 channels of 30 400 records: every record padded up to its channels.
        QByteArray records;
        for (uint32_t i = 0; i < 30400; ++i)
            records += Tlv(0x80, Le32(i));
        QTest::newRow("too many values") << LogFile(Sequence(QByteArray(23, '\x01'), 15, records))
                                         << QString(DecodeFaultText(DecodeFault::Values));
        QTest::newRow("no channels") << LogFile(Open(0x63, Record(1, {})))
                                     << QString(DecodeFaultText(DecodeFault::NoData));
    }

    // Refused with its reason; what was decoded before stays.
    void refusesHostileFiles() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        ModuleLog log;
        QCOMPARE(Decode(LogFile(Sequence("\x01", 15, Record(1, {230}))), log), QString());
        QCOMPARE(Decode(bytes, log), error);
        QCOMPARE(log.NumLogSeq, 1);
        QCOMPARE(log.LogVal.size(), size_t(1));
    }

    void valueTextsAndScaling() {
        const struct {
            int code;
            double scale;
            int digits;
            float value;
            const char* text;
        } texts[] = {
            {43, 1.0, 2, 65.5f, "      >65"},     {43, 1.0, 2, 50.0f, "    50.00"},
            {44, 1.0, 3, 1.002f, "      ---"},    {1, 1.0, 1, 1e31f, "      OVL"},
            {13, 1.0, 1, 1234567.f, "    undef"}, {13, 1.0, 2, -123456.f, "    undef"}, // too wide
            {13, 1000.0, 4, 900.f, "   0.9000"},
        };
        LogSequence s;
        for (const auto& c : texts) {
            s.Codes[0] = uint8_t(c.code);
            s.Scale[0] = c.scale;
            s.Digits[0] = c.digits;
            QCOMPARE(ModuleValueText(s, 0, c.value), QString(c.text));
        }

        // Unit and decimals from the largest extreme; a channel without a valid value
        // is scaled as for 0.
        const struct {
            int code;
            double extreme;
            const char* unit;
            int digits;
            double scale;
        } units[] = {{1, 230.0, "[V]", 1, 1.0},  {13, 900.0, "[kW]", 3, 1e3}, {22, 900e3, "[Mvar]", 3, 1e6},
                     {39, 1e9, "[GVA]", 3, 1e9}, {110, 50.0, "[Hz]", 2, 1.0}, {52, 1e6, "[%]", 1, 1.0}};
        for (const auto& c : units) {
            s = LogSequence{};
            s.NumChan = 2;
            s.Codes[0] = s.Codes[1] = uint8_t(c.code);
            s.Min[0] = -c.extreme;
            s.Max[0] = 1.0;
            s.Min[1] = 1e100;
            s.Max[1] = -1e100;
            LogScaling(s);
            QCOMPARE(s.Units[0], QString(c.unit));
            QCOMPARE(s.Digits[0], c.digits);
            QCOMPARE(s.Scale[0], c.scale);
            QCOMPARE(s.Scale[1], 1.0);
            QCOMPARE(ExtremeText(s, 1, true), QString());
        }
    }

    // A meter set to current unbalance logs it in the neutral current's place: a
    // percentage, however large the currents.
    void unbalanceInPercent() {
        session.read = ConfigImage{};
        session.read.System = 4;
        session.read.Freq = kFreqUnbalanceI;
        ModuleLog log;
        QVERIFY(InitLogger57(
            session, log,
            LogFile(Sequence(QByteArray("\x0C\x55\x08", 3), 15, Record(0, {3.2f, 4.5f, 2000.f})))));
        const LogSequence& s = log.Dev57[size_t(log.Shown)];
        QCOMPARE((QStringList{s.Names[0], s.Units[0], s.Names[1], s.Units[1], s.Units[2]}),
                 (QStringList{"Unb.I", "[%]", "Unb.Imax", "[%]", "[kA]"}));
        QCOMPARE(ModuleValueText(s, 0, 3.2f), QString("      3.2"));
    }

    // Maxima before ordinary channels: each list takes its own channels in their order.
    void listsSplitByCode() {
        LogSequence s;
        s.NumChan = 4;
        s.Codes = {70, 1, 98, 8};
        QCOMPARE(ListChannels(s, false), (std::vector<int>{1, 3}));
        QCOMPARE(ListChannels(s, true), (std::vector<int>{0, 2}));
    }
};

QTEST_GUILESS_MAIN(ModuleLogTest)
#include "modulelog_test.moc"
