#include "config/Scaling.h"

#include <array>
#include <initializer_list>

namespace {

constexpr float kSqrt3 = 1.73205081f;

// Flag tables written as the entry numbers the meter documents, ranges spelt out.
template <std::size_t N> constexpr std::array<bool, N> Flags(std::initializer_list<int> entries) {
    std::array<bool, N> flags{};
    for (int e : entries)
        flags[std::size_t(e)] = true;
    return flags;
}

constexpr std::array<bool, kLimitEntries> kLimitBase[3] = {
    Flags<kLimitEntries>({0, 3, 6, 8, 10, 12, 14, 23, 24, 27, 32}),
    Flags<kLimitEntries>({1, 4, 5, 8, 10, 12, 14, 23, 24, 27, 32}),
    Flags<kLimitEntries>({1, 2, 4, 5, 7, 9, 11, 13, 15, 23, 24, 27, 32}),
};
constexpr std::array<bool, kLimitEntries> kLimitExtended[3] = {
    Flags<kLimitEntries>(
        {0, 3, 6, 8, 10, 12, 14, 16, 19, 23, 25, 26, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39}),
    Flags<kLimitEntries>(
        {1, 4, 5, 8, 10, 12, 14, 17, 20, 23, 25, 26, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39}),
    Flags<kLimitEntries>({1,  2,  4,  5,  7,  9,  11, 13, 15, 18, 20, 21, 22, 23,
                          25, 26, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39}),
};

constexpr std::array<bool, kMeanEntries> kMean[3] = {
    Flags<kMeanEntries>({0, 1, 8, 34, 35, 43, 50}),
    Flags<kMeanEntries>({0, 5, 6, 7, 9, 10, 11, 34, 35, 47, 48, 49, 51, 52, 53}),
    Flags<kMeanEntries>({0,  2,  3,  4,  5,  6,  7,  9,  10, 11, 12, 13, 14, 15, 16, 17,
                         18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33,
                         34, 35, 36, 37, 38, 39, 40, 41, 42, 44, 45, 46, 51, 52, 53}),
};

constexpr std::array<bool, kMinMaxEntries> kMinMax[3] = {
    Flags<kMinMaxEntries>({0, 1, 8, 12, 20, 24, 28, 29, 36, 37, 38, 39, 40, 41}),
    Flags<kMinMaxEntries>(
        {0, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15, 20, 24, 28, 33, 34, 35, 36, 37, 38, 39, 40, 41}),
    Flags<kMinMaxEntries>({0,  2,  3,  4,  5,  6,  7,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21,
                           22, 23, 24, 25, 26, 27, 28, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42}),
};

constexpr auto kPmgr0 = Flags<kMeanCodes>({0, 6, 25, 29, 40, 43});
constexpr auto kPmgr1 = Flags<kMeanCodes>({3, 4, 5, 6, 7, 8, 25, 29, 31, 32, 40, 41, 42, 43, 44, 45});
constexpr auto kPmgr2 =
    Flags<kMeanCodes>({0,  1,  2,  3,  4,  5,  6,  7,  8,  12, 21, 22, 23, 25, 26, 27, 28, 29, 31, 32,
                       33, 39, 40, 41, 42, 43, 44, 45, 50, 51, 52, 54, 55, 56, 58, 59, 60, 62, 63, 64});

// Unit families of the limit codes: plain, k, M and G forms.
const char* const LimitUnits[][4] = {
    {"A", "kA", "MA", "GA"},         // 0 current
    {"V", "kV", "MV", "GV"},         // 1 voltage
    {"W", "kW", "MW", "GW"},         // 2 active power
    {"var", "kvar", "Mvar", "Gvar"}, // 3 reactive power
    {"VA", "kVA", "MVA", "GVA"},     // 4 apparent power
    {"-", "-", "-", "-"},            // 5 power factor
    {"Hz", "Hz", "Hz", "Hz"},        // 6 frequency
    {"%", "%", "%", "%"},            // 7 percent
};
// Unit family of each limit code 0..23.
constexpr int kLimitFamily[24] = {0, 0, 1, 1, 2, 3, 4, 5, 2, 3, 4, 0, 6, 7, 7, 1, 7, 2, 3, 2, 3, 4, 2, 3};

// Column of LimitUnits for output i: a limit shown in it never needs more than three
// digits before the decimal point.
int UnitColumn(MeterSession& session, int i) {
    const float x = LimitRatedValue(session, i, 0) * LimitFullScale(i) / 10000.0f;
    if (x > 832000000.0f) return 3;
    if (x > 832000.0f) return 2;
    if (x > 832.0f) return 1;
    return 0;
}

} // namespace

const std::array<bool, kMeanCodes>& ValidMeanCodes(int networkClass) {
    static const std::array<bool, kMeanCodes> byClass[3] = {kPmgr0, kPmgr1, kPmgr2};
    return byClass[networkClass];
}

float RatedApparentPower(const ConfigImage& image, int mode) {
    const float u = mode ? float(image.UrSec) : float(image.MaxU);
    const float i = mode ? image.IrSec : float(image.MaxI / 100.0);
    return SystemCode(image) == 0 ? u * i / kSqrt3 : u * i * kSqrt3;
}

float LimitRatedValue(MeterSession& session, int i, int mode) {
    const float ru = session.edited.UrPrim / float(session.edited.UrSec);
    const float ri = session.edited.IrPrim / session.edited.IrSec;
    const float u = mode ? float(session.edited.UrSec) : float(session.edited.MaxU);
    const float cur = mode ? session.edited.IrSec : float(session.edited.MaxI / 100.0);
    const float sr = RatedApparentPower(session.edited, mode);
    const uint8_t system = SystemCode(session.edited);
    switch (session.edited.DigOut[i]) {
    case 0:
    case 1:
    case 11:
        return cur * ri;
    case 2:
        return u * ru;
    case 3:
    case 15:
        return u * ru / kSqrt3;
    case 4:
    case 5:
    case 6:
        // Phase powers of a four-wire system are a third of the total.
        return (system == 4 || system == 20) ? sr * ru * ri / 3.0f : sr * ru * ri;
    case 7:
        return 1.0f;
    case 12:
        return 50.0f;
    case 13:
    case 14:
    case 16:
        return 100.0f;
    case 8:
    case 9:
    case 10:
    case 17:
    case 18:
    case 19:
    case 20:
    case 21:
    case 22:
    case 23:
        return sr * ru * ri;
    default:
        return 0.0f;
    }
}

// Both decade counts come from the same secondaries, so the full scale is always 100.00 %.
float LimitFullScale(int) {
    return 10000.0f;
}

const char* LimitUnitText(MeterSession& session, int i) {
    const int code = session.edited.DigOut[i];
    if (code >= 24) return "";
    return LimitUnits[kLimitFamily[code]][UnitColumn(session, i)];
}

float LimitUnitDivisor(MeterSession& session, int i) {
    static constexpr float kDivisor[4] = {1.0f, 1000.0f, 1000000.0f, 1000000000.0f};
    return kDivisor[UnitColumn(session, i)];
}

bool LimitEntryAvailable(int entry, int model, int networkClass) {
    if (entry < 0 || entry >= kLimitEntries || networkClass < 0 || networkClass > 2) return false;
    return (model ? kLimitExtended : kLimitBase)[networkClass][std::size_t(entry)];
}

bool MeanEntryAvailable(int entry, int networkClass) {
    if (entry < 0 || entry >= kMeanEntries || networkClass < 0 || networkClass > 2) return false;
    return kMean[networkClass][std::size_t(entry)];
}

bool MinMaxEntryAvailable(int entry, int networkClass) {
    if (entry < 0 || entry >= kMinMaxEntries || networkClass < 0 || networkClass > 2) return false;
    return kMinMax[networkClass][std::size_t(entry)];
}
