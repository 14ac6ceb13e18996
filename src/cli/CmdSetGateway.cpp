// set-gateway MAC [--ip A] [--subnet A] [--gateway A] [--dhcp on|off] [--name N]
// [--password P]: sends new network settings to a gateway found by a scan (or keeps them
// for one added by hand), as the interface dialog's save button does.
#include "cli/Cli.h"

#include "netmodules/Gateway.h"
#include "netmodules/LANMOD57Net.h"
#include "platform/Messages.h"
#include "settings/INI_File.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace {

// Gives the password of the command line when one is asked for.
class GivenPassword : public ConsoleMessages {
  public:
    explicit GivenPassword(const std::string& p) : ConsoleMessages(false), password(p) {}
    int askPassword(std::string& out, int maxLength) override {
        out = password.substr(0, size_t(maxLength));
        return 1;
    }
    std::string password;
};

} // namespace

// A name the device keeps as given: printable, without the separator of the messages
// (a gateway's host name also without blanks), and as long as its field holds.
bool NameFits(const QString& name, bool gateway) {
    const QByteArray bytes = name.toUtf8();
    if (bytes.size() > (gateway ? kMaxHostNameLength : kMaxModuleNameLength)) return false;
    if (!gateway && name.endsWith(' ')) return false;
    return std::none_of(name.begin(), name.end(),
                        [gateway](QChar c) { return c == ';' || (gateway && c == ' ') || !c.isPrint(); });
}

int ParseNetOptions(const QStringList& args, NetOptions& o, bool gateway) {
    if (args.isEmpty() || args[0].startsWith("--")) return UsageError("give the device's MAC address first");
    o.mac = args[0].toUpper();
    if (!CheckMAC(o.mac.toLatin1().constData()) || o.mac.size() != 17)
        return UsageError(args[0] + " is no MAC address (six hex pairs joined by '-')");
    const std::map<QString, QString*> valued{{"--ip", &o.ip},           {"--subnet", &o.subnet},
                                             {"--gateway", &o.gateway}, {"--dhcp", &o.dhcp},
                                             {"--name", &o.name},       {"--password", &o.password}};
    for (int i = 1; i < args.size(); i += 2) {
        auto it = valued.find(args[i]);
        if (it == valued.end()) return UsageError("unknown option " + args[i]);
        if (i + 1 >= args.size()) return UsageError(args[i] + " needs a value");
        *it->second = args[i + 1];
        if (args[i] == "--password") o.passwordGiven = true;
    }
    for (const QString* a : {&o.ip, &o.subnet, &o.gateway})
        if (!a->isEmpty() && !CheckIP(a->toLatin1().constData()))
            return UsageError(*a + " is no IPv4 address");
    if (!o.dhcp.isEmpty() && o.dhcp != "on" && o.dhcp != "off") return UsageError("--dhcp takes on or off");
    if (!NameFits(o.name, gateway))
        return UsageError(
            gateway ? QString("--name takes a host name of at most %1 characters, without blanks or ';'")
                          .arg(kMaxHostNameLength)
                    : QString("--name takes at most %1 characters, without ';' or trailing blanks")
                          .arg(kMaxModuleNameLength));
    return kExitOk;
}

// The fields as the dialog shows the device, with what the options change.
void ApplyNetOptions(const NetOptions& o, NetworkFields& fields) {
    auto take = [](std::string& field, const QString& v) {
        if (!v.isEmpty()) field = v.toStdString();
    };
    take(fields.IP, o.ip);
    take(fields.subnet, o.subnet);
    take(fields.gateway, o.gateway);
    take(fields.hostName, o.name);
    if (!o.dhcp.isEmpty()) fields.dhcpOn = o.dhcp == "on";
}

int CmdSetGateway(const QStringList& args, KnownDevices& devices, Connection& connection) {
    NetOptions o;
    if (int rc = ParseNetOptions(args, o, true)) return rc;
    LoadKnownGateways(devices, connection);
    CheckGateways(devices);
    const int count = int(devices.gateways.size());
    int i = 0;
    while (i < count && o.mac.toLatin1() != devices.gateways[size_t(i)].record.MAC)
        ++i;
    if (i == count) {
        Error(10, 2);
        return kExitDeviceFailed;
    }
    SelectInterface(connection, connection.kind, i, connection.moduleIndex);
    const NetbiterRecord& r = devices.gateways[size_t(i)].record;
    NetworkFields fields{r.IP, r.SN, r.GW, r.HN, std::strcmp(r.DHCP, "ON") == 0, !o.passwordGiven};
    ApplyNetOptions(o, fields);
    GivenPassword sink(o.password.toStdString());
    MessageSink* console = SetMessageSink(&sink);
    const int ok = GatewayModificationCheck(devices, fields);
    SetMessageSink(console);
    if (!ok) return kExitDeviceFailed;
    return NewINIFileTCP(devices, connection) ? kExitOk : SettingsNotSaved();
}
