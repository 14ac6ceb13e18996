#include "values/Reading.h"

#include <cmath>

Validity JudgeReading(float raw, ReadingCheck check) {
    // A float power factor of 1.001f lies above 1.001: compare as the exact number.
    if (check == ReadingCheck::PowerFactor && !(std::fabs(double(raw)) <= 1.001)) return Validity::OutOfRange;
    if (check == ReadingCheck::Frequency) {
        if (raw < 45.0f) return Validity::Below45Hz;
        if (raw > 65.0f) return Validity::Above65Hz;
    }
    // NaN and both infinities are no reading either: no number to scale or write.
    if (!(raw <= 9e30f) || std::isinf(raw)) return Validity::Overload;
    return Validity::Ok;
}

QString MarkerText(Validity validity, MarkerPlace place) {
    const bool field = place == MarkerPlace::Field;
    switch (validity) {
    case Validity::Ok:
        return {};
    case Validity::Overload:
    case Validity::TooWide:
        return QStringLiteral("OVL");
    case Validity::OutOfRange:
        return QStringLiteral("---");
    case Validity::Below45Hz:
        return field ? QStringLiteral("< 45") : QStringLiteral("<45");
    case Validity::Above65Hz:
        return field ? QStringLiteral("> 65") : QStringLiteral(">65");
    case Validity::NotLogged:
        return QStringLiteral("inval.");
    case Validity::NoReading:
    case Validity::NoExtreme:
        return QStringLiteral("----");
    }
    return {};
}

const char* ValidityName(Validity validity) {
    switch (validity) {
    case Validity::Ok: return "ok";
    case Validity::Overload: return "overload";
    case Validity::OutOfRange: return "out-of-range";
    case Validity::Below45Hz: return "below-45-hz";
    case Validity::Above65Hz: return "above-65-hz";
    case Validity::NotLogged: return "not-logged";
    case Validity::TooWide: return "too-wide";
    case Validity::NoReading: return "no-reading";
    case Validity::NoExtreme: return "no-extreme";
    }
    return "no-reading";
}
