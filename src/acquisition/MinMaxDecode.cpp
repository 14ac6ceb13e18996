#include "acquisition/MinMaxDecode.h"

#include <QtGlobal>
#include <cstring>

// Columns: system codes 0/1/2 (single values), 3-wire (3, 19), 4-wire (4, 20).
const MeasRow mdsp[kMinMaxRowsZrm3] = {
    {"U", {1, 1, 1, 0, 0}, kVoltage},
    {"U1N", {0, 0, 0, 0, 1}, kVoltage},
    {"U2N", {0, 0, 0, 0, 1}, kVoltage},
    {"U3N", {0, 0, 0, 0, 1}, kVoltage},
    {"U12", {0, 0, 0, 1, 1}, kVoltage},
    {"U23", {0, 0, 0, 1, 1}, kVoltage},
    {"U31", {0, 0, 0, 1, 1}, kVoltage},
    {"I", {1, 1, 1, 0, 0}, kCurrent},
    {"I1", {0, 0, 0, 1, 1}, kCurrent},
    {"I2", {0, 0, 0, 1, 1}, kCurrent},
    {"I3", {0, 0, 0, 1, 1}, kCurrent},
    {"Iavg", {1, 1, 1, 0, 0}, kCurrent},
    {"I1avg", {0, 0, 0, 1, 1}, kCurrent},
    {"I2avg", {0, 0, 0, 1, 1}, kCurrent},
    {"I3avg", {0, 0, 0, 1, 1}, kCurrent},
    {"IN", {0, 0, 0, 0, 1}, kCurrent},
    {"P1", {0, 0, 0, 0, 1}, kActivePower},
    {"P2", {0, 0, 0, 0, 1}, kActivePower},
    {"P3", {0, 0, 0, 0, 1}, kActivePower},
    {"P", {1, 1, 1, 1, 1}, kActivePower},
    {"Q1", {0, 0, 0, 0, 1}, kReactivePower},
    {"Q2", {0, 0, 0, 0, 1}, kReactivePower},
    {"Q3", {0, 0, 0, 0, 1}, kReactivePower},
    {"Q", {1, 1, 1, 1, 1}, kReactivePower},
    {"S1", {0, 0, 0, 0, 1}, kApparentPower},
    {"S2", {0, 0, 0, 0, 1}, kApparentPower},
    {"S3", {0, 0, 0, 0, 1}, kApparentPower},
    {"S", {1, 1, 1, 1, 1}, kApparentPower},
    {"U", {1, 1, 1, 0, 0}, kVoltage},
    {"U1N", {0, 0, 0, 0, 1}, kVoltage},
    {"U2N", {0, 0, 0, 0, 1}, kVoltage},
    {"U3N", {0, 0, 0, 0, 1}, kVoltage},
    {"U12", {0, 0, 0, 1, 1}, kVoltage},
    {"U23", {0, 0, 0, 1, 1}, kVoltage},
    {"U31", {0, 0, 0, 1, 1}, kVoltage},
    {"PFmin.inc.ind", {1, 1, 1, 1, 1}, kPowerFactor},
    {"PFmin.inc.cap", {1, 1, 1, 1, 1}, kPowerFactor},
    {"PFmin.out.ind", {1, 1, 1, 1, 1}, kPowerFactor},
    {"PFmin.out.cap", {1, 1, 1, 1, 1}, kPowerFactor},
    // The module logger's codes 70-111 name these values in order: 109 Fmin, 110 Fmax.
    {"Fmin", {1, 1, 1, 1, 1}, kFrequency},
    {"Fmax", {1, 1, 1, 1, 1}, kFrequency},
    {"UNE", {0, 0, 0, 0, 1}, kVoltage},
};

// What each reset bit clears is the meter's; the boxes are named after it.
const char* const kMinMaxBoxNames[kMinMaxBoxesZrm3] = {
    QT_TRANSLATE_NOOP("MinMaxDisp", "Voltage maxima"),
    QT_TRANSLATE_NOOP("MinMaxDisp", "Current maxima"),
    QT_TRANSLATE_NOOP("MinMaxDisp", "Mean current maxima"),
    QT_TRANSLATE_NOOP("MinMaxDisp", "Active power maxima"),
    QT_TRANSLATE_NOOP("MinMaxDisp", "Reactive power maxima"),
    QT_TRANSLATE_NOOP("MinMaxDisp", "Apparent power maxima"),
    QT_TRANSLATE_NOOP("MinMaxDisp", "Voltage minima"),
    QT_TRANSLATE_NOOP("MinMaxDisp", "Power factor minima and frequency"),
    QT_TRANSLATE_NOOP("MinMaxDisp", "UNE maximum"),
};

namespace {
constexpr int kFirstMinimum = 28;
constexpr int kFirstPf = 35;
constexpr int kUneRow = 41;
} // namespace

ReadRequest MinMaxRequest() {
    return Lese.Model == 1 ? kReadMinMaxM3 : kReadMinMax;
}

int MinMaxRowCount() {
    return Lese.Model == 1 ? kMinMaxRowsZrm3 : kMinMaxRowsBase;
}

float MinMaxBlockValue(int row) {
    float v;
    std::memcpy(&v, MinMax + 4 * row, sizeof v);
    return v;
}

bool MinMaxRowVisible(int row) {
    const int column = qBound(1, anschl_ix, 5);
    return row >= 0 && row < MinMaxRowCount() && mdsp[row].show[column - 1];
}

int MinMaxRowClass(int row) {
    return row == kNeutralRow && UnbalanceInNeutral() ? int(kPercent) : int(mdsp[row].klass);
}

QString MinMaxCaption(int row) {
    if (row >= kFirstPf && row < kUneRow) return QString::fromLatin1(mdsp[row].name);
    // The voltages, currents and powers take the captions of the instantaneous panel.
    const bool minimum = row >= kFirstMinimum && row < kFirstPf;
    const int measRow = row == kUneRow ? 35 : minimum ? row - kFirstMinimum : row;
    return QString::fromLatin1(MeasCaption(measRow)) + (minimum ? "min" : "max");
}

MeasText MinMaxText(int row) {
    const int k = MinMaxRowClass(row);
    return JudgeMeas(row, MinMaxBlockValue(row), Skalierung[k], Stellen[k], kMinMaxValues);
}

int MinMaxBoxCount() {
    return Lese.Model == 1 ? kMinMaxBoxesZrm3 : kMinMaxBoxesBase;
}

uint16_t MinMaxResetWord(const bool ticked[], int boxes) {
    uint16_t word = 0;
    for (int k = 0; k < boxes && k < kMinMaxBoxesZrm3; ++k)
        if (ticked[k]) word |= uint16_t(k == 8 ? 0x2000 : 1 << k);
    return word;
}

int SendMinMaxReset(uint16_t word) {
    std::memcpy(ResetMinMax, &word, sizeof word);
    return Write(Lese, kWriteResetMinMax, 1, 0);
}
