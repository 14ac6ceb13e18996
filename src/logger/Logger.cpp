#include "logger/Logger.h"

#include "acquisition/MeanDecode.h"
#include "acquisition/MeasDecode.h"
#include "config/EditorLists.h"
#include "config/Scaling.h"
#include "link/CommKind.h"
#include "link/Connection.h"
#include "link/DeviceLink.h"
#include "platform/TimeBase.h"
#include "values/Reading.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr uint8_t kNoMeasurand = 255;
constexpr int kColumn = 10;

// The five power channels in the order they become logger channels.
struct PowerChannel {
    uint16_t bit;
    Quantity klass;
};
constexpr PowerChannel kPowerChannels[5] = {{0x0800, kActivePower},
                                            {0x0400, kReactivePower},
                                            {0x2000, kActivePower},
                                            {0x1000, kReactivePower},
                                            {0x4000, kApparentPower}};

QString PowerChannelName(const ConfigImage& image, int order) {
    if (!image.Model) return order == 0 ? "Pinc-Pout" : "Qind+Qcap";
    const bool inOut = image.DispMode & kDispModeInOut;
    static const char* const names[5][2] = {
        {"P.inc", "P.inc"}, {"Q.ind", "Q.inc"}, {"P.out", "P.out"}, {"Q.cap", "Q.out"}, {"S", "S"}};
    return names[order][inOut ? 1 : 0];
}

// The name the mean-value list gives the code in this system and presentation.
QString MeanCodeName(const ConfigImage& image, int code, int networkClass) {
    if (code == 12 && UnbalanceInNeutral(image)) return "Unb.I";
    const bool inOut = image.DispMode & kDispModeInOut;
    for (int e = 1; e < kMeanEntries; ++e) {
        if (MasterList(EditorList::Mean)[e].value != code || !MeanEntryAvailable(e, networkClass)) continue;
        if ((e >= 19 && e <= 24 && inOut) || (e >= 25 && e <= 30 && !inOut)) continue;
        return MasterList(EditorList::Mean)[e].name;
    }
    return {};
}

void AddChannel(LogSource& src, int& n, const QString& name, int klass, const QString& unit) {
    src.ChanName[n] = name;
    src.ChanClass[n] = klass;
    src.ChanUnit[n] = unit;
    ++n;
}

QString MeanUnit(const DisplayScale& scale, Quantity klass) {
    const QString unit = scale.Unit(klass);
    if (klass == kActivePower || klass == kReactivePower || klass == kApparentPower || klass == kPowerFactor)
        return unit;
    return "[" + unit + "]";
}

void DescribeMeanChannels(LogSource& src, const ConfigImage& image, const DisplayScale& scale, int& n) {
    const int networkClass = NetworkClass(image);
    for (int k = 0; k < 9 && n < kMaxMeterChannels; ++k) {
        const int c = image.MeanMeas[k];
        if (c == kNoMeasurand || !(image.Mean_Log & (1 << k))) continue;
        if (c >= kMeanCodes || !ValidMeanCodes(networkClass)[size_t(c)]) {
            src.Unmeasured[size_t(n)] = 1;
            AddChannel(src, n, {}, kVoltage, {});
            continue;
        }
        const Quantity klass = MeanCodeQuantity(image, c);
        AddChannel(src, n, MeanCodeName(image, c, networkClass), klass, MeanUnit(scale, klass));
    }
}

} // namespace

int LoggerCapacity(int channels) {
    return channels > 0 ? 16000 / channels * channels : 0;
}

int LoggerBlockRegisters(int channels) {
    return channels > 0 ? 120 / (2 * channels) * 2 * channels : 0;
}

LoggerStatus LoggerStatusFromLog() {
    auto word = [](int k) {
        return uint16_t(MeterBlocksInUse().loggerStatus[2 * k] | MeterBlocksInUse().loggerStatus[2 * k + 1]
                                                                     << 8);
    };
    LoggerStatus s;
    s.flags = word(0);
    s.values = word(1);
    for (int k = 0; k < 10; ++k)
        s.gaps[size_t(k)] = word(2 + k);
    return s;
}

void DescribeLoggerChannels(LogSource& src, const ConfigImage& image, int busAddress) {
    src.AddrText = busAddress > 0 ? QString::number(busAddress) : QString("--");
    src.DevText =
        QString::fromLatin1(image.Description, int(qstrnlen(image.Description, sizeof image.Description)));
    src.ModeText = EntryName(MasterList(EditorList::LoggerMode)[(image.Logger & kLoggerOverwrite) ? 2 : 1]);
    QString desc = src.DevText;
    desc.replace('\n', QChar(0x01));
    src.FileHead1 = QString::asprintf("Device: \t%2d\t", image.Address) + desc;
    src.FileHead2 = "status\tdate\ttime";
    src.FileHead3 = "\t\t";
    src.ListHead1.clear();
    src.ListHead2.clear();
    src.Unmeasured.fill(0);
    const DisplayScale scale = DisplayScaleFor(image);
    int n = 0;
    for (int order = 0; order < (image.Model ? 5 : 2); ++order) {
        const PowerChannel& p = kPowerChannels[order];
        if (image.Logger & p.bit)
            AddChannel(src, n, PowerChannelName(image, order), p.klass, scale.Unit(p.klass));
    }
    if (image.Model) DescribeMeanChannels(src, image, scale, n);
    for (int i = 0; i < n; ++i) {
        src.ListHead1 += src.ChanName[size_t(i)].rightJustified(kColumn);
        src.ListHead2 += src.ChanUnit[size_t(i)].rightJustified(kColumn);
        src.FileHead2 += "\t" + src.ChanName[size_t(i)];
        src.FileHead3 += "\t" + src.ChanUnit[size_t(i)];
    }
    src.NumChan = n;
}

bool DescribeMeterLogger(MeterSession& session, LogSource& src) {
    const int address = IsAddressedKind(session.connection.kind) ? MeterAddressInUse(session.connection) : 0;
    DescribeLoggerChannels(src, session.read, address);
    return LoggerIntervalFromConfig(src, session.read);
}

bool LoggerIntervalFromConfig(LogSource& src, const ConfigImage& image) {
    const int m = Interval(image);
    if ((image.EnergyControl & kEnergyExternalSync) || m == 0) return false;
    src.IntervalSeconds = uint32_t(m) * 60;
    src.IntervalAsked = 0;
    src.IntervalText = QString::asprintf("%02d:00", m);
    return true;
}

bool SetLoggerInterval(LogSource& src, int minutes, int seconds) {
    if (minutes < 0 || seconds < 0 || seconds > 59 || minutes * 60 + seconds < 10) return false;
    src.IntervalSeconds = uint32_t(minutes * 60 + seconds);
    src.IntervalText = QString::asprintf("%02d:%02d", minutes, seconds);
    src.IntervalAsked = 1;
    return true;
}

QString LoggerSpanText(uint32_t intervalSeconds, int records) {
    const int64_t minutes = int64_t(intervalSeconds) * records / 60;
    return QString::asprintf("%02lld:%02lld:%02lld", static_cast<long long>(minutes / 1440),
                             static_cast<long long>(minutes % 1440 / 60),
                             static_cast<long long>(minutes % 60));
}

QString IntervalTextFromSeconds(uint32_t seconds) {
    return QString::asprintf("%02u:%02u", seconds / 60, seconds % 60);
}

LoggedValue LoggerReading(const DisplayScale& scale, int klass, bool invalid, float x) {
    const ReadingCheck check = klass == kPowerFactor ? ReadingCheck::PowerFactor
                               : klass == kFrequency ? ReadingCheck::Frequency
                                                     : ReadingCheck::Plain;
    // The meter's invalid flag counts for the channels that have no range of their own.
    const Validity validity =
        check == ReadingCheck::Plain && invalid ? Validity::NotLogged : JudgeReading(x, check);
    if (validity != Validity::Ok) return {0.0, validity};
    const Quantity k = klass >= 0 && klass < kQuantities ? Quantity(klass) : kVoltage;
    return {double(x) / scale.Divisor(k), Validity::Ok};
}

int LoggerDecimals(const DisplayScale& scale, int klass) {
    const int decimals = scale.Decimals(klass >= 0 && klass < kQuantities ? Quantity(klass) : kVoltage);
    return decimals >= 2 && decimals <= 4 ? decimals : 1;
}

QString LoggerListColumn(const QString& text) {
    return (text.size() >= kColumn ? text.left(8) : text).rightJustified(kColumn);
}

uint32_t NewestRecordTime(uint32_t now, uint32_t timeoffset) {
    return timeoffset ? now - now % timeoffset : now;
}

QString LoggerDateText(uint32_t seconds) {
    const LocalTime t = LocalFromCalendarSeconds(seconds);
    return QString::asprintf("%02u.%02u.%02u", t.day, t.month, t.year % 100);
}

QString LoggerTimeText(uint32_t seconds) {
    const LocalTime t = LocalFromCalendarSeconds(seconds);
    return QString::asprintf("%02u:%02u:%02u", t.hour, t.minute, t.second);
}

bool LoggerTimeFromText(const QString& date, const QString& time, uint32_t& seconds) {
    auto two = [](const QString& s, int at, unsigned& out) {
        bool ok = false;
        out = s.mid(at, 2).toUInt(&ok);
        return ok;
    };
    LocalTime t{};
    if (date.size() < 8 || time.size() < 8) return false;
    if (!two(date, 0, t.day) || !two(date, 3, t.month) || !two(date, 6, t.year)) return false;
    if (!two(time, 0, t.hour) || !two(time, 3, t.minute) || !two(time, 6, t.second)) return false;
    if (t.day < 1 || t.day > 31 || t.month < 1 || t.month > 12 || t.hour > 23 || t.minute > 59 ||
        t.second > 59)
        return false;
    t.year += 2000;
    seconds = CalendarSecondsFromLocal(t);
    return true;
}
