// Reading the meter's logger memory: whole-record blocks from the newest end down,
// each request tried up to four times.
#include "link/DeviceLink.h"
#include "logger/Logger.h"
#include "platform/Messages.h"
#include "platform/ScratchFile.h"
#include "platform/TimeBase.h"

#include <QHash>
#include <algorithm>
#include <cstring>

namespace {

constexpr int kAttempts = 4;
constexpr uint16_t kLogFirstRegister = 999;

// The block count and start address travel to the link in words 13 and 14 of Log.
void SetLoggerRequest(uint16_t address, uint16_t count) {
    Log[26] = uint8_t(count);
    Log[27] = uint8_t(count >> 8);
    Log[28] = uint8_t(address);
    Log[29] = uint8_t(address >> 8);
}

void SetStatusFlags(uint16_t flags) {
    Log[0] = uint8_t(flags);
    Log[1] = uint8_t(flags >> 8);
}

bool ReadBlock(uint16_t address, int count) {
    SetLoggerRequest(address, uint16_t(count));
    for (int attempt = 1; attempt <= kAttempts; ++attempt)
        if (Read(Lese, kReadLoggerData, attempt == kAttempts ? 1 : 0)) return true;
    return false;
}

float BlockValue(int k) {
    float x;
    std::memcpy(&x, LoggerData + 4 * k, 4);
    return x;
}

void ResetExtremes(LogSource& src) {
    src.Max.fill(-1e100);
    src.Min.fill(1e100);
    src.MinIx.fill(0);
    src.MaxIx.fill(0);
    src.FirstGapIx = kNoGap;
}

// Date and time texts of records: a full memory repeats few of them, and shared texts
// spare an allocation per record.
struct RecordTexts {
    uint32_t dayKey = 0;
    QString date;
    QHash<uint32_t, QString> times;
    void set(uint32_t when, MeterRecord& rec) {
        const LocalTime t = LocalFromCalendarSeconds(when);
        const uint32_t day = t.year * 10000 + t.month * 100 + t.day;
        if (day != dayKey) {
            dayKey = day;
            date = QString::asprintf("%02u.%02u.%02u", t.day, t.month, t.year % 100);
        }
        QString& time = times[t.hour * 3600 + t.minute * 60 + t.second];
        if (time.isNull()) time = QString::asprintf("%02u:%02u:%02u", t.hour, t.minute, t.second);
        rec.date = date;
        rec.time = time;
    }
};

// One record of the block (values first..first+n-1 of the block at address) as a row.
MeterRecord TakeRecord(LogSource& src, const LoggerStatus& st, uint16_t address, int first, int r,
                       uint32_t when, RecordTexts& texts) {
    const int n = src.NumChan;
    MeterRecord rec;
    texts.set(when, rec);
    for (int k = first; k < first + n; ++k)
        if (std::find(st.gaps.begin(), st.gaps.end(), uint16_t(address + 2 * k + 1)) != st.gaps.end())
            rec.ok = false;
    rec.values.reserve(size_t(n));
    for (int i = 0; i < n; ++i) {
        const size_t c = size_t(i);
        const LoggerValue v = LoggerValueText(src.ChanClass[c], Inv_Mgr[c], BlockValue(first + i));
        rec.values.push_back(v.text);
        if (!v.numeric) continue;
        if (v.y > src.Max[c]) {
            src.Max[c] = v.y;
            src.MaxIx[c] = r;
        }
        if (v.y < src.Min[c]) {
            src.Min[c] = v.y;
            src.MinIx[c] = r;
        }
    }
    if (!rec.ok && src.FirstGapIx == kNoGap) src.FirstGapIx = r;
    return rec;
}

} // namespace

LoggerRead ReadLoggerRecords(LogSource& src, LoggerRecords& records, ScratchFile* tmp,
                             const LoggerReadHooks& hooks) {
    if (!Read(Lese, kReadLoggerStatus, 1)) return LoggerRead::StatusFailed;
    const int n = src.NumChan;
    LoggerStatus st = LoggerStatusFromLog();
    int values = st.values;
    if (n <= 0 || values / n == 0) return LoggerRead::Empty;
    if (values >= LoggerCapacity(n)) {
        values = LoggerCapacity(n);
        if (!(Lese.Logger & kLoggerOverwrite)) st.flags |= kLogFullStop;
        SetStatusFlags(st.flags);
    }
    for (int i = 0; i < n; ++i)
        src.Digits[size_t(i)] = LoggerDecimals(src.ChanClass[size_t(i)]);
    ResetExtremes(src);
    src.NumRec = values / n;
    records.rows.clear();
    records.timeoffset = std::max<uint32_t>(1, src.IntervalSeconds);
    const uint32_t now = hooks.now ? hooks.now : CalendarSecondsNow();
    records.ref_time = NewestRecordTime(now, records.timeoffset);
    if (hooks.newest) {
        records.ref_time = hooks.newest;
    } else if ((st.flags & kLogFullStop) && !(st.flags & kLogFullOverwrite)) {
        uint32_t chosen = records.ref_time;
        if (!hooks.askNewest || !hooks.askNewest(records.ref_time, chosen)) return LoggerRead::TimeRefused;
        records.ref_time = chosen;
    }
    if (tmp && (!tmp->create() || !tmp->append(ZrdHeader(src)))) {
        Error(2, 5);
        return LoggerRead::TempFileFailed;
    }
    const int total = src.NumRec * 2 * n;
    const int block = LoggerBlockRegisters(n);
    int left = total;
    int address = kLogFirstRegister + 2 * values;
    int r = 0;
    records.rows.reserve(size_t(src.NumRec));
    RecordTexts texts;
    TransferWindow(0, 0, 0);
    while (left > 0) {
        const int count = std::min(block, left);
        address -= count;
        if (!ReadBlock(uint16_t(address), count)) {
            TransferWindow(1, 0, 0);
            return LoggerRead::BlockFailed;
        }
        TransferWindow(2, 100 - int(int64_t(left) * 100 / total), 0);
        QByteArray lines;
        for (int first = count / 2 - n; first >= 0; first -= n, ++r) {
            const uint32_t when = records.ref_time - uint32_t(r) * records.timeoffset;
            records.rows.push_back(TakeRecord(src, st, uint16_t(address), first, r, when, texts));
            if (tmp) lines += ZrdLine(records.rows.back());
        }
        if (tmp) tmp->append(lines);
        if (hooks.blockDone) hooks.blockDone();
        left -= count;
    }
    TransferWindow(1, 0, 0);
    return LoggerRead::Done;
}
