#include "config/OutputSimulation.h"

#include "config/ConfigImage.h"
#include "config/ConfigTransfer.h"
#include "link/DeviceLink.h"
#include "platform/Messages.h"
#include "settings/INI_File.h"

#include <cstring>

namespace {

constexpr uint8_t kOutputFree = 0x80; // DigOut: no limit or pulse function
// Device status word (register 399): bit 8 (9) says output 1 (2) is switched, bit 13
// (14) is its new state.
constexpr uint16_t kSwitchOutput[2] = {0x0100, 0x0200};
constexpr uint16_t kOutputState[2] = {0x2000, 0x4000};

uint16_t DevStatusWord() {
    uint16_t w;
    std::memcpy(&w, MeterBlocksInUse().deviceStatus, sizeof w);
    return w;
}

void SetDevStatusWord(uint16_t w) {
    std::memcpy(MeterBlocksInUse().deviceStatus, &w, sizeof w);
}

} // namespace

// Frees the outputs that have a function; 0 when the user declined.
int OutputSimulation::freeOutputs(MeterSession& session) {
    const bool anyFunction =
        !(session.read.DigOut[0] & kOutputFree) || !(session.read.DigOut[1] & kOutputFree);
    if (!anyFunction) return 1;
    if (!Warning(2, 2)) return 0;
    for (int i = 0; i < 2; ++i) {
        if (session.read.DigOut[i] & kOutputFree) continue;
        freed_[size_t(i)] = true;
        session.read.DigOut[i] |= kOutputFree;
    }
    return Write(session.read, kWriteSimulation, 1, 0);
}

// A start that fails after freeing must not leave the outputs freed.
int OutputSimulation::failStart(MeterSession& session) {
    if (outputsStillFreed()) giveBackOutputs(session, 0);
    CloseInterface();
    return 0;
}

// Marks of an earlier give-back that failed stay: those outputs are still to be given back.
int OutputSimulation::start(MeterSession& session) {
    if (!InitInterface()) return 0;
    if (!ReadConfiguration(session, 0) || !freeOutputs(session) || !Read(session.read, kReadDevStatus, 1))
        return failStart(session);
    for (int i = 0; i < 2; ++i)
        on_[size_t(i)] = DevStatusWord() & kOutputState[i];
    running_ = true;
    return 1;
}

int OutputSimulation::switchOutput(MeterSession& session, int i, int on) {
    if (i < 0 || i > 1) return 0;
    SetDevStatusWord(uint16_t(kSwitchOutput[i] | (on ? kOutputState[i] : 0)));
    if (!Write(session.read, kWriteDevStatus, 1, 0)) return 0;
    on_[size_t(i)] = on != 0;
    return 1;
}

bool OutputSimulation::outputOn(int i) const {
    return i >= 0 && i < 2 && on_[size_t(i)];
}

int OutputSimulation::giveBackOutputs(MeterSession& session, int showErrors) {
    if (!outputsStillFreed()) return 1;
    if (!InitInterface()) return 0;
    for (int i = 0; i < 2; ++i)
        if (freed_[size_t(i)]) session.read.DigOut[i] &= uint8_t(~kOutputFree);
    if (!Write(session.read, kWriteSimulation, showErrors, 0)) return 0;
    freed_ = {};
    return 1;
}

int OutputSimulation::end(MeterSession& session, int showErrors) {
    const int ok = giveBackOutputs(session, showErrors);
    CloseInterface();
    running_ = false;
    return ok;
}
