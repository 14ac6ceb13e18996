// Reading the meter's logger memory: whole-record blocks from the newest end down,
// each request tried up to four times.
#include "acquisition/MeasDecode.h"
#include "link/DeviceLink.h"
#include "logger/Logger.h"
#include "platform/Messages.h"
#include "platform/ScratchFile.h"
#include "platform/TimeBase.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kAttempts = 4;
constexpr uint16_t kLogFirstRegister = 999;

// The block count and start address travel to the link in words 13 and 14 of Log.
void SetLoggerRequest(uint16_t address, uint16_t count) {
    MeterBlocksInUse().loggerStatus[26] = uint8_t(count);
    MeterBlocksInUse().loggerStatus[27] = uint8_t(count >> 8);
    MeterBlocksInUse().loggerStatus[28] = uint8_t(address);
    MeterBlocksInUse().loggerStatus[29] = uint8_t(address >> 8);
}

void SetStatusFlags(uint16_t flags) {
    MeterBlocksInUse().loggerStatus[0] = uint8_t(flags);
    MeterBlocksInUse().loggerStatus[1] = uint8_t(flags >> 8);
}

bool ReadBlock(MeterSession& session, uint16_t address, int count) {
    SetLoggerRequest(address, uint16_t(count));
    for (int attempt = 1; attempt <= kAttempts; ++attempt)
        if (Read(session.read, kReadLoggerData, attempt == kAttempts ? 1 : 0)) return true;
    return false;
}

float BlockValue(int k) {
    float x;
    std::memcpy(&x, MeterBlocksInUse().loggerRecords + 4 * k, 4);
    return x;
}

void ResetExtremes(LogSource& src) {
    src.Max.fill(-1e100);
    src.Min.fill(1e100);
    src.MinIx.fill(0);
    src.MaxIx.fill(0);
    src.FirstGapIx = kNoGap;
}

// One record of the block (values first..first+n-1 of the block at address) as record r.
void TakeRecord(LogSource& src, LoggerRecords& records, const LoggerStatus& st, uint16_t address, int first,
                uint32_t when, const DisplayScale& scale) {
    const int n = src.NumChan;
    bool gap = false;
    for (int k = first; k < first + n; ++k)
        if (std::find(st.gaps.begin(), st.gaps.end(), uint16_t(address + 2 * k + 1)) != st.gaps.end()) gap = true;
    const size_t r = records.add(when, gap);
    for (int i = 0; i < n; ++i) {
        const size_t c = size_t(i);
        const LoggedValue v = LoggerReading(scale, src.ChanClass[c], src.Unmeasured[c], BlockValue(first + i));
        records.set(r, i, v);
        if (!v.ok()) continue;
        if (v.value > src.Max[c]) {
            src.Max[c] = v.value;
            src.MaxIx[c] = int32_t(r);
        }
        if (v.value < src.Min[c]) {
            src.Min[c] = v.value;
            src.MinIx[c] = int32_t(r);
        }
    }
    if (gap && src.FirstGapIx == kNoGap) src.FirstGapIx = int32_t(r);
}

} // namespace

LoggerRead ReadLoggerRecords(MeterSession& session, LogSource& src, LoggerRecords& records, ScratchFile* tmp,
                             const LoggerReadHooks& hooks) {
    if (!Read(session.read, kReadLoggerStatus, 1)) return LoggerRead::StatusFailed;
    const int n = src.NumChan;
    LoggerStatus st = LoggerStatusFromLog();
    int values = st.values;
    if (n <= 0 || values / n == 0) return LoggerRead::Empty;
    if (values >= LoggerCapacity(n)) {
        values = LoggerCapacity(n);
        if (!(session.read.Logger & kLoggerOverwrite)) st.flags |= kLogFullStop;
        SetStatusFlags(st.flags);
    }
    const DisplayScale scale = DisplayScaleFor(session.read);
    for (int i = 0; i < n; ++i)
        src.Digits[size_t(i)] = LoggerDecimals(scale, src.ChanClass[size_t(i)]);
    ResetExtremes(src);
    src.NumRec = values / n;
    records.clear();
    records.channels = n;
    for (int i = 0; i < n; ++i)
        records.decimals[size_t(i)] = int8_t(src.Digits[size_t(i)]);
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
    records.times.reserve(size_t(src.NumRec));
    records.gaps.reserve(size_t(src.NumRec));
    records.values.reserve(size_t(src.NumRec) * size_t(n));
    records.validities.reserve(size_t(src.NumRec) * size_t(n));
    StampClock clock;
    TransferWindow(0, 0, 0);
    while (left > 0) {
        const int count = std::min(block, left);
        address -= count;
        if (!ReadBlock(session, uint16_t(address), count)) {
            TransferWindow(1, 0, 0);
            return LoggerRead::BlockFailed;
        }
        TransferWindow(2, 100 - int(int64_t(left) * 100 / total), 0);
        QByteArray lines;
        for (int first = count / 2 - n; first >= 0; first -= n, ++r) {
            const uint32_t when = records.ref_time - uint32_t(r) * records.timeoffset;
            TakeRecord(src, records, st, uint16_t(address), first, when, scale);
            if (tmp) lines += ZrdLine(records, size_t(r), clock);
        }
        if (tmp) tmp->append(lines);
        if (hooks.blockDone) hooks.blockDone();
        left -= count;
    }
    TransferWindow(1, 0, 0);
    return LoggerRead::Done;
}
