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
    int index;
    float value, divisor;
    int decimals, kind;
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
    for (int r = 0; r < kMeasRowsZrm3; ++r)
        if (MeasRowVisible(r)) rows << r;
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
        InitAnzeige();
        QCOMPARE(QString(Einh[kVoltage]), c.unit);
        QCOMPARE(Stellen[kVoltage], c.decimals);
        QCOMPARE(Skalierung[kVoltage], c.divisor);
    }

    void powerClasses() {
        // 20000/100 V, 100/5 A, 4-wire: S = 200 x 20 x 100 x 5 x sqrt(3) = 3.46 MVA.
        SetRatios(4, 20000.0f, 100, 100.0f, 5.0f);
        InitAnzeige();
        QVERIFY(qAbs(Nennwert[kActivePower] - 3464101.6f) < 1.0f);
        for (int k : {kActivePower, kReactivePower, kApparentPower}) {
            QCOMPARE(Nennwert[k], Nennwert[kActivePower]);
            QCOMPARE(Skalierung[k], 1e6f);
            QCOMPARE(Stellen[k], 3);
        }
        QCOMPARE(QString(Einh[kActivePower]) + Einh[kReactivePower] + Einh[kApparentPower],
                 QString("[MW][Mvar][MVA]"));
    }

    void brokenRatiosStayInRange() {
        // A zero secondary gives an infinite or undefined ratio: the tables must still
        // hold a unit and a usable divisor.
        SetRatios(4, 400.0f, 0, 100.0f, 0.0f);
        InitAnzeige();
        for (int k = 0; k < kMeasClasses; ++k) {
            QVERIFY(qstrnlen(Einh[k], sizeof Einh[k]) < sizeof Einh[k]);
            QVERIFY(std::isfinite(Skalierung[k]) && Skalierung[k] >= 1.0f);
        }
    }

    void verdicts_data() {
        QTest::addColumn<VerdictCase>("c");
        const float inf = std::numeric_limits<float>::infinity();
        const float nan = std::numeric_limits<float>::quiet_NaN();
        const float denormal = std::numeric_limits<float>::denorm_min() * 1000;
        const auto B = FieldColour::Black, R = FieldColour::Red, K = FieldColour::Keep;
        QTest::newRow("voltage") << VerdictCase{1, 230.04f, 1.0f, 1, 0, "230.0", B};
        QTest::newRow("kV two decimals") << VerdictCase{1, 20123.4f, 1000.0f, 2, 0, "20.12", B};
        QTest::newRow("below 9e30 is a value") << VerdictCase{1, 8.9e30f, 1e9f, 1, 0, "OVL", K};
        QTest::newRow("above 9e30") << VerdictCase{1, 9.1e30f, 1.0f, 1, 0, "OVL", R};
        QTest::newRow("123456.7") << VerdictCase{1, 123456.7f, 1.0f, 1, 0, "123456.7", B};
        QTest::newRow("scaled overflow") << VerdictCase{1, 100000000.0f, 1.0f, 1, 0, "OVL", K};
        QTest::newRow("negative overflow") << VerdictCase{19, -2e8f, 1.0f, 1, 0, "OVL", K};
        QTest::newRow("nan") << VerdictCase{1, nan, 1.0f, 1, 0, "OVL", R};
        QTest::newRow("+inf") << VerdictCase{1, inf, 1.0f, 1, 0, "OVL", R};
        QTest::newRow("-inf") << VerdictCase{19, -inf, 1.0f, 1, 0, "OVL", R};
        QTest::newRow("negative denormal") << VerdictCase{19, -denormal, 1000.0f, 3, 0, "0.000", B};
        QTest::newRow("small negative power") << VerdictCase{19, -0.04f, 1.0f, 1, 0, "0.0", B};
        QTest::newRow("negative power") << VerdictCase{19, -1234.56f, 1000.0f, 2, 0, "-1.23", B};
        QTest::newRow("decimals 0 -> 1") << VerdictCase{1, 12.34f, 1.0f, 0, 0, "12.3", B};
        QTest::newRow("decimals 5 -> 1") << VerdictCase{1, 12.34f, 1.0f, 5, 0, "12.3", B};
        QTest::newRow("decimals 4") << VerdictCase{1, 1.23456f, 1.0f, 4, 0, "1.2346", B};
        QTest::newRow("pf -1.0") << VerdictCase{29, -1.0f, 1.0f, 3, 0, "-1.000", B};
        QTest::newRow("pf 1.0005") << VerdictCase{30, 1.0005f, 1.0f, 3, 0, "1.000", B};
        QTest::newRow("pf 1.001 as float") << VerdictCase{31, 1.001f, 1.0f, 3, 0, "---", R};
        QTest::newRow("pf -1.002") << VerdictCase{29, -1.002f, 1.0f, 3, 0, "---", R};
        QTest::newRow("pf nan") << VerdictCase{29, nan, 1.0f, 3, 0, "---", R};
        QTest::newRow("after pf rows") << VerdictCase{33, 1.5f, 1.0f, 1, 0, "1.5", B};
        QTest::newRow("f 45.0") << VerdictCase{28, 45.0f, 1.0f, 2, 0, "45.00", B};
        QTest::newRow("f 65.0") << VerdictCase{28, 65.0f, 1.0f, 2, 0, "65.00", B};
        QTest::newRow("f 44.99") << VerdictCase{28, 44.99f, 1.0f, 2, 0, "< 45", R};
        QTest::newRow("f 65.01") << VerdictCase{28, 65.01f, 1.0f, 2, 0, "> 65", R};
        QTest::newRow("f overload") << VerdictCase{28, 9.5e30f, 1.0f, 2, 0, "> 65", R};
        QTest::newRow("f nan") << VerdictCase{28, nan, 1.0f, 2, 0, "OVL", R};
        QTest::newRow("mean pf") << VerdictCase{26, 1.5f, 1.0f, 3, 1, "---", R};
        QTest::newRow("mean f") << VerdictCase{25, 44.0f, 1.0f, 2, 1, "< 45", R};
        QTest::newRow("mean 30 is neither") << VerdictCase{30, 44.0f, 1.0f, 1, 1, "44.0", B};
        QTest::newRow("minmax pf 38") << VerdictCase{38, -1.5f, 1.0f, 3, 2, "---", R};
        QTest::newRow("minmax f max") << VerdictCase{39, 70.0f, 1.0f, 2, 2, "> 65", R};
        QTest::newRow("instant 29 f+1 no f") << VerdictCase{29, 0.5f, 1.0f, 3, 0, "0.500", B};
    }
    void verdicts() {
        QFETCH(VerdictCase, c);
        const MeasText shown = JudgeMeas(c.index, c.value, c.divisor, c.decimals, c.kind);
        QCOMPARE(shown.text, c.text);
        QCOMPARE(shown.colour, c.colour);
        QCOMPARE(shown.invalid, c.colour == FieldColour::Red ? 1 : 0);
    }

    void systemColumns() {
        const std::pair<int, int> cases[] = {{0, 1}, {1, 2},  {2, 3},  {3, 4},
                                             {4, 5}, {19, 4}, {20, 5}, {7, 1}};
        for (auto [code, column] : cases) {
            Lese.System = uint8_t(0x80 | code); // the correction bit must not disturb it
            QCOMPARE(AnschlIx(Lese), column);
        }
    }

    void fieldSetsByModelAndSystem() {
        Lese = ConfigImage{};
        Lese.Model = 1;
        Lese.System = 4;
        anschl_ix = AnschlIx(Lese);
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
        anschl_ix = AnschlIx(Lese);
        const QList<int> wire3{4, 5, 6, 8, 9, 10, 12, 13, 14, 19, 23, 27, 28, 32};
        QCOMPARE(VisibleRows(), wire3);
        Lese.System = 19;
        anschl_ix = AnschlIx(Lese);
        QCOMPARE(VisibleRows(), wire3);

        for (int code : {0, 1, 2}) {
            Lese.System = uint8_t(code);
            anschl_ix = AnschlIx(Lese);
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
        QCOMPARE(MeasRowClass(kNeutralRow), int(kCurrent));
        Lese.Freq = 0x40 | 2;
        QCOMPARE(MeasCaption(kNeutralRow), "Unb.I");
        QCOMPARE(MeasRowClass(kNeutralRow), int(kPercent));
        Lese.System = 3; // the unbalance only comes with a neutral
        QCOMPARE(MeasCaption(kNeutralRow), "IN");
    }
};

QTEST_APPLESS_MAIN(MeasDecodeTest)
#include "measdecode_test.moc"
