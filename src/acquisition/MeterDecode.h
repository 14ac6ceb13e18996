// The eight energy registers: their scale, units and shown values, the tariff in the
// device status, and the words the meters panel writes. Shared by the panel and zaro-cli.
#pragma once

#include <QString>
#include <cstdint>

struct MeterSession;

constexpr int kMeterRows = 8;

// How register counts become shown values, from MeterScale (counts of 10^scale Wh).
struct MeterScaling {
    int prefix;      // 0 Wh, 1 kWh, 2 MWh, 3 GWh
    int decimals;    // of the shown value
    int32_t anzfakt; // counts per shown unit: 10^decimals
    double fieldMax; // the largest value a field takes: the register's range
};

// Scales -9..9 have a unit text and a divisor that fits; others are refused (false).
bool MeterScalingFor(int scale, MeterScaling& out);
int16_t MeterScaleValue(); // the block MeterScale as read

uint32_t MeterCount(int row); // Meters as read, unsigned
double MeterShownValue(uint32_t count, const MeterScaling& s);
QString MeterText(uint32_t count, const MeterScaling& s);
// The register's energy in Wh or varh (no prefix).
double MeterEnergy(uint32_t count, const MeterScaling& s);
// Counts for a value the user entered: the nearest whole count (a value such as 2.3
// is 2.2999... in binary), kept within the register.
uint32_t MeterCountFor(double value, const MeterScaling& s);
void SetMeterCount(int row, uint32_t count);

const char* MeterUnit(int row, int prefix); // "kWh", "Mvarh", ...
// English caption of a register: its quantity (following the reactive-energy
// presentation of the display mode) and its tariff.
QString MeterCaption(MeterSession& session, int row);
const char* MeterQuantityName(MeterSession& session, int row);

// Tariff lit by the device status: 1 (bit 2 set) or 2.
int ActiveTariff(uint16_t devStatus);
uint16_t DevStatusWord(); // the block deviceStatus as read
// The status word that switches to the other tariff: bit 10 the requested tariff (the
// inverse of the active one), bit 11 asks the meter to apply it.
uint16_t TariffToggleWord(uint16_t devStatus);
// The energyReset word: bit k resets register k.
uint16_t MeterResetWord(const bool ticked[kMeterRows]);

// The message pair shown when the meter reports a scale without a unit text.
constexpr int kMeterScaleKind = 15;
constexpr int kMeterScaleNumber = 25;
// Reads MeterScale (progress shown) into out; 0 when the read fails or the scale is
// refused (its message shown).
int ReadMeterScaling(MeterSession& session, MeterScaling& out);
// A value a register takes: a number from 0 up to the field's largest (not NaN).
bool MeterValueFits(double value, const MeterScaling& s);
// The pair shown when a value to set does not fit its register; nothing is written.
constexpr int kMeterValueRefused = 80;
// Sets the rows whose set flag is ticked to values (in shown units); the others keep
// what the meter holds just now. Writes all eight registers, or nothing (0, the pair
// above shown) when a ticked value does not fit.
int SendMeterSet(MeterSession& session, const MeterScaling& s, const bool set[kMeterRows],
                 const double values[kMeterRows]);
int SendMeterReset(MeterSession& session, uint16_t word);
// Reads the status and asks for the other tariff; 1 on success.
int SendTariffToggle(MeterSession& session);
