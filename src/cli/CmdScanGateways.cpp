// scan-gateways: finds the gateways on the network and merges them into ZAROTCP.ini as
// the interface dialog does; one line per gateway that answered.
#include "cli/Cli.h"

#include "cli/CliJson.h"
#include "netmodules/Gateway.h"
#include "settings/INI_File.h"

#include <cstdio>

void PrintNetDevice(const char* mac, const char* ip, const char* subnet, const char* gateway, bool dhcp,
                    const char* name) {
    std::printf("%s\t%s\t%s\t%s\t%s\t%s\n", qUtf8Printable(EscapeControls(mac)),
                qUtf8Printable(EscapeControls(ip)), qUtf8Printable(EscapeControls(subnet)),
                qUtf8Printable(EscapeControls(gateway)), dhcp ? "on" : "off",
                qUtf8Printable(EscapeControls(name)));
}

QJsonObject NetDeviceJson(const char* mac, const char* ip, const char* subnet, const char* gateway, bool dhcp,
                          const char* name) {
    const auto text = [](const char* t) { return QString::fromUtf8(t); };
    return {{"mac", text(mac)},         {"ip", text(ip)}, {"subnet", text(subnet)},
            {"gateway", text(gateway)}, {"dhcp", dhcp},   {"name", text(name)}};
}

// The gateways as ZAROTCP.ini has them: the link options of this run stay out of it.
void LoadKnownGateways(KnownDevices& devices, Connection& connection) {
    LoadINIDefaultTCP(devices, connection);
    ReadINIFileTCP(devices, connection);
    InitGatewayRecords(devices);
}

int CmdScanGateways(const QStringList& args, KnownDevices& known, Connection& connection) {
    QStringList rest = args;
    const bool json = TakeJsonFlag(rest);
    if (!rest.isEmpty()) return UsageError("scan-gateways takes no arguments");
    LoadKnownGateways(known, connection);
    QJsonArray devices;
    for (const NetbiterRecord& r : CheckGateways(known)) {
        const bool dhcp = QByteArray(r.DHCP) == "ON";
        if (json)
            devices.append(NetDeviceJson(r.MAC, r.IP, r.SN, r.GW, dhcp, r.HN));
        else
            PrintNetDevice(r.MAC, r.IP, r.SN, r.GW, dhcp, r.HN);
    }
    if (json) PrintJson({{"devices", devices}});
    std::fflush(stdout);
    return NewINIFileTCP(known, connection) ? kExitOk : SettingsNotSaved();
}
