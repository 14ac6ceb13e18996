// scan-modules: finds the LANMOD57 modules on the network and merges them into
// ZARODEV.ini as the interface dialog does; one line per module that answered.
#include "cli/Cli.h"

#include "netmodules/LANMOD57Net.h"
#include "settings/INI_File.h"

#include <cstdio>

void LoadKnownModules() {
    LoadDevINIDefault();
    ReadDevINIFile();
    InitLM57Records();
}

int CmdScanModules(const QStringList& args) {
    if (!args.isEmpty()) return UsageError("scan-modules takes no arguments");
    LoadKnownModules();
    const int found = CheckLANMD57();
    for (int i = 0; i < found; ++i) {
        const ModuleRecord& r = EMDscan[i];
        PrintNetDevice(r.MAC, r.IP, r.subnet, r.gateway, QByteArray(r.DHCP) == "01", r.name);
    }
    std::fflush(stdout);
    return NewDevINIFile() ? kExitOk : SettingsNotSaved();
}
