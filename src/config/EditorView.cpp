// What the configuration editor derives from Konf on a redraw, and which of its
// controls the meter's model, options and interface kind leave usable.
#include "config/ConfigImage.h"
#include "config/Editor.h"
#include "config/Scaling.h"
#include "settings/INI_File.h"

#include <cstdio>

namespace {

bool QBit() {
    return (Konf.DispMode & kDispModeInOut) != 0;
}
bool Logged(int k) {
    return (Konf.Mean_Log >> k) & 1;
}
bool MinMaxActive(uint8_t code) {
    return code != 255 && code != 0;
}

// Bytes one record takes in the module's logger memory.
int BytesPerRecord() {
    int bytes = 8;
    for (int k = 0; k < 5; ++k) {
        if (!(Konf.Logger & (kLoggerChannel0 << k))) continue;
        bytes += (k == 4 || ((k == 0 || k == 2) && QBit())) ? 7 : 6;
    }
    for (int k = 0; k < 9; ++k) {
        if (!Logged(k)) continue;
        const int c = Konf.MeanMeas[k];
        const bool shortValue = c < 13 || (c >= 50 && c <= 56) || (c >= 58 && c <= 64 && !QBit());
        bytes += shortValue ? 6 : 7;
    }
    for (uint8_t code : Konf.MinMaxLogger)
        if (MinMaxActive(code)) bytes += 7;
    return bytes;
}

int LoggedChannels() {
    int channels = 0;
    for (int k = 0; k < 5; ++k)
        if (Konf.Logger & (kLoggerChannel0 << k)) ++channels;
    for (int k = 0; k < 9; ++k)
        if (Logged(k)) ++channels;
    return channels;
}

} // namespace

int SyncModeValue() {
    if (ConnectionInUse().kind == kModule) return 0;
    if (Interval(Konf) == 0) return 2;
    return (Konf.EnergyControl & (kEnergyTariff | kEnergyExternalSync)) == 0 ? 0 : 1;
}

int TariffValue() {
    const bool tariff = Konf.EnergyControl & kEnergyTariff;
    const bool external = Konf.EnergyControl & kEnergyExternalSync;
    return tariff && (ConnectionInUse().kind == kModule || !external) ? 2 : 1;
}

int LoggerModeValue() {
    if (Konf.Interface == 0) return 0;
    return (Konf.Logger & kLoggerOverwrite) ? 2 : 1;
}

QString RecordingTimeText() {
    const int t = Interval(Konf);
    const int bytes = BytesPerRecord();
    const int channels = LoggedChannels();
    double days;
    if (ConnectionInUse().kind == kModule && t > 0 && bytes > 8) {
        // The module keeps 2 MB; a part of it is lost to block management.
        days = (2097117 / bytes) / (1440.0 / t) * (LoggerModeValue() == 1 ? 0.96875 : 0.9375);
    } else if (t > 0 && channels > 0) {
        // The meter keeps 32000 registers, two per value.
        days = (32000 / (2 * channels)) / (1440.0 / t);
    } else {
        return "- - -";
    }
    const unsigned d = unsigned(days);
    const unsigned h = unsigned((days - d) * 24);
    const unsigned m = unsigned(((days - d) * 24 - h) * 60);
    char text[40];
    std::snprintf(text, sizeof text, ">%02u:%02u:%02u", d, h, m);
    return QString::fromLatin1(text);
}

void PrepareRedraw() {
    for (int k = 0; k < 9; ++k)
        if (Logged(k) && Konf.MeanMeas[k] == 255) Konf.Mean_Log &= uint16_t(~(1 << k));
    if (!Konf.Model) return;
    const int klass = NetworkClass(Konf);
    for (uint8_t& code : Konf.MeanMeas)
        if (code < kMeanCodes && !ValidMeanCodes(klass)[code]) code = 255;
    if (ConnectionInUse().kind != kModule) return;
    // A code below the list stays: the editor shows it as it is, and a send keeps what
    // the meter holds.
    for (uint8_t& code : Konf.MinMaxLogger)
        if (MinMaxActive(code) && code >= kMinMaxCodeBase &&
            !MinMaxEntryAvailable(code - kMinMaxCodeBase, klass))
            code = 255;
}

EditorActivation ActivateEditor() {
    const bool ext = Konf.Model != 0;
    const bool option = Konf.Interface != 0;
    EditorActivation a{};
    a.nomFreqVisible = ext && (Konf.Freq & kFreqLocked);
    a.freqLockEnabled = ext;
    a.recordingEnabled = option;
    if (option && (Interval(Konf) == 0 || (Konf.EnergyControl & kEnergyExternalSync))) {
        a.intervalEnabled = false;
    } else {
        a.intervalEnabled = true;
        if (Interval(Konf) == 0) Konf.EnergyControl = 15;
    }
    if (ConnectionInUse().kind == kModule) a.intervalEnabled = true;
    a.extendedDisplay = ext;
    a.pagesEnabled = ext && (Konf.DispMode & kDispModeMode) != 0;
    a.meanEnabled = ext && option;
    for (int k = 0; k < 9; ++k)
        a.meanLogEnabled[k] = a.meanEnabled && Konf.MeanMeas[k] != 255;
    a.minMaxEnabled = ext && ConnectionInUse().kind == kModule && option;
    return a;
}
