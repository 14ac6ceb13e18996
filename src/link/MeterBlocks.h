// The meter's data blocks: the read requests leave their replies here, in memory order,
// and the writes that are no configuration take their words from here. The decoders
// (src/acquisition, src/logger) own the layouts. Each meter session holds one and hands
// it to the link with UseMeterBlocks.
#pragma once

#include <cstdint>

struct MeterBlocks {
    uint8_t instantaneous[144];    // the instantaneous values
    uint8_t minMax[168];           // minimum and maximum values
    uint8_t energy[32];            // energy registers
    uint8_t energyScale[4];        // their scaling
    uint8_t deviceStatus[4];       // device status word (outputs, tariff)
    uint8_t minMaxReset[8];        // reset words written for min/max, mean and harmonics extremes
    uint8_t energyReset[4];        // reset word written for the energy registers
    uint8_t powerMeans[100];       // mean values of the powers
    uint8_t powerMeanTrend[20];    // their trend
    uint8_t powerMeanExtremes[40]; // their minima and maxima
    uint8_t freeMeanTrend[76];     // the freely chosen mean values and their trend
    uint8_t freeMeanExtremes[72];  // their minima and maxima
    uint8_t voltageUnbalance[4], voltageThd[8], currentThd[8];
    uint8_t voltageUnbalanceMax[4], voltageThdMax[8], currentThdMax[8];
    uint8_t voltageHarmonics[84], currentHarmonics[84];
    uint8_t voltageHarmonicsMax[84], currentHarmonicsMax[84];
    uint8_t loggerStatus[32];   // the meter logger's status block
    uint8_t loggerRecords[256]; // one block of logger records
    char modelName[8];          // as the meter reported it: 4 characters and a zero
};

// The blocks the link reads into from now on (nullptr: its own). Whoever hands them over
// keeps them alive while the link is used.
void UseMeterBlocks(MeterBlocks* blocks);
// The blocks the link uses, for code that is not handed a session.
MeterBlocks& MeterBlocksInUse();
