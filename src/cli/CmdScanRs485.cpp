// scan-rs485 [--range 32|247]: the interface dialog's address search on the port given.
#include "cli/Cli.h"

#include "cli/CliJson.h"
#include "config/ConfigTransfer.h"
#include "link/DeviceLink.h"
#include "link/ModbusTcp.h"
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
    MeterSession stored;
    LoadINIDefault(stored);
    ReadINIFile(stored);
    std::copy(std::begin(found), std::end(found), Devices485);
    if (found[0] != 0) stored.connection.meterAddress = found[0];
    return NewINIFile(stored);
}

} // namespace

QJsonArray IdentifyMeters(const int32_t (&found)[32], const std::function<void(int32_t)>& setAddress) {
    QJsonArray meters;
    for (int32_t a : found) {
        if (a == 0) break;
        ConfigImage scratch{};
        QJsonValue model, firmware, extension;
        if (setAddress) setAddress(a);
        if (setAddress && Read(scratch, kReadVersions, 0)) {
            firmware = VersionText(scratch.FwVersion);
            extension = VersionText(scratch.ExtVersion);
        }
        if (setAddress && Read(scratch, kReadModelName, 0))
            model = QString::fromLatin1(ReportedModel(),
                                        qsizetype(qstrnlen(ReportedModel(), sizeof ReportedModel())));
        meters.append(QJsonObject{{"address", a}, {"model", model}, {"firmware", firmware}, {"extension", extension}});
    }
    return meters;
}

int CmdScanRs485(const QStringList& args, KnownDevices&, Connection& connection) {
    int range = 32;
    QStringList rest = args;
    const bool json = TakeJsonFlag(rest);
    if (rest.size() == 2 && rest[0] == "--range") {
        if (!ParseInt(rest[1], 32, kMaxBusAddress, range) || (range != 32 && range != kMaxBusAddress))
            return UsageError("--range takes 32 or 247");
    } else if (!rest.isEmpty()) {
        return UsageError("scan-rs485 takes only --range 32|247");
    }
    // The search is a serial bus search whatever kind the settings name.
    SelectInterface(connection, kRS485, connection.gatewayIndex, connection.moduleIndex);
    int count = 0;
    const int ran = SearchAddress(range, {}, &count);
    if (ran < 0 || (ran == 0 && count == 0)) return kExitDeviceFailed;
    if (json) {
        int32_t found[32];
        std::copy(std::begin(Devices485), std::end(Devices485), found);
        const int32_t inUse = connection.meterAddress;
        // The search has closed the port; the questions open it once more.
        QJsonArray meters;
        const bool open = InitInterface();
        meters = open ? IdentifyMeters(found, [&connection](int32_t a) { connection.meterAddress = a; })
                      : IdentifyMeters(found, {});
        if (open) CloseCommPort();
        connection.meterAddress = inUse;
        PrintJson({{"addresses", meters}});
    } else {
        for (int32_t a : Devices485)
            if (a != 0) std::printf("%d\n", a);
    }
    std::fflush(stdout);
    if (!StoreAddresses()) return SettingsNotSaved();
    return ran > 0 ? kExitOk : kExitDeviceFailed;
}
