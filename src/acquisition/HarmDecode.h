// Harmonics (extended model): the table of orders 2-15 and THD per phase, present and
// maximum, the chart's bars and y range, and the reset word. Shared by the panel and
// zaro-cli.
#pragma once

#include "link/DeviceLink.h"

#include <QLocale>
#include <QString>
#include <QVector>
#include <cstdint>

struct MeterSession;

enum HarmKind { kHarmVoltage = 27, kHarmCurrent = 29 }; // shownKind
constexpr int kHarmColumns = 15;                        // orders 2..15, then THD
constexpr int kHarmOrders = 14;

int HarmRowCount(int netKind); // 2 for kind 0, else 6
// English caption of table row r (0-based): 2p present values of phase p, 2p + 1 maxima.
const char* HarmRowCaption(int kind, int netKind, int row);
// The four reads of one refresh, in order.
void HarmRequests(int kind, int netKind, ReadRequest out[4]);
// Cell of the table in percent, from the blocks as read.
float HarmCell(int kind, int row, int column);
QString HarmCellText(float percent, const QLocale& locale); // one decimal
// Largest order value of the table (THD left out) and the chart's y range for it.
float HarmLargest(int kind, int netKind);
float HarmYRange(float largest);

struct HarmBar {
    double x0, x1, height;
    uint32_t rgb;
};
// Colour of the bars of table row r: each phase's present values in its own colour,
// every maximum grey.
uint32_t HarmBarColour(int row);
// Bars in drawing order: each phase's grey maxima first, its coloured present values
// on top. Values of 0.01 % or less draw nothing.
QVector<HarmBar> HarmBars(int kind, int netKind);

bool HarmShowsUnbalance(int kind, int netKind); // voltage on a 4-wire system
float HarmUnbalance(bool maximum);

uint16_t HarmResetWord(int kind); // register 429: 0x0B00 voltage, 0x1400 current

// The four reads, stopping at the first failure.
int ReadHarmonics(MeterSession& session, int kind, int netKind);
int SendHarmReset(MeterSession& session, int kind);
