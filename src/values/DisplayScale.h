// How values are shown for one meter configuration: the unit prefix and decimals of
// each quantity (chosen from the nominal values on the primary side) and the system
// column that decides which measurands a panel shows. Made once when a panel or a
// command opens, and handed to whoever formats values.
#pragma once

#include "values/Quantity.h"

#include <QLocale>

#include <QString>
#include <array>

// How a number of this magnitude is shown: the unit prefix (0 none, 1 k, 2 M, 3 G)
// and the decimals that go with it, four significant digits in all. The live panels
// choose by the nominal value, the module log by a channel's extremes.
struct Precision {
    int prefix;
    int decimals;
};
Precision PrecisionFor(double magnitude);

class DisplayScale {
  public:
    // Nominal voltage, current and power (reactive and apparent power share the active
    // power's) on the primary side; the system column 1..5.
    DisplayScale(float nominalVoltage, float nominalCurrent, float nominalPower, int systemColumn);
    // Base units, column 1: until a configuration is known.
    DisplayScale() : DisplayScale(0.0f, 0.0f, 0.0f, 1) {}

    // As the panels show it: "kV", "A", "[MW]", "[kvar]", "Hz", "", "%".
    QString Unit(Quantity quantity) const;
    int Decimals(Quantity quantity) const;
    // From the base unit to the shown unit: 1, 1e3, 1e6 or 1e9.
    float Divisor(Quantity quantity) const;
    // Nominal value of voltage to apparent power; 0 for the other quantities.
    float Nominal(Quantity quantity) const;
    int SystemColumn() const { return column_; }
    // The decimal separator of the field texts: the point until a panel hands over the
    // user's language.
    void SetLocale(const QLocale& locale) { locale_ = locale; }
    const QLocale& Locale() const { return locale_; }

    // The value in the shown unit, as the field computes it (single precision).
    float Shown(const Value& value) const;
    // A valid value whose shown number would not fit a field is TooWide; else the
    // value's own validity.
    Validity ShownValidity(const Value& value) const;
    // The field text: the number with the quantity's decimals (2 to 4, else 1; never
    // "-0.0") in the scale's locale, or the marker of the value's state.
    QString FieldText(const Value& value) const;

  private:
    std::array<int, kQuantities> prefix_{};
    std::array<int, kQuantities> decimals_{};
    std::array<float, kNominalQuantities> nominal_{};
    int column_ = 1;
    QLocale locale_ = QLocale::c();
};
