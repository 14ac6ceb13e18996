#include "profiles/ProfileDay.h"

#include "platform/TimeBase.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

// ---- Common ------------------------------------------------------------------------

YRange ProfileYRange(const double* mins, const double* maxs, int numChan, const ChannelSelection& sel) {
    YRange r;
    double lo = 9e30, hi = -9e30;
    for (int c = 0; c < std::min(numChan, kProfChannels); ++c) {
        if (!sel[size_t(c)]) continue;
        r.any = true;
        lo = std::min(lo, mins[c]);
        hi = std::max(hi, maxs[c]);
    }
    if (!r.any) return r;
    // The zero line stays inside, and the top is rounded up to a whole number.
    lo = std::min(lo, 0.0);
    hi = std::max(hi, 0.0);
    r.gymin = lo;
    r.gymax = (lo > 0.0001 || hi > 0.0001) ? std::trunc(hi) + 1.0 : 1.0;
    return r;
}

YRange MeterYRange(const LogSource& src, const ChannelSelection& sel) {
    return ProfileYRange(src.Min.data(), src.Max.data(), std::min(src.NumChan, kMaxMeterChannels), sel);
}

YRange ModuleYRange(const LogSequence& seq, const ChannelSelection& sel) {
    std::array<double, kMaxModuleChannels> mins{}, maxs{};
    for (int c = 0; c < kMaxModuleChannels; ++c) {
        const double scale = seq.Scale[size_t(c)] != 0.0 ? seq.Scale[size_t(c)] : 1.0;
        mins[size_t(c)] = seq.Min[size_t(c)] / scale;
        maxs[size_t(c)] = seq.Max[size_t(c)] / scale;
    }
    return ProfileYRange(mins.data(), maxs.data(), int(std::min<uint32_t>(seq.NumChan, kMaxModuleChannels)), sel);
}

std::array<double, 7> HourLabelPositions(int32_t profpoints) {
    std::array<double, 7> x{};
    for (int k = 0; k < 7; ++k) x[size_t(k)] = k * (profpoints - 1) / 6.0;
    return x;
}

QString HourLabel(int k) {
    return QString::asprintf("%02d:00", 4 * k);
}

QString CursorTime(double x, int32_t profpoints) {
    // Counted in minutes of the day rather than in points per hour, which is 0 for
    // intervals longer than an hour.
    const double perMinute = 1440.0 / std::max(1, profpoints - 1);
    const int minutes = std::clamp(int(std::trunc(x * perMinute)), 0, 1440);
    return QString::asprintf("%02d:%02d:00", minutes / 60, minutes % 60);
}

std::vector<SlotRun> DataRuns(const std::vector<double>& y) {
    std::vector<SlotRun> runs;
    const int n = int(y.size());
    for (int i = 0; i < n;) {
        if (!SlotHasData(y[size_t(i)])) {
            ++i;
            continue;
        }
        int j = i;
        while (j < n && SlotHasData(y[size_t(j)])) ++j;
        runs.push_back({i, j});
        i = j;
    }
    return runs;
}

// ---- Meter logger ------------------------------------------------------------------

MeterDays InitMeterDays(const LoggerRecords& records) {
    MeterDays d;
    // Every interval gets its slot, however short; at least 00:00 and 24:00, however long.
    d.profpoints = std::max(2, ProfPoints(records.timeoffset));
    d.lastday_offs = GetLoggerTimeDate(records, 0).dayoffs;
    const int32_t n = int32_t(records.size());
    // The day whose midnight or earlier slot holds the oldest record: no day after it
    // that would show nothing, or only its 24:00 point.
    const int32_t older = n - 1 - d.lastday_offs; // records before today's midnight slot
    d.lastday_nr = older > 0 ? (older + d.profpoints - 2) / (d.profpoints - 1) : 0;
    return d;
}

ProfileDay MeterDay(const LoggerRecords& records, const MeterDays& days, const ChannelSelection& sel,
                    int32_t day_nr) {
    ProfileDay day;
    const int32_t P = days.profpoints;
    const int32_t n = int32_t(records.size());
    day.profpoints = P;
    for (auto& curve : day.profy) curve.assign(size_t(P), 0.0);
    // Record k lies in slot base - k.
    const int32_t base = day_nr * (P - 1) + days.lastday_offs;
    auto blank = [&](int32_t from, int32_t to) {
        for (auto& curve : day.profy)
            for (int32_t s = std::max(from, 0); s <= std::min(to, P - 1); ++s) curve[size_t(s)] = kNoData;
    };
    if (day_nr == 0) blank(days.lastday_offs + 1, P - 1); // the rest of today
    if (base > n - 1) blank(0, base - n);                  // before the oldest record
    const int32_t first = day_nr == 0 ? 0 : base - (P - 1);
    for (int32_t k = std::max(first, 0); k <= std::min(base, n - 1); ++k) {
        for (int c = 0; c < records.channels && c < kProfChannels; ++c) {
            if (!sel[size_t(c)]) continue;
            // A value that is no reading breaks the curve there.
            const LoggedValue v = records.value(size_t(k), c);
            day.profy[size_t(c)][size_t(base - k)] = v.ok() ? v.value : kNoData;
        }
    }
    // The slots count intervals, so a clock change moves the wall clock's midnight an
    // hour against slot 0: the middle one of the records shown names the day.
    const int32_t newest = std::max(first, 0), oldest = std::min(base, n - 1);
    const int32_t middle = newest <= oldest ? newest + (oldest - newest + 1) / 2 : base;
    day.date = GetLoggerTimeDate(records, middle).ixdate;
    day.olderDays = day_nr < days.lastday_nr;
    day.newerDays = day_nr > 0;
    return day;
}

// ---- Module logger -----------------------------------------------------------------

namespace {

QDate DateOf(const LocalTime& lt) {
    return QDate(int(lt.year), int(lt.month), int(lt.day));
}

uint32_t Midnight(const QDate& d) {
    return CalendarSecondsFromLocal({unsigned(d.year()), unsigned(d.month()), unsigned(d.day()), 0, 0, 0});
}

struct ModuleCursor {
    const ModuleLog& log;
    const LogSequence& seq;
    uint32_t Stamp(uint32_t r) const { return log.LogStamp[seq.FirstStamp + r]; }
    float Value(uint32_t r, uint32_t c) const { return log.LogVal[seq.FirstVal + r * seq.NumChan + c]; }
    // The first (newest) record before t, or not later than t; NumRec when none.
    uint32_t FirstBefore(uint32_t t, bool orAt) const {
        uint32_t r = 0;
        while (r < seq.NumRec && (Stamp(r) > t || (!orAt && Stamp(r) == t))) ++r;
        return r;
    }
};

// Records carry true instants; the axis shows the wall clock, so each record sits at the
// slot of its local time of day. A clock set back puts older records at later slots,
// where they replace the newer ones; a clock set forward leaves slots empty. The
// layout stops at the first record before the day's midnight. One local-time
// conversion per record looked at, nothing per slot.
void FillModuleDay(const ModuleCursor& m, const ModuleDays& days, const ChannelSelection& sel,
                   const QDate& date, uint32_t dayEnd, uint32_t& moffs, ProfileDay& day) {
    const int64_t P = days.profpoints, step = days.LSint;
    constexpr int64_t kJitter = 10; // seconds a stamp may lie off its interval
    auto store = [&](uint32_t r, int64_t pos) {
        if (pos < 0 || pos >= P) return;
        for (uint32_t c = 0; c < m.seq.NumChan && c < uint32_t(kProfChannels); ++c) {
            if (!sel[c]) continue;
            const float v = m.Value(r, c);
            if (!(v <= 9e30f)) continue; // overflow or no number: a gap
            const float scale = m.seq.Scale[c] != 0.0 ? float(m.seq.Scale[c]) : 1.0f;
            day.profy[c][size_t(pos)] = double(v / scale);
        }
    };
    // Seconds of wall-clock time from the shown day's midnight.
    auto wall = [&](uint32_t t) {
        const LocalTime lt = days.localTime(t);
        return date.daysTo(DateOf(lt)) * 86400 + int64_t(lt.hour) * 3600 + lt.minute * 60 + lt.second;
    };
    uint32_t previous = 0;
    for (bool first = true; moffs < m.seq.NumRec; ++moffs, first = false) {
        const uint32_t t = m.Stamp(moffs);
        if (!first && std::llabs(int64_t(previous) - int64_t(t)) < kJitter) continue; // the same record twice
        const int64_t w = wall(t) + kJitter;
        if (w < 0) break; // before this day
        store(moffs, t == dayEnd ? P - 1 : w / step); // the next midnight is the 24:00 point
        previous = t;
    }
}

} // namespace

uint32_t ModuleIntervalSeconds(const LogSequence& seq) {
    return seq.IntervalMin ? uint32_t(seq.IntervalMin) * 60 : 900;
}

ModuleDays InitModuleDays(const ModuleLog& log, const LogSequence& seq) {
    ModuleDays d;
    d.LSint = ModuleIntervalSeconds(seq);
    d.profpoints = std::max(2, ProfPoints(d.LSint));
    d.newestDate = seq.NumRec ? DateOf(d.localTime(log.LogStamp[seq.FirstStamp])) : QDate::currentDate();
    return d;
}

ProfileDay ModuleDay(const ModuleLog& log, const LogSequence& seq, ModuleDays& days, const ChannelSelection& sel,
                     int32_t direction) {
    const ModuleCursor m{log, seq};
    const uint32_t n = seq.NumRec;
    days.day_nr = std::max(0, days.day_nr + direction);
    uint32_t dayStart = 0, dayEnd = 0, moffs = n;
    // A day without records of its own (its 24:00 point is the next day's) is passed
    // over, on in the direction of the step.
    auto daysBack = [&](uint32_t r) {
        return int32_t(DateOf(days.localTime(m.Stamp(r))).daysTo(days.newestDate));
    };
    for (;;) {
        const QDate date = days.newestDate.addDays(-days.day_nr);
        dayStart = Midnight(date);
        dayEnd = Midnight(date.addDays(1));
        const uint32_t own = m.FirstBefore(dayEnd, false);
        if (own == n || m.Stamp(own) >= dayStart) break;
        if (direction >= 0)
            days.day_nr = daysBack(own);
        else if (own > 0)
            days.day_nr = std::max(0, daysBack(own - 1));
        else
            break;
    }
    moffs = m.FirstBefore(dayEnd, true);
    ProfileDay day;
    day.profpoints = days.profpoints;
    for (auto& curve : day.profy) curve.assign(size_t(days.profpoints), kModuleNoData);
    const QDate date = days.newestDate.addDays(-days.day_nr);
    if (moffs < n) FillModuleDay(m, days, sel, date, dayEnd, moffs, day);
    day.date = QString::asprintf("%02d.%02d.%02d", date.day(), date.month(), date.year() % 100);
    day.olderDays = moffs < n;
    day.newerDays = days.day_nr > 0;
    return day;
}
