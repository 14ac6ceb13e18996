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
float ShownFullScale(MeterSession& session, int i) {
    return LimitRatedValue(session, i, 0) / LimitUnitDivisor(session, i);
}

} // namespace

void CmSelDigOut(MeterSession& session, int i, int function) {
    if (function == OutputFunction(session.edited, i)) return;
    if (function == 3) {
        session.edited.DigOut[i] = 0;
        session.edited.LimitOn[i] = int16_t(LimitFullScale(i) + 0.5f);
        session.edited.LimitOff[i] = int16_t(0.9f * LimitFullScale(i) + 0.5f);
    } else if (function == 2) {
        session.edited.DigOut[i] = 65;
        session.edited.PulseRate[i] = 1000;
    } else {
        session.edited.DigOut[i] = 128;
    }
    ActivateObjects();
    ShowAll();
}

void CmDigOutMeas(MeterSession& session, int i, int value) {
    const int func = OutputFunction(session.edited, i);
    if (func == 3 && value != session.edited.DigOut[i]) {
        session.edited.DigOut[i] = uint8_t(value);
        int16_t on = 0, off = 0;
        if (value == 7)
            on = 9000, off = 9500;
        else if (value == 12)
            on = 4800, off = 5000;
        else if (IsPercent(value))
            on = 50, off = 20;
        session.edited.LimitOn[i] = on;
        session.edited.LimitOff[i] = off;
        ShowAll();
    } else if (func == 2 && value + session.edited.DigOut[i] % 4 != session.edited.DigOut[i]) {
        session.edited.DigOut[i] = uint8_t(value + session.edited.DigOut[i] % 4); // the unit stays
        session.edited.PulseRate[i] = 1000;
        ShowAll();
    }
}

void CmDigOutLimit(MeterSession& session, int i, int field, float value) {
    const float s = ShownFullScale(session, i);
    if (!(s > 0.0f)) return; // no 100 % value: nothing sensible to store
    const float stored = std::clamp(value * LimitFactor(session.edited.DigOut[i]) / s, -32768.0f, 32767.0f);
    (field ? session.edited.LimitOff : session.edited.LimitOn)[i] = int16_t(stored);
}

LimitFieldView LimitFields(MeterSession& session, int i) {
    const int code = session.edited.DigOut[i];
    const float s = ShownFullScale(session, i);
    const float m = LimitFullScale(i) * s * 1.1999f / 10000.0f;
    LimitFieldView view{0.0, m, 2, {0.0, 0.0}};
    float divisor = 10000.0f;
    if (code == 4 || code == 5 || (code == 8 && session.edited.Model)) {
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
    view.value[0] = session.edited.LimitOn[i] * s / divisor;
    view.value[1] = session.edited.LimitOff[i] * s / divisor;
    return view;
}

void CmDigOutPulse(MeterSession& session, int i, int rate) {
    session.edited.PulseRate[i] = int16_t(rate);
}

void CmSelPulseUnit(MeterSession& session, int i, int value) {
    if (session.edited.DigOut[i] >= 80) value -= 4;
    if (value != session.edited.DigOut[i] % 4)
        session.edited.DigOut[i] = uint8_t((session.edited.DigOut[i] & ~3) | (value & 3));
}

int PulseEnergyPosition(MeterSession& session, int i, const std::vector<int>& entries) {
    const int energy = session.edited.DigOut[i] & ~3;
    for (size_t p = 0; p < entries.size(); ++p)
        if (MasterList(EditorList::Output)[entries[p]].value == energy) return int(p);
    // An energy the list does not offer: the neighbouring position the meter would use.
    int index = (session.edited.DigOut[i] - 64) / 4;
    if (session.edited.Interface == 0 &&
        (session.edited.EnergyControl & (kEnergyTariff | kEnergyExternalSync)) != kEnergyTariff)
        index = (index + 1) / 2;
    return std::clamp(index, 0, std::max(0, int(entries.size()) - 1));
}
