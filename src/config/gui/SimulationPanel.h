// The simulation panel: switches the meter's two digital outputs by hand.
#pragma once

#include <QPointer>

class QWidget;

extern QPointer<QWidget> simulation; // the panel while it is shown

// Menu command: starts the simulation on the meter and shows the panel. Returns 0.
int CmSimulation();
QWidget* CreateSimulationPanel(QWidget* parent);
void InitSimulation(); // title and the outputs' states
int SimDigout(int i, int on);
// Gives the outputs back and returns to the main panel; when they cannot be given back
// the panel stays and says so, and a second close leaves them as they are.
int CmSimDone();
