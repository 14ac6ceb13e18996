#include "config/ConfigTransfer.h"

#include "config/ConfigDiff.h"
#include "config/ConfigFile.h"
#include "config/DispMode.h"
#include "config/EditorRefresh.h"
#include "link/DeviceLink.h"
#include "link/Transport.h"
#include "platform/Messages.h"
#include "platform/ProgramFiles.h"
#include "platform/TimeBase.h"
#include "settings/INI_File.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

// How long the full progress bar stays before its window closes, so that it is seen.
constexpr int kFullBarMs = 100;

// x + 0.5 truncated toward zero, in single precision. Values no editor can produce
// (NaN, beyond 32 bits) are pinned instead of overflowing the conversion.
int32_t Rounded(float x) {
    const float r = x + 0.5f;
    if (std::isnan(r)) return 0;
    if (r <= -2147483648.0f) return std::numeric_limits<int32_t>::min();
    if (r >= 2147483648.0f) return std::numeric_limits<int32_t>::max();
    return int32_t(r);
}

// Divides by 10 while x has four digits; the exponent cannot pass what an i8 holds,
// so an infinite value cannot stall the loop.
void Normalise(float& x, int& e) {
    while (x >= 1000.0f && e < 127) {
        ++e;
        x = x / 10.0f;
    }
}

float TimesTen(float x, int times) {
    for (int i = 0; i < times; ++i)
        x = x * 10.0f;
    return x;
}

bool LoggerRearranged(MeterSession& session) {
    if (session.read.Model == 0) return ((session.edited.Logger ^ session.read.Logger) & 0x0C00) != 0;
    if ((session.edited.Logger ^ session.read.Logger) & kLoggerChannels) return true;
    for (int i = 0; i < 9; ++i)
        if ((session.edited.Mean_Log >> i & 1) && session.edited.MeanMeas[i] != session.read.MeanMeas[i])
            return true;
    return std::popcount(unsigned(session.edited.Mean_Log & 0x1FF)) !=
           std::popcount(unsigned(session.read.Mean_Log & 0x1FF));
}

bool MinMaxLoggerInUse(MeterSession& session) {
    for (uint8_t c : session.edited.MinMaxLogger)
        if (c != 255 && c != 0) return true;
    return false;
}

// The hidden interface-option control of the editor follows the configuration's own
// option flag: a meter without the option gets bit 7 in its bus settings.
bool InterfaceOptionOn(MeterSession& session) {
    return session.edited.Interface != 0;
}

// Keeps what the meter held before it is overwritten, so a wrong send can be undone
// by sending the backup, and tells the user where it went. A backup goes under a name
// nobody has used, never through a link planted under that name. False when none
// could be saved.
constexpr int kBackupNamesPerSecond = 99;

bool BackupMeterConfiguration(MeterSession& session) {
    const ConfigImage meter = MeterConfiguration(session);
    const LocalTime now = LocalNow();
    const QString dir = QString::fromStdString(BackupDir());
    QDir().mkpath(dir);
    const QString stamp = QString::asprintf("ZARO_%04u-%02u-%02u_%02u%02u%02u", now.year, now.month, now.day,
                                            now.hour, now.minute, now.second);
    const QByteArray text = ConfigFileText(meter, session.connection.kind, FormatDate(now), FormatTime(now));
    const bool keepable = ConfigFileReadsBack(text); // an unloadable backup is none
    for (int n = 1; keepable && n <= kBackupNamesPerSecond; ++n) {
        const QString path = dir + "/" + stamp + (n > 1 ? "_" + QString::number(n) : QString()) + ".ZRC";
        if (WriteNewFile(path.toStdString(), text)) {
            Notify(QCoreApplication::translate("ConfigTransfer",
                                               "The meter's previous configuration was saved to %1")
                       .arg(QDir::toNativeSeparators(path)));
            return true;
        }
        if (errno != EEXIST) break;
    }
    Notify(QCoreApplication::translate("ConfigTransfer",
                                       "No backup of the meter's configuration could be saved to %1")
               .arg(QDir::toNativeSeparators(dir)));
    return false;
}

enum SendResult { kStopped = -1, kFailed = 0, kSent = 1, kUnchanged = 2 };

// The user sees what the send changes on the meter before anything is written; a meter
// that already holds it all is left alone.
SendResult ConfirmDifferences(MeterSession& session) {
    const std::vector<ConfigDifference> diffs = CompareConfigurations(
        MeterConfiguration(session), session.edited, CurrentMessageSink().numberLocale());
    if (diffs.empty()) return kUnchanged; // the window says so until the next command
    return WarningWithDetails(0, 0, DifferenceRows(diffs)) ? kSent : kStopped;
}

// Steps after the meter has been read: checks, questions, carry-over, the comparison and
// the writes. kStopped: a check or a declined question (no redraw); kFailed: a link failure.
SendResult SendCheckedConfiguration(MeterSession& session) {
    int rangeError = 0;
    if (session.edited.MaxI == 500 && session.read.MaxI == 100) rangeError = 8;
    if (session.edited.MaxI == 100 && session.read.MaxI == 500) rangeError = 7;
    if (rangeError) {
        Error(4, rangeError);
        return kStopped;
    }
    if (session.edited.Model != session.read.Model) {
        Error(7, 8);
        return kStopped;
    }

    const int version = session.read.FwVersion / 100;
    const bool extended = session.edited.Model == 1;
    if (extended && version < 2 && (session.edited.Display & kDisplayRefresh)) {
        if (!Warning(4, 4)) return kStopped;
        session.edited.Display &= kDisplayBrightness;
    }
    if ((session.edited.System & kSystemCosPhi) && version < 3) {
        if (!Warning(5, 5)) return kStopped;
        session.edited.System &= uint8_t(~kSystemCosPhi);
    }
    if (extended && (session.edited.Freq & kFreqUnbalanceI) && version < 4) {
        if (!Warning(6, 6)) return kStopped;
        session.edited.Freq &= uint8_t(~kFreqUnbalanceI);
    }

    bool longBlock = false;
    if (extended && session.connection.kind == kModule) {
        if (session.read.ExtVersion >= 120) {
            longBlock = true;
        } else if (MinMaxLoggerInUse(session)) {
            if (!Warning(7, 7)) return kStopped;
            longBlock = true;
        }
    }

    bool clearLogger = false;
    if (session.connection.kind != kModule && LoggerRearranged(session)) {
        const int answer = LoggerSendWarning();
        if (answer == 0) return kStopped;
        clearLogger = answer == 2;
    }

    Read(session.read, kReadDisplay, 1);
    TransferWindow(2, 32, 0);
    const int busRead = Read(session.read, kReadBusSettings, 1);
    TransferWindow(2, 34, 0);
    if (!busRead) return kFailed;

    session.edited.Image = SystemCode(session.edited) == SystemCode(session.read) ? session.read.Image : 0;
    session.edited.Display =
        uint8_t((session.edited.Display & kDisplayRefresh) | (session.read.Display & kDisplayBrightness));
    if (session.connection.kind == kRS485) {
        session.edited.Address = uint8_t(session.connection.meterAddress);
        session.edited.BusSettings =
            uint8_t(session.connection.baudIndex + 8 * session.connection.formatIndex);
    } else if (session.connection.kind == kGateway) {
        session.edited.Address = session.read.Address;
        session.edited.BusSettings = session.read.BusSettings;
    }
    if (!InterfaceOptionOn(session)) session.edited.BusSettings |= kBusNoInterface;

    if (const SendResult answer = ConfirmDifferences(session); answer != kSent) return answer;
    // Without a backup a wrong send could not be undone: only on the user's word.
    if (!BackupMeterConfiguration(session) && !Warning(kNoBackupKind, kNoBackupNumber)) return kStopped;
    if (!Write(session.edited, kWriteConfig, 1, 0)) return kFailed;
    if (extended) {
        TransferWindow(2, 60, 0);
        Wire().pauseMs(2000); // the meter stores the first block before it takes the second
        if (!Write(session.edited, longBlock ? kWriteConfigExtended : kWriteConfigM3, 1, 0)) return kFailed;
    }
    // The configuration is in; a failed clear is only reported.
    if (clearLogger) Write(session.read, kWriteLoggerClear, 1, 0);
    return kSent;
}

ConfigImage AsSent(const ConfigImage& image) {
    ConfigImage copy = image;
    SetupInputData(&copy);
    return copy;
}

bool SameImage(const ConfigImage& a, const ConfigImage& b) {
    return std::memcmp(&a, &b, sizeof a) == 0; // packed: every byte is a field
}

void ReportTransfer(MeterSession& session, TransferOutcome outcome) {
    TransferReport& r = session.transfer;
    r = TransferReport{};
    r.outcome = outcome;
    r.at = CalendarSecondsNow();
    if (IsAddressedKind(session.connection.kind)) r.address = MeterAddressInUse(session.connection);
    const ErrorPair why = LastError();
    if (outcome == TransferOutcome::ReceiveFailed || outcome == TransferOutcome::SendFailed) {
        r.errorKind = why.kind;
        r.errorNumber = why.number;
        r.errorArgument = why.argument;
    }
}

// What the meter named itself as, for the window's status.
void NoteIdentity(MeterSession& session) {
    MeterContact& contact = session.connection.contact;
    contact.model = std::string(ReportedModel(), qstrnlen(ReportedModel(), sizeof ReportedModel()));
    contact.firmware = session.read.FwVersion;
}

} // namespace

void KeepEdits(MeterSession& session) {
    session.kept = AsSent(session.edited);
}

void EditsOnMeter(MeterSession& session) {
    session.onMeter = AsSent(session.edited);
    session.onMeterKnown = true;
}

bool HasUnsavedEdits(const MeterSession& session) {
    return !SameImage(AsSent(session.edited), session.kept);
}

bool HasUnsentEdits(const MeterSession& session) {
    return session.onMeterKnown && !SameImage(AsSent(session.edited), session.onMeter);
}

ConfigImage MeterConfiguration(MeterSession& session) {
    ConfigImage meter = session.read;
    meter.Interface = (meter.BusSettings & kBusNoInterface) ? 0 : 1;
    return meter;
}

std::string BackupDir() {
    return SettingsDir + "/backups";
}

void SetupInputData(ConfigImage* image) {
    float x = image->UrPrim;
    int e = 0;
    Normalise(x, e);
    image->UrPrimMant = int16_t(Rounded(x));
    image->UrPrimExp = int8_t(e);

    image->UrSecMant = int16_t(image->UrSec);
    image->UrSecExp = 0;

    x = 100.0f * image->IrPrim;
    e = -2;
    Normalise(x, e);
    image->IrPrimMant = int16_t(Rounded(x));
    image->IrPrimExp = int8_t(e);

    int32_t m = Rounded(1000.0f * image->IrSec);
    image->IrSecExp = -3;
    if (m >= 999) {
        m = Rounded(100.0f * image->IrSec);
        image->IrSecExp = -2;
    }
    image->IrSecMant = int16_t(m);
}

void RestoreInputData(ConfigImage* image) {
    image->UrPrim = TimesTen(float(image->UrPrimMant), image->UrPrimExp);

    uint16_t u = uint16_t(image->UrSecMant);
    for (int i = 0; i < image->UrSecExp; ++i)
        u = uint16_t(u * 10);
    image->UrSec = u;

    image->IrPrim = TimesTen(float(image->IrPrimMant) / 100.0f, image->IrPrimExp + 2);
    image->IrSec = TimesTen(float(image->IrSecMant) / 1000.0f, image->IrSecExp + 3);
}

int ReadConfiguration(MeterSession& session, int) {
    int ok = 0;
    TransferWindow(0, 0, 0);
    if (Read(session.read, kReadVersions, 1)) {
        TransferWindow(2, 14, 0);
        const int named = Read(session.read, kReadModelName, 1);
        TransferWindow(2, 28, 0);
        if (named) {
            if (session.read.Model == 1)
                ok = Read(session.read, kReadFrequency, 1) &&
                     Read(session.read,
                          session.connection.kind == kModule && session.read.ExtVersion >= 120
                              ? kReadConfigExtended
                              : kReadConfigM3,
                          1);
            else
                ok = Read(session.read, kReadConfig, 1);
        }
        TransferWindow(2, 100, 0);
    }
    Wire().pauseMs(kFullBarMs);
    TransferWindow(1, 0, 0);
    if (!ok) return 0;

    NoteIdentity(session);
    RestoreInputData(&session.read);
    // A base-model read leaves bytes 108 on alone: what an extended meter read before
    // put there would change how this meter is shown.
    if (session.read.Model == 0) ResetExtendedFields(session.read);
    if (session.connection.kind == kModule) {
        session.read.BusSettings |= kBusViaModule;
        if (session.read.ExtVersion < 120)
            std::memset(session.read.MinMaxLogger, 255, sizeof session.read.MinMaxLogger);
    }
    return 1;
}

int ReceiveConfiguration(MeterSession& session) {
    if (!InitInterface()) return 0;
    const int ok = ReadConfiguration(session, 0);
    CloseInterface();
    if (!ok) return 0;
    session.read.Interface = (session.read.BusSettings & kBusNoInterface) ? 0 : 1;
    session.edited = session.read;
    return 1;
}

int CmRecFromDev(MeterSession& session) {
    ForgetLastError();
    if (!ReceiveConfiguration(session)) {
        ReportTransfer(session, TransferOutcome::ReceiveFailed);
        ShowEditState();
        return 0;
    }
    session.connection.meterAnswered = 1;
    NewINIFile(session); // model and ranges now follow the meter
    ActivateObjects();
    ShowAll();
    KeepEdits(session);
    EditsOnMeter(session);
    ReportTransfer(session, TransferOutcome::Received);
    ShowEditState();
    return 1;
}

int CmSendConfig(MeterSession& session) {
    ForgetLastError();
    SetupInputData(&session.edited);
    ClearUnofferedPages(session.edited); // a file or another program may have set them
    if (!InitInterface()) {
        ShowAll();
        ReportTransfer(session, TransferOutcome::SendFailed);
        ShowEditState();
        return 0;
    }
    if (!ReadConfiguration(session, 0)) {
        CloseInterface();
        ShowAll();
        ReportTransfer(session, TransferOutcome::SendFailed);
        ShowEditState();
        return 0;
    }
    TransferWindow(0, 0, 0);
    const SendResult result = SendCheckedConfiguration(session);
    if (result == kSent) TransferWindow(2, 100, 0);
    CloseInterface();
    if (result == kSent) Wire().pauseMs(kFullBarMs);
    TransferWindow(1, 0, 0);
    if (result != kStopped) ShowAll();
    const bool held = result == kSent || result == kUnchanged;
    if (held) EditsOnMeter(session);
    // A check that stopped the send said why; a declined question leaves the meter as it was.
    const TransferOutcome outcome = result == kSent        ? TransferOutcome::Sent
                                    : result == kUnchanged ? TransferOutcome::SendUnchanged
                                    : result == kStopped && LastError().kind < 0
                                        ? TransferOutcome::SendCancelled
                                        : TransferOutcome::SendFailed;
    ReportTransfer(session, outcome);
    ShowEditState();
    return held ? 1 : 0;
}

int ReadVersionInfo(MeterSession& session) {
    const int ok = ReadVersionInfo(session.read, 1);
    if (ok) NoteIdentity(session);
    return ok;
}

int ReadVersionInfo(ConfigImage& image, int showErrors) {
    if (!InitInterface()) return 0;
    const int ok = Read(image, kReadVersions, showErrors) && Read(image, kReadModelName, showErrors);
    CloseInterface();
    return ok;
}

QString VersionText(int version) {
    return QString::asprintf("%d.%02d", version / 100, version % 100);
}

void CmGetVersionInfo(MeterSession& session) {
    if (!ReadVersionInfo(session)) return;
    QString title = QCoreApplication::translate("ConfigTransfer", "Version information");
    if (IsAddressedKind(session.connection.kind))
        title = QString::asprintf("%s (%s %d)", qUtf8Printable(title),
                                  qUtf8Printable(EditorCaptionText(kCapDevice)),
                                  MeterAddressInUse(session.connection));
    const QString text =
        QCoreApplication::translate("ConfigTransfer", "Model: %1\nFirmware: %2\nVersion: %3")
            .arg(QString::fromLatin1(ReportedModel(),
                                     qsizetype(qstrnlen(ReportedModel(), sizeof ReportedModel()))),
                 VersionText(session.read.FwVersion), VersionText(session.read.ExtVersion));
    ShowInfo(title, text);
}

int CmRestartInterval(MeterSession& session) {
    // The running interval's means are lost for good: asked first, Cancel the default.
    if (!Warning(kRestartIntervalKind, kRestartIntervalNumber)) return 0;
    if (!InitInterface()) return 0;
    const int ok = Write(session.read, kWriteRestartInterval, 1, 0);
    CloseInterface();
    return ok;
}

QString CmReadDescr(MeterSession& session, const QString& text) {
    QByteArray bytes =
        QString(text).replace("\r\n", "\n").toLatin1().left(int(sizeof session.edited.Description) - 1);
    std::memset(session.edited.Description, 0, sizeof session.edited.Description);
    std::memcpy(session.edited.Description, bytes.constData(), size_t(bytes.size()));
    return QString::fromLatin1(session.edited.Description);
}
