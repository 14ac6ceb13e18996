// What the configuration editor derives from session.edited on a redraw, and which of its
// controls the meter's model, options and interface kind leave usable.
#include "config/ConfigImage.h"
#include "config/Editor.h"
#include "config/Scaling.h"
#include "settings/INI_File.h"

#include <cstdio>

namespace {

bool QBit(MeterSession& session) {
    return (session.edited.DispMode & kDispModeInOut) != 0;
}
bool Logged(MeterSession& session, int k) {
    return (session.edited.Mean_Log >> k) & 1;
}
bool MinMaxActive(uint8_t code) {
    return code != 255 && code != 0;
}

// Bytes one record takes in the module's logger memory.
int BytesPerRecord(MeterSession& session) {
    int bytes = 8;
    for (int k = 0; k < 5; ++k) {
        if (!(session.edited.Logger & (kLoggerChannel0 << k))) continue;
        bytes += (k == 4 || ((k == 0 || k == 2) && QBit(session))) ? 7 : 6;
    }
    for (int k = 0; k < 9; ++k) {
        if (!Logged(session, k)) continue;
        const int c = session.edited.MeanMeas[k];
        const bool shortValue = c < 13 || (c >= 50 && c <= 56) || (c >= 58 && c <= 64 && !QBit(session));
        bytes += shortValue ? 6 : 7;
    }
    for (uint8_t code : session.edited.MinMaxLogger)
        if (MinMaxActive(code)) bytes += 7;
    return bytes;
}

int LoggedChannels(MeterSession& session) {
    int channels = 0;
    for (int k = 0; k < 5; ++k)
        if (session.edited.Logger & (kLoggerChannel0 << k)) ++channels;
    for (int k = 0; k < 9; ++k)
        if (Logged(session, k)) ++channels;
    return channels;
}

} // namespace

int SyncModeValue(MeterSession& session) {
    if (session.connection.kind == kModule) return 0;
    if (Interval(session.edited) == 0) return 2;
    return (session.edited.EnergyControl & (kEnergyTariff | kEnergyExternalSync)) == 0 ? 0 : 1;
}

int TariffValue(MeterSession& session) {
    const bool tariff = session.edited.EnergyControl & kEnergyTariff;
    const bool external = session.edited.EnergyControl & kEnergyExternalSync;
    return tariff && (session.connection.kind == kModule || !external) ? 2 : 1;
}

int LoggerModeValue(MeterSession& session) {
    if (session.edited.Interface == 0) return 0;
    return (session.edited.Logger & kLoggerOverwrite) ? 2 : 1;
}

QString RecordingTimeText(MeterSession& session) {
    const int t = Interval(session.edited);
    const int bytes = BytesPerRecord(session);
    const int channels = LoggedChannels(session);
    double days;
    if (session.connection.kind == kModule && t > 0 && bytes > 8) {
        // The module keeps 2 MB; a part of it is lost to block management.
        days = (2097117 / bytes) / (1440.0 / t) * (LoggerModeValue(session) == 1 ? 0.96875 : 0.9375);
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

void PrepareRedraw(MeterSession& session) {
    for (int k = 0; k < 9; ++k)
        if (Logged(session, k) && session.edited.MeanMeas[k] == 255)
            session.edited.Mean_Log &= uint16_t(~(1 << k));
    if (!session.edited.Model) return;
    const int klass = NetworkClass(session.edited);
    for (uint8_t& code : session.edited.MeanMeas)
        if (code < kMeanCodes && !ValidMeanCodes(klass)[code]) code = 255;
    if (session.connection.kind != kModule) return;
    // A code below the list stays: the editor shows it as it is, and a send keeps what
    // the meter holds.
    for (uint8_t& code : session.edited.MinMaxLogger)
        if (MinMaxActive(code) && code >= kMinMaxCodeBase &&
            !MinMaxEntryAvailable(code - kMinMaxCodeBase, klass))
            code = 255;
}

EditorActivation ActivateEditor(MeterSession& session) {
    const bool ext = session.edited.Model != 0;
    const bool option = session.edited.Interface != 0;
    EditorActivation a{};
    a.nomFreqVisible = ext && (session.edited.Freq & kFreqLocked);
    a.freqLockEnabled = ext;
    a.recordingEnabled = option;
    if (option && (Interval(session.edited) == 0 || (session.edited.EnergyControl & kEnergyExternalSync))) {
        a.intervalEnabled = false;
    } else {
        a.intervalEnabled = true;
        if (Interval(session.edited) == 0) session.edited.EnergyControl = 15;
    }
    if (session.connection.kind == kModule) a.intervalEnabled = true;
    a.extendedDisplay = ext;
    a.meanEnabled = ext && option;
    for (int k = 0; k < 9; ++k)
        a.meanLogEnabled[k] = a.meanEnabled && session.edited.MeanMeas[k] != 255;
    a.minMaxEnabled = ext && session.connection.kind == kModule && option;
    return a;
}
