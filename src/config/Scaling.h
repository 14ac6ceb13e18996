// Scaling of measurands from the transformer ratios: 100 % values, decimals, units,
// and which measurands each network class offers.
#pragma once

#include "config/ConfigImage.h"

#include <array>
#include <cstdint>

struct MeterSession;

// Rated apparent power of one system: U x I / sqrt(3) for system code 0, else U x I x sqrt(3).
// mode 1: secondary values (UrSec, IrSec); mode 0: primary values.
float RatedApparentPower(const ConfigImage& image, int mode);

// Limit outputs of session.edited (i = 0, 1). mode 0 takes U, I from the meter's input ranges,
// mode 1 from the transformer secondaries. Codes above 23 have no 100 % value (0).
float LimitRatedValue(MeterSession& session, int i, int mode);
// Full-scale factor of the limits in ten-thousandths of the 100 % value.
float LimitFullScale(int i);
// Unit text of the limits and the divisor that goes with it (1, 1e3, 1e6, 1e9).
const char* LimitUnitText(MeterSession& session, int i);
float LimitUnitDivisor(MeterSession& session, int i);

constexpr int kLimitEntries = 40;   // limit measurands in the output master list
constexpr int kMeanEntries = 54;    // mean-value master list (plus the unbalance entry 54)
constexpr int kMinMaxEntries = 43;  // min/max logger master list
constexpr int kMeanCodes = 65;      // mean-value codes 0..64
constexpr int kMinMaxCodeBase = 69; // min/max logger codes run from 69 (entry 0) to 111

// Entry availability by network class; model 1 = extended model.
bool LimitEntryAvailable(int entry, int model, int networkClass);
bool MeanEntryAvailable(int entry, int networkClass);
bool MinMaxEntryAvailable(int entry, int networkClass);
// Valid mean-value codes by network class.
const std::array<bool, kMeanCodes>& ValidMeanCodes(int networkClass);
