// search-gateway [--range 32|247]: the meters behind the gateway in use, one address a
// line; they become that gateway's meters in ZAROTCP.ini.
#include "cli/Cli.h"

#include "cli/CliJson.h"
#include "link/ModbusTcp.h"
#include "netmodules/Gateway.h"
#include "settings/INI_File.h"
#include "settings/SearchAddress.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

int CmdSearchGateway(const QStringList& args, KnownDevices& devices, Connection& connection) {
    int range = 32;
    QStringList rest = args;
    const bool json = TakeJsonFlag(rest);
    if (rest.size() == 2 && rest[0] == "--range") {
        if (!ParseInt(rest[1], 32, kMaxBusAddress, range) || (range != 32 && range != kMaxBusAddress))
            return UsageError("--range takes 32 or 247");
    } else if (!rest.isEmpty()) {
        return UsageError("search-gateway takes only --range 32|247");
    }
    SelectInterface(connection, kGateway, connection.gatewayIndex, connection.moduleIndex);
    const int ran = SearchGatewayDevices(devices, range);
    if (ran < 0) return kExitDeviceFailed;
    int32_t found[kMaxUnits];
    const int32_t(&units)[kMaxUnits] = devices.gateways[size_t(connection.gatewayIndex)].units;
    std::copy(std::begin(units), std::end(units), found);
    if (json) {
        // The gateway's connection stays open after the search.
        const int32_t inUse = connection.gatewayUnitAddress;
        // A gateway that fell silent is not asked again.
        const auto setAddress = [&connection](int32_t a) { connection.gatewayUnitAddress = a; };
        PrintJson({{"addresses", IdentifyMeters(found, ran > 0 ? setAddress : std::function<void(int32_t)>())}});
        connection.gatewayUnitAddress = inUse;
    } else {
        for (int32_t a : found)
            if (a != 0) std::printf("%d\n", a);
    }
    std::fflush(stdout);
    // Into the file as it is; a gateway given by --host only is not kept.
    const size_t gateway = size_t(connection.gatewayIndex);
    KnownDevices stored;
    LoadINIDefaultTCP(stored, connection);
    ReadINIFileTCP(stored, connection);
    if (gateway < stored.gateways.size()) {
        std::copy(std::begin(found), std::end(found), stored.gateways[gateway].units);
        if (found[0] != 0) connection.gatewayUnitAddress = found[0];
        if (!NewINIFileTCP(stored, connection)) return SettingsNotSaved();
    }
    return ran > 0 ? kExitOk : kExitDeviceFailed;
}
