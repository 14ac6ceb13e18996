// The harmonics panel (ZRM3): orders 2-15 and THD of voltages or currents, present and
// maximum, as a table and a bar chart, refreshed every 10 s; the reset of the maxima.
#pragma once

#include <QPointer>

struct MeterSession;
class QTimer;
class QWidget;

// Menu commands: open the link, read the configuration and show the panel for voltage
// (27) or current (29) harmonics; on the base model Error(7, 10) and the link closes.
int CmHarmonicsDisp(MeterSession& session, int kind);
int CmVoltageHarmonics(MeterSession& session);
int CmCurrentHarmonics(MeterSession& session);
QWidget* CreateHarmDisp(MeterSession& session, QWidget* parent);
void InitHarmDisp(MeterSession& session, int kind);
int CmReadHarmonics(MeterSession& session);
int ResetHarmonics(MeterSession& session);
int CmPrintHarmValues();
int CmCloseHarmonics();
QTimer* HarmTimer(MeterSession& session);
