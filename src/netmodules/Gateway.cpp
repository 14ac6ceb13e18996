#include "netmodules/Gateway.h"

#include "link/DeviceLink.h"
#include "link/ModbusTcp.h"
#include "link/Udp.h"
#include "platform/Messages.h"
#include "platform/Translate.h"
#include "settings/INI_File.h"
#include "settings/SearchAddress.h"

#include <QCoreApplication>
#include <algorithm>
#include <cctype>
#include <vector>

namespace {

constexpr int kReplyTimeoutMs = 500;
constexpr char kScanRequest[] = "Module Scan"; // sent with its zero byte
constexpr int kMaxAnswers = 256;

const Translator Text{"NetDevices"};

void CommunicationError(int error) {
    ShowInfo(Text(QT_TRANSLATE_NOOP("NetDevices", "Communication error !")), UDPErrorString(error));
}

bool Same(const char* a, const char* b) {
    return std::strcmp(a, b) == 0;
}

bool HandAdded(const NetbiterRecord& r) {
    return Same(r.MAC, kHandAddedMAC);
}

bool ValidIndex(const KnownDevices& devices, int i) {
    return i >= 0 && size_t(i) < devices.gateways.size();
}

// The value of the next "key = value;" field from *at on, at most up to end. Missing
// "=" gives false; a missing ";" ends the value at the end of the datagram.
bool NextField(const char*& at, const char* end, std::string_view& value) {
    const char* eq = std::find(at, end, '=');
    if (eq == end) {
        at = end;
        return false;
    }
    const char* start = std::min(eq + 2, end); // "= "
    const char* semi = std::find(start, end, ';');
    value = std::string_view(start, size_t(semi - start));
    at = semi == end ? end : semi + 1;
    return true;
}

// The MAC as six hex pairs joined by '-', in upper case; false when text is none, or
// the all-zero MAC that marks a gateway added by hand.
bool NormalMAC(char (&mac)[18]) {
    for (int i = 0; i < 17; ++i) {
        const char c = mac[i];
        if (i % 3 == 2 ? c != '-' : !std::isxdigit(static_cast<unsigned char>(c))) return false;
        mac[i] = char(std::toupper(static_cast<unsigned char>(c)));
    }
    return !Same(mac, kHandAddedMAC);
}

// An address field that holds no dotted address is left empty: true when it was kept.
template <size_t N> bool KeepAddress(char (&field)[N]) {
    if (!field[0] || CheckIP(field)) return true;
    std::memset(field, 0, N);
    return false;
}

// The host name as the gateway keeps it: up to the first blank or ";".
std::string HostName(const std::string& typed) {
    return typed.substr(0, typed.find_first_of(" ;"));
}

bool FieldsEqual(const NetbiterRecord& a, const NetbiterRecord& b) {
    return Same(a.IP, b.IP) && Same(a.SN, b.SN) && Same(a.GW, b.GW) && Same(a.HN, b.HN) &&
           Same(a.DHCP, b.DHCP);
}

// Sends the message to every gateway and waits for the addressed one to confirm it.
// 1 confirmed, 0 failed (reported).
int BroadcastConfig(const std::string& message, const char* mac) {
    int e = 0;
    const auto confirms = [mac](const char* data, int length) {
        return ConfirmsNetbiterConfig(data, length, mac);
    };
    switch (UDPBroadcastAndAwait(kGatewayUdpPort, message.c_str(), int(message.size()) + 1, kGatewayReplySize,
                                 kReplyTimeoutMs, confirms, e)) {
    case UdpExchange::Answered:
        return 1;
    case UdpExchange::NoAnswer:
        Error(10, 2);
        return 0;
    default:
        CommunicationError(e);
        return 0;
    }
}

} // namespace

int CheckIP(const char* text) {
    int dots = 0, digits = 0, value = 0;
    for (const char* c = text; *c; ++c) {
        if (*c == '.') {
            if (digits == 0) return 0; // leading dot or two in a row
            ++dots;
            digits = value = 0;
        } else if (*c >= '0' && *c <= '9') {
            value = value * 10 + (*c - '0');
            ++digits;
            if (value > 255) return 0; // also before a long run could overflow
        } else {
            return 0;
        }
    }
    return dots == 3 && digits > 0 ? 1 : 0;
}

int ParseNetbiterReply(const char* data, int length, NetbiterRecord& r) {
    r = NetbiterRecord{};
    const char* end = std::find(data, data + std::max(length, 0), '\0');
    const char* at = data;
    bool fitted = true, addressCut = false;
    for (int field = 0; field < 12; ++field) {
        std::string_view v;
        if (!NextField(at, end, v)) {
            fitted = false;
            break;
        }
        bool cut = false;
        switch (field) {
        case 3:
            cut = CopyText(r.MAC, v);
            break;
        case 4:
            cut = CopyText(r.IP, v);
            break;
        case 5:
            cut = CopyText(r.SN, v);
            break;
        case 6:
            cut = CopyText(r.GW, v);
            break;
        case 7:
            cut = CopyText(r.DHCP, v);
            break;
        case 9:
            cut = CopyText(r.HN, v);
            break;
        case 10:
            cut = CopyText(r.DNS1, v);
            break;
        case 11:
            cut = CopyText(r.DNS2, v);
            break;
        }
        fitted = fitted && !cut;
        addressCut = addressCut || (cut && (field == 3 || field == 4));
    }
    r.valid = 1;
    // The IP is where Modbus/TCP goes later: only a dotted address, never a name.
    if (addressCut || !NormalMAC(r.MAC) || !CheckIP(r.IP)) return -1;
    for (char(*address)[16] : {&r.SN, &r.GW, &r.DNS1, &r.DNS2})
        fitted = KeepAddress(*address) && fitted;
    if (!Same(r.DHCP, "ON") && !Same(r.DHCP, "OFF")) {
        fitted = fitted && !r.DHCP[0];
        CopyText(r.DHCP, "");
    }
    return fitted ? 1 : 0;
}

int ConfirmsNetbiterConfig(const char* data, int length, const char* mac) {
    NetbiterRecord r;
    if (ParseNetbiterReply(data, length, r) >= 0) return Same(r.MAC, mac) ? 1 : 0;
    const std::string_view text(data, size_t(std::find(data, data + std::max(length, 0), '\0') - data));
    return text == "OK" ? 1 : 0;
}

std::string NetbiterConfigMessage(const NetbiterRecord& r, const std::string& password) {
    std::string m = "Configure: " + std::string(r.MAC) + ";Password: " + password + ";IP = " + r.IP +
                    ";SN = " + r.SN + ";GW = " + r.GW + ";";
    m += Same(r.DHCP, "ON") ? "DHCP = ON;" : "DHCP = OFF;";
    m += "HN = " + std::string(r.HN) + ";DNS1 = " + r.DNS1 + ";DNS2 = " + r.DNS2 + ";";
    return m.substr(0, 255);
}

std::vector<NetbiterRecord> NetbiterScan() {
    std::vector<NetbiterRecord> answers;
    bool damaged = false, tooMany = false;
    // A gateway that answers twice (or anyone repeating its reply) is listed once.
    const auto take = [&](const char* data, int length) {
        NetbiterRecord r;
        const int parsed = ParseNetbiterReply(data, length, r);
        if (parsed < 0) return;
        const int i = FindOrAppendByMAC(answers, kMaxAnswers, r.MAC);
        if (i < 0) {
            tooMany = true;
            return;
        }
        answers[size_t(i)] = r;
        damaged |= parsed == 0;
    };
    int e = 0;
    const UdpExchange scan = UDPScan(kGatewayUdpPort, kScanRequest, int(sizeof kScanRequest),
                                     kGatewayReplySize, kReplyTimeoutMs, take, e);
    if (scan == UdpExchange::OpenFailed || scan == UdpExchange::WriteFailed) {
        CommunicationError(e);
        return {};
    }
    if (damaged)
        Notify(Text(QT_TRANSLATE_NOOP("NetDevices", "Some gateways sent incomplete or overlong settings; "
                                                    "what did not fit was left out.")));
    if (tooMany)
        Notify(Text(QT_TRANSLATE_NOOP("NetDevices", "More than 256 devices answered; only the first 256 "
                                                    "are listed.")));
    return answers;
}

void InitGatewayRecords(KnownDevices& devices) {
    ConnectionInUse().gatewayIndex = 0;
    for (KnownGateway& g : devices.gateways) {
        const NetbiterRecord kept = g.record;
        g.record = NetbiterRecord{};
        CopyText(g.record.IP, kept.IP);
        CopyText(g.record.MAC, kept.MAC);
        CopyText(g.record.HN, kept.HN);
    }
}

std::vector<NetbiterRecord> CheckGateways(KnownDevices& devices) {
    const std::vector<NetbiterRecord> answers = NetbiterScan();
    bool dropped = false;
    for (const NetbiterRecord& answer : answers) {
        const int i = FindOrAppendByMAC(devices.gateways, kMaxGateways, answer.MAC);
        if (i < 0) {
            dropped = true;
            continue;
        }
        devices.gateways[size_t(i)].record = answer;
    }
    if (dropped)
        Notify(Text(QT_TRANSLATE_NOOP("NetDevices", "More than 256 devices answered; only the first 256 "
                                                    "are listed.")));
    return answers;
}

int CheckNetworkSettings(const KnownDevices& devices, const NetworkFields& fields, int mode,
                         NetbiterRecord& entered) {
    if (!ValidIndex(devices, ConnectionInUse().gatewayIndex)) return 1;
    if (!CheckIP(fields.IP.c_str())) return Error(11, 17), 0;
    if (mode == 2) {
        if (!CheckIP(fields.subnet.c_str())) return Error(12, 18), 0;
        if (!CheckIP(fields.gateway.c_str())) return Error(13, 19), 0;
        CopyText(entered.SN, fields.subnet);
        CopyText(entered.GW, fields.gateway);
    }
    CopyText(entered.IP, fields.IP);
    CopyText(entered.HN, HostName(fields.hostName));
    return 1;
}

int AskForPassword(const NetworkFields& fields, std::string& password) {
    if (fields.defaultPassword) {
        password = kDefaultGatewayPassword;
        return 1;
    }
    if (!PasswordPopup(password, kMaxPasswordLength)) return 0;
    password.resize(std::min<size_t>(password.size(), kMaxPasswordLength));
    return 1;
}

int SetNetbiterConfig(KnownDevices& devices, const NetworkFields& fields) {
    if (!ValidIndex(devices, ConnectionInUse().gatewayIndex)) return 1;
    NetbiterRecord& known = devices.gateways[size_t(ConnectionInUse().gatewayIndex)].record;
    NetbiterRecord wanted = known; // MAC and DNS servers stay as the gateway reported them
    if (!CheckNetworkSettings(devices, fields, 2, wanted)) return 0;
    CopyText(wanted.DHCP, fields.dhcpOn ? "ON" : "OFF");
    if (FieldsEqual(wanted, known)) return 1;
    // The list shows what the gateway has: it takes the new settings only once the
    // gateway has answered them.
    std::string password;
    if (!AskForPassword(fields, password)) {
        Notify(Text(QT_TRANSLATE_NOOP("NetDevices", "Cancelled: nothing was sent to the gateway.")));
        return 0;
    }
    std::string message = NetbiterConfigMessage(wanted, password);
    std::fill(password.begin(), password.end(), '\0');
    const int answered = BroadcastConfig(message, wanted.MAC);
    std::fill(message.begin(), message.end(), '\0');
    if (!answered) return 0;
    known = wanted;
    return 1;
}

int SaveNetbiterConfig(KnownDevices& devices, const NetworkFields& fields) {
    if (!ValidIndex(devices, ConnectionInUse().gatewayIndex)) return 1;
    NetbiterRecord& known = devices.gateways[size_t(ConnectionInUse().gatewayIndex)].record;
    NetbiterRecord entered{};
    if (!CheckNetworkSettings(devices, fields, 1, entered)) return 0;
    if (Same(known.IP, entered.IP) && Same(known.HN, entered.HN)) return 1;
    CopyText(known.IP, entered.IP);
    CopyText(known.HN, entered.HN);
    CopyText(known.MAC, kHandAddedMAC);
    return 1;
}

int GatewayModificationCheck(KnownDevices& devices, const NetworkFields& fields) {
    if (!ValidIndex(devices, ConnectionInUse().gatewayIndex)) return SaveNetbiterConfig(devices, fields);
    const NetbiterRecord& r = devices.gateways[size_t(ConnectionInUse().gatewayIndex)].record;
    return HandAdded(r) || !r.valid ? SaveNetbiterConfig(devices, fields)
                                    : SetNetbiterConfig(devices, fields);
}

int AddGateway(KnownDevices& devices) {
    if (devices.gateways.size() >= size_t(kMaxGateways)) return 0;
    KnownGateway& g = devices.gateways.emplace_back();
    CopyText(g.record.IP, "10.1.1.0");
    CopyText(g.record.MAC, kHandAddedMAC);
    SelectInterface(ConnectionInUse(), ConnectionInUse().kind, int(devices.gateways.size()) - 1,
                    ConnectionInUse().moduleIndex);
    return 1;
}

int DeleteGateway(KnownDevices& devices, int index) {
    if (!ValidIndex(devices, index)) return 0;
    devices.gateways.erase(devices.gateways.begin() + index);
    SelectInterface(ConnectionInUse(), ConnectionInUse().kind, 0, ConnectionInUse().moduleIndex);
    return 1;
}

int SearchGatewayDevices(KnownDevices& devices, int highestAddress, const std::function<void(int)>& probing) {
    if (CommPortIsOpen()) CloseCommPort();
    if (!ValidIndex(devices, ConnectionInUse().gatewayIndex) || !InitTCPConnection()) return -1;
    int32_t(&units)[kMaxUnits] = devices.gateways[size_t(ConnectionInUse().gatewayIndex)].units;
    std::fill(std::begin(units), std::end(units), 0);
    int found = 0;
    const int last = highestAddress == kMaxBusAddress ? kMaxBusAddress : 32;
    for (int a = 1; a <= last && found < kMaxUnits; ++a) {
        if (probing) probing(a);
        const int state = TCPDiagnose(a);
        if (state == 1) units[found++] = a;
        if (state == 0 || state == -4) { // the gateway itself is gone
            Error(9, 16);
            return 0;
        }
    }
    return 1;
}

void AdoptDevSelect(KnownDevices& devices, const bool (&ticked)[247]) {
    if (!ValidIndex(devices, ConnectionInUse().gatewayIndex)) return;
    int32_t* row = devices.gateways[size_t(ConnectionInUse().gatewayIndex)].units;
    std::fill(row, row + 32, 0);
    int n = 0;
    for (int a = 1; a <= kMaxBusAddress && n < kMaxSelected; ++a)
        if (ticked[a - 1]) row[n++] = a;
    if (n > 0) ConnectionInUse().gatewayUnitAddress = row[0];
}
