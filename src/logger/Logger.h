// The meter logger without widgets: the channel description from the meter's
// configuration, the status block, value texts, record times, reading the records in
// whole-record blocks, and *.ZRD files. The panel and zaro-cli share all of it.
#pragma once

#include "config/ConfigImage.h"
#include "logger/LogData.h"
#include "values/DisplayScale.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>

struct MeterSession;
class ScratchFile;

// Memory size and request size by channel count: the largest multiple of n not above
// 16000 values, and the largest multiple of 2n not above 120 registers, so that every
// request carries whole records.
int LoggerCapacity(int channels);
int LoggerBlockRegisters(int channels);

// The status block (request 11) as read into Log.
constexpr uint16_t kLogFullStop = 0x0100;      // full in stop mode: newest record is old
constexpr uint16_t kLogFullOverwrite = 0x0200; // full, oldest records overwritten
struct LoggerStatus {
    uint16_t flags = 0;
    uint16_t values = 0; // 32-bit values stored
    std::array<uint16_t, 10> gaps{};
};
LoggerStatus LoggerStatusFromLog();

// Channel names, units and classes, the header rows and lines, mode and address from
// the image read from the meter, in the units of its display scale. The interval is
// left to LoggerIntervalFromConfig or SetLoggerInterval.
void DescribeLoggerChannels(LogSource& src, const ConfigImage& image, int busAddress);
// Takes the interval from the image; false when the meter synchronises externally or
// has none, so that the user must give it.
bool LoggerIntervalFromConfig(LogSource& src, const ConfigImage& image);
// An interval the user gave; false (nothing changed) below 10 seconds.
bool SetLoggerInterval(LogSource& src, int minutes, int seconds);

// Days, hours and minutes "dd:hh:mm" covered by records at the interval.
QString LoggerSpanText(uint32_t intervalSeconds, int records);
// "mm:ss" of an interval in seconds.
QString IntervalTextFromSeconds(uint32_t seconds);

// A raw logger value x of a channel as the number shown (scaled) or its state.
LoggedValue LoggerReading(const DisplayScale& scale, int klass, bool invalid, float x);
// Decimals of a class's value texts: the scale's when 2 to 4, else 1.
int LoggerDecimals(const DisplayScale& scale, int klass);
// A value text as the record list shows it: a 10-character column, a text of 10 or
// more characters cut to its first 8.
QString LoggerListColumn(const QString& text);

// The newest record's time when nothing asks otherwise: now rounded down to a whole
// interval, counted from the origin of the time base.
uint32_t NewestRecordTime(uint32_t now, uint32_t timeoffset);
// Date "dd.mm.yy" and time "hh:mm:ss" of calendar seconds.
QString LoggerDateText(uint32_t seconds);
QString LoggerTimeText(uint32_t seconds);
// Parses them back; false when they are not a date and a time.
bool LoggerTimeFromText(const QString& date, const QString& time, uint32_t& seconds);

// The meter's logger as InitLogger describes it, from session.read and the interface in use:
// channels, headers, address and, when the meter has one, the interval (false when
// the user must give it).
bool DescribeMeterLogger(MeterSession& session, LogSource& src);

// Reading the records. The link must be open and the description in src current.
enum class LoggerRead {
    Done,
    Empty,          // no records: nothing happened
    StatusFailed,   // the status block could not be read
    TimeRefused,    // the newest record's time was asked for and not given
    TempFileFailed, // Error(2, 5) was shown
    BlockFailed,    // a block failed 4 times: the records so far stay
};
struct LoggerReadHooks {
    // Asked when the memory is full in stop mode: the time of the newest record,
    // suggested as now rounded down. False cancels the read.
    std::function<bool(uint32_t suggested, uint32_t& chosen)> askNewest;
    std::function<void()> blockDone; // rows were added to the records
    uint32_t now = 0;                // the clock (0: the real one)
    uint32_t newest = 0;             // the newest record's time, given beforehand (0: none)
};
// Fills records (newest first) and src's extremes; writes the header lines and one
// line per record into tmp when given. Shows the progress window.
LoggerRead ReadLoggerRecords(MeterSession& session, LogSource& src, LoggerRecords& records, ScratchFile* tmp,
                             const LoggerReadHooks& hooks);

// The *.ZRD content of a source and its records, and one record's line.
QByteArray ZrdHeader(const LogSource& src);
QByteArray ZrdLine(const LoggerRecords& records, size_t r);
QByteArray ZrdLine(const LoggerRecords& records, size_t r, StampClock& clock); // for runs of records
// A *.ZRD as bytes into src (a file source) and records; false after Error(3, 6). A file with
// fewer than two records has no interval of its own: it gets 15 minutes and
// src.IntervalAssumed is set.
bool ParseZrd(const QByteArray& data, LogSource& src, LoggerRecords& records);
bool ReadZrdFile(const QString& path, LogSource& src, LoggerRecords& records);
bool WriteZrdFile(const QString& path, const LogSource& src, const LoggerRecords& records);
