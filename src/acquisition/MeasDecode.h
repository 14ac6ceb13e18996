// Turning the meter's raw float values into the texts of live-value fields: units,
// decimals and divisors per quantity class, validity markers, and the instantaneous
// block with the systems in which each of its values is shown. No widgets here: the
// panels and zaro-cli apply the same verdicts.
#pragma once

#include "config/ConfigImage.h"
#include "link/DeviceLink.h"

#include <QString>
#include <cstdint>

// Quantity classes: the index of Einh, Stellen, Skalierung (and, for 0..4, Nennwert).
enum MeasClass {
    kVoltage,
    kCurrent,
    kActivePower,
    kReactivePower,
    kApparentPower,
    kFrequency,
    kPowerFactor,
    kPercent
};
constexpr int kMeasClasses = 8;

extern char Einh[kMeasClasses][10];    // unit text, e.g. "kV", "[MW]"
extern int32_t Stellen[kMeasClasses];  // decimals
extern float Skalierung[kMeasClasses]; // divisor from base units to the shown unit
extern float Nennwert[5];              // nominal U, I, P, Q, S on the primary side
extern int32_t anschl_ix;              // system column 1..5 of the panel showing values

// Block families, for the two indices CheckMeas treats specially.
enum MeasFamily { kInstantValues = 0, kMeanValues = 1, kMinMaxValues = 2 };

// Recomputes Einh, Stellen, Skalierung and Nennwert from the ratios of Lese.
void InitAnzeige();

// System column 1..5 of a configuration: codes 19 and 20 show like 3 and 4.
// Codes no meter uses fall into column 1, as Netzart puts them into class 0.
int32_t AnschlIx(const ConfigImage& image);

// What a field shows after a check. Keep: a scaled value too large for the field
// shows the overload marker but leaves the field's colours as they were.
enum class FieldColour { Keep, Black, Red };
struct MeasText {
    QString text;
    FieldColour colour;
    int invalid; // 1 when the reading is not valid (the field turns red)
};

// The decision of CheckMeas without the field: validity markers, scaling, decimals.
MeasText JudgeMeas(int32_t index, float value, float divisor, int32_t decimals, int kind);
// The "no reading" state after a failed request.
MeasText DisturbedText();

// The instantaneous-value block Measurands: one row per value.
constexpr int kMeasRowsBase = 33; // request 0
constexpr int kMeasRowsZrm3 = 36; // request 13 adds Umean, Imean, UNE
struct MeasRow {
    const char* name; // English symbol, translated in the "Measurands" context
    uint8_t show[5];  // shown in system columns 1..5
    int8_t klass;
};
extern const MeasRow msd[kMeasRowsZrm3];

ReadRequest MeasRequest(); // by the model flag of Lese
int MeasRowCount();        // 36 or 33 (by Lese)
float MeasurandValue(int row);
// Shown in the current column (anschl_ix) and delivered by this model.
bool MeasRowVisible(int row);
// The neutral-current value carries current unbalance in percent (4-wire systems
// with bit 6 of Freq set). A ratio, not a current: every panel, both loggers and the
// export show it in %, never scaled by the current transformer.
bool UnbalanceInNeutral(const ConfigImage& image);
inline bool UnbalanceInNeutral() {
    return UnbalanceInNeutral(Lese);
}
// Class used to scale a row: the unbalance in row 15 is a percentage.
int MeasRowClass(int row);
// Caption in the panel (English source text): single values of network kind 0 read
// "U", "I", "Iavg", otherwise their phase-1 captions; row 15 may read "Unb.I".
const char* MeasCaption(int row);
// Row 15 is the neutral current (or unbalance).
constexpr int kNeutralRow = 15;
