// The communication log window: every frame of the link with its outcome, counters on
// top, a filter by outcome, pause, copy and save. It shows the log kept since start-up.
#pragma once

#include <QPointer>

class QWidget;

// Menu command: opens the window (or raises it). Returns 0.
int CmCommLog();
QWidget* CreateCommLogWindow(QWidget* parent);
