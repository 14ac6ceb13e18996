#include "values/Measurands.h"

#include <QtGlobal>

namespace {

// System columns: 1-3 single values (codes 0, 1, 2), 4 three-wire, 5 four-wire.
constexpr uint8_t kAll = 0x1F, kSingle = 0x07, kWire3And4 = 0x18, kWire4 = 0x10, kNone = 0;
constexpr uint8_t kNoMean = kNoMeanCode;

// clang-format off
const Measurand kCatalogue[] = {
    // symbol        quantity        columns     row  max  min  mean  module
    {QT_TRANSLATE_NOOP("Measurands", "U"),         kVoltage,       kSingle,     0,   0,  28,    0,   1, nullptr},
    {QT_TRANSLATE_NOOP("Measurands", "U1N"),       kVoltage,       kWire4,      1,   1,  29,    0,   2, nullptr},
    {QT_TRANSLATE_NOOP("Measurands", "U2N"),       kVoltage,       kWire4,      2,   2,  30,    1,   3, nullptr},
    {QT_TRANSLATE_NOOP("Measurands", "U3N"),       kVoltage,       kWire4,      3,   3,  31,    2,   4, nullptr},
    {QT_TRANSLATE_NOOP("Measurands", "U12"),       kVoltage,       kWire3And4,  4,   4,  32,    3,   5, nullptr},
    {QT_TRANSLATE_NOOP("Measurands", "U23"),       kVoltage,       kWire3And4,  5,   5,  33,    4,   6, nullptr},
    {QT_TRANSLATE_NOOP("Measurands", "U31"),       kVoltage,       kWire3And4,  6,   6,  34,    5,   7, nullptr},
    {QT_TRANSLATE_NOOP("Measurands", "I"),         kCurrent,       kSingle,     7,   7,  -1,    6,   8, nullptr},
    {QT_TRANSLATE_NOOP("Measurands", "I1"),        kCurrent,       kWire3And4,  8,   8,  -1,    6,   9, nullptr},
    {QT_TRANSLATE_NOOP("Measurands", "I2"),        kCurrent,       kWire3And4,  9,   9,  -1,    7,  10, nullptr},
    {QT_TRANSLATE_NOOP("Measurands", "I3"),        kCurrent,       kWire3And4, 10,  10,  -1,    8,  11, nullptr},
    {QT_TRANSLATE_NOOP("Measurands", "Iavg"),      kCurrent,       kSingle,    11,  11,  -1, kNoMean, 0, nullptr},
    {QT_TRANSLATE_NOOP("Measurands", "I1avg"),     kCurrent,       kWire3And4, 12,  12,  -1, kNoMean, 0, nullptr},
    {QT_TRANSLATE_NOOP("Measurands", "I2avg"),     kCurrent,       kWire3And4, 13,  13,  -1, kNoMean, 0, nullptr},
    {QT_TRANSLATE_NOOP("Measurands", "I3avg"),     kCurrent,       kWire3And4, 14,  14,  -1, kNoMean, 0, nullptr},
    {QT_TRANSLATE_NOOP("Measurands", "IN"),        kCurrent,       kWire4,     15,  15,  -1,   12,  12, nullptr},
    {QT_TRANSLATE_NOOP("Measurands", "P1"),        kActivePower,   kWire4,     16,  16,  -1, kNoMean, 0, nullptr},
    {QT_TRANSLATE_NOOP("Measurands", "P2"),        kActivePower,   kWire4,     17,  17,  -1, kNoMean, 0, nullptr},
    {QT_TRANSLATE_NOOP("Measurands", "P3"),        kActivePower,   kWire4,     18,  18,  -1, kNoMean, 0, nullptr},
    {QT_TRANSLATE_NOOP("Measurands", "P"),         kActivePower,   kAll,       19,  19,  -1, kNoMean, 13, nullptr},
    {QT_TRANSLATE_NOOP("Measurands", "Q1"),        kReactivePower, kWire4,     20,  20,  -1, kNoMean, 0, nullptr},
    {QT_TRANSLATE_NOOP("Measurands", "Q2"),        kReactivePower, kWire4,     21,  21,  -1, kNoMean, 0, nullptr},
    {QT_TRANSLATE_NOOP("Measurands", "Q3"),        kReactivePower, kWire4,     22,  22,  -1, kNoMean, 0, nullptr},
    {QT_TRANSLATE_NOOP("Measurands", "Q"),         kReactivePower, kAll,       23,  23,  -1, kNoMean, 22, nullptr},
    {QT_TRANSLATE_NOOP("Measurands", "S1"),        kApparentPower, kWire4,     24,  24,  -1,   21,  40, nullptr},
    {QT_TRANSLATE_NOOP("Measurands", "S2"),        kApparentPower, kWire4,     25,  25,  -1,   22,  41, nullptr},
    {QT_TRANSLATE_NOOP("Measurands", "S3"),        kApparentPower, kWire4,     26,  26,  -1,   23,  42, nullptr},
    {QT_TRANSLATE_NOOP("Measurands", "S"),         kApparentPower, kAll,       27,  27,  -1, kNoMean, 39, nullptr},
    {QT_TRANSLATE_NOOP("Measurands", "F"),         kFrequency,     kAll,       28,  40,  39,   25,  43, nullptr},
    {QT_TRANSLATE_NOOP("Measurands", "PF1"),       kPowerFactor,   kWire4,     29,  -1,  -1,   26,  45, nullptr},
    {QT_TRANSLATE_NOOP("Measurands", "PF2"),       kPowerFactor,   kWire4,     30,  -1,  -1,   27,  46, nullptr},
    {QT_TRANSLATE_NOOP("Measurands", "PF3"),       kPowerFactor,   kWire4,     31,  -1,  -1,   28,  47, nullptr},
    {QT_TRANSLATE_NOOP("Measurands", "PF"),        kPowerFactor,   kAll,       32,  -1,  -1,   29,  44, nullptr},
    // The extended model's values.
    {QT_TRANSLATE_NOOP("Measurands", "Umean"),     kVoltage,       kWire3And4, 33,  -1,  -1,   31,  48, nullptr},
    {QT_TRANSLATE_NOOP("Measurands", "Imean"),     kCurrent,       kWire3And4, 34,  -1,  -1,   32,  49, nullptr},
    {QT_TRANSLATE_NOOP("Measurands", "UNE"),       kVoltage,       kWire4,     35,  41,  -1,   33,  50, nullptr},
    // Power factor minima by energy direction and load.
    {"PFmin.inc.ind", kPowerFactor,  kAll,       -1,  -1,  35, kNoMean, 0, "PFmin.ii"},
    {"PFmin.inc.cap", kPowerFactor,  kAll,       -1,  -1,  36, kNoMean, 0, "PFmin.ic"},
    {"PFmin.out.ind", kPowerFactor,  kAll,       -1,  -1,  37, kNoMean, 0, "PFmin.oi"},
    {"PFmin.out.cap", kPowerFactor,  kAll,       -1,  -1,  38, kNoMean, 0, "PFmin.oc"},
    // Mean values and logged values only.
    {"unb.U",        kPercent,       kNone,      -1,  -1,  -1,   39,  51, nullptr},
    {"THD U",        kPercent,       kNone,      -1,  -1,  -1,   40,  52, nullptr},
    {"THD U1",       kPercent,       kNone,      -1,  -1,  -1,   40,  53, nullptr},
    {"THD U2",       kPercent,       kNone,      -1,  -1,  -1,   41,  54, nullptr},
    {"THD U3",       kPercent,       kNone,      -1,  -1,  -1,   42,  55, nullptr},
    {"THD U12",      kPercent,       kNone,      -1,  -1,  -1,   40,  56, nullptr},
    {"THD U23",      kPercent,       kNone,      -1,  -1,  -1,   41,  57, nullptr},
    {"THD U31",      kPercent,       kNone,      -1,  -1,  -1,   42,  58, nullptr},
    {"THD I",        kPercent,       kNone,      -1,  -1,  -1,   43,  59, nullptr},
    {"THD I1",       kPercent,       kNone,      -1,  -1,  -1,   43,  60, nullptr},
    {"THD I2",       kPercent,       kNone,      -1,  -1,  -1,   44,  61, nullptr},
    {"THD I3",       kPercent,       kNone,      -1,  -1,  -1,   45,  62, nullptr},
    {"Pinc",         kActivePower,   kNone,      -1,  -1,  -1, kNoMean, 14, nullptr},
    {"P1inc",        kActivePower,   kNone,      -1,  -1,  -1,   50,  15, nullptr},
    {"P2inc",        kActivePower,   kNone,      -1,  -1,  -1,   51,  16, nullptr},
    {"P3inc",        kActivePower,   kNone,      -1,  -1,  -1,   52,  17, nullptr},
    {"Pout",         kActivePower,   kNone,      -1,  -1,  -1, kNoMean, 18, nullptr},
    {"P1out",        kActivePower,   kNone,      -1,  -1,  -1,   54,  19, nullptr},
    {"P2out",        kActivePower,   kNone,      -1,  -1,  -1,   55,  20, nullptr},
    {"P3out",        kActivePower,   kNone,      -1,  -1,  -1,   56,  21, nullptr},
    {"Qind",         kReactivePower, kNone,      -1,  -1,  -1, kNoMean, 23, nullptr},
    {"Q1ind",        kReactivePower, kNone,      -1,  -1,  -1,   58,  24, nullptr},
    {"Q2ind",        kReactivePower, kNone,      -1,  -1,  -1,   59,  25, nullptr},
    {"Q3ind",        kReactivePower, kNone,      -1,  -1,  -1,   60,  26, nullptr},
    {"Qcap",         kReactivePower, kNone,      -1,  -1,  -1, kNoMean, 27, nullptr},
    {"Q1cap",        kReactivePower, kNone,      -1,  -1,  -1,   62,  28, nullptr},
    {"Q2cap",        kReactivePower, kNone,      -1,  -1,  -1,   63,  29, nullptr},
    {"Q3cap",        kReactivePower, kNone,      -1,  -1,  -1,   64,  30, nullptr},
    // The incoming/outgoing presentation of the same reactive values.
    {"Qinc",         kReactivePower, kNone,      -1,  -1,  -1, kNoMean, 31, nullptr},
    {"Q1inc",        kReactivePower, kNone,      -1,  -1,  -1,   58,  32, nullptr},
    {"Q2inc",        kReactivePower, kNone,      -1,  -1,  -1,   59,  33, nullptr},
    {"Q3inc",        kReactivePower, kNone,      -1,  -1,  -1,   60,  34, nullptr},
    {"Qout",         kReactivePower, kNone,      -1,  -1,  -1, kNoMean, 35, nullptr},
    {"Q1out",        kReactivePower, kNone,      -1,  -1,  -1,   62,  36, nullptr},
    {"Q2out",        kReactivePower, kNone,      -1,  -1,  -1,   63,  37, nullptr},
    {"Q3out",        kReactivePower, kNone,      -1,  -1,  -1,   64,  38, nullptr},
};
// clang-format on

} // namespace

std::span<const Measurand> MeasurandCatalogue() {
    return kCatalogue;
}

const Measurand* MeasurandAtRow(int instantRow) {
    if (instantRow < 0) return nullptr;
    for (const Measurand& m : kCatalogue)
        if (m.instantRow == instantRow) return &m;
    return nullptr;
}

const Measurand* MeasurandAtExtreme(int index, bool& maximum) {
    if (index < 0) return nullptr;
    for (const Measurand& m : kCatalogue) {
        if (m.maxIndex == index || m.minIndex == index) {
            maximum = m.maxIndex == index;
            return &m;
        }
    }
    return nullptr;
}

const Measurand* MeasurandOfMeanCode(int code) {
    if (code < 0 || code == kNoMeanCode) return nullptr;
    for (const Measurand& m : kCatalogue)
        if (m.meanCode == code) return &m;
    return nullptr;
}

Quantity MeanCodeQuantityPlain(int code) {
    const Measurand* m = MeasurandOfMeanCode(code);
    return m ? m->quantity : kPercent;
}

namespace {

const Measurand* OfModuleCode(int code, QString* suffix) {
    if (code >= kFirstExtremeCode && code < kFirstExtremeCode + kMinMaxIndices) {
        bool maximum = false;
        const Measurand* m = MeasurandAtExtreme(code - kFirstExtremeCode, maximum);
        // The power factor minima carry the word in their names already.
        if (suffix && m && m->instantRow >= 0)
            *suffix = maximum ? QStringLiteral("max") : QStringLiteral("min");
        return m;
    }
    if (code <= 0) return nullptr;
    for (const Measurand& m : kCatalogue)
        if (m.moduleCode == code) return &m;
    return nullptr;
}

} // namespace

Quantity ModuleCodeQuantity(int code) {
    const Measurand* m = OfModuleCode(code, nullptr);
    return m ? m->quantity : kPercent;
}

QString ModuleCodeName(int code) {
    QString suffix;
    const Measurand* m = OfModuleCode(code, &suffix);
    if (!m) return {};
    return QString::fromLatin1(m->moduleName ? m->moduleName : m->symbol) + suffix;
}
