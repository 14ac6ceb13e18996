// set-module MAC [--ip A] [--subnet A] [--gateway A] [--dhcp on|off] [--name N]: sends
// new network settings to a LANMOD57 module found by a scan (or keeps them for one that
// did not answer), as the interface dialog's save button does.
#include "cli/Cli.h"

#include "netmodules/Gateway.h"
#include "netmodules/LANMOD57Net.h"
#include "platform/Messages.h"
#include "settings/INI_File.h"

#include <cstring>

int CmdSetModule(const QStringList& args, KnownDevices& devices, Connection& connection) {
    NetOptions o;
    if (int rc = ParseNetOptions(args, o, false)) return rc;
    if (o.passwordGiven) return UsageError("modules take no password");
    LoadKnownModules(devices, connection);
    CheckLANMD57(devices);
    const int count = int(devices.modules.size());
    int i = 0;
    while (i < count && o.mac.toLatin1() != devices.modules[size_t(i)].MAC)
        ++i;
    if (i == count) {
        Error(10, 2);
        return kExitDeviceFailed;
    }
    SelectInterface(connection, connection.kind, connection.gatewayIndex, i);
    const ModuleRecord& r = devices.modules[size_t(i)];
    NetworkFields fields{r.IP, r.subnet, r.gateway, r.name, std::strcmp(r.DHCP, "01") == 0, 1};
    ApplyNetOptions(o, fields);
    if (!LM57ModificationCheck(devices, fields)) return kExitDeviceFailed;
    return NewDevINIFile(devices, connection) ? kExitOk : SettingsNotSaved();
}
