#include "values/Quantity.h"

const char* SiUnit(Quantity quantity) {
    static const char* const units[kQuantities] = {"V", "A", "W", "var", "VA", "Hz", "", "%"};
    return quantity >= 0 && quantity < kQuantities ? units[quantity] : "";
}

Value MakeValue(float raw, Quantity quantity) {
    const ReadingCheck check = quantity == kPowerFactor ? ReadingCheck::PowerFactor
                               : quantity == kFrequency ? ReadingCheck::Frequency
                                                        : ReadingCheck::Plain;
    return {double(raw), quantity, JudgeReading(raw, check)};
}
