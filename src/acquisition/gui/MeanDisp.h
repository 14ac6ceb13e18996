// The mean-value panel: the power mean values (with their trends, preceding intervals
// and extremes on the ZRM3) and the nine free mean values, refreshed every 5 s; the
// reset of chosen extremes.
#pragma once

#include <QPointer>

struct MeterSession;
class QTimer;
class QWidget;

// Menu command: opens the link, reads the configuration and shows the form of the
// meter's model. Returns 0.
int CmMeanValueDisplay(MeterSession& session);
QWidget* CreateMeanDisp(MeterSession& session, QWidget* parent); // the form follows the model of session.read
void InitMeanDisp(MeterSession& session);
int CmReadAverage(MeterSession& session); // timer tick, either model: status of the reads
int CmResAllMean(MeterSession& session);
int ResetMeanValues(MeterSession& session);
int CmPrintMeanValues();
int CmMeanDone();
QTimer* MeanTimer(MeterSession& session);
