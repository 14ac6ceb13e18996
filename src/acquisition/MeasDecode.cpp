#include "acquisition/MeasDecode.h"

#include "config/Scaling.h"
#include "link/DeviceLink.h"
#include "values/Reading.h"

#include <QtGlobal>
#include <algorithm>
#include <cmath>
#include <cstring>

char Einh[kMeasClasses][10];
int32_t Stellen[kMeasClasses];
float Skalierung[kMeasClasses];
float Nennwert[5];
int32_t anschl_ix = 1;

namespace {

constexpr float kSqrt3 = 1.73205081f;

const char* const kUnits[5][4] = {
    {"V", "kV", "MV", "GV"},
    {"A", "kA", "MA", "GA"},
    {"[W]", "[kW]", "[MW]", "[GW]"},
    {"[var]", "[kvar]", "[Mvar]", "[Gvar]"},
    {"[VA]", "[kVA]", "[MVA]", "[GVA]"},
};

// Thresholds are 8.32 times powers of 1000: a value in the chosen unit keeps at most
// three digits before the point.
int Prefix(float nominal) {
    if (nominal >= 832000000.0f) return 3;
    if (nominal >= 832000.0f) return 2;
    if (nominal >= 832.0f) return 1;
    return 0;
}

void SetUnit(int klass, const char* text) {
    qstrncpy(Einh[klass], text, sizeof Einh[klass]);
}

// Fixed-point text; a value that rounds to zero never shows as "-0.0".
QString FixedText(float scaled, int decimals) {
    QString text = QString::number(double(scaled), 'f', decimals);
    if (text.startsWith(u'-') &&
        std::all_of(text.cbegin() + 1, text.cend(), [](QChar c) { return c == u'0' || c == u'.'; }))
        text.remove(0, 1);
    return text;
}

} // namespace

void InitAnzeige() {
    const float vt = Lese.UrPrim / float(Lese.UrSec);
    const float ct = Lese.IrPrim / Lese.IrSec;
    const uint8_t code = SystemCode(Lese);
    Nennwert[kVoltage] = vt * float(Lese.UrSec);
    // These systems show phase-to-neutral voltages.
    if (code == 0 || code == 2) Nennwert[kVoltage] /= kSqrt3;
    Nennwert[kCurrent] = ct * Lese.IrSec;
    Nennwert[kActivePower] = vt * ct * BerechneSr(Lese, 1);
    Nennwert[kReactivePower] = Nennwert[kApparentPower] = Nennwert[kActivePower];
    for (int k = kVoltage; k <= kApparentPower; ++k) {
        const int prefix = Prefix(Nennwert[k]);
        SetUnit(k, kUnits[k][prefix]);
        Stellen[k] = 3 - AnzahlStellen(Nennwert[k]) + 3 * prefix;
        float divisor = 1.0f;
        for (int p = 0; p < prefix; ++p)
            divisor *= 1000.0f;
        Skalierung[k] = divisor;
    }
    SetUnit(kFrequency, "Hz");
    SetUnit(kPowerFactor, "");
    SetUnit(kPercent, "%");
    Skalierung[kFrequency] = Skalierung[kPowerFactor] = Skalierung[kPercent] = 1.0f;
    Stellen[kFrequency] = 2;
    Stellen[kPowerFactor] = 3;
    Stellen[kPercent] = 1;
}

int32_t AnschlIx(const ConfigImage& image) {
    switch (SystemCode(image)) {
    case 1:
        return 2;
    case 2:
        return 3;
    case 3:
    case 19:
        return 4;
    case 4:
    case 20:
        return 5;
    default:
        return 1;
    }
}

MeasText JudgeMeas(int32_t index, float value, float divisor, int32_t decimals, int kind) {
    static const int32_t pf0[] = {29, 26, 35};
    static const int32_t f0[] = {28, 25, 39};
    const int family = (kind >= 0 && kind <= 2) ? kind : 0;
    ReadingCheck check = ReadingCheck::Plain;
    if (index >= pf0[family] && index <= pf0[family] + 3)
        check = ReadingCheck::PowerFactor;
    else if (index == f0[family] || (index == f0[family] + 1 && family == kMinMaxValues))
        check = ReadingCheck::Frequency;
    const Validity validity = JudgeReading(value, check);
    if (validity != Validity::Ok) return {MarkerText(validity, MarkerPlace::Field), FieldColour::Red, 1};

    const float scaled = value / divisor;
    if (!(std::fabs(double(scaled)) <= 99999999.9))
        return {MarkerText(Validity::TooWide, MarkerPlace::Field), FieldColour::Keep, 0};
    const int shown = (decimals >= 2 && decimals <= 4) ? decimals : 1;
    return {FixedText(scaled, shown), FieldColour::Black, 0};
}

MeasText DisturbedText() {
    return {MarkerText(Validity::NoReading, MarkerPlace::Field), FieldColour::Red, 1};
}

// Columns: system codes 0/1/2 (single values), 3-wire (3, 19), 4-wire (4, 20).
const MeasRow msd[kMeasRowsZrm3] = {
    {QT_TRANSLATE_NOOP("Measurands", "U"), {1, 1, 1, 0, 0}, kVoltage},
    {QT_TRANSLATE_NOOP("Measurands", "U1N"), {0, 0, 0, 0, 1}, kVoltage},
    {QT_TRANSLATE_NOOP("Measurands", "U2N"), {0, 0, 0, 0, 1}, kVoltage},
    {QT_TRANSLATE_NOOP("Measurands", "U3N"), {0, 0, 0, 0, 1}, kVoltage},
    {QT_TRANSLATE_NOOP("Measurands", "U12"), {0, 0, 0, 1, 1}, kVoltage},
    {QT_TRANSLATE_NOOP("Measurands", "U23"), {0, 0, 0, 1, 1}, kVoltage},
    {QT_TRANSLATE_NOOP("Measurands", "U31"), {0, 0, 0, 1, 1}, kVoltage},
    {QT_TRANSLATE_NOOP("Measurands", "I"), {1, 1, 1, 0, 0}, kCurrent},
    {QT_TRANSLATE_NOOP("Measurands", "I1"), {0, 0, 0, 1, 1}, kCurrent},
    {QT_TRANSLATE_NOOP("Measurands", "I2"), {0, 0, 0, 1, 1}, kCurrent},
    {QT_TRANSLATE_NOOP("Measurands", "I3"), {0, 0, 0, 1, 1}, kCurrent},
    {QT_TRANSLATE_NOOP("Measurands", "Iavg"), {1, 1, 1, 0, 0}, kCurrent},
    {QT_TRANSLATE_NOOP("Measurands", "I1avg"), {0, 0, 0, 1, 1}, kCurrent},
    {QT_TRANSLATE_NOOP("Measurands", "I2avg"), {0, 0, 0, 1, 1}, kCurrent},
    {QT_TRANSLATE_NOOP("Measurands", "I3avg"), {0, 0, 0, 1, 1}, kCurrent},
    {QT_TRANSLATE_NOOP("Measurands", "IN"), {0, 0, 0, 0, 1}, kCurrent},
    {QT_TRANSLATE_NOOP("Measurands", "P1"), {0, 0, 0, 0, 1}, kActivePower},
    {QT_TRANSLATE_NOOP("Measurands", "P2"), {0, 0, 0, 0, 1}, kActivePower},
    {QT_TRANSLATE_NOOP("Measurands", "P3"), {0, 0, 0, 0, 1}, kActivePower},
    {QT_TRANSLATE_NOOP("Measurands", "P"), {1, 1, 1, 1, 1}, kActivePower},
    {QT_TRANSLATE_NOOP("Measurands", "Q1"), {0, 0, 0, 0, 1}, kReactivePower},
    {QT_TRANSLATE_NOOP("Measurands", "Q2"), {0, 0, 0, 0, 1}, kReactivePower},
    {QT_TRANSLATE_NOOP("Measurands", "Q3"), {0, 0, 0, 0, 1}, kReactivePower},
    {QT_TRANSLATE_NOOP("Measurands", "Q"), {1, 1, 1, 1, 1}, kReactivePower},
    {QT_TRANSLATE_NOOP("Measurands", "S1"), {0, 0, 0, 0, 1}, kApparentPower},
    {QT_TRANSLATE_NOOP("Measurands", "S2"), {0, 0, 0, 0, 1}, kApparentPower},
    {QT_TRANSLATE_NOOP("Measurands", "S3"), {0, 0, 0, 0, 1}, kApparentPower},
    {QT_TRANSLATE_NOOP("Measurands", "S"), {1, 1, 1, 1, 1}, kApparentPower},
    {QT_TRANSLATE_NOOP("Measurands", "F"), {1, 1, 1, 1, 1}, kFrequency},
    {QT_TRANSLATE_NOOP("Measurands", "PF1"), {0, 0, 0, 0, 1}, kPowerFactor},
    {QT_TRANSLATE_NOOP("Measurands", "PF2"), {0, 0, 0, 0, 1}, kPowerFactor},
    {QT_TRANSLATE_NOOP("Measurands", "PF3"), {0, 0, 0, 0, 1}, kPowerFactor},
    {QT_TRANSLATE_NOOP("Measurands", "PF"), {1, 1, 1, 1, 1}, kPowerFactor},
    {QT_TRANSLATE_NOOP("Measurands", "Umean"), {0, 0, 0, 1, 1}, kVoltage},
    {QT_TRANSLATE_NOOP("Measurands", "Imean"), {0, 0, 0, 1, 1}, kCurrent},
    {QT_TRANSLATE_NOOP("Measurands", "UNE"), {0, 0, 0, 0, 1}, kVoltage},
};

ReadRequest MeasRequest() {
    return Lese.Model == 1 ? kReadValuesM3 : kReadValues;
}

int MeasRowCount() {
    return Lese.Model == 1 ? kMeasRowsZrm3 : kMeasRowsBase;
}

float MeasurandValue(int row) {
    float v;
    std::memcpy(&v, Measurands + 4 * row, sizeof v);
    return v;
}

bool MeasRowVisible(int row) {
    const int column = qBound(1, anschl_ix, 5);
    return row >= 0 && row < MeasRowCount() && msd[row].show[column - 1];
}

bool UnbalanceInNeutral(const ConfigImage& image) {
    return Netzart(image) == 2 && (image.Freq & kFreqUnbalanceI);
}

int MeasRowClass(int row) {
    return row == kNeutralRow && UnbalanceInNeutral() ? int(kPercent) : int(msd[row].klass);
}

const char* MeasCaption(int row) {
    // The single value of a kind-0 network sits where phase 1 sits on the others.
    const bool single = Netzart(Lese) == 0;
    switch (row) {
    case 0:
    case 1:
        return single ? msd[0].name : msd[1].name;
    case 7:
    case 8:
        return single ? msd[7].name : msd[8].name;
    case 11:
    case 12:
        return single ? msd[11].name : msd[12].name;
    case kNeutralRow:
        return UnbalanceInNeutral() ? QT_TRANSLATE_NOOP("Measurands", "Unb.I") : msd[row].name;
    default:
        return msd[row].name;
    }
}
