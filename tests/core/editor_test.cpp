#include "config/ConfigImage.h"
#include "config/Editor.h"
#include "config/EditorLists.h"
#include "config/EditorRefresh.h"
#include "settings/INI_File.h"
#include "settings/SelDevType.h"

#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <cstring>

namespace {
int redraws = 0;
int activations = 0;
void CountShowAll() {
    ++redraws;
}
void CountActivate() {
    ++activations;
}

// A four-wire extended meter, 500 V / 5 A inputs, VT 20 kV / 100 V, CT 100 / 5 A.
void FreshKonf(int model = 1) {
    Konf = ConfigImage{};
    Konf.MaxU = 500;
    Konf.MaxI = 500;
    Konf.Model = int16_t(model);
    Konf.Interface = 1;
    CommType = 0;
    InitNeueDatei();
    Konf.UrPrim = 20000.0f;
    Konf.UrSec = 100;
    Konf.IrPrim = 100.0f;
    Konf.IrSec = 5.0f;
}
} // namespace

class EditorTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

  private slots:
    void initTestCase() {
        SettingsDir = dir.path().toStdString();
        ShowAllHook = CountShowAll;
        ActivateObjectsHook = CountActivate;
    }
    void init() {
        FreshKonf();
        redraws = activations = 0;
    }

    void primaryVoltageIsRoundedAndScaled_data() {
        QTest::addColumn<float>("entered");
        QTest::addColumn<int>("kv");
        QTest::addColumn<float>("stored");
        QTest::addColumn<int>("mantissa");
        QTest::addColumn<int>("exponent");
        QTest::newRow("20 V means 20 kV") << 20.0f << 0 << 20000.0f << 200 << 2;
        QTest::newRow("12345 V keeps three digits") << 12345.0f << 0 << 12300.0f << 123 << 2;
        QTest::newRow("110 V stays volts") << 110.0f << 0 << 110.0f << 110 << 0;
        QTest::newRow("0.4 kV") << 0.4f << 1 << 400.0f << 400 << 0;
    }
    void primaryVoltageIsRoundedAndScaled() {
        QFETCH(float, entered);
        QFETCH(int, kv);
        QFETCH(float, stored);
        QFETCH(int, mantissa);
        QFETCH(int, exponent);
        CmUrPrim(entered, kv);
        QCOMPARE(float(Konf.UrPrim), stored);
        QCOMPARE(int(Konf.UrPrimMant), mantissa);
        QCOMPARE(int(Konf.UrPrimExp), exponent);
        QCOMPARE(redraws, 1);
    }

    void primaryCurrentInKiloampere() {
        CmIrPrim(1.234f, 1);
        QCOMPARE(float(Konf.IrPrim), 1230.0f);
        CmIrPrim(50.0f, 0); // no automatic switch for currents
        QCOMPARE(float(Konf.IrPrim), 50.0f);
    }

    void secondaryChangeRescalesLimitsBeyondFullScale() {
        Konf.DigOut[0] = 2;
        Konf.LimitOn[0] = 12500; // beyond 10000 / 0.832
        Konf.LimitOff[0] = 5000;
        Konf.DigOut[1] = 2;
        Konf.LimitOn[1] = 11000;
        Konf.LimitOff[1] = 9000;
        CmUrSec(110);
        QCOMPARE(Konf.UrSec, uint16_t(110));
        QCOMPARE(int(Konf.LimitOn[0]), int(12500 * (10000.0f / 0.832f) / 10000.0f));
        QCOMPARE(int(Konf.LimitOff[0]), int(5000 * (10000.0f / 0.832f) / 10000.0f));
        QCOMPARE(int(Konf.LimitOn[1]), 11000); // within the full scale: untouched
        redraws = 0;
        CmUrSec(110);
        QCOMPARE(redraws, 0); // unchanged value: nothing happens
    }

    void systemChangeMovesMeasurands() {
        Konf.System = 0x80 | 4; // class 2, correction on
        Konf.DigOut[0] = 11;    // neutral current
        Konf.DigOut[1] = 77;    // a pulse output is not touched
        const uint8_t mean[9] = {12, 0, 1, 7, 41, 50, 25, 255, 33};
        std::memcpy(Konf.MeanMeas, mean, 9);
        CmSelSystem(3); // class 1
        QCOMPARE(Konf.System, uint8_t(0x80 | 3));
        QCOMPARE(Konf.DigOut[0], uint8_t(0));
        QCOMPARE(Konf.DigOut[1], uint8_t(77));
        const uint8_t expected[9] = {255, 3, 4, 7, 41, 255, 25, 255, 255};
        QCOMPARE(QByteArray(reinterpret_cast<char*>(Konf.MeanMeas), 9),
                 QByteArray(reinterpret_cast<const char*>(expected), 9));
        QCOMPARE(Konf.Loop[0], loop_def[1][0]);
        QCOMPARE(activations, 1);
        QCOMPARE(redraws, 1);

        const uint8_t mean0[9] = {3, 8, 41, 44, 6, 255, 255, 255, 255};
        std::memcpy(Konf.MeanMeas, mean0, 9);
        Konf.DigOut[0] = 2;
        CmSelSystem(1); // class 0
        QCOMPARE(Konf.DigOut[0], uint8_t(3));
        const uint8_t expected0[9] = {0, 6, 40, 43, 6, 255, 255, 255, 255};
        QCOMPARE(QByteArray(reinterpret_cast<char*>(Konf.MeanMeas), 9),
                 QByteArray(reinterpret_cast<const char*>(expected0), 9));
        redraws = 0;
        CmSelSystem(1);
        QCOMPARE(redraws, 0);
    }

    void choosingALimitOutputGivesFullScaleDefaults() {
        CmSelDigOut(0, 3);
        QCOMPARE(int(Konf.DigOut[0]), 0);
        QCOMPARE(int(Konf.LimitOn[0]), 10000);
        QCOMPARE(int(Konf.LimitOff[0]), 9000);
        Konf.LimitOn[0] = 1;
        CmSelDigOut(0, 3); // the same function again changes nothing
        QCOMPARE(int(Konf.LimitOn[0]), 1);
        CmSelDigOut(0, 2);
        QCOMPARE(int(Konf.DigOut[0]), 65);
        QCOMPARE(int(Konf.PulseRate[0]), 1000);
        CmSelDigOut(0, 0);
        QCOMPARE(int(Konf.DigOut[0]), 128);
    }

    void frequencyLimitsShowInHertz() {
        CmSelDigOut(1, 3);
        CmDigOutMeas(1, 12);
        QCOMPARE(int(Konf.LimitOn[1]), 4800);
        QCOMPARE(int(Konf.LimitOff[1]), 5000);
        const LimitFieldView view = LimitFields(1);
        QCOMPARE(view.min, 45.0);
        QCOMPARE(view.max, 65.0);
        QCOMPARE(view.decimals, 2);
        QCOMPARE(view.value[0], 48.0);
        QCOMPARE(view.value[1], 50.0);
        CmDigOutLimit(1, 1, 51.5f);
        QCOMPARE(int(Konf.LimitOff[1]), 5150);
    }

    void limitFieldsFollowTheMeasurand_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<double>("min");
        QTest::addColumn<double>("max");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<int>("on");
        QTest::addColumn<int>("off");
        // VT 20000/100 on 500 V: 100 kV full scale, shown in kV.
        QTest::newRow("line voltage") << 2 << 0.0 << 119.99 << 2 << 0 << 0;
        QTest::newRow("power factor") << 7 << -1.0 << 1.0 << 3 << 9000 << 9500;
        QTest::newRow("percent") << 13 << 0.0 << 100.0 << 2 << 50 << 20;
    }
    void limitFieldsFollowTheMeasurand() {
        QFETCH(int, code);
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(int, decimals);
        QFETCH(int, on);
        QFETCH(int, off);
        CmSelDigOut(0, 3);
        CmDigOutMeas(0, code);
        QCOMPARE(int(Konf.LimitOn[0]), on);
        QCOMPARE(int(Konf.LimitOff[0]), off);
        const LimitFieldView view = LimitFields(0);
        QVERIFY(qAbs(view.min - min) < 1e-3);
        QVERIFY(qAbs(view.max - max) < 1e-3);
        QCOMPARE(view.decimals, decimals);
    }

    void signedPowerLimits() {
        Konf.DigOut[0] = 4;
        QVERIFY(LimitFields(0).min < 0);
        Konf.DigOut[0] = 8;
        QVERIFY(LimitFields(0).min < 0); // extended model: signed total power
        Konf.Model = 0;
        QCOMPARE(LimitFields(0).min, 0.0);
    }

    void pulseOutputKeepsItsUnit() {
        Konf.DigOut[0] = 0x4D; // energy 3, unit 1
        Konf.PulseRate[0] = 5;
        CmDigOutMeas(0, 80);
        QCOMPARE(int(Konf.DigOut[0]), 81);
        QCOMPARE(int(Konf.PulseRate[0]), 1000);
        CmSelPulsUnit(0, 7); // reactive units start at selector value 4
        QCOMPARE(int(Konf.DigOut[0]), 83);
        CmDigOutPuls(0, 250);
        QCOMPARE(int(Konf.PulseRate[0]), 250);
    }

    void pulseEnergyList_data() {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("qmode");
        QTest::addColumn<QList<int>>("entries");
        QTest::newRow("extended, ind/cap") << 1 << 1 << 0 << QList<int>{40, 41, 42, 43, 44, 45, 46, 47};
        QTest::newRow("extended, inc/out") << 1 << 1 << 1 << QList<int>{40, 41, 42, 43, 48, 49, 50, 51};
        QTest::newRow("no tariff input") << 1 << 0 << 1 << QList<int>{40, 42, 48, 50};
        QTest::newRow("base model stops at 47") << 0 << 1 << 1 << QList<int>{40, 41, 42, 43};
    }
    void pulseEnergyList() {
        QFETCH(int, model);
        QFETCH(int, option);
        QFETCH(int, qmode);
        QFETCH(QList<int>, entries);
        Konf.Model = int16_t(model);
        Konf.Interface = int16_t(option);
        Konf.DispMode = uint8_t(qmode ? 0x80 : 0);
        const std::vector<int> got = DigoutSelEntries(0, 2);
        QCOMPARE(QList<int>(got.begin(), got.end()), entries);
    }

    void limitListsFollowClassAndPresentation() {
        Konf.System = 4;
        Konf.Freq = 0x40; // current unbalance instead of neutral current
        std::vector<int> e = DigoutSelEntries(0, 3);
        QVERIFY(std::find(e.begin(), e.end(), 2) == e.end());
        QVERIFY(std::find(e.begin(), e.end(), kUnbalanceLimitEntry) != e.end());
        QVERIFY(std::find(e.begin(), e.end(), 28) != e.end());
        Konf.DispMode = 0x80;
        e = DigoutSelEntries(0, 3);
        QVERIFY(std::find(e.begin(), e.end(), 28) == e.end());
        QVERIFY(std::find(e.begin(), e.end(), 30) != e.end());
        for (int entry : e)
            QVERIFY(kOutputMaster[entry].value <= 23);
    }

    void digitalInput() {
        CmSetSyncIntervall(0);
        QCOMPARE(Konf.EnergyControl & 0x3F, 1);
        Konf.EnergyControl = 0x40 | 20;
        CmSelSyncMode(1); // external sync clears the tariff input
        QCOMPARE(int(Konf.EnergyControl), 0x80 | 20);
        QCOMPARE(SyncModeValue(), 1);
        CmSelSyncMode(2);
        QCOMPARE(int(Konf.EnergyControl), 0);
        QCOMPARE(SyncModeValue(), 2);
        CmSelSyncMode(0);
        QCOMPARE(int(Konf.EnergyControl), 15);
        QCOMPARE(SyncModeValue(), 0);
        CmSelHighLow(2);
        QCOMPARE(int(Konf.EnergyControl), 0x40 | 15);
        QCOMPARE(TariffValue(), 2);
        CommType = 3; // through the module: external sync keeps the tariff bit
        Konf.EnergyControl = 0x40;
        CmSelSyncMode(1);
        QCOMPARE(int(Konf.EnergyControl), 0xC0 | 15);
        QCOMPARE(TariffValue(), 2);
        QCOMPARE(SyncModeValue(), 0);
    }

    void deviceTypeChanges() {
        CommType = 3;
        Konf.BusSettings = 0x40 | 3;
        Konf.System = 20;
        Konf.Freq = 0x84;
        Konf.DispMode = 0x81;
        Konf.Logger = 0x7E05;
        Konf.MeanMeas[0] = 6;
        CmSelDeviceType(0);
        QCOMPARE(CommType, 0);
        QCOMPARE(int(Konf.BusSettings), 3);
        QCOMPARE(int(Konf.System), 4);
        QCOMPARE(int(Konf.Freq), 0x04);
        QCOMPARE(int(Konf.DispMode), 0x01);
        QCOMPARE(int(Konf.Logger), 0x0E05);
        QCOMPARE(int(Konf.MeanMeas[0]), 255);
        QCOMPARE(int(Konf.Model), 0);
        CmSelDeviceType(2);
        QCOMPARE(CommType, 3);
        QCOMPARE(int(Konf.BusSettings), 0x43);
        QCOMPARE(int(Konf.DispMode), 0x10);
        QCOMPARE(int(Konf.Model), 1);
        CmSelInterfaceOption(0);
        QCOMPARE(int(Konf.Interface), 0);
        QCOMPARE(int(Konf.BusSettings), 0xC3);
        CmSelI(1);
        QCOMPARE(int(Konf.MaxI), 100);
        QCOMPARE(float(Konf.IrSec), 1.0f);
    }

    void recordingTime_data() {
        QTest::addColumn<int>("commType");
        QTest::addColumn<int>("logger");
        QTest::addColumn<int>("meanLog");
        QTest::addColumn<int>("interval");
        QTest::addColumn<QString>("text");
        // 5 channels: 3200 records; 45 min: 32 a day.
        QTest::newRow("meter memory") << 0 << 0x7C00 << 0 << 45 << ">100:00:00";
        QTest::newRow("with a mean value") << 0 << 0x0C00 << 0x0003 << 45 << ">125:00:00";
        // Module, P.inc only: 14 bytes, 149794 records, 96 a day, stop mode.
        QTest::newRow("module memory") << 3 << 0x0800 << 0 << 15 << ">1511:14:14";
        QTest::newRow("module, overwrite") << 3 << 0x0A00 << 0 << 15 << ">1462:19:58";
        QTest::newRow("nothing logged") << 0 << 0 << 0 << 15 << "- - -";
        QTest::newRow("no interval") << 0 << 0x0400 << 0 << 0 << "- - -";
    }
    void recordingTime() {
        QFETCH(int, commType);
        QFETCH(int, logger);
        QFETCH(int, meanLog);
        QFETCH(int, interval);
        QFETCH(QString, text);
        CommType = commType;
        Konf.Logger = uint16_t(logger);
        Konf.MeanMeas[0] = 6;
        Konf.MeanMeas[1] = 25;
        Konf.Mean_Log = uint16_t(meanLog);
        Konf.EnergyControl = uint8_t(interval);
        QCOMPARE(RecordingTimeText(), text);
    }

    void redrawDropsWhatTheClassCannotShow() {
        Konf.System = 3; // class 1
        Konf.MeanMeas[0] = 255;
        Konf.MeanMeas[1] = 0; // valid only in classes 0 and 2
        Konf.MeanMeas[2] = 3;
        Konf.Mean_Log = 0x0007;
        CommType = 3;
        Konf.MinMaxLogger[0] = 71; // U1N: four-wire only
        Konf.MinMaxLogger[1] = 74; // U12
        Konf.MinMaxLogger[2] = 0;
        PrepareRedraw();
        QCOMPARE(int(Konf.Mean_Log), 0x0006); // bit 1 stays: its code was valid until now
        QCOMPARE(int(Konf.MeanMeas[1]), 255);
        QCOMPARE(int(Konf.MeanMeas[2]), 3);
        QCOMPARE(int(Konf.MinMaxLogger[0]), 255);
        QCOMPARE(int(Konf.MinMaxLogger[1]), 74);
        QCOMPARE(int(Konf.MinMaxLogger[2]), 0);
    }

    void loggerSettings() {
        Konf.Logger = 0x81FF;
        const bool groups[5] = {true, false, true, false, true};
        CmSelLoggerMeas(groups);
        QCOMPARE(int(Konf.Logger), 0x01FF | 0x0400 | 0x1000 | 0x4000);
        CmSelLoggerMode(2);
        QVERIFY(Konf.Logger & 0x0200);
        QCOMPARE(LoggerModeValue(), 2);
        Konf.Model = 0;
        CmSelLoggerMeas(groups); // the base model has two groups only
        QCOMPARE(int(Konf.Logger), 0x03FF | 0x0400);
        Konf.Interface = 0;
        CmSelLoggerMode(1); // ignored without the interface option
        QVERIFY(Konf.Logger & 0x0200);
        QCOMPARE(LoggerModeValue(), 0);

        Konf.MeanMeas[0] = 6;
        Konf.MeanMeas[1] = 255;
        const bool boxes[9] = {true, true, false, false, false, false, false, false, false};
        CmSelMeanLogMeas(boxes);
        QCOMPARE(int(Konf.Mean_Log), 1);
        CmSelMean(0, 255);
        QCOMPARE(int(Konf.Mean_Log), 0);
        CmSelMM(3, 80);
        QCOMPARE(int(Konf.MinMaxLogger[3]), 80);
    }

    void activation() {
        Konf.EnergyControl = 0;
        EditorActivation a = ActivateEditor();
        QVERIFY(!a.intervalEnabled);
        QCOMPARE(int(Konf.EnergyControl), 0);
        Konf.Interface = 0;
        a = ActivateEditor();
        QVERIFY(a.intervalEnabled);
        QCOMPARE(int(Konf.EnergyControl), 15); // an enabled field never shows 0
        QVERIFY(!a.meanEnabled && !a.recordingEnabled);
    }
};

QTEST_GUILESS_MAIN(EditorTest)
#include "editor_test.moc"
