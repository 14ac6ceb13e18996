#include "SimFront.h"

#include <cstdio>

namespace {

constexpr int kDigOutReg[2] = {537, 538}; // output 1 in the low byte of 537, output 2 in the high byte of 538
constexpr uint16_t kOutputState[2] = {0x2000, 0x4000}; // device status bits 13, 14
constexpr int kDisplayReg = 536;                       // brightness in bits 8-11

uint8_t DigOut(const uint16_t* config, int i) {
    const uint16_t r = config[kDigOutReg[i] - kConfigFirst];
    return i == 0 ? uint8_t(r & 0xFF) : uint8_t(r >> 8);
}

int BrightnessOf(const uint16_t* config) {
    return (config[kDisplayReg - kConfigFirst] >> 8) & 0x0F;
}

const char* FunctionName(uint8_t digOut) {
    if (digOut & 0x80) return "free";
    return digOut >= 64 ? "pulse" : "limit";
}

} // namespace

void SimFrontConfigWritten(SimMeter& m, const uint16_t* old) {
    for (int i = 0; i < 2; ++i)
        if ((DigOut(old, i) & 0x80) && !(DigOut(m.config, i) & 0x80))
            m.devStatus &= uint16_t(~kOutputState[i]);
    if (BrightnessOf(old) != BrightnessOf(m.config))
        std::fprintf(stderr, "zaro-sim: meter %d display brightness %d\n", m.address, BrightnessOf(m.config));
}

QString SimFrontText(const SimMeter& m) {
    QString text;
    for (int i = 0; i < 2; ++i)
        text += QStringLiteral("output %1 %2 (%3), ")
                    .arg(i + 1)
                    .arg(m.devStatus & kOutputState[i] ? "on" : "off")
                    .arg(FunctionName(DigOut(m.config, i)));
    return text + QStringLiteral("brightness %1").arg(BrightnessOf(m.config));
}
