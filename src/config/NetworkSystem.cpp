// Network system, transformer ratios, nominal frequency and cos-phi correction.
#include "config/ConfigImage.h"
#include "config/ConfigTransfer.h"
#include "config/Editor.h"
#include "config/EditorRefresh.h"
#include "config/Scaling.h"

namespace {

// A mean value the new network class cannot measure moves to its nearest equivalent,
// or to none.
uint8_t MapMeanCode(int m, int klass) {
    if (m >= 1 && m <= 5 && klass == 0) return 0;
    if (m <= 2 && klass == 1) return uint8_t(m + 3);
    if ((m == 7 || m == 8) && klass == 0) return 6;
    const bool fourWireOnly = (m >= 50 && m <= 64) || m == 12 || (m >= 21 && m <= 23) || (m >= 26 && m <= 39);
    if (fourWireOnly && klass != 2) return 255;
    if ((m == 41 || m == 42) && klass == 0) return 40;
    if ((m == 44 || m == 45) && klass == 0) return 43;
    return uint8_t(m);
}

// The meter stores the ratios with three significant digits: show what it will keep.
void RoundRatios() {
    SetupInputData(&Konf);
    RestoreInputData(&Konf);
}

// After a change of a secondary, limits beyond the full scale follow the full-scale factor.
void RescaleLimits() {
    for (int i = 0; i < 2; ++i) {
        if (OutputFunction(i) != 3) continue;
        const float q = LimitFullScale(i) / 0.832f;
        if (q < Konf.LimitOn[i] || q < Konf.LimitOff[i]) {
            Konf.LimitOn[i] = int16_t(Konf.LimitOn[i] * q / 10000.0f);
            Konf.LimitOff[i] = int16_t(Konf.LimitOff[i] * q / 10000.0f);
        }
    }
}

} // namespace

void CmSelSystem(int code) {
    if (code == SystemCode(Konf)) return;
    Konf.System = uint8_t((Konf.System & ~kSystemCode) | (code & kSystemCode));
    const int klass = NetworkClass(Konf);
    for (uint8_t& f : Konf.DigOut) {
        if ((f == 11 || f == 15 || f == 16) && klass != 2)
            f = 0;
        else if (f == 2 && klass == 0)
            f = 3;
        else if (f == 3 && klass == 1)
            f = 2;
    }
    if (Konf.Model) {
        for (uint8_t& m : Konf.MeanMeas)
            if (m != 255) m = MapMeanCode(m, klass);
        InitDispModeSelection();
    }
    ActivateObjects();
    ShowAll();
}

void CmSelQMode(int on) {
    const uint8_t mode = uint8_t(on ? Konf.DispMode | kDispModeInOut : Konf.DispMode & ~kDispModeInOut);
    if (mode == Konf.DispMode) return;
    Konf.DispMode = mode;
    ShowAll();
}

void CmUrPrim(float value, int kv) {
    // Nobody runs a voltage transformer below 100 V: such a number means kilovolts.
    if (value < 100.0f) kv = 1;
    Konf.UrPrim = kv ? value * 1000.0f : value;
    RoundRatios();
    ShowAll();
}

void CmUrSec(int value) {
    if (value == Konf.UrSec) return;
    Konf.UrSec = uint16_t(value);
    RescaleLimits();
    RoundRatios();
    ShowAll();
}

void CmIrPrim(float value, int ka) {
    Konf.IrPrim = ka ? value * 1000.0f : value;
    RoundRatios();
    ShowAll();
}

void CmIrSec(float value) {
    if (value == Konf.IrSec) return;
    Konf.IrSec = value;
    RescaleLimits();
    RoundRatios();
    ShowAll();
}

void CmSelFreq(int selector) {
    Konf.Freq = uint8_t((Konf.Freq & ~kFreqCode) | (selector ? 4 : 2));
}

void CmLockFreq(int on) {
    Konf.Freq = uint8_t(on ? Konf.Freq | kFreqLocked : Konf.Freq & ~kFreqLocked);
    ActivateObjects();
    ShowAll();
}

void CmCosPhiCorr(int on) {
    Konf.System = uint8_t(on ? Konf.System | kSystemCosPhi : Konf.System & ~kSystemCosPhi);
    ActivateObjects();
    ShowAll();
}
