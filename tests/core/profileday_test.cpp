// The profile graph's day: slots, gaps, day steps, y range and the texts around it,
// for the meter's unstamped records and the module's stamped ones.
#include "platform/TimeBase.h"
#include "profiles/ProfileDraw.h"

#include <QtTest>
#include <algorithm>
#include <cstdlib>

namespace {

constexpr uint32_t kQuarter = 900;

uint32_t Local(unsigned y, unsigned mo, unsigned d, unsigned h, unsigned mi) {
    return CalendarSecondsFromLocal({y, mo, d, h, mi, 0});
}
uint32_t Utc(int y, int mo, int d, int h, int mi) {
    return uint32_t(QDateTime(QDate(y, mo, d), QTime(h, mi), Qt::UTC).toSecsSinceEpoch()) + kUnixTo1900;
}
// The wall-clock slot of a stamp: where the graph must draw it.
double WallSlot(uint32_t t) {
    const LocalTime lt = LocalFromCalendarSeconds(t);
    return double((lt.hour * 60 + lt.minute) / 15);
}

ChannelSelection Only(int c) {
    ChannelSelection sel{};
    sel[size_t(c)] = true;
    return sel;
}

// Sequence 1 with one channel whose value is the wall slot of its record; stamps oldest first.
ModuleLog ModuleOf(std::vector<uint32_t> stamps) {
    ModuleLog log;
    log.NumLogSeq = 1;
    LogSequence& seq = log.Dev57[1];
    seq.NumChan = 1;
    seq.IntervalMin = 15;
    seq.Scale[0] = 1.0;
    std::reverse(stamps.begin(), stamps.end());
    seq.NumRec = uint32_t(stamps.size());
    for (uint32_t t : stamps) {
        log.LogStamp.push_back(t);
        log.LogVal.push_back(float(WallSlot(t)));
    }
    return log;
}

std::vector<uint32_t> Every15(uint32_t from, uint32_t to) {
    std::vector<uint32_t> s;
    for (uint32_t t = from; t <= to; t += kQuarter) s.push_back(t);
    return s;
}

QString Runs(const std::vector<double>& y) {
    QStringList parts;
    for (SlotRun r : DataRuns(y)) parts << QString("%1-%2").arg(r.begin).arg(r.end - 1);
    return parts.join(' ');
}

// Every slot with data holds the record of its own wall time.
bool NothingShifted(const std::vector<double>& y) {
    for (size_t s = 0; s < y.size(); ++s)
        if (SlotHasData(y[s]) && y[s] != double(s % 96)) return false;
    return true;
}

// A day as its date and runs, and whether any record left its wall slot.
QString Shown(const ProfileDay& d) {
    return d.date + ' ' + Runs(d.profy[0]) + (NothingShifted(d.profy[0]) ? "" : " shifted");
}

} // namespace

class ProfileDayTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        // Central European rules: spring forward 29.03.2026, fall back 25.10.2026.
        qputenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3");
        tzset();
    }

    void axisLabelsAndCursorTime() {
        QCOMPARE(ProfPoints(kQuarter), 97);
        const auto x = HourLabelPositions(97);
        QCOMPARE(std::vector<double>(x.begin(), x.end()), (std::vector<double>{0, 16, 32, 48, 64, 80, 96}));
        QCOMPARE((QStringList{HourLabel(0), HourLabel(6)}), (QStringList{"00:00", "24:00"}));
        QCOMPARE((QStringList{CursorTime(50, 97), CursorTime(50.9, 97), CursorTime(721, 1441)}),
                 (QStringList{"12:30:00", "12:43:00", "12:01:00"}));
        // Two-hour interval: fewer points than hours, the time still follows x.
        QCOMPARE(CursorTime(6, ProfPoints(7200)), QString("12:00:00"));

        // The y caption names each unit drawn; bars draw the first channel only.
        ProfileView view;
        view.units = {"[kV]", "[A]", "[kV]", "[MW]"};
        view.sel = Only(0);
        view.sel[1] = view.sel[2] = true;
        QCOMPARE(AxisCaption(view), QString("[kV], [A]"));
        view.style = kStyleBars;
        QCOMPARE(AxisCaption(view), QString("[kV]"));
    }

    void yRangeFromSelectedExtremes() {
        const double mins[3] = {0.00001, 2.0, -4.5}, maxs[3] = {0.0001, 12.3, 3.0};
        QVERIFY(!ProfileYRange(mins, maxs, 3, ChannelSelection{}).any);
        auto range = [&](const ChannelSelection& sel) {
            const YRange y = ProfileYRange(mins, maxs, 3, sel);
            return QList<double>{y.gymin, y.gymax};
        };
        QCOMPARE(range(Only(0)), (QList<double>{0.0, 1.0}));
        QCOMPARE(range(Only(1)), (QList<double>{0.0, 13.0})); // the zero line stays inside
        ChannelSelection both = Only(1);
        both[2] = true;
        QCOMPARE(range(both), (QList<double>{-4.5, 13.0}));
        // A channel beyond the source's count is never looked at.
        QVERIFY(!ProfileYRange(mins, maxs, 2, Only(2)).any);
    }

    void meterRecordsFillTheirSlots() {
        // 200 quarter-hour records, the newest at 06:00 (slot 24), each holding its wall slot.
        LoggerRecords rec;
        rec.ref_time = Local(2026, 3, 10, 6, 0);
        rec.timeoffset = kQuarter;
        rec.channels = 1;
        for (int k = 0; k < 200; ++k)
            rec.set(rec.add(0, false), 0, {double((24 - k + 192) % 96), Validity::Ok});
        rec.set(30, 0, {0.0, Validity::Overload});
        const MeterDays days = InitMeterDays(rec);
        QCOMPARE((QList<int>{days.profpoints, days.lastday_offs, days.lastday_nr}), (QList<int>{97, 24, 2}));

        const ProfileDay today = MeterDay(rec, days, Only(0), 0);
        QCOMPARE(Shown(today), QString("10.03.26 0-24"));
        QVERIFY(today.olderDays && !today.newerDays);
        // Yesterday: 24:00 is today's midnight record, a marker word leaves a gap (not 0).
        QCOMPARE(Shown(MeterDay(rec, days, Only(0), 1)), QString("09.03.26 0-89 91-96"));
        // The oldest day: nothing before the oldest record.
        const ProfileDay oldest = MeterDay(rec, days, Only(0), 2);
        QCOMPARE(Shown(oldest), QString("08.03.26 17-96"));
        QVERIFY(!oldest.olderDays && oldest.newerDays);
    }

    void meterIntervalsAndClockChange() {
        // Half-minute records up to 23:59:30: each interval has its slot, however short.
        LoggerRecords rec;
        rec.ref_time = Local(2026, 12, 7, 23, 59) + 30;
        rec.timeoffset = 30;
        rec.channels = 1;
        for (int k = 0; k < 400; ++k) rec.set(rec.add(0, false), 0, {1.0, Validity::Ok});
        MeterDays days = InitMeterDays(rec);
        QCOMPARE(days.profpoints, 2881);
        QCOMPARE(Runs(MeterDay(rec, days, Only(0), 0).profy[0]), QString("2480-2879"));

        // Records three days apart: no graph is offered, and the days still lay out.
        rec.timeoffset = 3 * 86400;
        QVERIFY(!IntervalFitsDay(rec.timeoffset) && IntervalFitsDay(86400));
        days = InitMeterDays(rec);
        QCOMPARE(MeterDay(rec, days, Only(0), days.lastday_nr).profpoints, 2);

        // Quarter hours over the spring-forward night: the slots count intervals, so the
        // days before it begin at 23:00 of the day before, yet carry their own date.
        rec.ref_time = Local(2026, 3, 31, 6, 0);
        rec.timeoffset = kQuarter;
        days = InitMeterDays(rec);
        for (int day = 1; day <= 3; ++day)
            QCOMPARE(MeterDay(rec, days, Only(0), day).date, QString("%1.03.26").arg(31 - day));
    }

    void moduleGapsRepeatsAndEmptyDays() {
        // 7 March and 10 March have records, the days between none.
        std::vector<uint32_t> stamps = Every15(Local(2026, 3, 7, 0, 0), Local(2026, 3, 7, 23, 45));
        std::vector<uint32_t> last = Every15(Local(2026, 3, 10, 0, 0), Local(2026, 3, 10, 23, 45));
        last.erase(last.begin() + 40);                                  // 10:00 missing
        last.insert(last.begin() + 48, Local(2026, 3, 10, 12, 0) + 5); // 12:00 twice
        stamps.insert(stamps.end(), last.begin(), last.end());
        ModuleLog log = ModuleOf(stamps);
        ModuleDays days = InitModuleDays(log, log.Dev57[1]);
        QCOMPARE(days.profpoints, 97);

        ProfileDay d = ModuleDay(log, log.Dev57[1], days, Only(0), 0);
        QCOMPARE(Shown(d), QString("10.03.26 0-39 41-95"));
        QVERIFY(d.olderDays && !d.newerDays);

        d = ModuleDay(log, log.Dev57[1], days, Only(0), 1);
        QCOMPARE(days.day_nr, 3);
        QCOMPARE(Shown(d), QString("07.03.26 0-95"));
        QVERIFY(!d.olderDays && d.newerDays);

        QCOMPARE(ModuleDay(log, log.Dev57[1], days, Only(0), -1).date, QString("10.03.26"));
        QCOMPARE(days.day_nr, 0);
    }

    void moduleClockChangeDays() {
        // Spring forward: 02:00 to 02:45 do not exist, the rest sits at its wall time.
        std::vector<uint32_t> spring = Every15(Local(2026, 3, 29, 0, 0), Local(2026, 3, 30, 6, 0));
        ModuleLog log = ModuleOf(spring);
        ModuleDays days = InitModuleDays(log, log.Dev57[1]);
        QCOMPARE(Shown(ModuleDay(log, log.Dev57[1], days, Only(0), 1)), QString("29.03.26 0-7 12-96"));

        // Fall back: 02:00 to 02:59 comes twice; every slot is drawn, none shifted.
        std::vector<uint32_t> fall = Every15(Utc(2026, 10, 23, 22, 0), Utc(2026, 10, 26, 5, 0));
        log = ModuleOf(fall);
        days = InitModuleDays(log, log.Dev57[1]);
        QCOMPARE(Shown(ModuleDay(log, log.Dev57[1], days, Only(0), 1)), QString("25.10.26 0-96"));
        // The day before the change starts at its own midnight.
        QCOMPARE(Shown(ModuleDay(log, log.Dev57[1], days, Only(0), 1)), QString("24.10.26 0-96"));

        // The module's clock set back from 23:45 to 12:00 a thousand times: each record at
        // its wall slot, and the day costs one local-time conversion per record.
        std::vector<uint32_t> sawtooth;
        for (int i = 0; i < 2000; ++i) sawtooth.push_back(Local(2026, 5, 4, i % 2 ? 12 : 23, i % 2 ? 0 : 45));
        log = ModuleOf(sawtooth);
        days = InitModuleDays(log, log.Dev57[1]);
        static int conversions;
        conversions = 0;
        days.localTime = [](uint32_t t) {
            ++conversions;
            return LocalFromCalendarSeconds(t);
        };
        QCOMPARE(Shown(ModuleDay(log, log.Dev57[1], days, Only(0), 0)), QString("04.05.26 48-48 95-95"));
        QVERIFY2(conversions <= 2000 + 10, qPrintable(QString::number(conversions)));
    }
};

QTEST_GUILESS_MAIN(ProfileDayTest)
#include "profileday_test.moc"
