#include "link/CommLog.h"

#include "link/CommKind.h"
#include "link/DeviceLink.h"
#include "link/LinkConnection.h"
#include "link/Transport.h"
#include "platform/ProgramFiles.h"

#include <QCoreApplication>
#include <QDateTime>
#include <algorithm>

void (*LinkFrameHook)(const LinkFrameEvent& event) = nullptr;

namespace {

std::deque<LogFrame> frames;
LogCounters counters;
uint64_t total = 0;
int64_t startMs = 0;
LogFrame lastRequest{};
int64_t lastRequestMs = 0;
LiveFile logFile;

// Modbus/TCP frames carry a 6-byte header before the unit byte.
int PduOffset(int kind) {
    return IsTcpKind(kind) ? 6 : 0;
}

uint16_t Word(const uint8_t* p) {
    return uint16_t(p[0] << 8 | p[1]);
}

bool CrcGood(const uint8_t* p, int n) {
    uint16_t crc = 0xFFFF;
    for (int i = 0; i < n - 2; ++i)
        crc = CRC16(crc, p[i]);
    return p[n - 2] == uint8_t(crc) && p[n - 1] == uint8_t(crc >> 8);
}

// A serial exception reply is 5 bytes long: to the link it is a reply of wrong length.
FrameOutcome Refine(const LinkFrameEvent& e, int off) {
    if (e.outcome != FrameOutcome::WrongLength || off || e.length != 5) return e.outcome;
    return (e.bytes[1] & 0x80) && CrcGood(e.bytes, 5) ? FrameOutcome::Exception : e.outcome;
}

void Count(const LogFrame& f) {
    switch (f.outcome) {
    case FrameOutcome::Request:
    case FrameOutcome::Broadcast:
        ++counters.requests;
        break;
    case FrameOutcome::Retry:
        ++counters.retries;
        break;
    case FrameOutcome::Good:
    case FrameOutcome::Exception:
        (f.outcome == FrameOutcome::Good ? counters.good : counters.exceptions)++;
        ++counters.replies;
        counters.replyMsTotal += f.replyMs;
        counters.longestMs = std::max(counters.longestMs, f.replyMs);
        break;
    case FrameOutcome::CrcError:
        ++counters.crcErrors;
        break;
    case FrameOutcome::Timeout:
        ++counters.timeouts;
        break;
    default:
        break;
    }
}

// Appends in memory, and to the log file when one is open: a line is small and goes
// out with one write, the link never waits for a window.
void Record(const LinkFrameEvent& e) {
    const int64_t now = Wire().nowMs();
    const int off = PduOffset(LinkConnection().kind);
    LogFrame f{};
    f.timeMs = now - startMs;
    f.clockMs = QDateTime::currentMSecsSinceEpoch();
    f.sent = e.sent;
    f.kind = uint8_t(LinkConnection().kind);
    f.attempt = uint8_t(std::min(e.attempt, 255));
    f.bytes = QByteArray(reinterpret_cast<const char*>(e.bytes), std::max(e.length, 0));
    if (e.sent) {
        if (e.length >= off + 2) {
            f.address = e.bytes[off];
            f.function = e.bytes[off + 1];
        }
        if (e.length >= off + 6 && (f.function == 3 || f.function == 16)) {
            f.start = Word(e.bytes + off + 2);
            f.count = Word(e.bytes + off + 4);
        }
        f.outcome = e.outcome;
        lastRequest = f;
        lastRequestMs = now;
    } else {
        f.address = lastRequest.address;
        f.function = lastRequest.function;
        f.start = lastRequest.start;
        f.count = lastRequest.count;
        f.outcome = Refine(e, off);
        if (f.outcome == FrameOutcome::Exception && e.length >= off + 3) f.exceptionCode = e.bytes[off + 2];
        f.replyMs = int(now - lastRequestMs);
    }
    Count(f);
    ++total;
    if (logFile.isOpen()) logFile.append(CommLogLine(f).toUtf8() + '\n');
    frames.push_back(std::move(f));
    if (frames.size() > kCommLogCapacity) frames.pop_front();
}

const char* KindName(int kind) {
    static const char* const names[] = {"RS-232", "RS-485", "gateway", "LANMOD57"};
    return kind >= 0 && kind < 4 ? names[kind] : "?";
}

const char* ExceptionMeaning(int code) {
    switch (code) {
    case 1:
        return QT_TRANSLATE_NOOP("CommLog", "illegal function");
    case 2:
        return QT_TRANSLATE_NOOP("CommLog", "illegal data address");
    case 3:
        return QT_TRANSLATE_NOOP("CommLog", "illegal data value");
    case 4:
        return QT_TRANSLATE_NOOP("CommLog", "device failure");
    case 5:
        return QT_TRANSLATE_NOOP("CommLog", "acknowledge");
    case 6:
        return QT_TRANSLATE_NOOP("CommLog", "device busy");
    case 10:
        return QT_TRANSLATE_NOOP("CommLog", "gateway path unavailable");
    case 11:
        return QT_TRANSLATE_NOOP("CommLog", "target device failed to respond");
    default:
        return QT_TRANSLATE_NOOP("CommLog", "unknown");
    }
}

} // namespace

void StartCommLog() {
    if (frames.empty()) startMs = Wire().nowMs(); // times count from the first start after a clear
    LinkFrameHook = Record;
}

void StopCommLog() {
    LinkFrameHook = nullptr;
}

bool CommLogRunning() {
    return LinkFrameHook != nullptr;
}

void ClearCommLog() {
    frames.clear();
    counters = LogCounters{};
    total = 0;
    startMs = Wire().nowMs();
}

const std::deque<LogFrame>& CommLogFrames() {
    return frames;
}

const LogCounters& CommLogCounters() {
    return counters;
}

uint64_t CommLogTotal() {
    return total;
}

QString OutcomeText(const LogFrame& f, Wording wording) {
    const auto word = [wording](const char* text) {
        return wording == Wording::English ? QString::fromLatin1(text)
                                           : QCoreApplication::translate("CommLog", text);
    };
    switch (f.outcome) {
    case FrameOutcome::Request:
        return word(QT_TRANSLATE_NOOP("CommLog", "request"));
    case FrameOutcome::Retry:
        return word(QT_TRANSLATE_NOOP("CommLog", "retry %1")).arg(f.attempt - 1);
    case FrameOutcome::Broadcast:
        return word(QT_TRANSLATE_NOOP("CommLog", "broadcast"));
    case FrameOutcome::Good:
        return word(QT_TRANSLATE_NOOP("CommLog", "good reply, %1 ms")).arg(f.replyMs);
    case FrameOutcome::Exception:
        return word(QT_TRANSLATE_NOOP("CommLog", "exception %1 (%2), %3 ms"))
            .arg(f.exceptionCode)
            .arg(word(ExceptionMeaning(f.exceptionCode)))
            .arg(f.replyMs);
    case FrameOutcome::CrcError:
        return word(QT_TRANSLATE_NOOP("CommLog", "CRC error"));
    case FrameOutcome::WrongLength:
        return word(QT_TRANSLATE_NOOP("CommLog", "wrong length"));
    case FrameOutcome::Timeout:
        return word(QT_TRANSLATE_NOOP("CommLog", "time-out"));
    case FrameOutcome::Closed:
        return word(QT_TRANSLATE_NOOP("CommLog", "connection closed"));
    case FrameOutcome::Invalid:
        return word(QT_TRANSLATE_NOOP("CommLog", "invalid reply"));
    }
    return {};
}

QString ClockText(const LogFrame& f, const QLocale& locale) {
    return locale.toString(QDateTime::fromMSecsSinceEpoch(f.clockMs).time(), QStringLiteral("HH:mm:ss.zzz"));
}

QString CommLogLine(const LogFrame& f) {
    const QString registers =
        f.count ? QString("%1-%2").arg(f.start).arg(f.start + f.count - 1) : QString("-");
    return QString("%1\t%2\t%3\t%4\t%5\t%6\t%7\t%8\t%9")
        .arg(f.timeMs)
        .arg(f.sent ? "TX" : "RX")
        .arg(KindName(f.kind))
        .arg(f.address)
        .arg(f.function)
        .arg(registers)
        .arg(f.bytes.size())
        .arg(QString::fromLatin1(f.bytes.toHex(' ')))
        .arg(OutcomeText(f));
}

bool StartCommLogFile(const std::string& path, FileFault* why) {
    return logFile.open(path, why);
}

bool StopCommLogFile(FileFault* why) {
    return logFile.close(why);
}
