#include "config/ConfigImage.h"
#include "config/DispMode.h"
#include "config/Editor.h"
#include "config/EditorLists.h"
#include "config/EditorRefresh.h"
#include "config/MeterSession.h"
#include "config/Scaling.h"
#include "link/Connection.h"
#include "settings/INI_File.h"
#include "settings/SelDevType.h"
#include "values/Measurands.h"

#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <cstring>
#include <numeric>

namespace {

MeterSession session;
Connection& connection = session.connection; // the one the link talks over
int redraws = 0;
int activations = 0;
void CountShowAll() {
    ++redraws;
}
void CountActivate() {
    ++activations;
}

// A four-wire extended meter, 500 V / 5 A inputs, VT 20 kV / 100 V, CT 100 / 5 A.
void FreshKonf(MeterSession& session) {
    session.edited = ConfigImage{};
    session.edited.MaxU = 500;
    session.edited.MaxI = 500;
    session.edited.Model = 1;
    session.edited.Interface = 1;
    connection.kind = 0;
    InitNewConfiguration(session);
    session.edited.UrPrim = 20000.0f;
    session.edited.UrSec = 100;
    session.edited.IrPrim = 100.0f;
    session.edited.IrSec = 5.0f;
}

QByteArray Bytes(const uint8_t* p, int n) {
    return QByteArray(reinterpret_cast<const char*>(p), n);
}
bool Has(const std::vector<int>& v, int x) {
    return std::find(v.begin(), v.end(), x) != v.end();
}
// The offered pages as ranges "a-b", for comparing with the meter's page lists.
QStringList Ranges(const std::vector<int>& pages) {
    QStringList out;
    for (size_t i = 0; i < pages.size();) {
        size_t j = i;
        while (j + 1 < pages.size() && pages[j + 1] == pages[j] + 1)
            ++j;
        out << QStringLiteral("%1-%2").arg(pages[i]).arg(pages[j]);
        i = j + 1;
    }
    return out;
}

} // namespace

class EditorTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

  private slots:
    void initTestCase() {
        UseSession(session);
        SettingsDir = dir.path().toStdString();
        ShowAllHook = CountShowAll;
        ActivateObjectsHook = CountActivate;
    }
    void init() {
        FreshKonf(session);
        redraws = activations = 0;
    }

    void primaryIsRoundedAndScaled() {
        const struct {
            bool current;
            float entered;
            int kilo;
            float stored;
            int mantissa, exponent;
        } cases[] = {
            {false, 20.0f, 0, 20000.0f, 200, 2},    // 20 V means 20 kV
            {false, 12345.0f, 0, 12300.0f, 123, 2}, // three digits kept
            {false, 110.0f, 0, 110.0f, 110, 0},     // stays volts
            {false, 0.4f, 1, 400.0f, 400, 0},       {true, 1.234f, 1, 1230.0f, 123, 1},
            {true, 50.0f, 0, 50.0f, 500, -1}, // stays amperes
        };
        for (const auto& c : cases) {
            init();
            (c.current ? CmIrPrim : CmUrPrim)(session, c.entered, c.kilo);
            QCOMPARE(float(c.current ? session.edited.IrPrim : session.edited.UrPrim), c.stored);
            QCOMPARE(int(c.current ? session.edited.IrPrimMant : session.edited.UrPrimMant), c.mantissa);
            QCOMPARE(int(c.current ? session.edited.IrPrimExp : session.edited.UrPrimExp), c.exponent);
            QCOMPARE(redraws, 1);
        }
    }

    void secondaryChangeRescalesLimitsBeyondFullScale() {
        session.edited.DigOut[0] = session.edited.DigOut[1] = 2;
        session.edited.LimitOn[0] = 12500; // beyond 10000 / 0.832
        session.edited.LimitOff[0] = 5000;
        session.edited.LimitOn[1] = 11000;
        CmUrSec(session, 110);
        QCOMPARE(session.edited.UrSec, uint16_t(110));
        QCOMPARE(int(session.edited.LimitOn[0]), int(12500 * (10000.0f / 0.832f) / 10000.0f));
        QCOMPARE(int(session.edited.LimitOff[0]), int(5000 * (10000.0f / 0.832f) / 10000.0f));
        QCOMPARE(int(session.edited.LimitOn[1]), 11000); // within the full scale: untouched
        redraws = 0;
        CmUrSec(session, 110);
        QCOMPARE(redraws, 0); // unchanged value: nothing happens
    }

    void systemChangeMovesMeasurands() {
        const struct {
            int from, to, limitBefore, limitAfter;
            const char *meanBefore, *meanAfter;
        } cases[] = {{0x80 | 4, 3, 11, 0, "0c000107293219ff21", "ff03040729ff19ffff"}, // class 2 to 1
                     {0x80 | 3, 1, 2, 3, "0308292c06ffffffff", "0006282b06ffffffff"}}; // class 1 to 0
        for (const auto& c : cases) {
            init();
            session.edited.System = uint8_t(c.from);
            session.edited.DigOut[0] = uint8_t(c.limitBefore);
            session.edited.DigOut[1] = 77; // a pulse output is not touched
            std::memcpy(session.edited.MeanMeas, QByteArray::fromHex(c.meanBefore).constData(), 9);
            CmSelSystem(session, c.to);
            QCOMPARE(int(session.edited.System), 0x80 | c.to); // the correction bit stays
            QCOMPARE(int(session.edited.DigOut[0]), c.limitAfter);
            QCOMPARE(int(session.edited.DigOut[1]), 77);
            QCOMPARE(Bytes(session.edited.MeanMeas, 9).toHex(), QByteArray(c.meanAfter));
            ConfigImage defaults = session.edited; // the page sets of the new network class
            ResetExtendedFields(defaults);
            QCOMPARE(session.edited.Loop[0], defaults.Loop[0]);
            QCOMPARE(activations, 1);
            QCOMPARE(redraws, 1);
            CmSelSystem(session, c.to);
            QCOMPARE(redraws, 1);
        }
    }

    // A new output function comes with its defaults; the same one again changes nothing.
    // The limit fields follow the measurand: VT 20000/100 on 500 V is 100 kV full scale, in kV.
    void outputFunctionsAndLimitFields() {
        CmSelDigOut(session, 0, 3);
        QCOMPARE(
            (QList<int>{session.edited.DigOut[0], session.edited.LimitOn[0], session.edited.LimitOff[0]}),
            (QList<int>{0, 10000, 9000}));
        session.edited.LimitOn[0] = 1;
        CmSelDigOut(session, 0, 3);
        QCOMPARE(int(session.edited.LimitOn[0]), 1);
        CmSelDigOut(session, 0, 2);
        QCOMPARE((QList<int>{session.edited.DigOut[0], session.edited.PulseRate[0]}), (QList<int>{65, 1000}));
        CmSelDigOut(session, 0, 0);
        QCOMPARE(int(session.edited.DigOut[0]), 128);

        const struct {
            int code;
            double min, max;
            int decimals, on, off;
        } cases[] = {{2, 0.0, 119.99, 2, 0, 0},       // line voltage
                     {7, -1.0, 1.0, 3, 9000, 9500},   // power factor
                     {12, 45.0, 65.0, 2, 4800, 5000}, // frequency
                     {13, 0.0, 100.0, 2, 50, 20}};    // percent
        for (const auto& c : cases) {
            CmSelDigOut(session, 1, 3);
            CmDigOutMeas(session, 1, c.code);
            QCOMPARE((QList<int>{session.edited.LimitOn[1], session.edited.LimitOff[1]}),
                     (QList<int>{c.on, c.off}));
            const LimitFieldView view = LimitFields(session, 1);
            QVERIFY(qAbs(view.min - c.min) < 1e-3 && qAbs(view.max - c.max) < 1e-3);
            QCOMPARE(view.decimals, c.decimals);
        }
    }

    void signedPowerLimits() {
        session.edited.DigOut[0] = 4;
        QVERIFY(LimitFields(session, 0).min < 0);
        session.edited.DigOut[0] = 8;
        QVERIFY(LimitFields(session, 0).min < 0); // extended model: signed total power
        session.edited.Model = 0;
        QCOMPARE(LimitFields(session, 0).min, 0.0);
    }

    void pulseOutputKeepsItsUnit() {
        session.edited.DigOut[0] = 0x4D; // energy 3, unit 1
        session.edited.PulseRate[0] = 5;
        CmDigOutMeas(session, 0, 80);
        QCOMPARE(int(session.edited.DigOut[0]), 81);
        QCOMPARE(int(session.edited.PulseRate[0]), 1000);
        CmSelPulseUnit(session, 0, 7); // reactive units start at selector value 4
        QCOMPARE(int(session.edited.DigOut[0]), 83);
        CmDigOutPulse(session, 0, 250);
        QCOMPARE(int(session.edited.PulseRate[0]), 250);
    }

    void limitListsFollowClassAndPresentation() {
        session.edited.System = 4;
        session.edited.Freq = 0x40; // current unbalance instead of neutral current
        std::vector<int> e = DigoutSelEntries(session, 0, 3);
        QVERIFY(!Has(e, 2) && Has(e, kUnbalanceLimitEntry) && Has(e, 28));
        session.edited.DispMode = 0x80;
        e = DigoutSelEntries(session, 0, 3);
        QVERIFY(!Has(e, 28) && Has(e, 30));
        for (int entry : e)
            QVERIFY(MasterList(EditorList::Output)[entry].value <= 23);
    }

    void digitalInput() {
        // Energy control byte, sync mode selector, tariff selector.
        auto input = [] {
            return QList<int>{session.edited.EnergyControl, SyncModeValue(session), TariffValue(session)};
        };
        CmSetSyncInterval(session, 0);
        QCOMPARE(session.edited.EnergyControl & 0x3F, 1);
        session.edited.EnergyControl = 0x40 | 20;
        CmSelSyncMode(session, 1); // external sync clears the tariff input
        QCOMPARE(input(), (QList<int>{0x80 | 20, 1, 1}));
        CmSelSyncMode(session, 2);
        QCOMPARE(input(), (QList<int>{0, 2, 1}));
        CmSelSyncMode(session, 0);
        QCOMPARE(input(), (QList<int>{15, 0, 1}));
        CmSelHighLow(session, 2);
        QCOMPARE(input(), (QList<int>{0x40 | 15, 1, 2}));
        connection.kind = 3; // through the module: external sync keeps the tariff bit
        session.edited.EnergyControl = 0x40;
        CmSelSyncMode(session, 1);
        QCOMPARE(input(), (QList<int>{0xC0 | 15, 0, 2}));
    }

    void deviceTypeChanges() {
        auto state = [] {
            return QList<int>{connection.kind,       session.edited.Model,      session.edited.BusSettings,
                              session.edited.System, session.edited.Freq,       session.edited.DispMode,
                              session.edited.Logger, session.edited.MeanMeas[0]};
        };
        connection.kind = 3;
        session.edited.BusSettings = 0x40 | 3;
        session.edited.System = 20;
        session.edited.Freq = 0x84;
        session.edited.DispMode = 0x81;
        session.edited.Logger = 0x7E05;
        session.edited.MeanMeas[0] = 6;
        CmSelDeviceType(session, 0);
        QCOMPARE(state(), (QList<int>{0, 0, 3, 4, 0x04, 0x01, 0x0E05, 255}));
        CmSelDeviceType(session, 2);
        QCOMPARE(state().mid(0, 3), (QList<int>{3, 1, 0x43}));
        QCOMPARE(int(session.edited.DispMode), 0x10);
        CmSelInterfaceOption(session, 0);
        QCOMPARE(int(session.edited.Interface), 0);
        QCOMPARE(int(session.edited.BusSettings), 0xC3);
        CmSelI(session, 1);
        QCOMPARE(int(session.edited.MaxI), 100);
        QCOMPARE(float(session.edited.IrSec), 1.0f);
    }

    void recordingTime() {
        const struct {
            int commType, logger, meanLog, interval;
            const char* text;
        } cases[] = {
            {0, 0x7C00, 0, 45, ">100:00:00"},      // 5 channels: 3200 records; 45 min: 32 a day
            {0, 0x0C00, 0x0003, 45, ">125:00:00"}, // with a mean value
            {3, 0x0A00, 0, 15, ">1462:19:58"},     // module, P.inc only, overwrite mode
            {0, 0, 0, 15, "- - -"},                // nothing logged
            {0, 0x0400, 0, 0, "- - -"},            // no interval
        };
        for (const auto& c : cases) {
            connection.kind = c.commType;
            session.edited.Logger = uint16_t(c.logger);
            session.edited.MeanMeas[0] = 6;
            session.edited.MeanMeas[1] = 25;
            session.edited.Mean_Log = uint16_t(c.meanLog);
            session.edited.EnergyControl = uint8_t(c.interval);
            QCOMPARE(RecordingTimeText(session), QString(c.text));
        }
    }

    void redrawDropsWhatTheClassCannotShow() {
        session.edited.System = 3; // class 1
        session.edited.MeanMeas[0] = 255;
        session.edited.MeanMeas[1] = 0; // valid only in classes 0 and 2
        session.edited.MeanMeas[2] = 3;
        session.edited.Mean_Log = 0x0007;
        connection.kind = 3;
        session.edited.MinMaxLogger[0] = 71; // U1Nmax: four-wire only
        session.edited.MinMaxLogger[1] = 74; // U12max
        session.edited.MinMaxLogger[2] = 0;
        session.edited.MinMaxLogger[3] = 5; // below the list: shown as it is, so a send keeps it
        session.edited.MinMaxLogger[4] = 68;
        session.edited.MinMaxLogger[5] = 112; // above the list: as unknown as a code the class lacks
        PrepareRedraw(session);
        QCOMPARE(int(session.edited.Mean_Log), 0x0006); // bit 1 stays: its code was valid until now
        QCOMPARE(Bytes(session.edited.MeanMeas, 3), QByteArray::fromHex("ff ff 03"));
        QCOMPARE(Bytes(session.edited.MinMaxLogger, 6), QByteArray::fromHex("ff 4a 00 05 44 ff"));

        // The selector names each code as the module's logger files name it.
        for (int e = 1; e < kMinMaxEntries; ++e)
            QCOMPARE(QString(MasterList(EditorList::MinMax)[e].name),
                     ModuleCodeName(MasterList(EditorList::MinMax)[e].value));
    }

    void loggerSettings() {
        session.edited.Logger = 0x81FF;
        const bool groups[5] = {true, false, true, false, true};
        CmSelLoggerMeas(session, groups);
        QCOMPARE(int(session.edited.Logger), 0x01FF | 0x0400 | 0x1000 | 0x4000);
        CmSelLoggerMode(session, 2);
        QCOMPARE(LoggerModeValue(session), 2);
        session.edited.Model = 0;
        CmSelLoggerMeas(session, groups); // the base model has two groups only
        QCOMPARE(int(session.edited.Logger), 0x03FF | 0x0400);
        session.edited.Interface = 0;
        CmSelLoggerMode(session, 1); // ignored without the interface option
        QVERIFY(session.edited.Logger & 0x0200);
        QCOMPARE(LoggerModeValue(session), 0);

        session.edited.MeanMeas[0] = 6;
        session.edited.MeanMeas[1] = 255;
        const bool boxes[9] = {true, true};
        CmSelMeanLogMeas(session, boxes); // an empty row is not logged
        QCOMPARE(int(session.edited.Mean_Log), 1);
        CmSelMean(session, 0, 255);
        QCOMPARE(int(session.edited.Mean_Log), 0);
        // No measurand in a min/max logger row unticks that row's logging box too.
        session.edited.MeanMeas[2] = 6;
        session.edited.Mean_Log = 0x0C;
        session.edited.MinMaxLogger[2] = 77;
        CmSelMM(session, 2, 255);
        QCOMPARE(int(session.edited.MinMaxLogger[2]), 255);
        QCOMPARE(int(session.edited.Mean_Log), 0x08);
    }

    // ---- the scale of limit outputs ----

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
    void limitScaling() {
        const float sr4 = 500.0f * 5.0f * 1.73205081f * 200.0f * 20.0f;
        const struct {
            int system, code;
            float full;
            const char* unit;
            float divisor;
        } cases[] = {
            {4, 2, 100000.0f, "kV", 1000.0f},               // line voltage
            {4, 3, 100000.0f / 1.73205081f, "kV", 1000.0f}, // phase voltage
            {4, 11, 100.0f, "A", 1.0f},                     // neutral current
            {4, 4, sr4 / 3.0f, "MW", 1e6f},                 // phase power, four wire
            {3, 5, sr4, "Mvar", 1e6f},                      // phase power, three wire
            {4, 10, sr4, "MVA", 1e6f},                      // total apparent
            {4, 7, 1.0f, "-", 1.0f},                        // power factor
            {4, 12, 50.0f, "Hz", 1.0f},
            {4, 16, 100.0f, "%", 1.0f},
            {4, 30, 0.0f, "", 1.0f}, // no value above 23
        };
        for (const auto& c : cases) {
            FreshKonf(session);
            session.edited.System = uint8_t(c.system);
            session.edited.DigOut[1] = uint8_t(c.code);
            QCOMPARE(LimitRatedValue(session, 1, 0), c.full);
            QCOMPARE(LimitFullScale(1), 10000.0f);
            QCOMPARE(QString(LimitUnitText(session, 1)), QString(c.unit));
            QCOMPARE(LimitUnitDivisor(session, 1), c.divisor);
        }
    }

    void unitThresholdsAreDecadesOf832() {
        session.edited = ConfigImage{};
        session.edited.MaxU = 100;
        session.edited.MaxI = 100;
        session.edited.UrSec = 100;
        session.edited.IrSec = 1.0f;
        session.edited.IrPrim = 1.0f;
        session.edited.DigOut[0] = 2;
        session.edited.UrPrim = 832.0f;
        QCOMPARE(QString(LimitUnitText(session, 0)), QString("V"));
        session.edited.UrPrim = 833.0f;
        QCOMPARE(QString(LimitUnitText(session, 0)), QString("kV"));
        session.edited.UrPrim = 833000.0f;
        QCOMPARE(QString(LimitUnitText(session, 0)), QString("MV"));
        session.edited.UrPrim = 833000000.0f;
        QCOMPARE(QString(LimitUnitText(session, 0)), QString("GV"));
        QCOMPARE(LimitUnitDivisor(session, 0), 1e9f);
    }

    // ---- display pages ----

    void catalogues() {
        const struct {
            int klass;
            bool inOut;
            QStringList offered;
        } cases[] = {{0, true, {"1-13", "18-41", "56-104"}},
                     {0, false, {"1-17", "22-55", "70-104"}},
                     {1, true, {"1-17", "22-49", "64-168"}},
                     {2, true, {"1-30", "35-68", "83-187"}},
                     {2, false, {"1-34", "39-82", "97-187"}}};
        for (const auto& [klass, inOut, offered] : cases) {
            const std::vector<int>& pages = OfferedPages(klass, inOut);
            QCOMPARE(Ranges(pages), offered);
            const std::vector<int>& rows = PageRows(klass);
            QCOMPARE(std::accumulate(rows.begin(), rows.end(), 0), int(pages.size()));
            QCOMPARE(int(pages.size()), CataloguePages(klass) - 18);
            QVERIFY(int(pages.size()) <= 8 * kPageSetBytes);
        }
    }

    void pageLabels() {
        // With current unbalance for the neutral current, its page names the unbalance.
        QCOMPARE(QString::fromStdString(CataloguePage(2, 13, true)[2]), QString("Unb.Imax"));
        // The ninth row of class 0 with incoming/outgoing presentation starts with page 18.
        const std::vector<int>& rows = PageRows(0);
        QCOMPARE(OfferedPages(0, true)[size_t(std::accumulate(rows.begin(), rows.begin() + 8, 0))], 18);
        // Outside the catalogue: nothing, and no table is read past its end.
        QVERIFY(CataloguePage(0, 105) == PageLines{});
        QVERIFY(CataloguePage(2, 0) == PageLines{});
        QCOMPARE(CataloguePages(7), CataloguePages(0));
    }

    void togglingPagesAndRows() {
        uint8_t set[kPageSetBytes] = {};
        QCOMPARE(TogglePageCell(set, 2, 0, 0, false), 1);
        QCOMPARE(int(set[0]), 1);
        // Fifth cell of row 2 in class 2 (8 pages in row 1): bit 4 of byte 1.
        QCOMPARE(TogglePageCell(set, 2, 1, 4, false), 1);
        QCOMPARE(int(set[1]), 0x10);
        // A whole row takes the new state of its first cell.
        QCOMPARE(TogglePageCell(set, 2, 0, 0, true), 0);
        QCOMPARE(int(set[0]), 0);
        QCOMPARE(TogglePageCell(set, 2, 0, 0, true), 1);
        QCOMPARE(int(set[0]), 0xFF);
        QCOMPARE(PagesInSet(set, 169), 9);
        // The last row of class 2 ends at offered page 169: bit 0 of byte 21.
        QCOMPARE(TogglePageCell(set, 2, 23, 13, false), 1);
        QCOMPARE(int(set[21]), 1);
        // Cells beyond a row's pages, and rows beyond the table, carry no page.
        uint8_t before[kPageSetBytes];
        std::memcpy(before, set, sizeof set);
        QCOMPARE(TogglePageCell(set, 2, 1, 5, false), -1);
        QCOMPARE(TogglePageCell(set, 2, 24, 0, false), -1);
        QCOMPARE(TogglePageCell(set, 0, 0, -1, false), -1);
        QVERIFY(std::memcmp(before, set, sizeof set) == 0);
    }

    void setOfModeAndUnofferedBits() {
        ConfigImage c{};
        c.System = 0; // class 0: 86 pages
        c.DispMode = 1;
        QCOMPARE(CurrentPageSet(c), c.User);
        c.DispMode = 2;
        QCOMPARE(CurrentPageSet(c), c.Loop);
        std::memset(c.Loop, 0xFF, sizeof c.Loop);
        std::memset(c.User, 0xFF, sizeof c.User);
        QCOMPARE(PagesInSet(c.Loop, OfferedCount(c)), 86);
        ClearUnofferedPages(c);
        // 86 pages: bytes 0-9 whole, 6 bits of byte 10, nothing after.
        QCOMPARE(int(c.Loop[9]), 0xFF);
        QCOMPARE(int(c.Loop[10]), 0x3F);
        QCOMPARE(int(c.User[11]), 0);
        QCOMPARE(int(c.User[21]), 0);
        QCOMPARE(PagesInSet(c.User, 86), 86);
        // A system code outside the seven known ones is class 0: still in range.
        c.System = 9;
        QCOMPARE(OfferedCount(c), 86);
    }

    void loopTime() {
        ConfigImage c{};
        c.DispMode = 0x83;
        CmSetLoopTime(c, 7);
        QCOMPARE(LoopTimeSeconds(c), 6);
        QCOMPARE(int(c.DispMode), 0x83 | (2 << 3));
        CmSetLoopTime(c, 40);
        QCOMPARE(LoopTimeSeconds(c), 32);
        CmSetLoopTime(c, 0);
        QCOMPARE(LoopTimeSeconds(c), 2);
        QCOMPARE(int(c.DispMode), 0x83);
    }
};

QTEST_GUILESS_MAIN(EditorTest)
#include "editor_test.moc"
