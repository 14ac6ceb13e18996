// The min/max block: the extremes the meter keeps, the systems in which each is shown,
// and the reset word of its check boxes. Shared by the panel and zaro-cli.
#pragma once

#include "acquisition/MeasDecode.h"

#include <cstdint>

struct MeterSession;

constexpr int kMinMaxRowsBase = 37; // request 1
constexpr int kMinMaxRowsZrm3 = 42; // request 14 adds the UNE maximum

ReadRequest MinMaxRequest(MeterSession& session);  // by the model flag of session.read
int MinMaxRowCount(MeterSession& session);         // 42 or 37 (by session.read)
Value MinMaxValue(MeterSession& session, int row); // of the block MinMax as read
// Shown in the scale's system column and delivered by this model.
bool MinMaxRowVisible(MeterSession& session, int row, const DisplayScale& scale);
// Quantity of a row: the unbalance maximum in row 15 is a percentage.
Quantity MinMaxRowClass(MeterSession& session, int row);
// English caption: the value's symbol with "max" or "min" ("I1max", "PFmin.inc.ind").
QString MinMaxCaption(MeterSession& session, int row);
// The field of the value in MinMax.
MeasText MinMaxText(MeterSession& session, int row, const DisplayScale& scale);

// Reset check boxes: eight, a ninth (UNE maximum) on the extended model.
constexpr int kMinMaxBoxesBase = 8;
constexpr int kMinMaxBoxesZrm3 = 9;
int MinMaxBoxCount(MeterSession& session); // by session.read
const char* MinMaxBoxName(int k); // English, translated in the "MinMaxDisp" context
// The word for register 429: box k sets bit k, the ninth box bit 13. Bits 8-12 are the
// harmonics panel's.
uint16_t MinMaxResetWord(const bool ticked[], int boxes);
// Writes the reset word to register 429 (progress shown); 1 on success.
int SendMinMaxReset(MeterSession& session, uint16_t word);
