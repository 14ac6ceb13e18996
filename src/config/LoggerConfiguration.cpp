// The logger's settings in session.edited: mode, power channels (bits 10-14 of Logger), logged
// mean values and the module's min/max logger channels.
#include "config/ConfigImage.h"
#include "config/Editor.h"
#include "config/EditorRefresh.h"

namespace {
constexpr uint16_t kOverwrite = 0x0200;
constexpr uint16_t kKeptBits = 0x03FF;
constexpr uint8_t kNone = 255;
} // namespace

void CmSelLoggerMode(MeterSession& session, int mode) {
    if (session.edited.Interface != 1) return;
    session.edited.Logger =
        uint16_t(mode == 1 ? session.edited.Logger & ~kOverwrite : session.edited.Logger | kOverwrite);
    ShowAll();
}

void CmSelLoggerMeas(MeterSession& session, const bool groups[5]) {
    // The base model has only the first two power channels.
    const int count = session.edited.Model ? 5 : 2;
    uint16_t logger = session.edited.Logger & kKeptBits;
    for (int k = 0; k < count; ++k)
        if (groups[k]) logger |= uint16_t(kLoggerChannel0 << k);
    session.edited.Logger = logger;
    ShowAll();
}

void CmSelMeanLogMeas(MeterSession& session, const bool boxes[9]) {
    session.edited.Mean_Log = 0;
    for (int k = 0; k < 9; ++k)
        if (session.edited.MeanMeas[k] < kNone && boxes[k]) session.edited.Mean_Log |= uint16_t(1 << k);
    ShowAll();
}

void CmSelMean(MeterSession& session, int row, int code) {
    if (code == session.edited.MeanMeas[row]) return;
    session.edited.MeanMeas[row] = uint8_t(code);
    if (code == kNone) session.edited.Mean_Log &= uint16_t(~(1 << row)); // nothing left to log
    ActivateObjects();
    ShowAll();
}

void CmSelMM(MeterSession& session, int row, int code) {
    if (code == session.edited.MinMaxLogger[row]) return;
    session.edited.MinMaxLogger[row] = uint8_t(code);
    if (code == kNone) session.edited.Mean_Log &= uint16_t(~(1 << row)); // the row logs nothing more
    ActivateObjects();
    ShowAll();
}
