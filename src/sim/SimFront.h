// The meter's front: its two digital outputs and its display brightness, as a person
// standing at the meter would see them.
#pragma once

#include "SimMeter.h"

#include <QString>

// After a write into the configuration registers (old: their values before it): an
// output given its function back leaves the simulation's control and falls off; a new
// brightness shows on the display.
void SimFrontConfigWritten(SimMeter& m, const uint16_t* old);

// "output 1 on (free), output 2 off (limit), brightness 8": the front as it is now.
QString SimFrontText(const SimMeter& m);
