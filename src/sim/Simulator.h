// One simulator: the meters on its line, the faults still to apply, the pace of its
// serial line and its module's log. main makes it and hands it to the doors it opens.
#pragma once

#include "SimLog57.h"
#include "SimModbus.h"
#include "SimTransport.h"

struct Simulator {
    std::vector<SimMeter> meters; // by address
    QList<SimFault> faults;
    SimTiming timing;
    SimLog57Setup moduleLog;
};
