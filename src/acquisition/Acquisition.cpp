#include "acquisition/Acquisition.h"

#include "link/Kommun.h"
#include "settings/INI_File.h"

int LeseKonfiguration(int);

int OpenAcquisition()
{
    if (!InitInterface(CommPort)) {
        status = 0;
        return 0;
    }
    status = LeseKonfiguration(0);
    if (!status) CloseInterface();
    return status;
}
