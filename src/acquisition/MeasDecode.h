// The meter's raw float values as Values, the display scale of a configuration, the
// field texts made from them, and the instantaneous block with the systems in which
// each of its values is shown. No widgets here: the panels and zaro-cli apply the same
// verdicts.
#pragma once

#include "config/ConfigImage.h"
#include "config/MeterSession.h"
#include "link/DeviceLink.h"
#include "values/DisplayScale.h"
#include "values/Measurands.h"

#include <QString>
#include <cstdint>

// The scale of a configuration: nominal values from its transformer ratios (systems 0
// and 2 show phase-to-neutral voltages), its system column.
DisplayScale DisplayScaleFor(const ConfigImage& image);

// System column 1..5 of a configuration: codes 19 and 20 show like 3 and 4.
// Codes no meter uses fall into column 1, as NetworkClass puts them into class 0.
int32_t SystemColumnOf(const ConfigImage& image);

// What a field shows after a check. Keep: a scaled value too large for the field
// shows the overload marker but leaves the field's colours as they were.
enum class FieldColour { Keep, Black, Red };
struct MeasText {
    QString text;
    FieldColour colour;
    int invalid; // 1 when the reading is not valid (the field turns red)
};

// What a field shows for a value: its text, and red for a value that is no reading.
MeasText FieldOf(const DisplayScale& scale, const Value& value);
// The "no reading" state after a failed request.
MeasText DisturbedText();

// The instantaneous-value block Measurands: one row per value.
constexpr int kMeasRowsBase = 33; // request 0
constexpr int kMeasRowsZrm3 = 36; // request 13 adds Umean, Imean, UNE

ReadRequest MeasRequest(MeterSession& session);       // by the model flag of session.read
int MeasRowCount(MeterSession& session);              // 36 or 33 (by session.read)
Value MeasurandValue(MeterSession& session, int row); // of the block instantaneous as read
// Shown in the scale's system column and delivered by this model.
bool MeasRowVisible(MeterSession& session, int row, const DisplayScale& scale);
// The neutral-current value carries current unbalance in percent (4-wire systems
// with bit 6 of Freq set). A ratio, not a current: every panel, both loggers and the
// export show it in %, never scaled by the current transformer.
bool UnbalanceInNeutral(const ConfigImage& image);
inline bool UnbalanceInNeutral(const MeterSession& session) {
    return UnbalanceInNeutral(session.read);
}
// Quantity of a row: the unbalance in row 15 is a percentage.
Quantity MeasRowClass(MeterSession& session, int row);
// Caption in the panel (English source text): single values of network kind 0 read
// "U", "I", "Iavg", otherwise their phase-1 captions; row 15 may read "Unb.I".
const char* MeasCaption(MeterSession& session, int row);
// Row 15 is the neutral current (or unbalance).
constexpr int kNeutralRow = 15;
