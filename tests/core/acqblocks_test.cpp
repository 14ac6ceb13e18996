// The acquisition blocks without their panels: units and verdicts of the measured values,
// the fields shown per model and system, what each value shows, the words the reset and
// set commands write, and the harmonics chart.
#include "acquisition/HarmDecode.h"
#include "acquisition/MeanDecode.h"
#include "acquisition/MeasDecode.h"
#include "acquisition/MeterDecode.h"
#include "acquisition/MinMaxDecode.h"
#include "config/ConfigImage.h"
#include "config/MeterSession.h"
#include "link/DeviceLink.h"
#include "platform/Messages.h"

#include <QtTest>
#include <cmath>
#include <cstring>
#include <limits>

struct UnitCase {
    int code;
    float urPrim;
    int urSec;
    QString unit;
    int decimals;
    float divisor;
};
Q_DECLARE_METATYPE(UnitCase)

struct VerdictCase {
    Quantity quantity;
    float value, nominal;
    QString text;
    FieldColour colour;
};
Q_DECLARE_METATYPE(VerdictCase)

namespace {

void SetRatios(MeterSession& session, int code, float urPrim, uint16_t urSec, float irPrim, float irSec) {
    session.read = ConfigImage{};
    session.read.System = uint8_t(code);
    session.read.UrPrim = urPrim;
    session.read.UrSec = urSec;
    session.read.IrPrim = irPrim;
    session.read.IrSec = irSec;
}

void SetMeter(MeterSession& session, int code, bool zrm3) {
    SetRatios(session, code, 400.0f, 400, 100.0f, 5.0f);
    session.read.Model = zrm3 ? 1 : 0;
    std::memset(session.read.MeanMeas, kNoMeasurand, sizeof session.read.MeanMeas);
}

// As a panel opened on session.read would show it.
DisplayScale Scale(MeterSession& session) {
    return DisplayScaleFor(session.read);
}

void PutFloat(uint8_t* block, int k, float v) {
    std::memcpy(block + 4 * k, &v, 4);
}

void PutWord(uint8_t* block, int k, uint16_t v) {
    std::memcpy(block + 2 * k, &v, 2);
}

QList<int> VisibleRows(MeterSession& session) {
    QList<int> rows;
    const DisplayScale scale = DisplayScaleFor(session.read);
    for (int r = 0; r < kMeasRowsZrm3; ++r)
        if (MeasRowVisible(session, r, scale)) rows << r;
    return rows;
}

} // namespace

class AcqBlocksTest : public QObject {
    Q_OBJECT
    MeterSession session;
  private slots:
    void initTestCase() { UseSession(session); }

    void unitsAndDecimalsFollowTheNominalValue_data() {
        QTest::addColumn<UnitCase>("c");
        QTest::newRow("400 V") << UnitCase{4, 400.0f, 400, "V", 1, 1.0f};
        QTest::newRow("832.0 V selects kV") << UnitCase{4, 832.0f, 1, "kV", 4, 1000.0f};
        QTest::newRow("831.99 V stays V") << UnitCase{4, 831.99f, 1, "V", 1, 1.0f};
        QTest::newRow("20 kV") << UnitCase{4, 20000.0f, 100, "kV", 2, 1000.0f};
        QTest::newRow("900 kV selects MV") << UnitCase{3, 900000.0f, 1, "MV", 3, 1e6f};
        QTest::newRow("GV") << UnitCase{4, 1e9f, 1, "GV", 3, 1e9f};
        // Codes 0 and 2 show phase-to-neutral: 1000 V / sqrt(3) = 577 V, and
        // 1441 V / sqrt(3) = 831.97 V stays below the kV threshold.
        QTest::newRow("code 0 divides") << UnitCase{0, 1000.0f, 1000, "V", 1, 1.0f};
        QTest::newRow("code 2 divides") << UnitCase{2, 1441.0f, 1441, "V", 1, 1.0f};
        QTest::newRow("code 1 does not") << UnitCase{1, 1000.0f, 1000, "kV", 3, 1000.0f};
        QTest::newRow("code 19 does not") << UnitCase{19, 1441.0f, 1441, "kV", 3, 1000.0f};
    }
    void unitsAndDecimalsFollowTheNominalValue() {
        QFETCH(UnitCase, c);
        SetRatios(session, c.code, c.urPrim, uint16_t(c.urSec), 100.0f, 5.0f);
        const DisplayScale scale = DisplayScaleFor(session.read);
        QCOMPARE(scale.Unit(kVoltage), c.unit);
        QCOMPARE(scale.Decimals(kVoltage), c.decimals);
        QCOMPARE(scale.Divisor(kVoltage), c.divisor);
    }

    void powerClasses() {
        // 20000/100 V, 100/5 A, 4-wire: S = 200 x 20 x 100 x 5 x sqrt(3) = 3.46 MVA.
        SetRatios(session, 4, 20000.0f, 100, 100.0f, 5.0f);
        const DisplayScale scale = DisplayScaleFor(session.read);
        QVERIFY(qAbs(scale.Nominal(kActivePower) - 3464101.6f) < 1.0f);
        for (Quantity k : {kActivePower, kReactivePower, kApparentPower}) {
            QCOMPARE(scale.Nominal(k), scale.Nominal(kActivePower));
            QCOMPARE(scale.Divisor(k), 1e6f);
            QCOMPARE(scale.Decimals(k), 3);
        }
        QCOMPARE(scale.Unit(kActivePower) + scale.Unit(kReactivePower) + scale.Unit(kApparentPower),
                 QString("[MW][Mvar][MVA]"));
    }

    void brokenRatiosStayInRange() {
        // A zero secondary gives an infinite or undefined ratio: the tables must still
        // hold a unit and a usable divisor.
        SetRatios(session, 4, 400.0f, 0, 100.0f, 0.0f);
        const DisplayScale scale = DisplayScaleFor(session.read);
        for (int k = 0; k < kQuantities; ++k) {
            QVERIFY(scale.Unit(Quantity(k)).size() < 10);
            QVERIFY(std::isfinite(scale.Divisor(Quantity(k))) && scale.Divisor(Quantity(k)) >= 1.0f);
        }
    }

    void verdicts_data() {
        QTest::addColumn<VerdictCase>("c");
        const float inf = std::numeric_limits<float>::infinity();
        const float nan = std::numeric_limits<float>::quiet_NaN();
        const float denormal = std::numeric_limits<float>::denorm_min() * 1000;
        const auto B = FieldColour::Black, R = FieldColour::Red, K = FieldColour::Keep;
        // Nominal 400: one decimal; 1000: kV, three; 20000: kV, two; 832000: MV, four.
        QTest::newRow("voltage") << VerdictCase{kVoltage, 230.04f, 400.0f, "230.0", B};
        QTest::newRow("below 9e30 is a value") << VerdictCase{kVoltage, 8.9e30f, 1e9f, "OVL", K};
        QTest::newRow("above 9e30") << VerdictCase{kVoltage, 9.1e30f, 400.0f, "OVL", R};
        QTest::newRow("123456.7") << VerdictCase{kVoltage, 123456.7f, 400.0f, "123456.7", B};
        QTest::newRow("scaled overflow") << VerdictCase{kVoltage, 100000000.0f, 400.0f, "OVL", K};
        QTest::newRow("negative overflow") << VerdictCase{kActivePower, -2e8f, 400.0f, "OVL", K};
        QTest::newRow("nan") << VerdictCase{kVoltage, nan, 400.0f, "OVL", R};
        QTest::newRow("-inf") << VerdictCase{kActivePower, -inf, 400.0f, "OVL", R};
        QTest::newRow("negative denormal") << VerdictCase{kActivePower, -denormal, 1000.0f, "0.000", B};
        QTest::newRow("small negative power") << VerdictCase{kActivePower, -0.04f, 400.0f, "0.0", B};
        QTest::newRow("negative power") << VerdictCase{kActivePower, -1234.56f, 20000.0f, "-1.23", B};
        QTest::newRow("decimals 4") << VerdictCase{kVoltage, 1234560.0f, 832000.0f, "1.2346", B};
        QTest::newRow("pf -1.0") << VerdictCase{kPowerFactor, -1.0f, 400.0f, "-1.000", B};
        QTest::newRow("pf 1.0005") << VerdictCase{kPowerFactor, 1.0005f, 400.0f, "1.000", B};
        QTest::newRow("pf 1.001 as float") << VerdictCase{kPowerFactor, 1.001f, 400.0f, "---", R};
        QTest::newRow("pf nan") << VerdictCase{kPowerFactor, nan, 400.0f, "---", R};
        QTest::newRow("f 45.0") << VerdictCase{kFrequency, 45.0f, 400.0f, "45.00", B};
        QTest::newRow("f 65.0") << VerdictCase{kFrequency, 65.0f, 400.0f, "65.00", B};
        QTest::newRow("f 44.99") << VerdictCase{kFrequency, 44.99f, 400.0f, "< 45", R};
        QTest::newRow("f 65.01") << VerdictCase{kFrequency, 65.01f, 400.0f, "> 65", R};
        QTest::newRow("f overload") << VerdictCase{kFrequency, 9.5e30f, 400.0f, "> 65", R};
        QTest::newRow("f nan") << VerdictCase{kFrequency, nan, 400.0f, "OVL", R};
        QTest::newRow("percent is neither") << VerdictCase{kPercent, 44.0f, 400.0f, "44.0", B};
    }
    void verdicts() {
        QFETCH(VerdictCase, c);
        const DisplayScale scale(c.nominal, c.nominal, c.nominal, 1);
        const MeasText shown = FieldOf(scale, MakeValue(c.value, c.quantity));
        QCOMPARE(shown.text, c.text);
        QCOMPARE(shown.colour, c.colour);
        QCOMPARE(shown.invalid, c.colour == FieldColour::Red ? 1 : 0);
    }

    void systemColumns() {
        const std::pair<int, int> cases[] = {{0, 1}, {1, 2},  {2, 3},  {3, 4},
                                             {4, 5}, {19, 4}, {20, 5}, {7, 1}};
        for (auto [code, column] : cases) {
            session.read.System = uint8_t(0x80 | code); // the correction bit must not disturb it
            QCOMPARE(SystemColumnOf(session.read), column);
        }
    }

    void fieldSetsByModelAndSystem() {
        session.read = ConfigImage{};
        session.read.Model = 1;
        session.read.System = 4;
        QList<int> all4wire;
        for (int r = 0; r < kMeasRowsZrm3; ++r)
            if (r != 0 && r != 7 && r != 11) all4wire << r;
        QCOMPARE(VisibleRows(session), all4wire);
        QCOMPARE(MeasRequest(session), kReadValuesM3);

        session.read.Model = 0;
        all4wire.removeAll(33);
        all4wire.removeAll(34);
        all4wire.removeAll(35);
        QCOMPARE(VisibleRows(session), all4wire);
        QCOMPARE(MeasRequest(session), kReadValues);
        QCOMPARE(MeasRowCount(session), 33);

        session.read.System = 3;
        const QList<int> wire3{4, 5, 6, 8, 9, 10, 12, 13, 14, 19, 23, 27, 28, 32};
        QCOMPARE(VisibleRows(session), wire3);
        session.read.System = 19;
        QCOMPARE(VisibleRows(session), wire3);

        for (int code : {0, 1, 2}) {
            session.read.System = uint8_t(code);
            QCOMPARE(VisibleRows(session), (QList<int>{0, 7, 11, 19, 23, 27, 28, 32}));
        }
    }

    void captionsByNetworkKind() {
        session.read = ConfigImage{};
        session.read.System = 1;
        QCOMPARE(MeasCaption(session, 0), "U");
        session.read.System = 20;
        QCOMPARE(MeasCaption(session, 1), "U1N");
        QCOMPARE(MeasCaption(session, kNeutralRow), "IN");
        QCOMPARE(MeasRowClass(session, kNeutralRow), kCurrent);
        session.read.Freq = 0x40 | 2;
        QCOMPARE(MeasCaption(session, kNeutralRow), "Unb.I");
        QCOMPARE(MeasRowClass(session, kNeutralRow), kPercent);
        session.read.System = 3; // the unbalance only comes with a neutral
        QCOMPARE(MeasCaption(session, kNeutralRow), "IN");
    }

    void minMaxRowsCaptionsAndMarkers() {
        SetMeter(session, 0, false);
        QStringList shown;
        for (int r = 0; r < kMinMaxRowsZrm3; ++r)
            if (MinMaxRowVisible(session, r, Scale(session))) shown << MinMaxCaption(session, r);
        // Request 1 ends with the second power-factor minimum: the base model has no more.
        QCOMPARE(shown.join(' '),
                 QString("Umax Imax Iavgmax Pmax Qmax Smax Umin PFmin.inc.ind PFmin.inc.cap"));
        SetMeter(session, 4, true);
        QVERIFY(MinMaxRowVisible(session, 41, Scale(session)));
        QCOMPARE(MinMaxCaption(session, 41), QString("UNEmax"));
        QCOMPARE(MinMaxCaption(session, 29), QString("U1Nmin"));
        QCOMPARE(MinMaxRowCount(session), 42);
        // The unbalance maximum is a percentage, as the instantaneous and mean values are.
        session.read.Freq = kFreqUnbalanceI;
        QCOMPARE(MinMaxCaption(session, 15), QString("Unb.Imax"));
        QCOMPARE(Scale(session).Unit(MinMaxRowClass(session, 15)), QString("%"));
        SetMeter(session, 4, false);
        QVERIFY(!MinMaxRowVisible(session, 41, Scale(session)));

        // Both frequency extremes are checked as frequencies, the minimum first;
        // nonsense never shows as a number.
        QCOMPARE(MinMaxCaption(session, 39) + MinMaxCaption(session, 40), QString("FminFmax"));
        PutFloat(session.blocks.minMax, 39, 65.01f);
        PutFloat(session.blocks.minMax, 40, 44.99f);
        PutFloat(session.blocks.minMax, 35, -1.002f);
        PutFloat(session.blocks.minMax, 1, std::numeric_limits<float>::quiet_NaN());
        PutFloat(session.blocks.minMax, 3, -0.0f);
        QStringList texts;
        for (int row : {39, 40, 35, 1, 3})
            texts << MinMaxText(session, row, Scale(session)).text;
        QCOMPARE(texts, (QStringList{"> 65", "< 45", "---", "OVL", "0.0"}));
    }

    void minMaxResetWord() {
        bool ticked[9] = {};
        ticked[8] = true;
        QCOMPARE(MinMaxResetWord(ticked, 9), uint16_t(0x2000));
        QCOMPARE(MinMaxResetWord(ticked, 8), uint16_t(0)); // no ninth box on the base model
        std::fill(std::begin(ticked), std::end(ticked), true);
        QCOMPARE(MinMaxResetWord(ticked, 9), uint16_t(0x20FF));
    }

    void meterScalingAndValues() {
        MeterScaling s{};
        struct {
            int scale, prefix, decimals, divisor;
        } cases[] = {{2, 1, 1, 10}, {3, 1, 0, 1}, {-1, 0, 1, 10}, {4, 2, 2, 100}, {-9, 0, 9, 1000000000}};
        for (const auto& c : cases) {
            QVERIFY2(MeterScalingFor(c.scale, s), qPrintable(QString::number(c.scale)));
            QCOMPARE(s.prefix, c.prefix);
            QCOMPARE(s.decimals, c.decimals);
            QCOMPARE(s.anzfakt, c.divisor);
        }
        QVERIFY(!MeterScalingFor(10, s));
        QVERIFY(!MeterScalingFor(-10, s));

        MeterScalingFor(2, s);
        QCOMPARE(QString(MeterUnit(0, s.prefix)), QString("kWh"));
        QCOMPARE(QString(MeterUnit(7, s.prefix)), QString("kvarh"));
        QCOMPARE(MeterText(0xFFFFFFFFu, s), QString("429496729.5"));
        // 2.3 truncated would give 22; below zero, beyond the register and NaN are clamped.
        QCOMPARE((QList<uint32_t>{MeterCountFor(1234.5, s), MeterCountFor(2.3, s), MeterCountFor(-5.0, s),
                                  MeterCountFor(1e12, s), MeterCountFor(std::nan(""), s)}),
                 (QList<uint32_t>{12345, 23, 0, 0xFFFFFFFF, 0}));

        // A value that is no number, or beyond the register, writes nothing at all.
        SetMeterCount(0, 7);
        ScriptedMessages messages;
        SetMessageSink(&messages);
        const bool set[kMeterRows] = {true};
        for (double bad : {std::numeric_limits<double>::quiet_NaN(), s.fieldMax * 2, -0.5}) {
            const double values[kMeterRows] = {bad};
            QCOMPARE(SendMeterSet(session, s, set, values), 0);
        }
        SetMessageSink(nullptr);
        QCOMPARE(MeterCount(0), 7u);
        QCOMPARE(messages.shown.size(), size_t(3));
        QVERIFY(messages.wasShown(MessageType::Error, kMeterScaleKind, kMeterValueRefused));
    }

    void tariffAndMeterCaptions() {
        QCOMPARE((QList<int>{ActiveTariff(0x0004), ActiveTariff(0x0000)}), (QList<int>{1, 2}));
        QCOMPARE(TariffToggleWord(0x0004), uint16_t(0x0804)); // tariff 1 lit: ask for tariff 2
        QCOMPARE(TariffToggleWord(0x0400), uint16_t(0x0C00));
        bool ticked[kMeterRows] = {false, true, false, false, false, false, false, true};
        QCOMPARE(MeterResetWord(ticked), uint16_t(0x82));

        SetMeter(session, 4, true);
        QCOMPARE(MeterCaption(session, 4), QString("Reactive energy inductive T1"));
        session.read.DispMode = kDispModeInOut;
        QCOMPARE(MeterCaption(session, 7), QString("Reactive energy outgoing T2"));
        QCOMPARE(MeterCaption(session, 1), QString("Active energy incoming T2"));
    }

    void freeMeanCodesAndCaptions() {
        SetMeter(session, 3, true); // 3-wire: no phase-to-neutral values
        const uint8_t codes[9] = {0, 3, 25, 29, 39, 51, 43, 60, 200};
        std::memcpy(session.read.MeanMeas, codes, 9);
        DropInvalidMeanCodes(session);
        const uint8_t kept[9] = {255, 3, 25, 29, 255, 255, 43, 255, 255};
        QCOMPARE(QByteArray(reinterpret_cast<char*>(session.read.MeanMeas), 9),
                 QByteArray(reinterpret_cast<const char*>(kept), 9));
        QCOMPARE((QStringList{MeanFreeCaption(session, Scale(session), 1),
                              MeanFreeCaption(session, Scale(session), 3),
                              MeanFreeCaption(session, Scale(session), 6)}),
                 (QStringList{"U12 [V]", "PF ", "THD I1 [%]"}));

        SetMeter(session, 4, true);
        session.read.MeanMeas[0] = 64;
        session.read.MeanMeas[1] = 22;
        session.read.MeanMeas[2] = 41;
        QCOMPARE((QStringList{MeanFreeCaption(session, Scale(session), 0),
                              MeanFreeCaption(session, Scale(session), 1),
                              MeanFreeCaption(session, Scale(session), 2)}),
                 (QStringList{"Q3cap [kvar]", "S2 [kVA]", "THD U2 [%]"}));

        // Current unbalance in the neutral current's place is a percentage, however
        // large the current transformer.
        session.read.IrPrim = 1000.0f;
        session.read.Freq = kFreqUnbalanceI;
        session.read.MeanMeas[3] = 12;
        PutFloat(session.blocks.freeMeanTrend, 3, 3.26f);
        QCOMPARE(MeanFreeCaption(session, Scale(session), 3), QString("Unb.I [%]"));
        QCOMPARE(FreeMeanText(session, Scale(session), MeanResets{}, 3, 0).text, QString("3.3"));
    }

    void meanExtremesWithoutData() {
        SetMeter(session, 4, true);
        MeanResets resets;
        session.read.MeanMeas[0] = 25;
        PutFloat(session.blocks.freeMeanExtremes, 0, 0.0f); // maximum below the minimum: nothing recorded yet
        PutFloat(session.blocks.freeMeanExtremes, 9, 99.0f);
        MeasText max = FreeMeanText(session, Scale(session), resets, 0, 2),
                 min = FreeMeanText(session, Scale(session), resets, 0, 3);
        QCOMPARE(max.text, QString("----"));
        QCOMPARE(max.colour, FieldColour::Black);
        QCOMPARE(min.text, QString("----"));

        session.read.MeanMeas[1] = 0;
        PutFloat(session.blocks.freeMeanExtremes, 1, 200.0f);
        PutFloat(session.blocks.freeMeanExtremes, 10, 230.0f);
        QCOMPARE(FreeMeanText(session, Scale(session), resets, 1, 2).text, QString("----"));
        uint16_t minima, maxima;
        bool minT[14] = {}, maxT[14] = {};
        maxT[6] = maxT[5 + 8] = maxT[0] = true; // row 8 has no measurand
        MeanResetWords(session, minT, maxT, minima, maxima);
        QCOMPARE(maxima, uint16_t(0x0041));
        QCOMPARE(minima, uint16_t(0));
        resets.words[2] |= maxima;
        QCOMPARE(FreeMeanText(session, Scale(session), resets, 1, 2).text,
                 QString("200.0")); // reset in this run: a real maximum
        QCOMPARE(FreeMeanText(session, Scale(session), resets, 1, 3).text, QString("----"));

        PutFloat(session.blocks.powerMeanExtremes, 2, 10000.0f); // kW with two decimals
        PutFloat(session.blocks.powerMeanExtremes, 7, 50000.0f);
        QCOMPARE(PowerExtremeText(Scale(session), resets, 2).text, QString("----"));
        QCOMPARE(PowerExtremeText(Scale(session), resets, 7).text, QString("----"));
        resets.words[1] |= 1 << 2;
        QCOMPARE(PowerExtremeText(Scale(session), resets, 7).text, QString("50.00"));
    }

    void harmonicsTableAndChart() {
        QCOMPARE((QList<float>{HarmYRange(2.4f), HarmYRange(2.5f), HarmYRange(49.9f), HarmYRange(50.0f)}),
                 (QList<float>{2.5f, 5.0f, 50.0f, 100.0f}));
        QCOMPARE((QList<int>{HarmResetWord(kHarmVoltage), HarmResetWord(kHarmCurrent)}),
                 (QList<int>{0x0B00, 0x1400}));

        std::memset(session.blocks.voltageHarmonics, 0, sizeof session.blocks.voltageHarmonics);
        std::memset(session.blocks.voltageHarmonicsMax, 0, sizeof session.blocks.voltageHarmonicsMax);
        PutWord(session.blocks.voltageHarmonics, 0, 25); // order 2: 2.5 %
        PutWord(session.blocks.voltageHarmonics, 1, 1);  // order 3: 0.1 %
        PutWord(session.blocks.voltageHarmonicsMax, 0, 40);
        PutWord(session.blocks.voltageThd, 0, 999); // THD takes no part in the range
        QCOMPARE(HarmRowCount(0), 2);
        QCOMPARE(QString(HarmRowCaption(kHarmVoltage, 0, 1)), QString("Umax"));
        QCOMPARE(HarmCellText(HarmCell(kHarmVoltage, 0, 0), QLocale::c()), QString("2.5"));
        QCOMPARE(HarmCellText(HarmCell(kHarmVoltage, 0, 14), QLocale::c()), QString("99.9"));
        QCOMPARE(HarmYRange(HarmLargest(kHarmVoltage, 0)), 5.0f);
        const QVector<HarmBar> bars = HarmBars(kHarmVoltage, 0);
        QCOMPARE(bars.size(), 3);
        QCOMPARE(bars[0].rgb, 0xA0A0A0u); // the maximum behind
        QCOMPARE(bars[1].rgb, 0xFF0000u);
        QVERIFY(qFuzzyCompare((bars[1].x0 + bars[1].x1) / 2, 1.0)); // one phase: centred on its order
        PutWord(session.blocks.voltageHarmonics, 1, 0);
        QCOMPARE(HarmBars(kHarmVoltage, 0).size(), 2); // 0.0 % draws nothing
        QCOMPARE(HarmRowCount(2), 6);
        QCOMPARE(QString(HarmRowCaption(kHarmCurrent, 1, 5)), QString("I3max"));
        QVERIFY(HarmShowsUnbalance(kHarmVoltage, 2));
        QVERIFY(!HarmShowsUnbalance(kHarmCurrent, 2));
    }
};

QTEST_GUILESS_MAIN(AcqBlocksTest)
#include "acqblocks_test.moc"
