#include "config/ConfigImage.h"
#include "settings/INI_File.h"

#include <QtTest>

// Packed fields may be misaligned: compare copies, never bind references to them.
template <class T> T copy(T v) {
    return v;
}

class ConfigImageTest : public QObject {
    Q_OBJECT
  private slots:
    void systemCodesMapToClasses_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("klass");
        for (auto [code, klass] :
             {std::pair{0, 0}, {1, 0}, {2, 0}, {3, 1}, {19, 1}, {4, 2}, {20, 2}, {5, 0}, {18, 0}, {31, 0}})
            QTest::newRow(qPrintable(QString::number(code))) << code << klass;
    }
    void systemCodesMapToClasses() {
        QFETCH(int, code);
        QFETCH(int, klass);
        ConfigImage image{};
        image.System = uint8_t(0x80 | code); // the correction bit must not disturb the class
        QCOMPARE(Netzart(image), klass);
    }

    void digitalOutputFunctions() {
        const std::pair<int, int> cases[] = {{128, 0}, {200, 0}, {133, 0}, {63, 3},
                                             {0, 3},   {64, 2},  {127, 2}};
        for (auto [value, func] : cases) {
            Konf.DigOut[1] = uint8_t(value);
            QCOMPARE(DigoutFunc(1), func);
        }
    }

    void newConfigurationDefaults() {
        Konf = ConfigImage{};
        Konf.MaxU = 500;
        Konf.MaxI = 100;
        Konf.Interface = 0;
        Konf.Address = 17;
        Baudrate = 3;
        Parity = 1;
        CommType = 3;
        InitNeueDatei();
        QCOMPARE(copy(Konf.UrPrim), 500.0f);
        QCOMPARE(copy(Konf.UrSec), uint16_t(500));
        QCOMPARE(copy(Konf.IrPrim), 1.0f);
        QCOMPARE(copy(Konf.IrSec), 1.0f);
        QCOMPARE(copy(Konf.System), uint8_t(4));
        QCOMPARE(copy(Konf.DigOut[0]), uint8_t(128));
        QCOMPARE(copy(Konf.PulseRate[1]), int16_t(100));
        QCOMPARE(copy(Konf.EnergyControl), uint8_t(15));
        QCOMPARE(copy(Konf.BusSettings), uint8_t(3 + 8 + 0x80 + 0x40));
        QCOMPARE(copy(Konf.Display), uint8_t(8));
        QCOMPARE(copy(Konf.Freq), uint8_t(2));
        QCOMPARE(copy(Konf.DispMode), uint8_t(16));
        QCOMPARE(copy(Konf.Loop[0]), uint8_t(1)); // class 2 defaults
        QCOMPARE(copy(Konf.Loop[4]), uint8_t(4));
        QCOMPARE(Konf.User[15], uint8_t(21));
        QCOMPARE(copy(Konf.MeanMeas[8]), uint8_t(255));
        QCOMPARE(copy(Konf.MinMaxLogger[0]), uint8_t(255));
        QCOMPARE(copy(Konf.Address), uint8_t(17)); // kept: not part of a new configuration
        QCOMPARE(copy(Konf.MaxI), int16_t(100));
        CommType = 0;
    }
};

QTEST_APPLESS_MAIN(ConfigImageTest)
#include "configimage_test.moc"
