#include "acquisition/MeterDecode.h"

#include "config/ConfigImage.h"
#include "link/DeviceLink.h"
#include "platform/Messages.h"

#include <QtGlobal>
#include <cmath>
#include <cstring>

const char* const kMeterNames[6] = {
    QT_TRANSLATE_NOOP("MeterDisp", "Active energy incoming"),
    QT_TRANSLATE_NOOP("MeterDisp", "Active energy outgoing"),
    QT_TRANSLATE_NOOP("MeterDisp", "Reactive energy inductive"),
    QT_TRANSLATE_NOOP("MeterDisp", "Reactive energy capacitive"),
    QT_TRANSLATE_NOOP("MeterDisp", "Reactive energy incoming"),
    QT_TRANSLATE_NOOP("MeterDisp", "Reactive energy outgoing"),
};

bool MeterScalingFor(int scale, MeterScaling& out) {
    if (scale > 9 || scale < -9) return false;
    int e = scale, prefix = 0;
    while (e >= 1) {
        ++prefix;
        e -= 3;
    }
    e = std::abs(e);
    double divisor = 1.0;
    for (int k = 0; k < e; ++k) {
        divisor *= 10.0;
    }
    out = {prefix, e, int32_t(divisor), 4294967295.0 / divisor};
    return true;
}

int16_t MeterScaleValue() {
    int16_t v;
    std::memcpy(&v, MeterBlocksInUse().energyScale, sizeof v);
    return v;
}

uint32_t MeterCount(int row) {
    uint32_t v;
    std::memcpy(&v, MeterBlocksInUse().energy + 4 * row, sizeof v);
    return v;
}

void SetMeterCount(int row, uint32_t count) {
    std::memcpy(MeterBlocksInUse().energy + 4 * row, &count, sizeof count);
}

double MeterShownValue(uint32_t count, const MeterScaling& s) {
    return double(count) / s.anzfakt;
}

QString MeterText(uint32_t count, const MeterScaling& s) {
    return QString::number(MeterShownValue(count, s), 'f', s.decimals);
}

double MeterEnergy(uint32_t count, const MeterScaling& s) {
    return MeterShownValue(count, s) * std::pow(1000.0, s.prefix);
}

uint32_t MeterCountFor(double value, const MeterScaling& s) {
    const double counts = std::round(value * s.anzfakt);
    if (!(counts > 0.0)) return 0; // also NaN
    return counts >= 4294967295.0 ? 0xFFFFFFFFu : uint32_t(counts);
}

const char* MeterUnit(int row, int prefix) {
    static const char* const active[4] = {"Wh", "kWh", "MWh", "GWh"};
    static const char* const reactive[4] = {"varh", "kvarh", "Mvarh", "Gvarh"};
    const int p = qBound(0, prefix, 3);
    return row < 4 ? active[p] : reactive[p];
}

const char* MeterQuantityName(MeterSession& session, int row) {
    // Rows pair up by tariff: the second of each pair is the low tariff.
    const int quantity = row / 2;
    const bool inOut = session.read.Model == 1 && (session.read.DispMode & kDispModeInOut);
    if (inOut && quantity >= 2) return kMeterNames[quantity + 2];
    return kMeterNames[quantity];
}

QString MeterCaption(MeterSession& session, int row) {
    return QString::fromLatin1(MeterQuantityName(session, row)) + (row % 2 == 0 ? " T1" : " T2");
}

int ActiveTariff(uint16_t devStatus) {
    return (devStatus & 0x0004) ? 1 : 2;
}

uint16_t DevStatusWord() {
    uint16_t v;
    std::memcpy(&v, MeterBlocksInUse().deviceStatus, sizeof v);
    return v;
}

uint16_t TariffToggleWord(uint16_t devStatus) {
    uint16_t word = (devStatus & 0x0004) ? uint16_t(devStatus & ~0x0400) : uint16_t(devStatus | 0x0400);
    return uint16_t(word | 0x0800);
}

uint16_t MeterResetWord(const bool ticked[kMeterRows]) {
    uint16_t word = 0;
    for (int k = 0; k < kMeterRows; ++k)
        if (ticked[k]) word |= uint16_t(1 << k);
    return word;
}

int ReadMeterScaling(MeterSession& session, MeterScaling& out) {
    if (!Read(session.read, kReadMeterScale, 1)) return 0;
    if (MeterScalingFor(MeterScaleValue(), out)) return 1;
    Error(kMeterScaleKind, kMeterScaleNumber);
    return 0;
}

bool MeterValueFits(double value, const MeterScaling& s) {
    return value >= 0.0 && value <= s.fieldMax;
}

int SendMeterSet(MeterSession& session, const MeterScaling& s, const bool set[kMeterRows],
                 const double values[kMeterRows]) {
    for (int k = 0; k < kMeterRows; ++k)
        if (set[k] && !MeterValueFits(values[k], s)) {
            Error(kMeterScaleKind, kMeterValueRefused);
            return 0;
        }
    Read(session.read, kReadMeters, 0); // the untouched registers go back as they are now
    for (int k = 0; k < kMeterRows; ++k)
        if (set[k]) SetMeterCount(k, MeterCountFor(values[k], s));
    return Write(session.read, kWriteMeters, 1, 0);
}

int SendMeterReset(MeterSession& session, uint16_t word) {
    std::memcpy(session.blocks.energyReset, &word, sizeof word);
    return Write(session.read, kWriteResetMeters, 1, 0);
}

int SendTariffToggle(MeterSession& session) {
    if (!Read(session.read, kReadDevStatus, 0)) return 0;
    const uint16_t word = TariffToggleWord(DevStatusWord());
    std::memcpy(session.blocks.deviceStatus, &word, sizeof word);
    return Write(session.read, kWriteDevStatus, 1, 0);
}
