// set-module MAC [--ip A] [--subnet A] [--gateway A] [--dhcp on|off] [--name N]: sends
// new network settings to a LANMOD57 module found by a scan (or keeps them for one that
// did not answer), as the interface dialog's save button does.
#include "cli/Cli.h"

#include "netmodules/Gateway.h"
#include "netmodules/LANMOD57Net.h"
#include "platform/Messages.h"
#include "settings/INI_File.h"

#include <cstring>

int CmdSetModule(const QStringList& args) {
    NetOptions o;
    if (int rc = ParseNetOptions(args, o, false)) return rc;
    if (o.passwordGiven) return UsageError("modules take no password");
    LoadKnownModules();
    CheckLANMD57();
    int i = 0;
    while (i < Num57 && o.mac.toLatin1() != EMD[i].MAC)
        ++i;
    if (i == Num57) {
        Error(10, 2);
        return kExitDeviceFailed;
    }
    SelectInterface(CommType, GatewayIndex, i);
    const ModuleRecord& r = EMD[i];
    NetFields = NetworkFields{r.IP, r.subnet, r.gateway, r.name, std::strcmp(r.DHCP, "01") == 0, 1};
    ApplyNetOptions(o);
    if (!LM57ModificationCheck()) return kExitDeviceFailed;
    return NewDevINIFile() ? kExitOk : SettingsNotSaved();
}
