// One day of logged data laid out for the profile graph: which record goes to which
// slot of the day, where the curves break, the axis ranges and the texts around the
// graph. Plain functions over the logger records, for the panel, printing and export.
#pragma once

#include "logger/LogData.h"
#include "platform/TimeBase.h"

#include <QDate>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

constexpr int kProfChannels = 23;
// Slots holding no data. The module source fills its curves with the second one.
constexpr double kNoData = 9e30;
constexpr double kModuleNoData = 999999.9;

using ChannelSelection = std::array<bool, kProfChannels>;

inline bool SlotHasData(double y) {
    return y < kNoData && y != kModuleNoData;
}

// The curves of one day: slot x is interval x since midnight, both 00:00 and 24:00 count.
struct ProfileDay {
    int32_t profpoints = 97;
    std::array<std::vector<double>, kProfChannels> profy;
    QString date;            // "dd.mm.yy" of the day shown
    bool olderDays = false;  // a day before this one has records
    bool newerDays = false;
};

struct YRange {
    double gymin = 0.0, gymax = 1.0;
    bool any = false; // some channel is selected
};

// The y range over the selected channels' extremes; the zero line always lies inside.
YRange ProfileYRange(const double* mins, const double* maxs, int numChan, const ChannelSelection& sel);
YRange MeterYRange(const LogSource& src, const ChannelSelection& sel);
YRange ModuleYRange(const LogSequence& seq, const ChannelSelection& sel);

// A day's axis holds at least one whole interval: records further apart get no graph
// (message 3/60). Shorter intervals, down to a second, each get their own slot.
constexpr uint32_t kLongestGraphInterval = 86400;
inline bool IntervalFitsDay(uint32_t seconds) {
    return seconds > 0 && seconds <= kLongestGraphInterval;
}
constexpr int kIntervalTooLongKind = 3;
constexpr int kIntervalTooLongNumber = 60;

// Where the seven hour labels 00:00, 04:00 ... 24:00 stand on the x axis.
std::array<double, 7> HourLabelPositions(int32_t profpoints);
QString HourLabel(int k);
// The time of day at x ("hh:mm:00"), as the measuring cursor shows it.
QString CursorTime(double x, int32_t profpoints);

// A run of slots [begin, end) that all hold data: drawn as one piece, so gaps stay empty.
struct SlotRun {
    int begin, end;
};
std::vector<SlotRun> DataRuns(const std::vector<double>& y);

// ---- Meter logger: records without stamps, record k lies k intervals before record 0 --

struct MeterDays {
    int32_t profpoints = 97;
    int32_t lastday_offs = 0; // slot of the newest record within its day
    int32_t lastday_nr = 0;   // number of the oldest day
};
MeterDays InitMeterDays(const LoggerRecords& records);
// Day day_nr (0 = the day of the newest record, 1 = the day before ...).
ProfileDay MeterDay(const LoggerRecords& records, const MeterDays& days, const ChannelSelection& sel,
                    int32_t day_nr);

// ---- Module logger: stamped records, newest first --------------------------------------

struct ModuleDays {
    uint32_t LSint = 900;     // interval in seconds
    int32_t profpoints = 97;
    QDate newestDate;         // local date of the newest record: day 0
    int32_t day_nr = 0;
    // The one costly step of a layout, taken once per record looked at; tests count it.
    LocalTime (*localTime)(uint32_t) = LocalFromCalendarSeconds;
};
// The sequence's interval in seconds (15 minutes when it names none).
uint32_t ModuleIntervalSeconds(const LogSequence& seq);
ModuleDays InitModuleDays(const ModuleLog& log, const LogSequence& seq);
// Lays out the day days.day_nr after stepping by direction (+1 older, -1 newer, 0 the same);
// a day without records is passed over in the direction of the step. Each record sits
// at the slot of its wall-clock time, so a clock set back or forward moves no other.
ProfileDay ModuleDay(const ModuleLog& log, const LogSequence& seq, ModuleDays& days,
                     const ChannelSelection& sel, int32_t direction);
