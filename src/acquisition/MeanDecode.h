// Mean values: the five power mean quantities with their intervals, trends and
// extremes, and (extended model) the nine freely chosen mean values of MeanMeas.
// Shared by the panel and zaro-cli.
#pragma once

#include "acquisition/MeasDecode.h"

#include <QString>
#include <cstdint>

struct MeterSession;

// The reset words written so far, OR-ed (word 1 minima, word 2 maxima): an extreme reset
// since may lie on either side of its partner. The mean panel keeps one for the whole
// run of the program, a command one for its own run.
struct MeanResets {
    uint16_t words[3] = {};
};

constexpr int kPowerMeans = 5;    // Pinc, Pout, Qind, Qcap, S
constexpr int kPowerIntBase = 15; // request 4: running, previous interval, maximum
constexpr int kPowerIntZrm3 = 25; // request 15: running and four preceding intervals
constexpr int kFreeMeans = 9;
constexpr int kNoMeasurand = 255;

const char* MeanPowerName(MeterSession& session, int q); // English; rows 3 and 4 follow the display mode
Quantity MeanPowerClass(int q);   // active, active, reactive, reactive, apparent power
// A power mean value of quantity q (powerMeans, powerMeanTrend). The three powers share
// one nominal value, so they scale alike.
Value PowerMeanValue(int q, float raw);
MeasText PowerMeanText(const DisplayScale& scale, int q, float raw);
// Extreme k of powerMeanExtremes (0-4 maxima, 5-9 minima); NoExtreme ("----") while the
// quantity has none yet (maximum below minimum and no reset of it since resets began).
Value PowerExtremeValue(const MeanResets& resets, int k);
MeasText PowerExtremeText(const DisplayScale& scale, const MeanResets& resets, int k);
float BlockFloat(const uint8_t* block, int k);

// Free mean values: codes valid in a network kind, their class and caption.
bool MeanCodeValid(int code, int netKind);
// Quantity of a code in a configuration: code 12 carries the current unbalance, a
// percentage, where the configuration says so (UnbalanceInNeutral).
Quantity MeanCodeQuantity(const ConfigImage& image, int code);
Quantity MeanCodeClass(MeterSession& session, int code); // of session.read
QString MeanCodeName(MeterSession& session, int code);   // for the network kind of session.read
// Name and unit as the panel shows it.
QString MeanFreeCaption(MeterSession& session, const DisplayScale& scale, int row);
// Codes of session.read that its network kind does not offer become "no measurand".
void DropInvalidMeanCodes(MeterSession& session);
int MeanFreeCode(MeterSession& session, int row); // of session.read
// Value `which` (0 mean, 1 trend, 2 maximum, 3 minimum) of free row `row`.
Value FreeMeanValue(MeterSession& session, const MeanResets& resets, int row, int which);
MeasText FreeMeanText(MeterSession& session, const DisplayScale& scale, const MeanResets& resets, int row,
                      int which);

// Reset words 1 (minima) and 2 (maxima): bits 0-4 the power rows, 5-13 the free rows
// (only those with a measurand).
void MeanResetWords(MeterSession& session, const bool minTicked[14], const bool maxTicked[14],
                    uint16_t& minima, uint16_t& maxima);

// Reads of one refresh: request 4 (base model), or 15, 18, 31 for the power rows and
// 32, 33 for the free rows. 1 when all of them succeeded.
int ReadPowerMeans(MeterSession& session);
int ReadFreeMeans(MeterSession& session);
bool AnyFreeMean(MeterSession& session); // a free row has a measurand
// Writes both reset words (registers 430, 431) and adds them to resets.
int SendMeanReset(MeterSession& session, uint16_t minima, uint16_t maxima, MeanResets& resets);
