// The logger's settings in Konf: mode, power channels (bits 10-14 of Logger), logged
// mean values and the module's min/max logger channels.
#include "config/ConfigImage.h"
#include "config/Editor.h"
#include "config/EditorRefresh.h"

namespace {
constexpr uint16_t kOverwrite = 0x0200;
constexpr uint16_t kKeptBits = 0x03FF;
constexpr uint8_t kNone = 255;
} // namespace

void CmSelLoggerMode(int mode) {
    if (Konf.Interface != 1) return;
    Konf.Logger = uint16_t(mode == 1 ? Konf.Logger & ~kOverwrite : Konf.Logger | kOverwrite);
    ShowAll();
}

void CmSelLoggerMeas(const bool groups[5]) {
    // The base model has only the first two power channels.
    const int count = Konf.Model ? 5 : 2;
    uint16_t logger = Konf.Logger & kKeptBits;
    for (int k = 0; k < count; ++k)
        if (groups[k]) logger |= uint16_t(kLoggerChannel0 << k);
    Konf.Logger = logger;
    ShowAll();
}

void CmSelMeanLogMeas(const bool boxes[9]) {
    Konf.Mean_Log = 0;
    for (int k = 0; k < 9; ++k)
        if (Konf.MeanMeas[k] < kNone && boxes[k]) Konf.Mean_Log |= uint16_t(1 << k);
    ShowAll();
}

void CmSelMean(int row, int code) {
    if (code == Konf.MeanMeas[row]) return;
    Konf.MeanMeas[row] = uint8_t(code);
    if (code == kNone) Konf.Mean_Log &= uint16_t(~(1 << row)); // nothing left to log
    ActivateObjects();
    ShowAll();
}

void CmSelMM(int row, int code) {
    if (code == Konf.MinMaxLogger[row]) return;
    Konf.MinMaxLogger[row] = uint8_t(code);
    if (code == kNone) Konf.Mean_Log &= uint16_t(~(1 << row)); // the row logs nothing more
    ActivateObjects();
    ShowAll();
}
