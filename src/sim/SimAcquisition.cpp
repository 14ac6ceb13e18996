// The simulated meter's acquisition blocks beyond the live physics of SimMeter.cpp:
// a chosen energy scale, chosen free mean values, and extremes of those mean values
// that look like a meter that has been running for a while.
#include "SimMeter.h"

#include <algorithm>

namespace {

constexpr int kMeanMeasByte = 156; // image byte of the first free mean-value code

void SetCfgByte(SimMeter& m, int off, uint8_t v) {
    uint16_t& r = m.config[(off - 26) / 2];
    r = (off - 26) % 2 == 0 ? uint16_t((r & 0x00FF) | (v << 8)) : uint16_t((r & 0xFF00) | v);
}

} // namespace

void SimAcquisitionConfig(SimMeter& m, const SimMeterSetup& s) {
    if (s.meterScale != kSimScaleFromRating) m.meterScale = int16_t(s.meterScale);
    if (!m.zrm3) return;
    for (int i = 0; i < int(s.meanCodes.size()) && i < 9; ++i)
        SetCfgByte(m, kMeanMeasByte + i, uint8_t(s.meanCodes[i]));
}

void SimAcquisitionStart(SimMeter& m) {
    // The free mean values keep a narrow band around their present value (a frequency
    // or a voltage does not swing like a load).
    for (int k = 5; k < 14; ++k) {
        m.meanMax[k] = m.running[k] * 1.02f;
        m.meanMin[k] = m.running[k] * 0.98f;
    }
}
