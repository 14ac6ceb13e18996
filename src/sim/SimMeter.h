// The simulated meter: its holding registers and the physics behind them.
// Written from the meter's register map alone; it shares nothing with the program's
// link code, so a mistake there cannot be mirrored here.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVector>
#include <cstdint>
#include <deque>

// Modbus exception codes the meter answers with.
constexpr int kExIllegalFunction = 1;
constexpr int kExIllegalAddress = 2;
constexpr int kExIllegalValue = 3;

// Configuration registers 499..573.
constexpr int kConfigFirst = 499;
constexpr int kConfigCount = 75;
// Logger memory: 32-bit values from register 999 on, at most 16000 of them.
constexpr int kLogFirst = 999;
constexpr int kLogCapacity = 16000;

constexpr int kSimScaleFromRating = 1 << 20; // the meter picks the scale from its rated power

// How the meter is connected to the installation (zaro-sim --wiring). Channels and phases
// count from 0 (L1). The faults combine: each SPEC changes what the ones before left.
struct SimWiring {
    int currentPhase[3] = {0, 1, 2}; // the phase whose current flows through current channel k
    bool currentReversed[3] = {};    // the CT of channel k is mounted the wrong way round
    bool voltageMissing[3] = {};     // voltage channel k is not connected
    double ctFactor = 1.0;           // currents the meter reports over the real ones
};

// Applies one SPEC (reversed-ct:N, swapped-ct:N,M, missing-u:N, ct-ratio:X) to wiring.
// false with error set when SPEC is not one of them.
bool SimParseWiring(const QString& spec, SimWiring& wiring, QString& error);

struct SimMeterSetup {
    int address = 255;
    bool zrm3 = true;
    int fw = 412, ext = 121;
    int ratedI = 5; // amperes: 1 or 5
    int maxU = 500; // volts
    int system = 4;
    double vtPrim = 400, vtSec = 400;
    double ctPrim = 100, ctSec = 5;
    int logRecords = 96; // records already in the logger at start
    QList<int> logGaps;  // of those, records (0 = newest) taken after an interruption

    // The logger preset (SimLogger.cpp).
    int logValues = -1;         // instead of logRecords: values the status reports (may exceed the memory)
    QList<int> logGapRegisters; // gap markers as register addresses
    int logChannelCount = 0;    // channels logged (0: the configuration's default)
    int logStopMode = -1;       // 1 stop when full, 0 overwrite, -1 the default
    uint32_t seed = 1;
    int meterScale = kSimScaleFromRating; // decimal exponent of the energy registers
    QList<int> meanCodes;                 // free mean-value codes (extended model), 255 = none
    int digOut[2] = {128, 128}; // output functions: 128 free, 0-63 limit, 64-127 pulse
    SimWiring wiring;
};

struct SimMeter {
    int address = 255;
    bool zrm3 = true;
    uint16_t fw = 0, ext = 0, maxI = 0, maxU = 0;
    uint16_t config[kConfigCount] = {};
    uint16_t devStatus = 0x0004; // tariff 1 active

    // Live state, in base units on the primary side.
    float meas[36] = {};
    float maxima[28] = {}, minU[7] = {}, pfMin[4] = {}, fMax = 0, fMin = 0, uneMax = 0;
    double energy[8] = {}; // register counts, fractions kept
    int16_t meterScale = 0;
    float iavgState[4] = {}; // slow (bimetal) currents: single, 1, 2, 3

    // Mean values: five power quantities (Pinc, Pout, Qind, Qcap, S) and nine free ones.
    double runSum[14] = {};
    int runSamples = 0;
    float running[14] = {};    // mean of the running interval so far
    float previous[4][5] = {}; // the four preceding intervals of the power quantities
    float freePrevious[9] = {};
    float meanMax[14] = {}, meanMin[14] = {};
    int64_t intervalStartMs = 0;

    // Harmonics in tenths of a percent, orders 2..15 for three phases.
    uint16_t harmU[42] = {}, harmI[42] = {}, harmUmax[42] = {}, harmImax[42] = {};
    uint16_t unbU = 0, thdU[3] = {}, thdI[3] = {};
    uint16_t unbUmax = 0, thdUmax[3] = {}, thdImax[3] = {};

    // Logger.
    std::deque<float> logMem;
    uint16_t logFlags = 0;
    uint16_t logGaps[10] = {};
    int logChannels = 0;     // values per record
    int logReported = -1;    // value count reported beyond what the memory holds; -1 none
    QByteArray logSignature; // the channel set the memory was recorded with

    // Random walk of the load.
    uint32_t rng = 1;
    double loadU = 1.0, loadI = 0.5, phi = 0.38, freq = 50.0;
    double phaseU[3] = {1, 1, 1}, phaseI[3] = {1, 1, 1};
    SimWiring wiring;
    int64_t lastMs = 0;
    bool started = false;

    // On a bus the meter answers at the address of its configuration (register 507 hi).
    bool addressFromConfig = false;

    // Fault helper: this meter ignores its first request ever.
    bool missFirst = false;
    int requests = 0;
};

void SimMeterInit(SimMeter& m, const SimMeterSetup& s, int64_t nowMs);

// Function 3: fills out with count registers from start. Returns 0 or an exception code.
int SimMeterRead(SimMeter& m, int start, int count, QVector<uint16_t>& out, int64_t nowMs);
// Function 16. Returns 0 or an exception code; nothing is written on an exception.
int SimMeterWrite(SimMeter& m, int start, const QVector<uint16_t>& values, int64_t nowMs);

// Derived from the configuration registers.
int SimSystemCode(const SimMeter& m);
double SimVtRatio(const SimMeter& m);
double SimCtRatio(const SimMeter& m);
int SimLogChannelCount(const SimMeter& m);
uint16_t SimConfigReg(const SimMeter& m, int reg);

// Advances the meter's measurements to nowMs (called by reads of live values).
void SimMeterTick(SimMeter& m, int64_t nowMs);

// SimAcquisition.cpp: applies the chosen energy scale and mean-value codes (after the
// defaults), and starts the extremes of the free mean values (after the first sample).
void SimAcquisitionConfig(SimMeter& m, const SimMeterSetup& s);
void SimAcquisitionStart(SimMeter& m);
// The logger's preset (SimLogger.cpp): channels and mode, the records to record first;
// then the cut to
// the value count, its full flags and gap markers; and the count the status reports.
int SimLoggerPrepare(SimMeter& m, const SimMeterSetup& s);
void SimLoggerPreset(SimMeter& m, const SimMeterSetup& s);
uint16_t SimLogValueCount(const SimMeter& m);

// Mantissa and decimal exponent as the meter stores a transformer value.
void SimEncodeRatio(double value, bool current, bool secondary, int16_t& mant, int8_t& exp);
