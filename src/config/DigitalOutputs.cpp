// Digital outputs: function, measurand or energy, limits (thresholds in ten-thousandths
// of the 100 % value) and pulse rates.
#include "config/ConfigImage.h"
#include "config/Editor.h"
#include "config/EditorLists.h"
#include "config/EditorRefresh.h"
#include "config/Scaling.h"

#include <algorithm>
#include <cmath>

namespace {

bool IsPercent(int code) {
    return code == 13 || code == 14 || code == 16;
}

// Frequency limits are kept in hundredths of a hertz, percentages in tenths of a percent.
float LimitFactor(int code) {
    if (code == 12) return 5000.0f;
    if (IsPercent(code)) return 1000.0f;
    return 10000.0f;
}

// The 100 % value in the unit the editor shows.
float ShownFullScale(int i) {
    return LimitRatedValue(i, 0) / LimitUnitDivisor(i);
}

} // namespace

void CmSelDigOut(int i, int function) {
    if (function == OutputFunction(i)) return;
    if (function == 3) {
        Konf.DigOut[i] = 0;
        Konf.LimitOn[i] = int16_t(LimitFullScale(i) + 0.5f);
        Konf.LimitOff[i] = int16_t(0.9f * LimitFullScale(i) + 0.5f);
    } else if (function == 2) {
        Konf.DigOut[i] = 65;
        Konf.PulseRate[i] = 1000;
    } else {
        Konf.DigOut[i] = 128;
    }
    ActivateObjects();
    ShowAll();
}

void CmDigOutMeas(int i, int value) {
    const int func = OutputFunction(i);
    if (func == 3 && value != Konf.DigOut[i]) {
        Konf.DigOut[i] = uint8_t(value);
        int16_t on = 0, off = 0;
        if (value == 7)
            on = 9000, off = 9500;
        else if (value == 12)
            on = 4800, off = 5000;
        else if (IsPercent(value))
            on = 50, off = 20;
        Konf.LimitOn[i] = on;
        Konf.LimitOff[i] = off;
        ShowAll();
    } else if (func == 2 && value + Konf.DigOut[i] % 4 != Konf.DigOut[i]) {
        Konf.DigOut[i] = uint8_t(value + Konf.DigOut[i] % 4); // the unit stays
        Konf.PulseRate[i] = 1000;
        ShowAll();
    }
}

void CmDigOutLimit(int i, int field, float value) {
    const float s = ShownFullScale(i);
    if (!(s > 0.0f)) return; // no 100 % value: nothing sensible to store
    const float stored = std::clamp(value * LimitFactor(Konf.DigOut[i]) / s, -32768.0f, 32767.0f);
    (field ? Konf.LimitOff : Konf.LimitOn)[i] = int16_t(stored);
}

LimitFieldView LimitFields(int i) {
    const int code = Konf.DigOut[i];
    const float s = ShownFullScale(i);
    const float m = LimitFullScale(i) * s * 1.1999f / 10000.0f;
    LimitFieldView view{0.0, m, 2, {0.0, 0.0}};
    float divisor = 10000.0f;
    if (code == 4 || code == 5 || (code == 8 && Konf.Model)) {
        view.min = -m; // signed powers
    } else if (code == 7) {
        view.min = -s;
        view.max = s;
    } else if (code == 12) {
        view.min = 45.0;
        view.max = 65.0;
        divisor = 5000.0f;
    } else if (IsPercent(code)) {
        view.max = 100.0;
        divisor = 1000.0f;
    }
    view.decimals = std::fabs(view.max) >= 9.999 ? 2 : 3;
    view.value[0] = Konf.LimitOn[i] * s / divisor;
    view.value[1] = Konf.LimitOff[i] * s / divisor;
    return view;
}

void CmDigOutPulse(int i, int rate) {
    Konf.PulseRate[i] = int16_t(rate);
}

void CmSelPulseUnit(int i, int value) {
    if (Konf.DigOut[i] >= 80) value -= 4;
    if (value != Konf.DigOut[i] % 4) Konf.DigOut[i] = uint8_t((Konf.DigOut[i] & ~3) | (value & 3));
}

int PulseEnergyPosition(int i, const std::vector<int>& entries) {
    const int energy = Konf.DigOut[i] & ~3;
    for (size_t p = 0; p < entries.size(); ++p)
        if (MasterList(EditorList::Output)[entries[p]].value == energy) return int(p);
    // An energy the list does not offer: the neighbouring position the meter would use.
    int index = (Konf.DigOut[i] - 64) / 4;
    if (Konf.Interface == 0 && (Konf.EnergyControl & (kEnergyTariff | kEnergyExternalSync)) != kEnergyTariff)
        index = (index + 1) / 2;
    return std::clamp(index, 0, std::max(0, int(entries.size()) - 1));
}
