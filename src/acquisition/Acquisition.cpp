#include "acquisition/Acquisition.h"

#include "config/ConfigTransfer.h"
#include "link/Kommun.h"
#include "settings/INI_File.h"

int OpenAcquisition() {
    if (!InitInterface(CommPort)) {
        status = 0;
        return 0;
    }
    status = LeseKonfiguration(0);
    if (!status) CloseInterface();
    return status;
}
