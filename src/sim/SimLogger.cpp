// The logger memory started at a given fill, for tests and demos that cannot wait
// for intervals to pass: a value count (which a meter reports beyond its capacity
// too) and gap markers given as register addresses.
#include "SimMeter.h"

#include <algorithm>

namespace {

int Capacity(int channels) {
    return channels > 0 ? kLogCapacity / channels * channels : 0;
}

// Logs the first n channels: the power channels in their order, then mean values
// (voltage, current, frequency, power factor, ...), so that every kind of value text
// turns up. Channels beyond the base model's two need the extended model.
void SetChannels(SimMeter& m, int n) {
    static const uint16_t power[5] = {0x0800, 0x0400, 0x2000, 0x1000, 0x4000};
    static const uint8_t means[9] = {0, 6, 25, 29, 1, 7, 2, 8, 3};
    uint16_t& logger = m.config[539 - kConfigFirst];
    logger &= 0x83FF;
    for (int k = 0; k < std::min(n, 5); ++k)
        logger |= power[k];
    if (!m.zrm3) return;
    uint16_t& meanLog = m.config[563 - kConfigFirst];
    meanLog = 0;
    for (int k = 0; k < 9; ++k) {
        const bool on = k < n - 5;
        uint16_t& reg = m.config[564 + k / 2 - kConfigFirst]; // bytes 156.. two a register, high first
        const uint8_t code = on ? means[k] : 255;
        reg = k % 2 == 0 ? uint16_t((reg & 0x00FF) | code << 8) : uint16_t((reg & 0xFF00) | code);
        if (on) meanLog |= uint16_t(1 << k);
    }
}

} // namespace

int SimLoggerPrepare(SimMeter& m, const SimMeterSetup& s) {
    if (s.logChannelCount > 0) SetChannels(m, s.logChannelCount);
    if (s.logStopMode >= 0) {
        uint16_t& logger = m.config[539 - kConfigFirst];
        logger = s.logStopMode ? uint16_t(logger & ~0x0200) : uint16_t(logger | 0x0200);
    }
    const int n = SimLogChannelCount(m);
    if (s.logValues < 0 || n == 0) return s.logRecords;
    const int kept = std::min(s.logValues, Capacity(n));
    return (kept + n - 1) / n;
}

void SimLoggerPreset(SimMeter& m, const SimMeterSetup& s) {
    if (s.logValues >= 0 && m.logChannels > 0) {
        const int cap = Capacity(m.logChannels);
        const size_t kept = size_t(std::min(s.logValues, cap));
        while (m.logMem.size() > kept)
            m.logMem.pop_front();
        m.logReported = s.logValues;
        if (s.logValues >= cap) m.logFlags |= SimConfigReg(m, 539) & 0x0200 ? 0x0200 : 0x0100;
    }
    auto free = std::begin(m.logGaps);
    for (int reg : s.logGapRegisters) {
        free = std::find(free, std::end(m.logGaps), uint16_t(0));
        if (free != std::end(m.logGaps)) *free = uint16_t(reg);
    }
}

uint16_t SimLogValueCount(const SimMeter& m) {
    return uint16_t(std::max<int>(m.logReported, int(m.logMem.size())));
}
