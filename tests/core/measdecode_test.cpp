#include "acquisition/MeasDecode.h"
#include "config/ConfigImage.h"
#include "link/DeviceLink.h"

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

void SetRatios(int code, float urPrim, uint16_t urSec, float irPrim, float irSec) {
    Lese = ConfigImage{};
    Lese.System = uint8_t(code);
    Lese.UrPrim = urPrim;
    Lese.UrSec = urSec;
    Lese.IrPrim = irPrim;
    Lese.IrSec = irSec;
}

QList<int> VisibleRows() {
    QList<int> rows;
    const DisplayScale scale = DisplayScaleFor(Lese);
    for (int r = 0; r < kMeasRowsZrm3; ++r)
        if (MeasRowVisible(r, scale)) rows << r;
    return rows;
}

} // namespace

class MeasDecodeTest : public QObject {
    Q_OBJECT
  private slots:
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
        SetRatios(c.code, c.urPrim, uint16_t(c.urSec), 100.0f, 5.0f);
        const DisplayScale scale = DisplayScaleFor(Lese);
        QCOMPARE(scale.Unit(kVoltage), c.unit);
        QCOMPARE(scale.Decimals(kVoltage), c.decimals);
        QCOMPARE(scale.Divisor(kVoltage), c.divisor);
    }

    void powerClasses() {
        // 20000/100 V, 100/5 A, 4-wire: S = 200 x 20 x 100 x 5 x sqrt(3) = 3.46 MVA.
        SetRatios(4, 20000.0f, 100, 100.0f, 5.0f);
        const DisplayScale scale = DisplayScaleFor(Lese);
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
        SetRatios(4, 400.0f, 0, 100.0f, 0.0f);
        const DisplayScale scale = DisplayScaleFor(Lese);
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
        QTest::newRow("kV two decimals") << VerdictCase{kVoltage, 20123.4f, 20000.0f, "20.12", B};
        QTest::newRow("below 9e30 is a value") << VerdictCase{kVoltage, 8.9e30f, 1e9f, "OVL", K};
        QTest::newRow("above 9e30") << VerdictCase{kVoltage, 9.1e30f, 400.0f, "OVL", R};
        QTest::newRow("123456.7") << VerdictCase{kVoltage, 123456.7f, 400.0f, "123456.7", B};
        QTest::newRow("scaled overflow") << VerdictCase{kVoltage, 100000000.0f, 400.0f, "OVL", K};
        QTest::newRow("negative overflow") << VerdictCase{kActivePower, -2e8f, 400.0f, "OVL", K};
        QTest::newRow("nan") << VerdictCase{kVoltage, nan, 400.0f, "OVL", R};
        QTest::newRow("+inf") << VerdictCase{kVoltage, inf, 400.0f, "OVL", R};
        QTest::newRow("-inf") << VerdictCase{kActivePower, -inf, 400.0f, "OVL", R};
        QTest::newRow("negative denormal") << VerdictCase{kActivePower, -denormal, 1000.0f, "0.000", B};
        QTest::newRow("small negative power") << VerdictCase{kActivePower, -0.04f, 400.0f, "0.0", B};
        QTest::newRow("negative power") << VerdictCase{kActivePower, -1234.56f, 20000.0f, "-1.23", B};
        QTest::newRow("decimals 4") << VerdictCase{kVoltage, 1234560.0f, 832000.0f, "1.2346", B};
        QTest::newRow("pf -1.0") << VerdictCase{kPowerFactor, -1.0f, 400.0f, "-1.000", B};
        QTest::newRow("pf 1.0005") << VerdictCase{kPowerFactor, 1.0005f, 400.0f, "1.000", B};
        QTest::newRow("pf 1.001 as float") << VerdictCase{kPowerFactor, 1.001f, 400.0f, "---", R};
        QTest::newRow("pf -1.002") << VerdictCase{kPowerFactor, -1.002f, 400.0f, "---", R};
        QTest::newRow("pf nan") << VerdictCase{kPowerFactor, nan, 400.0f, "---", R};
        QTest::newRow("pf 0.5") << VerdictCase{kPowerFactor, 0.5f, 400.0f, "0.500", B};
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
            Lese.System = uint8_t(0x80 | code); // the correction bit must not disturb it
            QCOMPARE(SystemColumnOf(Lese), column);
        }
    }

    void fieldSetsByModelAndSystem() {
        Lese = ConfigImage{};
        Lese.Model = 1;
        Lese.System = 4;
        QList<int> all4wire;
        for (int r = 0; r < kMeasRowsZrm3; ++r)
            if (r != 0 && r != 7 && r != 11) all4wire << r;
        QCOMPARE(VisibleRows(), all4wire);
        QCOMPARE(MeasRequest(), kReadValuesM3);

        Lese.Model = 0;
        all4wire.removeAll(33);
        all4wire.removeAll(34);
        all4wire.removeAll(35);
        QCOMPARE(VisibleRows(), all4wire);
        QCOMPARE(MeasRequest(), kReadValues);
        QCOMPARE(MeasRowCount(), 33);

        Lese.System = 3;
        const QList<int> wire3{4, 5, 6, 8, 9, 10, 12, 13, 14, 19, 23, 27, 28, 32};
        QCOMPARE(VisibleRows(), wire3);
        Lese.System = 19;
        QCOMPARE(VisibleRows(), wire3);

        for (int code : {0, 1, 2}) {
            Lese.System = uint8_t(code);
            QCOMPARE(VisibleRows(), (QList<int>{0, 7, 11, 19, 23, 27, 28, 32}));
        }
    }

    void captionsByNetworkKind() {
        Lese = ConfigImage{};
        Lese.System = 1;
        QCOMPARE(MeasCaption(0), "U");
        Lese.System = 20;
        QCOMPARE(MeasCaption(1), "U1N");
        QCOMPARE(MeasCaption(kNeutralRow), "IN");
        QCOMPARE(MeasRowClass(kNeutralRow), kCurrent);
        Lese.Freq = 0x40 | 2;
        QCOMPARE(MeasCaption(kNeutralRow), "Unb.I");
        QCOMPARE(MeasRowClass(kNeutralRow), kPercent);
        Lese.System = 3; // the unbalance only comes with a neutral
        QCOMPARE(MeasCaption(kNeutralRow), "IN");
    }
};

QTEST_APPLESS_MAIN(MeasDecodeTest)
#include "measdecode_test.moc"
