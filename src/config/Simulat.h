// Simulation of the two digital outputs: outputs with a limit or pulse function are
// freed for it (bit 7 of their DigOut on the meter) and switched through the device
// status word. Works on Lese, the image of the meter that is connected.
#pragma once

extern int ModifiedOutputs[2]; // 1 for each output the simulation has freed

// CmSimulation's device part: opens the link, reads the configuration, asks before
// freeing outputs that have a function, frees them and reads the device status.
// 1: the simulation runs and the link stays open. 0: it did not start; the link is
// closed and whatever was freed has been given back, unless OutputsStillFreed() says
// otherwise.
int StartSimulation();

// SimDigout: switches output i (0, 1) on or off. 1 on success.
int SwitchOutput(int i, int on);
// Output i is on, as the device status read at the start and the switches since say.
bool OutputOn(int i);

// Gives the freed outputs their functions back; 1 when none stays freed.
int GiveBackOutputs(int showErrors);
// CmSimDone's device part: gives back, then closes the link. 1 when none stays freed.
int EndSimulation(int showErrors);
bool SimulationRunning();
bool OutputsStillFreed();
