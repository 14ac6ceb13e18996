// Every measurand the meter and its module know, once: its symbol, quantity, the
// system columns whose panels show it, and where it sits in each of the device's
// numberings (instantaneous block, min/max block, mean-value codes, module logger
// codes). The live panels, zaro-cli and the loggers' code lookups read this table.
#pragma once

#include "values/Quantity.h"

#include <QString>
#include <cstdint>
#include <span>

constexpr uint8_t kNoMeanCode = 255;
constexpr int kMinMaxIndices = 42;    // the min/max block, 0-41
constexpr int kFirstExtremeCode = 70; // module logger codes 70-111 are the min/max block in order

struct Measurand {
    const char* symbol;     // English; translated in the "Measurands" context where shown
    Quantity quantity;      // code 12 and row 15 carry the current unbalance (%) where configured
    uint8_t columns;        // bit c - 1: shown in system column c (1..5) of the live panels
    int8_t instantRow;      // in the instantaneous block, -1 none
    int8_t maxIndex;        // of its maximum in the min/max block, -1 none
    int8_t minIndex;        // of its minimum, -1 none
    uint8_t meanCode;       // mean value and meter logger channel code, kNoMeanCode none
    uint8_t moduleCode;     // module logger code of the present value, 0 none
    const char* moduleName; // the module's abbreviation where it differs from the symbol
};

std::span<const Measurand> MeasurandCatalogue();

// Lookups; nullptr where nothing sits there.
const Measurand* MeasurandAtRow(int instantRow);
// The measurand of min/max index 0-41, and whether the index holds its maximum.
const Measurand* MeasurandAtExtreme(int index, bool& maximum);
// The first measurand with a mean code (codes 0 and 6 name the phase-1 value of
// every system, 40-45 the THD of every system).
const Measurand* MeasurandOfMeanCode(int code);

// Quantity of a mean code; unbalance and distortion (and codes no meter uses) are
// percentages.
Quantity MeanCodeQuantityPlain(int code);
// Module logger codes 1-62 (present values) and 70-111 (extremes): quantity and name
// ("U1Nmax", "PFmin.ii"); codes without a measurand are percentages with no name.
Quantity ModuleCodeQuantity(int code);
QString ModuleCodeName(int code);
