// The min/max block: the extremes the meter keeps, the systems in which each is shown,
// and the reset word of its check boxes. Shared by the panel and zaro-cli.
#pragma once

#include "acquisition/MeasDecode.h"

#include <cstdint>

constexpr int kMinMaxRowsBase = 37; // request 1
constexpr int kMinMaxRowsZrm3 = 42; // request 14 adds the UNE maximum
extern const MeasRow mdsp[kMinMaxRowsZrm3];

ReadRequest MinMaxRequest(); // by the model flag of Lese
int MinMaxRowCount();        // 42 or 37 (by Lese)
float MinMaxBlockValue(int row);
bool MinMaxRowVisible(int row); // in the current column (anschl_ix) and on this model
int MinMaxRowClass(int row);    // the unbalance maximum in row 15 is a percentage
// English caption: the value's symbol with "max" or "min" ("I1max", "PFmin.inc.ind").
QString MinMaxCaption(int row);
MeasText MinMaxText(int row); // the verdict for the value in MinMax

// Reset check boxes: eight, a ninth (UNE maximum) on the extended model.
constexpr int kMinMaxBoxesBase = 8;
constexpr int kMinMaxBoxesZrm3 = 9;
int MinMaxBoxCount(); // by Lese
extern const char* const kMinMaxBoxNames[kMinMaxBoxesZrm3];
// The word for register 429: box k sets bit k, the ninth box bit 13. Bits 8-12 are the
// harmonics panel's.
uint16_t MinMaxResetWord(const bool ticked[], int boxes);
// Writes the reset word to register 429 (progress shown); 1 on success.
int SendMinMaxReset(uint16_t word);
