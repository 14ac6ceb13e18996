#include "config/Simulat.h"

#include "config/ConfigImage.h"
#include "config/ConfigTransfer.h"
#include "link/DeviceLink.h"
#include "platform/Messages.h"
#include "settings/INI_File.h"

#include <cstring>

int ModifiedOutputs[2] = {0, 0};

namespace {

constexpr uint8_t kOutputFree = 0x80; // DigOut: no limit or pulse function
// Device status word (register 399): bit 8 (9) says output 1 (2) is switched, bit 13
// (14) is its new state.
constexpr uint16_t kSwitchOutput[2] = {0x0100, 0x0200};
constexpr uint16_t kOutputState[2] = {0x2000, 0x4000};

bool running = false;
bool outputOn[2] = {false, false};

uint16_t DevStatusWord() {
    uint16_t w;
    std::memcpy(&w, DevStatus, sizeof w);
    return w;
}

void SetDevStatusWord(uint16_t w) {
    std::memcpy(DevStatus, &w, sizeof w);
}

// Frees the outputs that have a function; 0 when the user declined.
int FreeOutputs() {
    const bool anyFunction = !(Lese.DigOut[0] & kOutputFree) || !(Lese.DigOut[1] & kOutputFree);
    if (!anyFunction) return 1;
    if (!Warnung(2, 2)) return 0;
    for (int i = 0; i < 2; ++i) {
        if (Lese.DigOut[i] & kOutputFree) continue;
        ModifiedOutputs[i] = 1;
        Lese.DigOut[i] |= kOutputFree;
    }
    return Write(Lese, kWriteSimulation, 1, 0);
}

// A start that fails after freeing must not leave the outputs freed.
int FailStart() {
    if (OutputsStillFreed()) GiveBackOutputs(0);
    CloseInterface();
    return 0;
}

} // namespace

// Marks of an earlier give-back that failed stay: those outputs are still to be given back.
int StartSimulation() {
    if (!InitInterface(CommPort)) return 0;
    if (!LeseKonfiguration(0) || !FreeOutputs() || !Read(Lese, kReadDevStatus, 1)) return FailStart();
    for (int i = 0; i < 2; ++i)
        outputOn[i] = DevStatusWord() & kOutputState[i];
    running = true;
    return 1;
}

int SwitchOutput(int i, int on) {
    if (i < 0 || i > 1) return 0;
    SetDevStatusWord(uint16_t(kSwitchOutput[i] | (on ? kOutputState[i] : 0)));
    if (!Write(Lese, kWriteDevStatus, 1, 0)) return 0;
    outputOn[i] = on != 0;
    return 1;
}

bool OutputOn(int i) {
    return i >= 0 && i < 2 && outputOn[i];
}

int GiveBackOutputs(int showErrors) {
    if (!OutputsStillFreed()) return 1;
    if (!InitInterface(CommPort)) return 0;
    for (int i = 0; i < 2; ++i)
        if (ModifiedOutputs[i]) Lese.DigOut[i] &= uint8_t(~kOutputFree);
    if (!Write(Lese, kWriteSimulation, showErrors, 0)) return 0;
    ModifiedOutputs[0] = ModifiedOutputs[1] = 0;
    return 1;
}

int EndSimulation(int showErrors) {
    const int ok = GiveBackOutputs(showErrors);
    CloseInterface();
    running = false;
    return ok;
}

bool SimulationRunning() {
    return running;
}

bool OutputsStillFreed() {
    return ModifiedOutputs[0] || ModifiedOutputs[1];
}
