// The communication log: every frame the link sends and receives, with its outcome, for
// the log window and zaro-cli --log. The link reports through one function pointer that
// is empty while nobody listens, so a closed log costs one test per frame.
#pragma once

#include "platform/ProgramFiles.h"

#include <QByteArray>
#include <QLocale>
#include <QString>
#include <cstdint>
#include <deque>
#include <string>

enum class FrameOutcome : uint8_t {
    Request,     // sent, first attempt
    Retry,       // sent again (attempt 2 and on)
    Broadcast,   // sent, no reply expected
    Good,        // a reply that passed its checks
    Exception,   // a Modbus exception reply
    CrcError,    // a reply of the right length with a wrong CRC
    WrongLength, // a reply of the wrong length
    Timeout,     // no reply in time
    Closed,      // the peer closed the connection instead of replying
    Invalid,     // a Modbus/TCP reply that does not answer the request
};

// What the link reports: the frame as it went on or came off the wire.
struct LinkFrameEvent {
    bool sent;
    FrameOutcome outcome;
    int attempt;
    const uint8_t* bytes;
    int length;
};
extern void (*LinkFrameHook)(const LinkFrameEvent& event);

inline void ReportFrame(bool sent, FrameOutcome outcome, int attempt, const uint8_t* bytes, int length) {
    if (LinkFrameHook) LinkFrameHook({sent, outcome, attempt, bytes, length});
}

struct LogFrame {
    int64_t timeMs;  // since the log was started (link clock)
    int64_t clockMs; // wall clock, ms since 1970 UTC: what the window shows
    bool sent;
    uint8_t kind; // a CommKind
    uint8_t address, function;
    uint16_t start, count; // register range of the request (and of its reply)
    FrameOutcome outcome;
    uint8_t attempt;
    uint8_t exceptionCode; // of an exception reply
    int replyMs;           // replies: time since their request
    QByteArray bytes;
};

struct LogCounters {
    int requests = 0, good = 0, retries = 0, timeouts = 0, crcErrors = 0, exceptions = 0;
    int replies = 0; // good replies and exceptions, which have a reply time
    int64_t replyMsTotal = 0;
    int longestMs = 0;
    double meanMs() const { return replies ? double(replyMsTotal) / replies : 0.0; }
};

constexpr size_t kCommLogCapacity = 10000;

// Starting installs the hook and keeps what was logged before; stopping removes the hook.
void StartCommLog();
void StopCommLog();
bool CommLogRunning();
void ClearCommLog(); // frames and counters
// The last kCommLogCapacity frames, oldest first; counters count every frame since the clear.
// (The log file of StartCommLogFile gets every frame.)
const std::deque<LogFrame>& CommLogFrames();
const LogCounters& CommLogCounters();
// Frames logged since the clear, including those the capacity has dropped.
uint64_t CommLogTotal();

// One tab-separated line (the saved and copied log, zaro-cli --log): time ms since the
// start, TX/RX, interface, address, function, registers,
// length, bytes in hex, outcome.
QString CommLogLine(const LogFrame& frame);
// The outcome in English (log lines, files, scripts) or in the user's language (the window).
enum class Wording { English, Translated };
QString OutcomeText(const LogFrame& frame, Wording wording = Wording::English);
// The frame's clock time, hh:mm:ss.zzz with the locale's digits.
QString ClockText(const LogFrame& frame, const QLocale& locale);
// Writes the line of every frame to path as soon as it is logged (the file is emptied
// first), so a run that is killed keeps what it saw and no frame is ever dropped.
bool StartCommLogFile(const std::string& path, FileFault* why = nullptr);
// Stops writing the file; false when any line could not be written.
bool StopCommLogFile(FileFault* why = nullptr);
