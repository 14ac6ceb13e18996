// `zaro --demo`: the program against a simulated meter. zaro-sim runs beside the
// program with an extended-model meter on a pseudo-terminal; the program works on a
// temporary copy of the user's settings pointed at it, so the user's own files stay
// as they were.
#pragma once

#include <QString>
#include <QStringList>

struct MeterSession;

// Starts simulator, prepares the demo settings and starts the program on them, then
// receives the simulated meter's configuration. 0 when any step failed (said in a popup).
// wiringFaults go to the simulator's --wiring, so that the installation check has
// something to find.
int StartDemoSession(const QString& simulator, const QStringList& wiringFaults, double splashSeconds);
// Stops the simulator and removes the demo settings. Safe to call when no demo runs.
void StopDemo();
bool DemoActive();

// "ZARO", or "ZARO — Demo — simulated meter" in the language in use.
QString MainWindowTitle();

// Help menu: opens another copy of the program in demo mode.
int CmTryDemo();
