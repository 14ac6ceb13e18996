// What the two logger panels hold once records are read or a file is opened: the
// meter logger's channel description and record rows, and the module logger's decoded
// sequences. The profile graph and the workbook export read only these records, so
// they work the same on data from a device and from a file. No widgets here.
#pragma once

#include "values/Reading.h"

#include <QString>
#include <array>
#include <cstdint>
#include <vector>

// ---- Meter logger -------------------------------------------------------------------

constexpr int kMaxMeterChannels = 14;
constexpr int kNoGap = 99999; // FirstGapIx when no record is marked "--"

// Description of one meter logger source: the meter (Dev) or an opened *.ZRD (File).
struct LogSource {
    QString AddrText = "--";
    QString DevText;        // description text, line feeds kept
    QString ModeText;
    QString IntervalText;   // "mm:ss"
    uint32_t IntervalSeconds = 900; // whole seconds: "mm:ss" entries are not whole minutes
    int32_t IntervalAsked = 0;
    int32_t NumRec = 0;
    int32_t NumChan = 0;
    QString ListHead1, ListHead2;             // 10-character columns of names / units
    QString FileHead1, FileHead2, FileHead3;  // the three header lines of a *.ZRD
    std::array<QString, kMaxMeterChannels> ChanName, ChanUnit;
    std::array<int32_t, kMaxMeterChannels> ChanClass{};
    std::array<double, kMaxMeterChannels> Min{}, Max{};
    std::array<int32_t, kMaxMeterChannels> MinIx{}, MaxIx{};
    int32_t FirstGapIx = kNoGap;
    std::array<int32_t, kMaxMeterChannels> Digits{};
};

// One record as the record list and the *.ZRD hold it.
struct MeterRecord {
    bool ok = true;      // "OK" (checked row) or "--" (recorded after an interruption)
    QString date, time;  // "dd.mm.yy", "hh:mm:ss"
    std::vector<QString> values; // per channel: "%7.Nf" text or a marker word (MarkerText)
};

// The records of the active source, newest first, and the times that date them.
struct LoggerRecords {
    std::vector<MeterRecord> rows;
    uint32_t ref_time = 0;     // calendar seconds (from 1900, local) of record 0
    uint32_t timeoffset = 900; // seconds between records, never 0
};

extern LogSource Dev, File;
extern LogSource* Logsrc;
extern LoggerRecords LogRecords; // describes whatever Logsrc points to

// Date and time of record `index` (0 = newest) and its slot within its day.
struct RecordTime {
    QString ixdate; // "dd.mm.yy"
    QString ixtime; // "hh:mm:ss"
    int32_t dayoffs = 0;
};
RecordTime GetLoggerTimeDate(const LoggerRecords& records, int index);

// Points of one day for an interval: intervals per day + 1 (00:00 and 24:00 both count).
int32_t ProfPoints(uint32_t intervalSeconds);

// A value text of a record as a number; false for a marker or anything not a number,
// which then takes part in no extreme, no curve and no numeric cell.
bool ValueFromText(const QString& text, double& value);

// ---- Module logger ------------------------------------------------------------------

constexpr int kMaxModuleChannels = 23;
constexpr int kMaxSequences = 255;
constexpr uint32_t kMaxLogValues = 699050;
constexpr uint32_t kMaxLogStamps = 299593;

struct LogSequence {
    uint32_t NumRec = 0;
    uint32_t NumChan = 0;
    uint32_t Start = 0, Stop = 0; // calendar seconds (from 1900) of first and last stamp as read
    uint32_t FirstVal = 0;        // index in LogVal of value 0 of record 0
    uint32_t FirstStamp = 0;      // index in LogStamp of record 0
    std::array<uint8_t, kMaxModuleChannels> Codes{};
    uint16_t IntervalMin = 0;
    std::array<double, kMaxModuleChannels> Min{}, Max{};        // unscaled
    std::array<uint32_t, kMaxModuleChannels> MinTime{}, MaxTime{};
    std::array<int32_t, kMaxModuleChannels> Digits{};
    std::array<double, kMaxModuleChannels> Scale{};             // 1, 1e3, 1e6 or 1e9
    std::array<QString, kMaxModuleChannels> Names, Units;
};

// The whole decoded log of a module. After decoding, record 0 of every sequence is its
// newest: value k of record r is LogVal[FirstVal + r * NumChan + k], its time
// LogStamp[FirstStamp + r] (calendar seconds from 1900).
struct ModuleLog {
    std::array<uint8_t, 6> DevID{};
    QString DevName;
    std::vector<uint32_t> LogStamp;
    std::vector<float> LogVal;
    std::vector<LogSequence> Dev57 = std::vector<LogSequence>(kMaxSequences + 1); // 1-based
    int32_t NumLogSeq = 0;
};

extern ModuleLog Log57;
extern int32_t LogSeq; // the sequence shown

// How a module value of a measurand code is checked: 43 is the frequency, 44-47 the
// power factors.
ReadingCheck ModuleCodeCheck(uint8_t code);
// The 9-character text the module panel shows for value v of channel k.
constexpr int kModuleValueWidth = 9;
QString ModuleValueText(const LogSequence& seq, int k, float v);
// True for measurand codes 70 and above: maxima and minima, shown in the second list.
inline bool IsExtremeCode(uint8_t code) { return code >= 70; }
