// scan-rs485 [--range 32|247]: the interface dialog's address search on the port given.
#include "cli/Cli.h"

#include "link/TCP_Komm.h"
#include "settings/INI_File.h"
#include "settings/SearchAddress.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace {

// The addresses found go into ZARO.ini as the dialog leaves them (the first becomes
// the meter in use); the link options of this run stay out of the file.
bool StoreAddresses() {
    int32_t found[32];
    std::copy(std::begin(Devices485), std::end(Devices485), found);
    LoadINIDefault();
    ReadINIFile();
    std::copy(std::begin(found), std::end(found), Devices485);
    if (found[0] != 0) DeviceAddr = found[0];
    return NewINIFile();
}

} // namespace

int CmdScanRs485(const QStringList& args) {
    int range = 32;
    if (args.size() == 2 && args[0] == "--range") {
        if (!ParseInt(args[1], 32, kMaxBusAddress, range) || (range != 32 && range != kMaxBusAddress))
            return UsageError("--range takes 32 or 247");
    } else if (!args.isEmpty()) {
        return UsageError("scan-rs485 takes only --range 32|247");
    }
    Last_Device = range;
    // The search is a serial bus search whatever kind the settings name.
    SelectInterface(kRS485, GatewayIndex, LM57Index);
    const int ran = SearchAddress();
    if (ran < 0 || (ran == 0 && SearchIndex == 0)) return kExitDeviceFailed;
    for (int32_t a : Devices485)
        if (a != 0) std::printf("%d\n", a);
    std::fflush(stdout);
    if (!StoreAddresses()) return SettingsNotSaved();
    return ran > 0 ? kExitOk : kExitDeviceFailed;
}
