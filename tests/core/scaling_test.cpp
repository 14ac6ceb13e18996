#include "config/ConfigImage.h"
#include "config/Scaling.h"

#include <QtTest>

class ScalingTest : public QObject {
    Q_OBJECT
  private slots:
    void ratedPowerBySystemAndMode() {
        ConfigImage image{};
        image.MaxU = 400;
        image.MaxI = 500;
        image.UrSec = 100;
        image.IrSec = 1.0f;
        image.System = 0x80; // code 0: single phase, correction bit must not count
        QCOMPARE(RatedApparentPower(image, 0), 400.0f * 5.0f / 1.73205081f);
        image.System = 4;
        QCOMPARE(RatedApparentPower(image, 0), 400.0f * 5.0f * 1.73205081f);
        QCOMPARE(RatedApparentPower(image, 1), 100.0f * 1.0f * 1.73205081f);
    }

    // 100 % value (mode 0), unit and divisor of a limit output.
    void limitScaling_data() {
        QTest::addColumn<int>("system");
        QTest::addColumn<int>("code");
        QTest::addColumn<float>("full");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<float>("divisor");
        // MaxU 500 V, MaxI 5 A; VT 20000/100, CT 100/5 below.
        const float sr4 = 500.0f * 5.0f * 1.73205081f * 200.0f * 20.0f;
        QTest::newRow("line voltage") << 4 << 2 << 100000.0f << "kV" << 1000.0f;
        QTest::newRow("phase voltage") << 4 << 3 << 100000.0f / 1.73205081f << "kV" << 1000.0f;
        QTest::newRow("neutral current") << 4 << 11 << 100.0f << "A" << 1.0f;
        QTest::newRow("phase power, four wire") << 4 << 4 << sr4 / 3.0f << "MW" << 1e6f;
        QTest::newRow("phase power, three wire") << 3 << 5 << sr4 << "Mvar" << 1e6f;
        QTest::newRow("total apparent") << 4 << 10 << sr4 << "MVA" << 1e6f;
        QTest::newRow("power factor") << 4 << 7 << 1.0f << "-" << 1.0f;
        QTest::newRow("frequency") << 4 << 12 << 50.0f << "Hz" << 1.0f;
        QTest::newRow("percent") << 4 << 16 << 100.0f << "%" << 1.0f;
        QTest::newRow("no value above 23") << 4 << 30 << 0.0f << "" << 1.0f;
    }
    void limitScaling() {
        QFETCH(int, system);
        QFETCH(int, code);
        QFETCH(float, full);
        QFETCH(QString, unit);
        QFETCH(float, divisor);
        Konf = ConfigImage{};
        Konf.MaxU = 500;
        Konf.MaxI = 500;
        Konf.UrPrim = 20000.0f;
        Konf.UrSec = 100;
        Konf.IrPrim = 100.0f;
        Konf.IrSec = 5.0f;
        Konf.System = uint8_t(system);
        Konf.DigOut[1] = uint8_t(code);
        QCOMPARE(LimitRatedValue(1, 0), full);
        QCOMPARE(LimitFullScale(1), 10000.0f);
        QCOMPARE(QString(LimitUnitText(1)), unit);
        QCOMPARE(LimitUnitDivisor(1), divisor);
    }

    void unitThresholdsAreDecadesOf832() {
        Konf = ConfigImage{};
        Konf.MaxU = 100;
        Konf.MaxI = 100;
        Konf.UrSec = 100;
        Konf.IrSec = 1.0f;
        Konf.IrPrim = 1.0f;
        Konf.DigOut[0] = 2;
        Konf.UrPrim = 832.0f;
        QCOMPARE(QString(LimitUnitText(0)), QString("V"));
        Konf.UrPrim = 833.0f;
        QCOMPARE(QString(LimitUnitText(0)), QString("kV"));
        Konf.UrPrim = 833000.0f;
        QCOMPARE(QString(LimitUnitText(0)), QString("MV"));
        Konf.UrPrim = 833000000.0f;
        QCOMPARE(QString(LimitUnitText(0)), QString("GV"));
        QCOMPARE(LimitUnitDivisor(0), 1e9f);
    }
};

QTEST_GUILESS_MAIN(ScalingTest)
#include "scaling_test.moc"
