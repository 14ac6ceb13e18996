#include "acquisition/MinMaxDecode.h"

#include <QtGlobal>
#include <cstring>

const char* MinMaxBoxName(int k) {
    // What each reset bit clears is the meter's; the boxes are named after it.
    static const char* const names[kMinMaxBoxesZrm3] = {
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
    return k >= 0 && k < kMinMaxBoxesZrm3 ? names[k] : "";
}

ReadRequest MinMaxRequest(MeterSession& session) {
    return session.read.Model == 1 ? kReadMinMaxM3 : kReadMinMax;
}

int MinMaxRowCount(MeterSession& session) {
    return session.read.Model == 1 ? kMinMaxRowsZrm3 : kMinMaxRowsBase;
}

Value MinMaxValue(MeterSession& session, int row) {
    float v;
    std::memcpy(&v, session.blocks.minMax + 4 * row, sizeof v);
    return MakeValue(v, MinMaxRowClass(session, row));
}

bool MinMaxRowVisible(MeterSession& session, int row, const DisplayScale& scale) {
    const int column = scale.SystemColumn();
    bool maximum = false;
    const Measurand* m = MeasurandAtExtreme(row, maximum);
    return m && row < MinMaxRowCount(session) && (m->columns & (1 << (column - 1)));
}

Quantity MinMaxRowClass(MeterSession& session, int row) {
    bool maximum = false;
    const Measurand* m = MeasurandAtExtreme(row, maximum);
    if (!m) return kVoltage;
    // The unbalance maximum follows the instantaneous value's quantity.
    return m->instantRow >= 0 ? MeasRowClass(session, m->instantRow) : m->quantity;
}

QString MinMaxCaption(MeterSession& session, int row) {
    bool maximum = false;
    const Measurand* m = MeasurandAtExtreme(row, maximum);
    if (!m) return {};
    // The power factor minima carry their own names; the others take the captions of
    // the instantaneous panel.
    if (m->instantRow < 0) return QString::fromLatin1(m->symbol);
    return QString::fromLatin1(MeasCaption(session, m->instantRow)) + (maximum ? "max" : "min");
}

MeasText MinMaxText(MeterSession& session, int row, const DisplayScale& scale) {
    return FieldOf(scale, MinMaxValue(session, row));
}

int MinMaxBoxCount(MeterSession& session) {
    return session.read.Model == 1 ? kMinMaxBoxesZrm3 : kMinMaxBoxesBase;
}

uint16_t MinMaxResetWord(const bool ticked[], int boxes) {
    uint16_t word = 0;
    for (int k = 0; k < boxes && k < kMinMaxBoxesZrm3; ++k)
        if (ticked[k]) word |= uint16_t(k == 8 ? 0x2000 : 1 << k);
    return word;
}

int SendMinMaxReset(MeterSession& session, uint16_t word) {
    std::memcpy(session.blocks.minMaxReset, &word, sizeof word);
    return Write(session.read, kWriteResetMinMax, 1, 0);
}
