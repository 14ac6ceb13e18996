// The logger commands of the main menu: the interface in use decides which logger
// panel opens. The meter logger's branch (interface kinds 0 to 2) joins here.
#include "shell/Shell.h"

#include "link/Connection.h"
#include "logger/gui/Logger57Panel.h"

int CmLoggerAcquisition() {
    if (CommType == kModule) EnterModuleLogger(1);
    return 0;
}

int CmLoggerWithoutMeter() {
    if (CommType == kModule) EnterModuleLogger(0);
    return 0;
}
