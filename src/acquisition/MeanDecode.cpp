#include "acquisition/MeanDecode.h"

#include "config/ConfigImage.h"
#include "link/DeviceLink.h"
#include "values/Reading.h"

#include <cstring>

namespace {

constexpr uint16_t kBit(int k) {
    return uint16_t(1u << k);
}

// Valid network kinds per code: bit n for kind n.
uint8_t ValidKinds(int code) {
    constexpr uint8_t k0 = 1, k2 = 4, all = 7, k12 = 6; // bit 1: kind 1
    switch (code) {
    case 0:
        return k0 | k2;
    case 6:
    case 25:
    case 29:
    case 40:
    case 43:
        return all;
    case 3:
    case 4:
    case 5:
    case 7:
    case 8:
    case 31:
    case 32:
    case 41:
    case 42:
    case 44:
    case 45:
        return k12;
    case 1:
    case 2:
    case 12:
    case 21:
    case 22:
    case 23:
    case 26:
    case 27:
    case 28:
    case 33:
    case 39:
        return k2;
    default:
        return code >= 50 && code <= 64 && (code - 50) % 4 != 3 ? k2 : 0;
    }
}

constexpr int kNeutralCode = 12;

// The frequency row keeps a missing extreme out of the "< 45" / "> 65" markers.
constexpr int kFrequencyCode = 25;

bool ResetSince(const MeanResets& resets, int word, int bit) {
    return resets.words[word] & kBit(bit);
}

} // namespace

float BlockFloat(const uint8_t* block, int k) {
    float v;
    std::memcpy(&v, block + 4 * k, sizeof v);
    return v;
}

const char* MeanPowerName(MeterSession& session, int q) {
    static const char* const names[7] = {"Pinc", "Pout", "Qind", "Qcap", "Qinc", "Qout", "S"};
    const bool inOut = session.read.Model == 1 && (session.read.DispMode & kDispModeInOut);
    if (q == 4) return names[6];
    if (inOut && (q == 2 || q == 3)) return names[q + 2];
    return names[q];
}

Quantity MeanPowerClass(int q) {
    static const Quantity classes[kPowerMeans] = {kActivePower, kActivePower, kReactivePower, kReactivePower,
                                                  kApparentPower};
    return classes[q];
}

Value PowerMeanValue(int q, float raw) {
    return MakeValue(raw, MeanPowerClass(q));
}

MeasText PowerMeanText(const DisplayScale& scale, int q, float raw) {
    return FieldOf(scale, PowerMeanValue(q, raw));
}

MeasText PowerExtremeText(const DisplayScale& scale, const MeanResets& resets, int k) {
    return FieldOf(scale, PowerExtremeValue(resets, k));
}

Value PowerExtremeValue(const MeanResets& resets, int k) {
    const int q = k % kPowerMeans;
    Value value = PowerMeanValue(q, BlockFloat(MeterBlocksInUse().powerMeanExtremes, k));
    const bool maximum = k < kPowerMeans;
    const bool empty = BlockFloat(MeterBlocksInUse().powerMeanExtremes, q) <
                       BlockFloat(MeterBlocksInUse().powerMeanExtremes, q + kPowerMeans);
    if (value.validity == Validity::Ok && empty && !ResetSince(resets, maximum ? 2 : 1, q))
        value.validity = Validity::NoExtreme;
    return value;
}

bool MeanCodeValid(int code, int netKind) {
    return code >= 0 && code < 65 && netKind >= 0 && netKind <= 2 && (ValidKinds(code) & (1 << netKind));
}

Quantity MeanCodeClass(MeterSession& session, int code) {
    return MeanCodeQuantity(session.read, code);
}

Quantity MeanCodeQuantity(const ConfigImage& image, int code) {
    if (code == kNeutralCode && UnbalanceInNeutral(image)) return kPercent;
    return MeanCodeQuantityPlain(code);
}

QString MeanCodeName(MeterSession& session, int code) {
    const int kind = NetworkClass(session.read);
    static const char* const phaseU[3][3] = {
        {"U", "U2N", "U3N"}, {"U12", "U23", "U31"}, {"U1N", "U2N", "U3N"}};
    switch (code) {
    case 0:
        return kind == 0 ? "U" : "U1N";
    case 1:
    case 2:
        return phaseU[2][code];
    case 3:
    case 4:
    case 5:
        return phaseU[1][code - 3];
    case 6:
        return kind == 0 ? "I" : "I1";
    case 7:
    case 8:
        return QStringLiteral("I%1").arg(code - 5);
    case kNeutralCode:
        return UnbalanceInNeutral(session) ? "Unb.I" : "IN";
    case 25:
        return "F";
    case 29:
        return "PF";
    case 31:
        return "Umean";
    case 32:
        return "Imean";
    case 33:
        return "UNE";
    case 39:
        return "unb.U";
    default:
        break;
    }
    if (code >= 21 && code <= 23) return QStringLiteral("S%1").arg(code - 20);
    if (code >= 26 && code <= 28) return QStringLiteral("PF%1").arg(code - 25);
    if (code >= 40 && code <= 42) {
        static const char* const thdU[3][3] = {{"U"}, {"U12", "U23", "U31"}, {"U1", "U2", "U3"}};
        return "THD " + QString(thdU[kind][kind == 0 ? 0 : code - 40]);
    }
    if (code >= 43 && code <= 45)
        return kind == 0 ? QString("THD I") : QStringLiteral("THD I%1").arg(code - 42);
    if (code >= 50 && code <= 64) {
        // The group's first name with the phase digit in its second place.
        static const char* const groups[4] = {"P1inc", "P1out", "Q1ind", "Q1cap"};
        QString name = groups[(code - 50) / 4];
        name[1] = QChar(u'1' + (code - 50) % 4);
        return name;
    }
    return QStringLiteral("#%1").arg(code);
}

QString MeanFreeCaption(MeterSession& session, const DisplayScale& scale, int row) {
    const int code = MeanFreeCode(session, row);
    if (code == kNoMeasurand) return QString();
    const QString name = MeanCodeName(session, code);
    if (code >= 50) return name + ' ' + scale.Unit(code < 58 ? kActivePower : kReactivePower);
    const Quantity klass = MeanCodeClass(session, code);
    if (klass == kApparentPower || klass == kPowerFactor) return name + ' ' + scale.Unit(klass);
    return name + " [" + scale.Unit(klass) + ']';
}

void DropInvalidMeanCodes(MeterSession& session) {
    const int kind = NetworkClass(session.read);
    for (uint8_t& code : session.read.MeanMeas)
        if (code != kNoMeasurand && !MeanCodeValid(code, kind)) code = kNoMeasurand;
}

int MeanFreeCode(MeterSession& session, int row) {
    return session.read.MeanMeas[row];
}

MeasText FreeMeanText(MeterSession& session, const DisplayScale& scale, const MeanResets& resets, int row,
                      int which) {
    return FieldOf(scale, FreeMeanValue(session, resets, row, which));
}

Value FreeMeanValue(MeterSession& session, const MeanResets& resets, int row, int which) {
    const int code = MeanFreeCode(session, row);
    const uint8_t* block = which < 2 ? session.blocks.freeMeanTrend : session.blocks.freeMeanExtremes;
    Value value = MakeValue(BlockFloat(block, row + (which % 2) * kFreeMeans), MeanCodeClass(session, code));
    if (which < 2) return value;
    const bool empty = BlockFloat(session.blocks.freeMeanExtremes, row) <
                       BlockFloat(session.blocks.freeMeanExtremes, row + kFreeMeans);
    if (value.validity == Validity::Ok && empty && !ResetSince(resets, which == 2 ? 2 : 1, 5 + row))
        value.validity = Validity::NoExtreme;
    else if (value.validity != Validity::Ok && empty && code == kFrequencyCode)
        value.validity = Validity::NoExtreme;
    return value;
}

void MeanResetWords(MeterSession& session, const bool minTicked[14], const bool maxTicked[14],
                    uint16_t& minima, uint16_t& maxima) {
    minima = maxima = 0;
    for (int k = 0; k < 14; ++k) {
        if (k >= kPowerMeans && MeanFreeCode(session, k - kPowerMeans) == kNoMeasurand) continue;
        if (minTicked[k]) minima |= kBit(k);
        if (maxTicked[k]) maxima |= kBit(k);
    }
}

int ReadPowerMeans(MeterSession& session) {
    if (session.read.Model != 1) return Read(session.read, kReadMeans, 0);
    return Read(session.read, kReadMeansM3, 0) && Read(session.read, kReadMeanTrend, 0) &&
           Read(session.read, kReadMeanMinMax, 0);
}

int ReadFreeMeans(MeterSession& session) {
    return Read(session.read, kReadAvgTrend, 0) && Read(session.read, kReadAvgMinMax, 0);
}

bool AnyFreeMean(MeterSession& session) {
    for (int i = 0; i < kFreeMeans; ++i)
        if (MeanFreeCode(session, i) != kNoMeasurand) return true;
    return false;
}

int SendMeanReset(MeterSession& session, uint16_t minima, uint16_t maxima, MeanResets& resets) {
    const uint16_t words[3] = {0, minima, maxima};
    std::memcpy(session.blocks.minMaxReset, words, sizeof words);
    const int ok = Write(session.read, kWriteResetMeans, 1, 0);
    for (int k = 0; k < 3; ++k)
        resets.words[k] |= words[k];
    return ok;
}
