#include "config/ConfigImage.h"
#include "config/Editor.h"
#include "config/EditorLists.h"
#include "config/EditorRefresh.h"
#include "config/Scaling.h"
#include "settings/INI_File.h"
#include "settings/SelDevType.h"
#include "values/Measurands.h"

#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <cstring>

namespace {

// The connection the link talks over in these tests.
Connection connection;
int redraws = 0;
int activations = 0;
void CountShowAll() {
    ++redraws;
}
void CountActivate() {
    ++activations;
}

// A four-wire extended meter, 500 V / 5 A inputs, VT 20 kV / 100 V, CT 100 / 5 A.
void FreshKonf() {
    Konf = ConfigImage{};
    Konf.MaxU = 500;
    Konf.MaxI = 500;
    Konf.Model = 1;
    Konf.Interface = 1;
    connection.kind = 0;
    InitNewConfiguration();
    Konf.UrPrim = 20000.0f;
    Konf.UrSec = 100;
    Konf.IrPrim = 100.0f;
    Konf.IrSec = 5.0f;
}

QByteArray Bytes(const uint8_t* p, int n) {
    return QByteArray(reinterpret_cast<const char*>(p), n);
}
bool Has(const std::vector<int>& v, int x) {
    return std::find(v.begin(), v.end(), x) != v.end();
}
} // namespace

class EditorTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

  private slots:
    void initTestCase() {
        UseConnection(&connection);
        SettingsDir = dir.path().toStdString();
        ShowAllHook = CountShowAll;
        ActivateObjectsHook = CountActivate;
    }
    void init() {
        FreshKonf();
        redraws = activations = 0;
    }

    void primaryIsRoundedAndScaled_data() {
        QTest::addColumn<bool>("current");
        QTest::addColumn<float>("entered");
        QTest::addColumn<int>("kilo");
        QTest::addColumn<float>("stored");
        QTest::addColumn<int>("mantissa");
        QTest::addColumn<int>("exponent");
        QTest::newRow("20 V means 20 kV") << false << 20.0f << 0 << 20000.0f << 200 << 2;
        QTest::newRow("12345 V keeps three digits") << false << 12345.0f << 0 << 12300.0f << 123 << 2;
        QTest::newRow("110 V stays volts") << false << 110.0f << 0 << 110.0f << 110 << 0;
        QTest::newRow("0.4 kV") << false << 0.4f << 1 << 400.0f << 400 << 0;
        QTest::newRow("1.234 kA") << true << 1.234f << 1 << 1230.0f << 123 << 1;
        QTest::newRow("50 A stays amperes") << true << 50.0f << 0 << 50.0f << 500 << -1;
    }
    void primaryIsRoundedAndScaled() {
        QFETCH(bool, current);
        QFETCH(float, entered);
        QFETCH(int, kilo);
        (current ? CmIrPrim : CmUrPrim)(entered, kilo);
        QTEST(float(current ? Konf.IrPrim : Konf.UrPrim), "stored");
        QTEST(int(current ? Konf.IrPrimMant : Konf.UrPrimMant), "mantissa");
        QTEST(int(current ? Konf.IrPrimExp : Konf.UrPrimExp), "exponent");
        QCOMPARE(redraws, 1);
    }

    void secondaryChangeRescalesLimitsBeyondFullScale() {
        Konf.DigOut[0] = Konf.DigOut[1] = 2;
        Konf.LimitOn[0] = 12500; // beyond 10000 / 0.832
        Konf.LimitOff[0] = 5000;
        Konf.LimitOn[1] = 11000;
        CmUrSec(110);
        QCOMPARE(Konf.UrSec, uint16_t(110));
        QCOMPARE(int(Konf.LimitOn[0]), int(12500 * (10000.0f / 0.832f) / 10000.0f));
        QCOMPARE(int(Konf.LimitOff[0]), int(5000 * (10000.0f / 0.832f) / 10000.0f));
        QCOMPARE(int(Konf.LimitOn[1]), 11000); // within the full scale: untouched
        redraws = 0;
        CmUrSec(110);
        QCOMPARE(redraws, 0); // unchanged value: nothing happens
    }

    void systemChangeMovesMeasurands_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("limitBefore");
        QTest::addColumn<int>("limitAfter");
        QTest::addColumn<QByteArray>("meanBefore");
        QTest::addColumn<QByteArray>("meanAfter");
        QTest::newRow("class 2 to 1")
            << (0x80 | 4) << 3 << 11 << 0 << QByteArray::fromHex("0c000107293219ff21")
            << QByteArray::fromHex("ff03040729ff19ffff");
        QTest::newRow("class 1 to 0")
            << (0x80 | 3) << 1 << 2 << 3 << QByteArray::fromHex("0308292c06ffffffff")
            << QByteArray::fromHex("0006282b06ffffffff");
    }
    void systemChangeMovesMeasurands() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, limitBefore);
        QFETCH(QByteArray, meanBefore);
        Konf.System = uint8_t(from);
        Konf.DigOut[0] = uint8_t(limitBefore);
        Konf.DigOut[1] = 77; // a pulse output is not touched
        std::memcpy(Konf.MeanMeas, meanBefore.constData(), 9);
        CmSelSystem(to);
        QCOMPARE(int(Konf.System), 0x80 | to); // the correction bit stays
        QTEST(int(Konf.DigOut[0]), "limitAfter");
        QCOMPARE(int(Konf.DigOut[1]), 77);
        QTEST(Bytes(Konf.MeanMeas, 9), "meanAfter");
        ConfigImage defaults = Konf; // the page sets of the new network class
        ResetExtendedFields(defaults);
        QCOMPARE(Konf.Loop[0], defaults.Loop[0]);
        QCOMPARE(activations, 1);
        QCOMPARE(redraws, 1);
        CmSelSystem(to);
        QCOMPARE(redraws, 1);
    }

    void choosingAnOutputFunctionGivesDefaults() {
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
        QTest::newRow("frequency") << 12 << 45.0 << 65.0 << 2 << 4800 << 5000;
        QTest::newRow("percent") << 13 << 0.0 << 100.0 << 2 << 50 << 20;
    }
    void limitFieldsFollowTheMeasurand() {
        QFETCH(int, code);
        QFETCH(double, min);
        QFETCH(double, max);
        QFETCH(int, on);
        QFETCH(int, off);
        CmSelDigOut(1, 3);
        CmDigOutMeas(1, code);
        QCOMPARE(int(Konf.LimitOn[1]), on);
        QCOMPARE(int(Konf.LimitOff[1]), off);
        const LimitFieldView view = LimitFields(1);
        QVERIFY(qAbs(view.min - min) < 1e-3);
        QVERIFY(qAbs(view.max - max) < 1e-3);
        QTEST(view.decimals, "decimals");
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
        CmSelPulseUnit(0, 7); // reactive units start at selector value 4
        QCOMPARE(int(Konf.DigOut[0]), 83);
        CmDigOutPulse(0, 250);
        QCOMPARE(int(Konf.PulseRate[0]), 250);
    }

    void limitListsFollowClassAndPresentation() {
        Konf.System = 4;
        Konf.Freq = 0x40; // current unbalance instead of neutral current
        std::vector<int> e = DigoutSelEntries(0, 3);
        QVERIFY(!Has(e, 2) && Has(e, kUnbalanceLimitEntry) && Has(e, 28));
        Konf.DispMode = 0x80;
        e = DigoutSelEntries(0, 3);
        QVERIFY(!Has(e, 28) && Has(e, 30));
        for (int entry : e)
            QVERIFY(MasterList(EditorList::Output)[entry].value <= 23);
    }

    void digitalInput() {
        // Energy control byte, sync mode selector, tariff selector.
        auto input = [] { return QList<int>{Konf.EnergyControl, SyncModeValue(), TariffValue()}; };
        CmSetSyncInterval(0);
        QCOMPARE(Konf.EnergyControl & 0x3F, 1);
        Konf.EnergyControl = 0x40 | 20;
        CmSelSyncMode(1); // external sync clears the tariff input
        QCOMPARE(input(), (QList<int>{0x80 | 20, 1, 1}));
        CmSelSyncMode(2);
        QCOMPARE(input(), (QList<int>{0, 2, 1}));
        CmSelSyncMode(0);
        QCOMPARE(input(), (QList<int>{15, 0, 1}));
        CmSelHighLow(2);
        QCOMPARE(input(), (QList<int>{0x40 | 15, 1, 2}));
        connection.kind = 3; // through the module: external sync keeps the tariff bit
        Konf.EnergyControl = 0x40;
        CmSelSyncMode(1);
        QCOMPARE(input(), (QList<int>{0xC0 | 15, 0, 2}));
    }

    void deviceTypeChanges() {
        auto state = [] {
            return QList<int>{connection.kind, Konf.Model,    Konf.BusSettings, Konf.System,
                              Konf.Freq,       Konf.DispMode, Konf.Logger,      Konf.MeanMeas[0]};
        };
        connection.kind = 3;
        Konf.BusSettings = 0x40 | 3;
        Konf.System = 20;
        Konf.Freq = 0x84;
        Konf.DispMode = 0x81;
        Konf.Logger = 0x7E05;
        Konf.MeanMeas[0] = 6;
        CmSelDeviceType(0);
        QCOMPARE(state(), (QList<int>{0, 0, 3, 4, 0x04, 0x01, 0x0E05, 255}));
        CmSelDeviceType(2);
        QCOMPARE(state().mid(0, 3), (QList<int>{3, 1, 0x43}));
        QCOMPARE(int(Konf.DispMode), 0x10);
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
        connection.kind = commType;
        Konf.Logger = uint16_t(logger);
        Konf.MeanMeas[0] = 6;
        Konf.MeanMeas[1] = 25;
        Konf.Mean_Log = uint16_t(meanLog);
        Konf.EnergyControl = uint8_t(interval);
        QTEST(RecordingTimeText(), "text");
    }

    void redrawDropsWhatTheClassCannotShow() {
        Konf.System = 3; // class 1
        Konf.MeanMeas[0] = 255;
        Konf.MeanMeas[1] = 0; // valid only in classes 0 and 2
        Konf.MeanMeas[2] = 3;
        Konf.Mean_Log = 0x0007;
        connection.kind = 3;
        Konf.MinMaxLogger[0] = 71; // U1Nmax: four-wire only
        Konf.MinMaxLogger[1] = 74; // U12max
        Konf.MinMaxLogger[2] = 0;
        Konf.MinMaxLogger[3] = 5; // below the list: shown as it is, so a send keeps it
        Konf.MinMaxLogger[4] = 68;
        Konf.MinMaxLogger[5] = 112; // above the list: as unknown as a code the class lacks
        PrepareRedraw();
        QCOMPARE(int(Konf.Mean_Log), 0x0006); // bit 1 stays: its code was valid until now
        QCOMPARE(Bytes(Konf.MeanMeas, 3), QByteArray::fromHex("ff ff 03"));
        QCOMPARE(Bytes(Konf.MinMaxLogger, 6), QByteArray::fromHex("ff 4a 00 05 44 ff"));

        // The selector names each code as the module's logger files name it.
        for (int e = 1; e < kMinMaxEntries; ++e)
            QCOMPARE(QString(MasterList(EditorList::MinMax)[e].name),
                     ModuleCodeName(MasterList(EditorList::MinMax)[e].value));
    }

    void loggerSettings() {
        Konf.Logger = 0x81FF;
        const bool groups[5] = {true, false, true, false, true};
        CmSelLoggerMeas(groups);
        QCOMPARE(int(Konf.Logger), 0x01FF | 0x0400 | 0x1000 | 0x4000);
        CmSelLoggerMode(2);
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
        const bool boxes[9] = {true, true};
        CmSelMeanLogMeas(boxes); // an empty row is not logged
        QCOMPARE(int(Konf.Mean_Log), 1);
        CmSelMean(0, 255);
        QCOMPARE(int(Konf.Mean_Log), 0);
        // No measurand in a min/max logger row unticks that row's logging box too.
        Konf.MeanMeas[2] = 6;
        Konf.Mean_Log = 0x0C;
        Konf.MinMaxLogger[2] = 77;
        CmSelMM(2, 255);
        QCOMPARE(int(Konf.MinMaxLogger[2]), 255);
        QCOMPARE(int(Konf.Mean_Log), 0x08);
    }
};

QTEST_GUILESS_MAIN(EditorTest)
#include "editor_test.moc"
