// Mean values: the five power mean quantities with their intervals, trends and
// extremes, and (extended model) the nine freely chosen mean values of MeanMeas.
// Shared by the panel and zaro-cli.
#pragma once

#include "acquisition/MeasDecode.h"

#include <QString>
#include <cstdint>

// Every reset word written while the program runs, OR-ed (word 1 minima, word 2 maxima):
// an extreme reset since then may lie on either side of its partner.
extern uint16_t ResetMinMaxSave[3];

constexpr int kPowerMeans = 5;    // Pinc, Pout, Qind, Qcap, S
constexpr int kPowerIntBase = 15; // request 4: running, previous interval, maximum
constexpr int kPowerIntZrm3 = 25; // request 15: running and four preceding intervals
constexpr int kFreeMeans = 9;
constexpr int kNoMeasurand = 255;

const char* MeanPowerName(int q); // English; rows 3 and 4 follow the display mode
int MeanPowerClass(int q);        // 2, 2, 3, 3, 4 (values scale as class 2)
// A power mean value (PowerInt, PowerIntTrnd), scaled and checked as active power.
MeasText PowerMeanText(float value);
// Extreme k of PowerIntMinMax (0-4 maxima, 5-9 minima); "----" while the quantity has
// none yet (maximum below minimum and no reset of it in this run).
MeasText PowerExtremeText(int k);
float BlockFloat(const uint8_t* block, int k);

// Free mean values: codes valid in a network kind, their class and caption.
bool MeanCodeValid(int code, int netKind);
int MeanCodeClass(int code);      // code 12 follows UnbalanceInNeutral (of Lese)
QString MeanCodeName(int code);   // for the network kind of Lese
QString MeanFreeCaption(int row); // name and unit as the panel shows it
// Codes of Lese that its network kind does not offer become "no measurand".
void DropInvalidMeanCodes();
int MeanFreeCode(int row); // of Lese
// Value `which` (0 mean, 1 trend, 2 maximum, 3 minimum) of free row `row`.
MeasText FreeMeanText(int row, int which);

// Reset words 1 (minima) and 2 (maxima): bits 0-4 the power rows, 5-13 the free rows
// (only those with a measurand).
void MeanResetWords(const bool minTicked[14], const bool maxTicked[14], uint16_t& minima, uint16_t& maxima);

// Reads of one refresh: request 4 (base model), or 15, 18, 31 for the power rows and
// 32, 33 for the free rows. 1 when all of them succeeded.
int ReadPowerMeans();
int ReadFreeMeans();
bool AnyFreeMean(); // a free row has a measurand
// Writes both reset words (registers 430, 431) and keeps them in ResetMinMaxSave.
int SendMeanReset(uint16_t minima, uint16_t maxima);
