#include "logger/Logger57.h"

#include "acquisition/MeasDecode.h"
#include "config/ConfigImage.h"
#include "link/Connection.h"
#include "link/ModbusTcp.h"
#include "logger/Logger57Decode.h"
#include "platform/HttpClient.h"
#include "platform/Messages.h"
#include "platform/ProgramFiles.h"
#include "platform/TimeBase.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstring>


namespace {

// Message pairs of the module logger.
constexpr int kModuleLoggerKind = 17;
constexpr int kDecodeFailed = 1; // argument: the decoder's phrase
constexpr int kDownloadTimedOut = 2;
constexpr int kDownloadTooLarge = 3;
constexpr int kDownloadGarbled = 4;
constexpr int kDownloadRefused = 5; // argument: the status text

// The temporary download lives in a private folder of this run.
std::string tempFolder;

std::string TemporaryLogPath() {
    if (tempFolder.empty()) {
        RemoveStaleTemporaryFolders("module-log"); // left by a run that was killed
        tempFolder = CreateTemporaryFolder("module-log");
    }
    return tempFolder.empty() ? std::string() : tempFolder + "/log.dat";
}

// The module's own words for the codes it is known to send.
const char* StatusText(int status) {
    static const struct {
        int code;
        const char* text;
    } kTexts[] = {
        {400, "HTTP_400_BAD_REQUEST"},         {403, "HTTP_403_FORBIDDEN"},
        {404, "HTTP_404_NOT_FOUND"},           {411, "HTTP_411_LENGTH_REQUIRED"},
        {412, "HTTP_412_PRECONDITION_FAILED"}, {414, "HTTP_414_REQUEST_URI_TOO_LONG"},
        {500, "HTTP_500_INTERNAL_ERROR"},      {501, "HTTP_501_NOT_IMPLEMENTED"},
        {503, "HTTP_503_SERVICE_UNAVAILABLE"},
    };
    for (const auto& t : kTexts)
        if (t.code == status) return t.text;
    return nullptr;
}

// Shows what went wrong with a download; 0.
int DownloadFailed(const HttpReply& reply) {
    switch (reply.outcome) {
    case HttpOutcome::ConnectFailed:
        Error(8, 2);
        break;
    case HttpOutcome::SendFailed:
        Error(8, 13);
        break;
    case HttpOutcome::ReadFailed:
        Error(8, 14, QT_TRANSLATE_NOOP("Messages", "The LANMOD57 module"));
        break;
    case HttpOutcome::TimedOut:
        Error(kModuleLoggerKind, kDownloadTimedOut);
        break;
    case HttpOutcome::TooLarge:
        Error(kModuleLoggerKind, kDownloadTooLarge);
        break;
    case HttpOutcome::Garbled:
        Error(kModuleLoggerKind, kDownloadGarbled);
        break;
    case HttpOutcome::Ok: {
        const char* known = StatusText(reply.status);
        const QByteArray other = "HTTP " + QByteArray::number(reply.status);
        Error(kModuleLoggerKind, kDownloadRefused, known ? known : other.constData());
        break;
    }
    }
    return 0;
}

QString LocalText(uint32_t stamp, const char* format, bool fourDigitYear) {
    const LocalTime t = LocalFromCalendarSeconds(stamp);
    return QString::asprintf(format, t.day, t.month, fourDigitYear ? t.year : t.year % 100, t.hour, t.minute,
                             t.second);
}

int Decode(const QByteArray& bytes, ModuleLog& log) {
    QString error;
    if (DecodeModuleLog(bytes, log, error)) return 1;
    Error(kModuleLoggerKind, kDecodeFailed, error.toLatin1().constData());
    return 0;
}

// The decoded log becomes the one shown, from its newest usable sequence.
void Take(const ConfigImage& meter, ModuleLog& shown, ModuleLog&& log) {
    shown = std::move(log);
    // A meter set to show current unbalance logs it, a percentage, in place of the
    // neutral current (12) and of its maximum (85).
    if (UnbalanceInNeutral(meter))
        for (int s = 1; s <= shown.NumLogSeq; ++s) {
            LogSequence& seq = shown.Dev57[size_t(s)];
            for (uint32_t k = 0; k < seq.NumChan; ++k) {
                if (seq.Codes[k] != 12 && seq.Codes[k] != 85) continue;
                seq.Names[k] = seq.Codes[k] == 12 ? "Unb.I" : "Unb.Imax";
                seq.Units[k] = "[%]";
                seq.Digits[k] = 1;
                seq.Scale[k] = 1.0;
            }
        }
    shown.Shown = NewestUsableSequence(shown);
}

} // namespace

int InitLogger57(MeterSession& session, ModuleLog& shown, const QByteArray& bytes) {
    ModuleLog log;
    if (!Decode(bytes, log)) return 0;
    Take(session.read, shown, std::move(log));
    return 1;
}

int CmReadLoggerData57(MeterSession& session, ModuleLog& shown) {
    const std::string host = ModuleAddress(session.connection.moduleIndex);
    // The module closes the connection after its reply.
    const HttpReply reply = HttpGet(host, session.connection.moduleHttpPort, "/log.dat", HttpLimits{});
    if (reply.outcome != HttpOutcome::Ok || reply.status < 200 || reply.status > 299)
        return DownloadFailed(reply);
    // Only a log that decodes replaces the one shown and the file it came from.
    ModuleLog log;
    if (!Decode(reply.body, log)) return 0;
    const std::string path = TemporaryLogPath();
    FileFault fault = FileFault::CannotOpen;
    if (path.empty() || !WriteFileAtomically(path, reply.body, &fault)) return ShowWriteFault(fault);
    Take(session.read, shown, std::move(log));
    shown.SourceFile = path;
    return 1;
}

int StoreLoggerFile57(const ModuleLog& shown, const std::string& path) {
    QByteArray bytes;
    if (shown.SourceFile.empty() || !ReadWholeFile(shown.SourceFile, bytes)) {
        Error(2, 5);
        return 0;
    }
    FileFault fault = FileFault::None;
    return WriteFileAtomically(path, bytes, &fault) ? 1 : ShowWriteFault(fault);
}

int OpenLoggerFile57(MeterSession& session, ModuleLog& shown, const std::string& path) {
    QByteArray bytes;
    FileFault fault = FileFault::None;
    // A file holds what a download would: the same limit, told in the same words.
    if (!ReadWholeFile(path, bytes, HttpLimits{}.maxBody, &fault)) {
        if (fault == FileFault::TooLarge) Error(kModuleLoggerKind, kDownloadTooLarge);
        else Error(2, 5);
        return 0;
    }
    if (!InitLogger57(session, shown, bytes)) return 0;
    shown.SourceFile = path;
    return 1;
}

void RemoveModuleWorkfile(ModuleLog& shown) {
    if (tempFolder.empty()) return;
    RemoveFolder(tempFolder);
    if (shown.SourceFile.rfind(tempFolder + "/", 0) == 0) shown.SourceFile.clear(); // an opened *.LF3 stays
    tempFolder.clear();
}

QString ModuleMacText(const ModuleLog& log) {
    const auto& m = log.DevID;
    return QString::asprintf("%02x-%02x-%02x-%02x-%02x-%02x", m[0], m[1], m[2], m[3], m[4], m[5]);
}

QString ModuleIdentityText(const ModuleLog& log) {
    return log.DevName + "\n" + ModuleMacText(log);
}

QString PeriodText(const LogSequence& seq) {
    return LocalText(seq.Start, "START:    %02u.%02u.%4u  %02u:%02u:%02u\n", true) +
           LocalText(seq.Stop, "STOP:     %02u.%02u.%4u  %02u:%02u:%02u\n", true) +
           QString::asprintf("#Records: %u", seq.NumRec);
}

QString RecordTimeText(uint32_t stamp) {
    return LocalText(stamp, "%02u.%02u.%02u  %02u:%02u:%02u", false);
}

QString ExtremeTimeText(uint32_t stamp) {
    return LocalText(stamp, "%02u.%02u.%02u %02u:%02u:%02u", false);
}

std::vector<int> ListChannels(const LogSequence& seq, bool extremes) {
    std::vector<int> channels;
    for (uint32_t k = 0; k < seq.NumChan; ++k)
        if (IsExtremeCode(seq.Codes[k]) == extremes) channels.push_back(int(k));
    return channels;
}

QString ExtremeText(const LogSequence& seq, int k, bool maximum) {
    if (seq.Min[k] > seq.Max[k]) return QString(); // no valid value
    const double scale = seq.Scale[k] != 0.0 ? seq.Scale[k] : 1.0;
    const int digits = std::clamp(seq.Digits[k], 0, 6);
    return QString::number((maximum ? seq.Max[k] : seq.Min[k]) / scale, 'f', digits);
}
