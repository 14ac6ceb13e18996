// The min/max panel: the extremes the meter keeps, refreshed every 10 s, and the reset
// of chosen groups of them.
#pragma once

#include <QPointer>

struct MeterSession;
class QTimer;
class QWidget;

// Menu command: opens the link, reads the configuration and shows the panel. Returns 0.
int CmMinMaxDisplay(MeterSession& session);
QWidget* CreateMinMaxDisp(MeterSession& session, QWidget* parent);
void InitMinMaxDisp(MeterSession& session);
int CmReadMinMax(MeterSession& session); // timer tick: status of the read
int CmResAllMinMax(); // the all box into every reset box
int CmResetMinMax(MeterSession& session); // writes the ticked boxes' bits
int CmPrintMinMaxData();
int CmCloseMinMax();
QTimer* MinMaxTimer(MeterSession& session);
