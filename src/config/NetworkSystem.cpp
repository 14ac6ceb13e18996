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
void RoundRatios(MeterSession& session) {
    SetupInputData(&session.edited);
    RestoreInputData(&session.edited);
}

// After a change of a secondary, limits beyond the full scale follow the full-scale factor.
void RescaleLimits(MeterSession& session) {
    for (int i = 0; i < 2; ++i) {
        if (OutputFunction(session.edited, i) != 3) continue;
        const float q = LimitFullScale(i) / 0.832f;
        if (q < session.edited.LimitOn[i] || q < session.edited.LimitOff[i]) {
            session.edited.LimitOn[i] = int16_t(session.edited.LimitOn[i] * q / 10000.0f);
            session.edited.LimitOff[i] = int16_t(session.edited.LimitOff[i] * q / 10000.0f);
        }
    }
}

} // namespace

void CmSelSystem(MeterSession& session, int code) {
    if (code == SystemCode(session.edited)) return;
    session.edited.System = uint8_t((session.edited.System & ~kSystemCode) | (code & kSystemCode));
    const int klass = NetworkClass(session.edited);
    for (uint8_t& f : session.edited.DigOut) {
        if ((f == 11 || f == 15 || f == 16) && klass != 2)
            f = 0;
        else if (f == 2 && klass == 0)
            f = 3;
        else if (f == 3 && klass == 1)
            f = 2;
    }
    if (session.edited.Model) {
        for (uint8_t& m : session.edited.MeanMeas)
            if (m != 255) m = MapMeanCode(m, klass);
        InitDispModeSelection(session.edited);
    }
    ActivateObjects();
    ShowAll();
}

void CmSelQMode(MeterSession& session, int on) {
    const uint8_t mode =
        uint8_t(on ? session.edited.DispMode | kDispModeInOut : session.edited.DispMode & ~kDispModeInOut);
    if (mode == session.edited.DispMode) return;
    session.edited.DispMode = mode;
    ShowAll();
}

void CmUrPrim(MeterSession& session, float value, int kv) {
    // Nobody runs a voltage transformer below 100 V: such a number means kilovolts.
    if (value < 100.0f) kv = 1;
    session.edited.UrPrim = kv ? value * 1000.0f : value;
    RoundRatios(session);
    ShowAll();
}

void CmUrSec(MeterSession& session, int value) {
    if (value == session.edited.UrSec) return;
    session.edited.UrSec = uint16_t(value);
    RescaleLimits(session);
    RoundRatios(session);
    ShowAll();
}

void CmIrPrim(MeterSession& session, float value, int ka) {
    session.edited.IrPrim = ka ? value * 1000.0f : value;
    RoundRatios(session);
    ShowAll();
}

void CmIrSec(MeterSession& session, float value) {
    if (value == session.edited.IrSec) return;
    session.edited.IrSec = value;
    RescaleLimits(session);
    RoundRatios(session);
    ShowAll();
}

void CmSelFreq(MeterSession& session, int selector) {
    session.edited.Freq = uint8_t((session.edited.Freq & ~kFreqCode) | (selector ? 4 : 2));
}

void CmLockFreq(MeterSession& session, int on) {
    session.edited.Freq =
        uint8_t(on ? session.edited.Freq | kFreqLocked : session.edited.Freq & ~kFreqLocked);
    ActivateObjects();
    ShowAll();
}

void CmCosPhiCorr(MeterSession& session, int on) {
    session.edited.System =
        uint8_t(on ? session.edited.System | kSystemCosPhi : session.edited.System & ~kSystemCosPhi);
    ActivateObjects();
    ShowAll();
}
