#include "acquisition/HarmDecode.h"

#include "config/ConfigImage.h"
#include "values/NumberText.h"

#include <QtGlobal>
#include <algorithm>
#include <cstring>

namespace {

uint16_t Word(const uint8_t* block, int k) {
    uint16_t v;
    std::memcpy(&v, block + 2 * k, sizeof v);
    return v;
}

float Percent(uint16_t tenths) {
    return float(tenths / 10.0);
}

} // namespace

int HarmRowCount(int netKind) {
    return netKind == 0 ? 2 : 6;
}

const char* HarmRowCaption(int kind, int netKind, int row) {
    static const char* const voltage[3][6] = {{"U", "Umax"},
                                              {"U12", "U12max", "U23", "U23max", "U31", "U31max"},
                                              {"U1", "U1max", "U2", "U2max", "U3", "U3max"}};
    static const char* const current[3][6] = {{"I", "Imax"},
                                              {"I1", "I1max", "I2", "I2max", "I3", "I3max"},
                                              {"I1", "I1max", "I2", "I2max", "I3", "I3max"}};
    const int n = std::clamp(netKind, 0, 2);
    const int r = std::clamp(row, 0, HarmRowCount(n) - 1);
    return (kind == kHarmVoltage ? voltage : current)[n][r];
}

void HarmRequests(int kind, int netKind, ReadRequest out[4]) {
    const bool one = netKind == 0;
    if (kind == kHarmVoltage) {
        out[0] = kReadThdU;
        out[1] = kReadThdUMax;
        out[2] = one ? kReadHarmUShort : kReadHarmU;
        out[3] = one ? kReadHarmUMaxShort : kReadHarmUMax;
    } else {
        out[0] = kReadThdI;
        out[1] = kReadThdIMax;
        out[2] = one ? kReadHarmIShort : kReadHarmI;
        out[3] = one ? kReadHarmIMaxShort : kReadHarmIMax;
    }
}

float HarmCell(int kind, int row, int column) {
    const bool voltage = kind == kHarmVoltage;
    const bool maximum = row % 2 == 1;
    const int phase = row / 2;
    const MeterBlocks& b = MeterBlocksInUse();
    if (column == kHarmColumns - 1) {
        const uint8_t* thd = voltage ? (maximum ? b.voltageThdMax : b.voltageThd)
                                     : (maximum ? b.currentThdMax : b.currentThd);
        return Percent(Word(thd, phase));
    }
    const uint8_t* block = voltage ? (maximum ? b.voltageHarmonicsMax : b.voltageHarmonics)
                                   : (maximum ? b.currentHarmonicsMax : b.currentHarmonics);
    return Percent(Word(block, kHarmOrders * phase + column));
}

QString HarmCellText(float percent, const QLocale& locale) {
    return FixedText(double(percent), 1, locale);
}

float HarmLargest(int kind, int netKind) {
    float largest = 0.0f;
    for (int r = 0; r < HarmRowCount(netKind); ++r)
        for (int c = 0; c < kHarmOrders; ++c)
            largest = std::max(largest, HarmCell(kind, r, c));
    return largest;
}

float HarmYRange(float v) {
    for (float step : {2.5f, 5.0f, 10.0f, 25.0f, 50.0f})
        if (v < step) return step;
    return 100.0f;
}

uint32_t HarmBarColour(int row) {
    static const uint32_t phaseColour[3] = {0xFF0000, 0x0000FF, 0x008000};
    return row % 2 ? 0xA0A0A0u : phaseColour[std::clamp(row / 2, 0, 2)];
}

QVector<HarmBar> HarmBars(int kind, int netKind) {
    QVector<HarmBar> bars;
    const int phases = HarmRowCount(netKind) / 2;
    for (int p = 0; p < phases; ++p) {
        // A single phase sits in the middle of its order.
        const double q = netKind == 0 ? 1 : p;
        for (int row : {2 * p + 1, 2 * p})
            for (int j = 1; j <= kHarmOrders; ++j) {
                const float v = HarmCell(kind, row, j - 1);
                if (v <= 0.01f) continue;
                bars.append({q * 0.3 + j - 0.41, q * 0.3 + j - 0.19, double(v), HarmBarColour(row)});
            }
    }
    return bars;
}

bool HarmShowsUnbalance(int kind, int netKind) {
    return kind == kHarmVoltage && netKind == 2;
}

float HarmUnbalance(bool maximum) {
    const MeterBlocks& b = MeterBlocksInUse();
    return Percent(Word(maximum ? b.voltageUnbalanceMax : b.voltageUnbalance, 0));
}

uint16_t HarmResetWord(int kind) {
    return kind == kHarmVoltage ? 0x0B00 : 0x1400;
}

int ReadHarmonics(MeterSession& session, int kind, int netKind) {
    ReadRequest requests[4];
    HarmRequests(kind, netKind, requests);
    for (ReadRequest r : requests)
        if (!Read(session.read, r, 0)) return 0;
    return 1;
}

int SendHarmReset(MeterSession& session, int kind) {
    const uint16_t word = HarmResetWord(kind);
    std::memcpy(session.blocks.minMaxReset, &word, sizeof word);
    return Write(session.read, kWriteResetMinMax, 1, 0);
}
