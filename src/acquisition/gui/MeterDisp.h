// The energy meters panel: the eight registers and the tariff, refreshed every 5 s;
// presetting and resetting registers and switching the tariff.
#pragma once

#include <QPointer>

struct MeterSession;
class QTimer;
class QWidget;

// Menu command: opens the link, reads the configuration and the energy scale and shows
// the panel; when the scale cannot be read or shown, the link is closed again.
int CmMetersDisplay(MeterSession& session);
QWidget* CreateMetersDisp(MeterSession& session, QWidget* parent);
// 0 when the scale read failed or was refused: the panel is discarded and the link closed.
int InitMetersDisp(MeterSession& session);
int CmReadMeters(MeterSession& session);
int CmMeterSet(MeterSession& session);
int CmMeterReset(MeterSession& session);
int CmToggleTariff(MeterSession& session);
int CmPrintMeters();
int CmMeterDone();
QTimer* MetersTimer(MeterSession& session);
