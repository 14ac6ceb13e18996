// What the two logger panels hold once records are read or a file is opened: the
// meter logger's channel description and record rows, and the module logger's decoded
// sequences. The profile graph and the workbook export read only these records, so
// they work the same on data from a device and from a file. No widgets here.
#pragma once

#include "values/Reading.h"

#include <QString>
#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

// ---- Meter logger -------------------------------------------------------------------

constexpr int kMaxMeterChannels = 14;
constexpr int kNoGap = 99999; // FirstGapIx when no record is marked "--"

// Description of one meter logger source: the meter or an opened *.ZRD.
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
    // Channels whose measurand the meter's system lacks: their values read "inval.".
    std::array<uint8_t, kMaxMeterChannels> Unmeasured{};
    // A file with fewer than two dated records has no interval of its own: 15 minutes
    // are assumed, and the panel says so.
    bool IntervalAssumed = false;
};

// One logged value: a number when validity is Ok, else the state a marker shows.
struct LoggedValue {
    double value = 0.0;
    Validity validity = Validity::NotLogged;
    bool ok() const { return validity == Validity::Ok; }
};

// The records of the active source, newest first, as numbers: value c of record r lies
// at r * channels + c. Texts are made where they are shown (record list, *.ZRD, export).
struct LoggerRecords {
    int channels = 0;
    // Decimals of each channel's value texts ("%7.Nf").
    std::array<int8_t, kMaxMeterChannels> decimals{};
    std::vector<uint32_t> times;     // calendar seconds (from 1900, local) of each record
    std::vector<uint8_t> gaps;       // 1: recorded after an interruption ("--")
    std::vector<double> values;
    std::vector<uint8_t> validities; // Validity of each value
    // Fields of an opened file that the numbers would not give back as written (a
    // value typed by hand, a date that is no date): kept as written, so that saving the
    // file again changes nothing. Key: FieldKey.
    std::unordered_map<uint64_t, QString> verbatim;
    uint32_t ref_time = 0;     // calendar seconds (from 1900, local) of record 0
    uint32_t timeoffset = 900; // seconds between records, never 0

    size_t size() const { return times.size(); }
    bool empty() const { return times.empty(); }
    // No records, the channel count and the interval kept.
    void clear();
    // Appends a record whose values are all NotLogged; returns its index.
    size_t add(uint32_t time, bool gap);
    LoggedValue value(size_t r, int c) const {
        const size_t i = r * size_t(channels) + size_t(c);
        return {values[i], Validity(validities[i])};
    }
    void set(size_t r, int c, LoggedValue v) {
        const size_t i = r * size_t(channels) + size_t(c);
        values[i] = v.value;
        validities[i] = uint8_t(v.validity);
    }
    // Field 0 is the date, 1 the time, 2 + c value c.
    uint64_t FieldKey(size_t r, int field) const { return uint64_t(r) * uint64_t(channels + 2) + uint64_t(field); }
};

// Texts of record r as the record list and the *.ZRD show them: "%7.Nf" or the
// marker word; "dd.mm.yy" and "hh:mm:ss".
QString RecordValueText(const LoggerRecords& records, size_t r, int c);
QString RecordDateText(const LoggerRecords& records, size_t r);
QString RecordTimeText(const LoggerRecords& records, size_t r);
// The text of a number with its decimals, as a value field of a record holds it.
QString LoggedNumberText(double value, int decimals);

// A moment as the local calendar counts it.
struct LocalStamp {
    int64_t day = 0;     // local days from 1970-01-01
    uint32_t second = 0; // of that day
};
// Its date "dd.mm.yy" and time "hh:mm:ss".
void LocalStampTexts(const LocalStamp& local, std::string& date, std::string& time);

// Local day and time of calendar seconds, for runs of records.
// localtime for each of a million stamps would take longer than writing them; within a
// day whose offset from UTC does not change the local time is plain arithmetic.
struct StampClock {
    int64_t day = INT64_MIN; // UTC day of the cached offset
    int32_t offset = 0;
    bool steady = false;
    LocalStamp local(uint32_t stamp);
    void texts(uint32_t stamp, std::string& date, std::string& time) { LocalStampTexts(local(stamp), date, time); }
};

// The meter logger as a panel or a command holds it: the meter's logger and the
// *.ZRD opened last, and the records of whichever of the two is active.
struct MeterLog {
    LogSource device;
    LogSource file;
    bool deviceActive = false;
    LoggerRecords records; // of the active source

    LogSource& source() { return deviceActive ? device : file; }
    const LogSource& source() const { return deviceActive ? device : file; }
};

// Date and time of record `index` (0 = newest) and its slot within its day.
struct RecordTime {
    QString ixdate; // "dd.mm.yy"
    QString ixtime; // "hh:mm:ss"
    int32_t dayoffs = 0;
};
RecordTime GetLoggerTimeDate(const LoggerRecords& records, int index);

// Points of one day for an interval: intervals per day + 1 (00:00 and 24:00 both count).
int32_t ProfPoints(uint32_t intervalSeconds);

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
    int32_t Shown = 0; // the sequence the panel shows, 0: none
    // The file the log was decoded from: the per-user temporary "log.dat" after a
    // download, the *.LF3 after opening one. Empty while nothing is decoded.
    std::string SourceFile;
};

// How a module value of a measurand code is checked: 43 is the frequency, 44-47 the
// power factors.
ReadingCheck ModuleCodeCheck(uint8_t code);
// The 9-character text the module panel shows for value v of channel k.
constexpr int kModuleValueWidth = 9;
QString ModuleValueText(const LogSequence& seq, int k, float v);
// True for measurand codes 70 and above: maxima and minima, shown in the second list.
inline bool IsExtremeCode(uint8_t code) { return code >= 70; }
