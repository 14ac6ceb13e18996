#include "logger/LogData.h"

#include "platform/TimeBase.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

RecordTime GetLoggerTimeDate(const LoggerRecords& records, int index)
{
    const uint32_t step = records.timeoffset ? records.timeoffset : 900;
    const LocalTime t = LocalFromCalendarSeconds(records.ref_time - uint32_t(index) * step);
    RecordTime r;
    r.ixdate = QString::asprintf("%02u.%02u.%02u", t.day, t.month, t.year % 100);
    r.ixtime = QString::asprintf("%02u:%02u:%02u", t.hour, t.minute, t.second);
    r.dayoffs = int32_t((t.hour * 3600 + t.minute * 60 + t.second) / step);
    return r;
}

int32_t ProfPoints(uint32_t intervalSeconds)
{
    if (intervalSeconds == 0) intervalSeconds = 900;
    return int32_t(86400.0 / intervalSeconds + 0.5) + 1;
}

namespace {

// Days since 1970-01-01 to year, month, day (proleptic Gregorian calendar).
void CivilFromDays(int64_t z, int64_t& y, unsigned& m, unsigned& d)
{
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = unsigned(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = int64_t(yoe) + era * 400 + (m <= 2);
}

void PutTwo(std::string& s, size_t at, unsigned v)
{
    s[at] = char('0' + v / 10 % 10);
    s[at + 1] = char('0' + v % 10);
}

int64_t FloorDiv(int64_t a, int64_t b)
{
    return a / b - (a % b < 0);
}

} // namespace

LocalStamp StampClock::local(uint32_t stamp)
{
    const int64_t unix = int64_t(stamp) - int64_t(kUnixTo1900);
    const int64_t utcDay = FloorDiv(unix, 86400);
    if (utcDay != day) {
        day = utcDay;
        const int64_t first = utcDay * 86400 + int64_t(kUnixTo1900);
        steady = first >= 0 && first + 86399 <= int64_t(UINT32_MAX);
        if (steady) {
            offset = LocalOffsetAt(uint32_t(first));
            steady = offset == LocalOffsetAt(uint32_t(first + 86399));
        }
    }
    // Local time is UTC moved by the offset in force at that moment.
    const int64_t local = unix + (steady ? offset : LocalOffsetAt(stamp));
    const int64_t localDay = FloorDiv(local, 86400);
    return {localDay, uint32_t(local - localDay * 86400)};
}

void LocalStampTexts(const LocalStamp& local, std::string& date, std::string& time)
{
    int64_t year;
    unsigned month, mday;
    CivilFromDays(local.day, year, month, mday);
    date.assign("00.00.00");
    PutTwo(date, 0, mday), PutTwo(date, 3, month), PutTwo(date, 6, unsigned(year % 100));
    time.assign("00:00:00");
    PutTwo(time, 0, local.second / 3600), PutTwo(time, 3, local.second / 60 % 60), PutTwo(time, 6, local.second % 60);
}

void LoggerRecords::clear()
{
    times.clear();
    gaps.clear();
    values.clear();
    validities.clear();
    verbatim.clear();
}

size_t LoggerRecords::add(uint32_t time, bool gap)
{
    times.push_back(time);
    gaps.push_back(gap ? 1 : 0);
    values.resize(values.size() + size_t(channels), 0.0);
    validities.resize(validities.size() + size_t(channels), uint8_t(Validity::NotLogged));
    return times.size() - 1;
}

QString LoggedNumberText(double value, int decimals)
{
    char text[64];
    const int n = std::snprintf(text, sizeof text, "%7.*f", decimals, value);
    return QString::fromLatin1(text, std::clamp(n, 0, int(sizeof text) - 1));
}

namespace {

const QString* Verbatim(const LoggerRecords& records, size_t r, int field)
{
    if (records.verbatim.empty()) return nullptr;
    const auto it = records.verbatim.find(records.FieldKey(r, field));
    return it == records.verbatim.end() ? nullptr : &it->second;
}

} // namespace

QString RecordValueText(const LoggerRecords& records, size_t r, int c)
{
    if (const QString* text = Verbatim(records, r, 2 + c)) return *text;
    const LoggedValue v = records.value(r, c);
    if (!v.ok()) return MarkerText(v.validity, MarkerPlace::Record);
    return LoggedNumberText(v.value, records.decimals[size_t(c)]);
}

QString RecordDateText(const LoggerRecords& records, size_t r)
{
    if (const QString* text = Verbatim(records, r, 0)) return *text;
    const LocalTime t = LocalFromCalendarSeconds(records.times[r]);
    return QString::asprintf("%02u.%02u.%02u", t.day, t.month, t.year % 100);
}

QString RecordTimeText(const LoggerRecords& records, size_t r)
{
    if (const QString* text = Verbatim(records, r, 1)) return *text;
    const LocalTime t = LocalFromCalendarSeconds(records.times[r]);
    return QString::asprintf("%02u:%02u:%02u", t.hour, t.minute, t.second);
}

ReadingCheck ModuleCodeCheck(uint8_t code)
{
    if (code == 43) return ReadingCheck::Frequency;
    return code >= 44 && code <= 47 ? ReadingCheck::PowerFactor : ReadingCheck::Plain;
}

QString ModuleValueText(const LogSequence& seq, int k, float v)
{
    const Validity validity = JudgeReading(v, ModuleCodeCheck(seq.Codes[k]));
    if (validity != Validity::Ok)
        return MarkerText(validity, MarkerPlace::Record).rightJustified(kModuleValueWidth);
    const double scale = seq.Scale[k] != 0.0 ? seq.Scale[k] : 1.0;
    const double y = v / scale;
    const int digits = seq.Digits[k] >= 2 && seq.Digits[k] <= 4 ? seq.Digits[k] : 1;
    const QString number = QString::asprintf("%7.*f", digits, y);
    // A number wider than its 7 places would push every later column out of line.
    if (y > 999999.9 || number.size() > 7) return "    undef";
    return "  " + number;
}
