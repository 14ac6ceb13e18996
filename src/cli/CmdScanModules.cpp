// scan-modules: finds the LANMOD57 modules on the network and merges them into
// ZARODEV.ini as the interface dialog does; one line per module that answered.
#include "cli/Cli.h"

#include "cli/CliJson.h"
#include "netmodules/LANMOD57Net.h"
#include "settings/INI_File.h"

#include <cstdio>

void LoadKnownModules(KnownDevices& devices, Connection& connection) {
    LoadDevINIDefault(devices, connection);
    ReadDevINIFile(devices, connection);
    InitLM57Records(devices);
}

int CmdScanModules(const QStringList& args, KnownDevices& known, Connection& connection) {
    QStringList rest = args;
    const bool json = TakeJsonFlag(rest);
    if (!rest.isEmpty()) return UsageError("scan-modules takes no arguments");
    LoadKnownModules(known, connection);
    QJsonArray devices;
    for (const ModuleRecord& r : CheckLANMD57(known)) {
        const bool dhcp = QByteArray(r.DHCP) == "01";
        if (json)
            devices.append(NetDeviceJson(r.MAC, r.IP, r.subnet, r.gateway, dhcp, r.name));
        else
            PrintNetDevice(r.MAC, r.IP, r.subnet, r.gateway, dhcp, r.name);
    }
    if (json) PrintJson({{"devices", devices}});
    std::fflush(stdout);
    return NewDevINIFile(known, connection) ? kExitOk : SettingsNotSaved();
}
