// Simulation of the two digital outputs: outputs with a limit or pulse function are
// freed for it (bit 7 of their DigOut on the meter) and switched through the device
// status word. Works on the session's image of the meter that is connected.
#pragma once

#include <array>

struct MeterSession;

// One simulation, from its start to the give-back; whoever runs it keeps the object
// (the simulation panel, the command, the test). Outputs whose give-back failed stay
// marked, so that a later give-back or start returns them.
class OutputSimulation {
  public:
    // Opens the link, reads the configuration, asks before freeing outputs that have a
    // function, frees them and reads the device status. 1: the simulation runs and the
    // link stays open. 0: it did not start; the link is closed and whatever was freed
    // has been given back, unless outputsStillFreed() says otherwise.
    int start(MeterSession& session);
    // Switches output i (0, 1) on or off. 1 on success.
    int switchOutput(MeterSession& session, int i, int on);
    // Output i is on, as the device status read at the start and the switches since say.
    bool outputOn(int i) const;
    // Gives the freed outputs their functions back; 1 when none stays freed.
    int giveBackOutputs(MeterSession& session, int showErrors);
    // Gives back, then closes the link. 1 when none stays freed.
    int end(MeterSession& session, int showErrors);
    bool running() const { return running_; }
    bool outputsStillFreed() const { return freed_[0] || freed_[1]; }

  private:
    int freeOutputs(MeterSession& session);
    int failStart(MeterSession& session);

    bool running_ = false;
    std::array<bool, 2> on_{};
    std::array<bool, 2> freed_{}; // freed by this simulation, to be given back
};
