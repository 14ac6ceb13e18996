// The simulation panel: switches the meter's two digital outputs by hand.
#pragma once

#include <QPointer>

struct MeterSession;
class QWidget;

// Menu command: starts the simulation on the meter and shows the panel. Returns 0.
int CmSimulation(MeterSession& session);
QWidget* CreateSimulationPanel(MeterSession& session, QWidget* parent);
void InitSimulation(); // title and the outputs' states
int SimDigout(MeterSession& session, int i, int on);
// Gives the outputs back and returns to the main panel; when they cannot be given back
// the panel stays and says so, and a second close leaves them as they are.
int CmSimDone(MeterSession& session);
// The panel's simulation, for a look at its state.
class OutputSimulation;
const OutputSimulation& PanelSimulation();
// At the program's end: outputs freed for the simulation go back to their functions.
void EndPanelSimulation(MeterSession& session);
