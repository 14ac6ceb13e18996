#include "acquisition/Acquisition.h"

#include "config/ConfigTransfer.h"
#include "link/DeviceLink.h"
#include "settings/INI_File.h"

int OpenAcquisition(MeterSession& session) {
    if (!InitInterface()) return 0;
    const int ok = ReadConfiguration(session, 0);
    if (!ok) CloseInterface();
    return ok;
}
