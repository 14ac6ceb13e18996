// What a raw reading of the meter or the module means before it is shown: a number, or
// one of the states the device marks with an impossible value. One rule for the live
// panels, both loggers, their files and the export, and the one home of the marker
// words that stand in a field instead of a number.
#pragma once

#include <QString>

// How a reading is checked besides the device's overload mark.
enum class ReadingCheck {
    Plain,
    PowerFactor, // a power factor lies within ±1.001
    Frequency,   // the meter measures 45-65 Hz only
};

enum class Validity {
    Ok,
    Overload,   // the device's mark for no value (above 9e30), or no number at all
    OutOfRange, // a power factor outside ±1.001
    Below45Hz,
    Above65Hz,
    NotLogged, // the meter logger flagged the channel invalid
    TooWide,   // a number, but too wide for the field that would show it
    NoReading, // the request failed: nothing was read
    NoExtreme, // an extreme the meter has not taken yet
};

// The checks in the order that makes them agree everywhere: the range of a power
// factor or frequency first (a marked frequency reads "> 65"), then the overload mark.
Validity JudgeReading(float raw, ReadingCheck check);

// Where a marker stands: a live-value field, or a record (the record lists, *.ZRD,
// the module panel, graph and export), whose columns are narrower.
enum class MarkerPlace { Field, Record };

// The marker word of a state other than Ok, as the device's users know it (never
// translated: the overload marker is what the meter's own display shows).
QString MarkerText(Validity validity, MarkerPlace place);

// The state's name where scripts read it (zaro-cli --json): "ok", "overload",
// "out-of-range", "below-45-hz", "above-65-hz", "not-logged", "too-wide", "no-reading",
// "no-extreme". Never translated.
const char* ValidityName(Validity validity);
