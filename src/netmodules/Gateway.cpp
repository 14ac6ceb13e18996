#include "netmodules/Gateway.h"

#include "netmodules/KnownDevices.h"
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

NetbiterRecord NBD[kMaxGateways] = {};
NetbiterRecord NBDscan[kMaxGateways] = {};
const NetbiterRecord NBDdef = {};
int32_t NumGatewaysScan = 0;
int32_t SelIndex = 0;
int32_t DeviceSelection = 0;
NetworkFields NetFields;

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

bool ValidIndex(int i) {
    return i >= 0 && i < std::clamp(NumGateways, 0, kMaxGateways);
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
    r = NBDdef;
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

int NetbiterScan() {
    std::fill(std::begin(NBDscan), std::end(NBDscan), NBDdef);
    NumGatewaysScan = 0;
    bool damaged = false, tooMany = false;
    // A gateway that answers twice (or anyone repeating its reply) is listed once.
    const auto take = [&](const char* data, int length) {
        NetbiterRecord r;
        const int parsed = ParseNetbiterReply(data, length, r);
        if (parsed < 0) return;
        const int i = FindOrAppendByMAC(NBDscan, NumGatewaysScan, kMaxAnswers, r.MAC);
        if (i < 0) {
            tooMany = true;
            return;
        }
        NBDscan[i] = r;
        damaged |= parsed == 0;
    };
    int e = 0;
    const UdpExchange scan = UDPScan(kGatewayUdpPort, kScanRequest, int(sizeof kScanRequest),
                                     kGatewayReplySize, kReplyTimeoutMs, take, e);
    if (scan == UdpExchange::OpenFailed || scan == UdpExchange::WriteFailed) {
        CommunicationError(e);
        return 0;
    }
    if (damaged)
        Notify(Text(QT_TRANSLATE_NOOP("NetDevices", "Some gateways sent incomplete or overlong settings; "
                                                    "what did not fit was left out.")));
    if (tooMany)
        Notify(Text(QT_TRANSLATE_NOOP("NetDevices", "More than 256 devices answered; only the first 256 "
                                                    "are listed.")));
    return NumGatewaysScan;
}

void StoreGatewayLists(int i) {
    CopyText(GatewayIP[i], NBD[i].IP);
    CopyText(GatewayMAC[i], NBD[i].MAC);
    CopyText(GatewayName[i], NBD[i].HN);
}

void InitGatewayRecords() {
    DeviceSelection = GatewayIndex = SelIndex = 0;
    for (int i = 0; i < kMaxGateways; ++i) {
        NBD[i] = NBDdef;
        if (i >= NumGateways) continue;
        CopyText(NBD[i].IP, GatewayIP[i]);
        CopyText(NBD[i].MAC, GatewayMAC[i]);
        CopyText(NBD[i].HN, GatewayName[i]);
    }
}

int CheckGateways() {
    const int found = NetbiterScan();
    int known = std::clamp(NumGateways, 0, kMaxGateways);
    bool dropped = false;
    for (int s = 0; s < found; ++s) {
        const NetbiterRecord& answer = NBDscan[s];
        const int i = FindOrAppendByMAC(NBD, known, kMaxGateways, answer.MAC);
        if (i < 0) {
            dropped = true;
            continue;
        }
        NBD[i] = answer;
        StoreGatewayLists(i);
    }
    NumGateways = known;
    if (dropped)
        Notify(Text(QT_TRANSLATE_NOOP("NetDevices", "More than 256 devices answered; only the first 256 "
                                                    "are listed.")));
    return found;
}

int CheckNetworkSettings(int mode) {
    if (NumGateways <= 0 || !ValidIndex(GatewayIndex)) return 1;
    NetbiterRecord& r = NBDscan[GatewayIndex];
    if (!CheckIP(NetFields.IP.c_str())) return Error(11, 17), 0;
    if (mode == 2) {
        if (!CheckIP(NetFields.subnet.c_str())) return Error(12, 18), 0;
        if (!CheckIP(NetFields.gateway.c_str())) return Error(13, 19), 0;
        CopyText(r.SN, NetFields.subnet);
        CopyText(r.GW, NetFields.gateway);
    }
    CopyText(r.IP, NetFields.IP);
    CopyText(r.HN, HostName(NetFields.hostName));
    return 1;
}

int AskForPassword(std::string& password) {
    if (NetFields.defaultPassword) {
        password = kDefaultGatewayPassword;
        return 1;
    }
    if (!PasswordPopup(password, kMaxPasswordLength)) return 0;
    password.resize(std::min<size_t>(password.size(), kMaxPasswordLength));
    return 1;
}

int SetNetbiterConfig() {
    if (!CheckNetworkSettings(2)) return 0;
    if (NumGateways <= 0 || !ValidIndex(GatewayIndex)) return 1;
    NetbiterRecord& known = NBD[GatewayIndex];
    NetbiterRecord wanted = known; // MAC and DNS servers stay as the gateway reported them
    const NetbiterRecord& entered = NBDscan[GatewayIndex];
    CopyText(wanted.IP, entered.IP);
    CopyText(wanted.SN, entered.SN);
    CopyText(wanted.GW, entered.GW);
    CopyText(wanted.HN, entered.HN);
    CopyText(wanted.DHCP, NetFields.dhcpOn ? "ON" : "OFF");
    if (FieldsEqual(wanted, known)) return 1;
    // The list shows what the gateway has: it takes the new settings only once the
    // gateway has answered them.
    std::string password;
    if (!AskForPassword(password)) {
        Notify(Text(QT_TRANSLATE_NOOP("NetDevices", "Cancelled: nothing was sent to the gateway.")));
        return 0;
    }
    std::string message = NetbiterConfigMessage(wanted, password);
    std::fill(password.begin(), password.end(), '\0');
    const int answered = BroadcastConfig(message, wanted.MAC);
    std::fill(message.begin(), message.end(), '\0');
    if (!answered) return 0;
    known = wanted;
    StoreGatewayLists(GatewayIndex);
    return 1;
}

int SaveNetbiterConfig() {
    if (!CheckNetworkSettings(1)) return 0;
    if (NumGateways <= 0 || !ValidIndex(GatewayIndex)) return 1;
    NetbiterRecord& known = NBD[GatewayIndex];
    const NetbiterRecord& entered = NBDscan[GatewayIndex];
    if (Same(known.IP, entered.IP) && Same(known.HN, entered.HN)) return 1;
    CopyText(known.IP, entered.IP);
    CopyText(known.HN, entered.HN);
    CopyText(known.MAC, kHandAddedMAC);
    StoreGatewayLists(GatewayIndex);
    return 1;
}

int GatewayModificationCheck() {
    if (NumGateways <= 0 || !ValidIndex(GatewayIndex)) return SaveNetbiterConfig();
    const NetbiterRecord& r = NBD[GatewayIndex];
    return HandAdded(r) || !r.valid ? SaveNetbiterConfig() : SetNetbiterConfig();
}

int AddGateway() {
    if (NumGateways < 0 || NumGateways >= kMaxGateways) return 0;
    const int i = NumGateways++;
    NBD[i] = NBDdef;
    CopyText(NBD[i].IP, "10.1.1.0");
    CopyText(NBD[i].MAC, kHandAddedMAC);
    StoreGatewayLists(i);
    std::fill(std::begin(DevicesTCP[i]), std::end(DevicesTCP[i]), 0);
    SelectInterface(CommType, i, LM57Index);
    SelIndex = 2 * i;
    DeviceSelection = 0;
    return 1;
}

int DeleteGateway(int index) {
    if (!ValidIndex(index)) return 0;
    const int last = NumGateways - 1;
    for (int i = index; i < last; ++i) {
        NBD[i] = NBD[i + 1];
        StoreGatewayLists(i);
        std::copy(std::begin(DevicesTCP[i + 1]), std::end(DevicesTCP[i + 1]), DevicesTCP[i]);
    }
    NBD[last] = NBDdef;
    StoreGatewayLists(last);
    std::fill(std::begin(DevicesTCP[last]), std::end(DevicesTCP[last]), 0);
    NumGateways = last;
    SelectInterface(CommType, 0, LM57Index);
    SelIndex = DeviceSelection = 0;
    return 1;
}

int SearchGatewayDevices(const std::function<void(int)>& probing) {
    if (CommPortIsOpen()) CloseCommPort();
    if (!ValidIndex(GatewayIndex) || !InitTCPConnection()) return -1;
    std::fill(std::begin(DevicesTCP[GatewayIndex]), std::end(DevicesTCP[GatewayIndex]), 0);
    SearchIndex = 0;
    Search_Result = 0;
    const int last = Last_Device == kMaxBusAddress ? kMaxBusAddress : 32;
    for (int a = 1; a <= last && SearchIndex < kMaxSelected; ++a) {
        if (probing) probing(a);
        const int state = TCPDiagnose(a);
        if (state == 0 || state == -4) { // the gateway itself is gone
            Error(9, 16);
            return 0;
        }
    }
    return 1;
}

void AdoptDevSelect(const bool (&ticked)[247]) {
    if (!ValidIndex(GatewayIndex)) return;
    int32_t* row = DevicesTCP[GatewayIndex];
    std::fill(row, row + 32, 0);
    int n = 0;
    for (int a = 1; a <= kMaxBusAddress && n < kMaxSelected; ++a)
        if (ticked[a - 1]) row[n++] = a;
    if (n > 0) TCPDevAddr = row[0];
}
