#include "acquisition/MeasDecode.h"

#include "config/Scaling.h"
#include "link/DeviceLink.h"
#include "values/Reading.h"

#include <QtGlobal>
#include <cstring>

namespace {
constexpr float kSqrt3 = 1.73205081f;
} // namespace

DisplayScale DisplayScaleFor(const ConfigImage& image) {
    const float vt = image.UrPrim / float(image.UrSec);
    const float ct = image.IrPrim / image.IrSec;
    const uint8_t code = SystemCode(image);
    float voltage = vt * float(image.UrSec);
    // These systems show phase-to-neutral voltages.
    if (code == 0 || code == 2) voltage /= kSqrt3;
    return DisplayScale(voltage, ct * image.IrSec, vt * ct * RatedApparentPower(image, 1),
                        SystemColumnOf(image));
}

int32_t SystemColumnOf(const ConfigImage& image) {
    switch (SystemCode(image)) {
    case 1:
        return 2;
    case 2:
        return 3;
    case 3:
    case 19:
        return 4;
    case 4:
    case 20:
        return 5;
    default:
        return 1;
    }
}

MeasText FieldOf(const DisplayScale& scale, const Value& value) {
    const Validity validity = scale.ShownValidity(value);
    // A number too wide for the field shows the overload marker in the field's colours.
    // An extreme the meter has not taken yet is no fault: its marker stays black.
    const FieldColour colour = validity == Validity::Ok || validity == Validity::NoExtreme
                                   ? FieldColour::Black
                               : validity == Validity::TooWide ? FieldColour::Keep
                                                               : FieldColour::Red;
    return {scale.FieldText(value), colour, colour == FieldColour::Red ? 1 : 0};
}

MeasText DisturbedText() {
    return {MarkerText(Validity::NoReading, MarkerPlace::Field), FieldColour::Red, 1};
}

ReadRequest MeasRequest(MeterSession& session) {
    return session.read.Model == 1 ? kReadValuesM3 : kReadValues;
}

int MeasRowCount(MeterSession& session) {
    return session.read.Model == 1 ? kMeasRowsZrm3 : kMeasRowsBase;
}

Value MeasurandValue(MeterSession& session, int row) {
    float v;
    std::memcpy(&v, session.blocks.instantaneous + 4 * row, sizeof v);
    return MakeValue(v, MeasRowClass(session, row));
}

bool MeasRowVisible(MeterSession& session, int row, const DisplayScale& scale) {
    const int column = scale.SystemColumn();
    const Measurand* m = MeasurandAtRow(row);
    return m && row < MeasRowCount(session) && (m->columns & (1 << (column - 1)));
}

bool UnbalanceInNeutral(const ConfigImage& image) {
    return NetworkClass(image) == 2 && (image.Freq & kFreqUnbalanceI);
}

Quantity MeasRowClass(MeterSession& session, int row) {
    if (row == kNeutralRow && UnbalanceInNeutral(session)) return kPercent;
    const Measurand* m = MeasurandAtRow(row);
    return m ? m->quantity : kVoltage;
}

const char* MeasCaption(MeterSession& session, int row) {
    // The single value of a kind-0 network sits where phase 1 sits on the others.
    const bool single = NetworkClass(session.read) == 0;
    auto symbol = [](int r) {
        const Measurand* m = MeasurandAtRow(r);
        return m ? m->symbol : "";
    };
    switch (row) {
    case 0:
    case 1:
        return symbol(single ? 0 : 1);
    case 7:
    case 8:
        return symbol(single ? 7 : 8);
    case 11:
    case 12:
        return symbol(single ? 11 : 12);
    case kNeutralRow:
        return UnbalanceInNeutral(session) ? QT_TRANSLATE_NOOP("Measurands", "Unb.I") : symbol(row);
    default:
        return symbol(row);
    }
}
