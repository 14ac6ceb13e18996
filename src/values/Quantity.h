// What a number measures, and a reading as the device delivered it: a number in the SI
// base unit on the primary side, its quantity and whether it is a reading at all. The
// text a field shows is made from it where it is shown (DisplayScale).
#pragma once

#include "values/Reading.h"

// Quantity classes of the meter. The order is the device's: the loggers' channel classes
// and the nominal values (voltage to apparent power) are indexed by it.
enum Quantity : int {
    kVoltage,
    kCurrent,
    kActivePower,
    kReactivePower,
    kApparentPower,
    kFrequency,
    kPowerFactor,
    kPercent, // unbalance and distortion
};
constexpr int kQuantities = 8;
constexpr int kNominalQuantities = 5; // voltage to apparent power have a nominal value

// "V", "A", "W", "var", "VA", "Hz", "" (a power factor is a ratio), "%".
const char* SiUnit(Quantity quantity);

struct Value {
    double si = 0.0; // in the SI base unit on the primary side
    Quantity quantity = kVoltage;
    Validity validity = Validity::NoReading;
};

// A raw float of the device judged by its quantity: power factors and frequencies
// have ranges of their own.
Value MakeValue(float raw, Quantity quantity);
