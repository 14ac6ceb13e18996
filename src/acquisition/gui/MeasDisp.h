// The instantaneous-values panel: the meter's live values, refreshed every 2 s.
#pragma once

#include <QPointer>

struct MeterSession;
class QTimer;
class QWidget;

// Menu command: opens the link, reads the configuration and shows the panel; on a
// failure the link is closed again and nothing is shown. Returns 0.
int CmMeasDisplay(MeterSession& session);

// Builds the panel's widgets (the caller shows it) and prepares it: title, units,
// visible fields, first tick at once.
QWidget* CreateMeasDisp(QWidget* parent);
void InitMeasDisp(MeterSession& session);

int CmReadMeas(MeterSession& session); // timer tick: 1 or 0 as the read went
// Redraws the first `rows` values from instantaneous, or marks them "----" after a failed read.
void ShowMeasValues(MeterSession& session, int readOk, int rows);
int CmPrintMeasData();    // prints the panel with date and time
int CmCloseAcquisition(); // stops polling, closes the link, back to the main panel

QTimer* MeasTimer(MeterSession& session); // the refresh timer (exists while the program runs)
