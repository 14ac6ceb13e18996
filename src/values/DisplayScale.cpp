#include "values/DisplayScale.h"

#include "values/NumberText.h"

#include <QtGlobal>
#include <algorithm>
#include <cmath>

namespace {

const char* const kPrefixedUnits[kNominalQuantities][4] = {
    {"V", "kV", "MV", "GV"},
    {"A", "kA", "MA", "GA"},
    {"[W]", "[kW]", "[MW]", "[GW]"},
    {"[var]", "[kvar]", "[Mvar]", "[Gvar]"},
    {"[VA]", "[kVA]", "[MVA]", "[GVA]"},
};

bool Scaled(Quantity q) {
    return q >= kVoltage && q < kNominalQuantities;
}

} // namespace

Precision PrecisionFor(double magnitude) {
    // Thresholds are 8.32 times powers of 1000: a value in the chosen unit keeps at most
    // three digits before the point.
    const int prefix = magnitude >= 832000000.0 ? 3 : magnitude >= 832000.0 ? 2 : magnitude >= 832.0 ? 1 : 0;
    // Powers of ten above 8.32 that the magnitude spans (at most 12), counted in single
    // precision like the readings themselves.
    int decades = 0;
    for (float x = float(magnitude); x > 8.32f && decades < 12; x /= 10.0f)
        ++decades;
    return {prefix, 3 - decades + 3 * prefix};
}

DisplayScale::DisplayScale(float nominalVoltage, float nominalCurrent, float nominalPower, int systemColumn)
    : nominal_{nominalVoltage, nominalCurrent, nominalPower, nominalPower, nominalPower},
      column_(qBound(1, systemColumn, 5)) {
    for (int k = kVoltage; k < kNominalQuantities; ++k) {
        const Precision shown = PrecisionFor(nominal_[size_t(k)]);
        prefix_[size_t(k)] = shown.prefix;
        decimals_[size_t(k)] = shown.decimals;
    }
    decimals_[kFrequency] = 2;
    decimals_[kPowerFactor] = 3;
    decimals_[kPercent] = 1;
}

QString DisplayScale::Unit(Quantity q) const {
    if (Scaled(q)) return QString::fromLatin1(kPrefixedUnits[q][prefix_[size_t(q)]]);
    return q == kFrequency ? QStringLiteral("Hz") : q == kPercent ? QStringLiteral("%") : QString();
}

int DisplayScale::Decimals(Quantity q) const {
    return q >= 0 && q < kQuantities ? decimals_[size_t(q)] : 1;
}

float DisplayScale::Divisor(Quantity q) const {
    if (!Scaled(q)) return 1.0f;
    float divisor = 1.0f;
    for (int p = 0; p < prefix_[size_t(q)]; ++p)
        divisor *= 1000.0f;
    return divisor;
}

float DisplayScale::Nominal(Quantity q) const {
    return Scaled(q) ? nominal_[size_t(q)] : 0.0f;
}

float DisplayScale::Shown(const Value& value) const {
    return float(value.si) / Divisor(value.quantity);
}

Validity DisplayScale::ShownValidity(const Value& value) const {
    if (value.validity != Validity::Ok) return value.validity;
    return std::fabs(double(Shown(value))) <= 99999999.9 ? Validity::Ok : Validity::TooWide;
}

QString DisplayScale::FieldText(const Value& value) const {
    const Validity validity = ShownValidity(value);
    if (validity != Validity::Ok) return MarkerText(validity, MarkerPlace::Field);
    const int decimals = Decimals(value.quantity);
    return FixedText(double(Shown(value)), decimals >= 2 && decimals <= 4 ? decimals : 1, locale_);
}
