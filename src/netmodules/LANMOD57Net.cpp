#include "netmodules/LANMOD57Net.h"

#include "link/Udp.h"
#include "netmodules/Gateway.h"
#include "platform/Messages.h"
#include "platform/Translate.h"
#include "settings/INI_File.h"

#include <QCoreApplication>
#include <algorithm>
#include <cctype>
#include <cstdio>


namespace {

constexpr char kScanRequest[12] = {'0', '0', '1', '2', '3', '4', 'C', '7', 'F', 'F', 'F', 'F'};
constexpr char kModulePrefix[] = "001234C7";
constexpr int kAnswerWaitMs = 100;
constexpr int kConfigWaitMs = 500;
constexpr int kDhcpSettleMs = 5000; // a module comes back this long after a change of DHCP
constexpr int kMaxAnswers = 256;
constexpr int kNameAt = 43, kNameWidth = 32;
constexpr int kAddressAt[3] = {16, 25, 34}; // IP, subnet, gateway

const Translator Text{"NetDevices"};

void UdpProblem(const char* title, int error) {
    ShowInfo(Text(title), UDPErrorString(error));
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool HexRun(const char* p, int n) {
    return std::all_of(p, p + n, [](char c) { return HexValue(c) >= 0; });
}

bool Same(const char* a, const char* b) {
    return std::strcmp(a, b) == 0;
}

bool ValidIndex(const KnownDevices& devices, int i) {
    return i >= 0 && size_t(i) < devices.modules.size();
}

int IndexOf(const KnownDevices& devices, const char* mac, const char* ip) {
    for (size_t i = 0; i < devices.modules.size(); ++i)
        if ((mac && Same(devices.modules[i].MAC, mac)) || (ip && Same(devices.modules[i].IP, ip)))
            return int(i);
    return -1;
}

// Where a scan answer goes: the record of its MAC, else one added by hand at its address.
int PlaceOfAnswer(KnownDevices& devices, const ModuleRecord& answer) {
    if (IndexOf(devices, answer.MAC, nullptr) < 0)
        for (size_t i = 0; i < devices.modules.size(); ++i)
            if (Same(devices.modules[i].MAC, kHandAddedMAC) && Same(devices.modules[i].IP, answer.IP))
                return int(i);
    return FindOrAppendByMAC(devices.modules, kMaxModules, answer.MAC);
}

// Dotted address from the four hex pairs at p.
void DottedFromHex(char (&field)[16], const char* p) {
    char text[16] = {};
    int at = 0;
    for (int octet = 0; octet < 4; ++octet) {
        if (octet) text[at++] = '.';
        at += HexStringToDecString(text + at, p + 2 * octet);
    }
    CopyText(field, text);
}

// Four octets of a checked dotted address as lower-case hex pairs at p.
void HexFromDotted(char* p, const char* dotted) {
    unsigned o[4] = {};
    std::sscanf(dotted, "%u.%u.%u.%u", &o[0], &o[1], &o[2], &o[3]);
    char pairs[9];
    std::snprintf(pairs, sizeof pairs, "%02x%02x%02x%02x", o[0] & 0xFF, o[1] & 0xFF, o[2] & 0xFF,
                  o[3] & 0xFF);
    std::memcpy(p, pairs, 8);
}

bool SettingsEqual(const ModuleRecord& a, const ModuleRecord& b) {
    return Same(a.IP, b.IP) && Same(a.subnet, b.subnet) && Same(a.gateway, b.gateway) &&
           Same(a.name, b.name) && Same(a.DHCP, b.DHCP);
}

void TakeSettings(ModuleRecord& to, const ModuleRecord& from) {
    CopyText(to.IP, from.IP);
    CopyText(to.subnet, from.subnet);
    CopyText(to.gateway, from.gateway);
    CopyText(to.name, from.name);
    CopyText(to.DHCP, from.DHCP);
}

void TooManyAnswered() {
    Notify(Text(
        QT_TRANSLATE_NOOP("NetDevices", "More than 256 devices answered; only the first 256 are listed.")));
}

// The name as the module keeps it: up to a ";", without trailing blanks (its record
// pads the name with blanks).
std::string ModuleName(const std::string& typed) {
    std::string name = typed.substr(0, typed.find(';'));
    name.erase(name.find_last_not_of(' ') + 1);
    return name;
}

// Checks the fields and the DHCP switch into entered; 0 when refused.
int GatherEdits(const KnownDevices& devices, const NetworkFields& fields, ModuleRecord& entered) {
    if (!CheckLM57Settings(devices, fields, entered)) return 0;
    CopyText(entered.DHCP, fields.dhcpOn ? "01" : "00");
    return 1;
}

// A module confirms a configuration message with its record.
bool Confirms(const char* data, int length, const char* mac) {
    ModuleRecord r;
    return ParseModuleAnswer(data, length, r) && Same(r.MAC, mac);
}

// Sends the message; 1 when the module confirmed it, 0 failed (reported).
int BroadcastConfig(const char (&message)[kModuleMessageSize], const char* mac) {
    int e = 0;
    const auto confirms = [mac](const char* data, int length) { return Confirms(data, length, mac); };
    switch (UDPBroadcastAndAwait(kModuleUdpPort, message, kModuleMessageSize, kModuleMessageSize,
                                 kConfigWaitMs, confirms, e)) {
    case UdpExchange::Answered:
        return 1;
    case UdpExchange::OpenFailed:
        UdpProblem(QT_TRANSLATE_NOOP("NetDevices", "UDP Open error !"), e);
        return 0;
    case UdpExchange::WriteFailed:
        UdpProblem(QT_TRANSLATE_NOOP("NetDevices", "UDP Write error !"), e);
        return 0;
    case UdpExchange::NoAnswer:
        Error(10, 2);
        return 0;
    }
    return 0;
}

} // namespace

int HexStringToDecString(char* dest, const char* src) {
    return std::snprintf(dest, 4, "%d", std::max(HexValue(src[0]), 0) * 16 + std::max(HexValue(src[1]), 0));
}

int ParseModuleAnswer(const char* data, int length, ModuleRecord& r) {
    r = ModuleRecord{};
    if (length < kNameAt - 1 || std::memcmp(data, kModulePrefix, 8) != 0 || !HexRun(data + 8, 4) ||
        std::memcmp(data + 8, "FFFF", 4) == 0)
        return 0;
    if ((data[13] != '0') || (data[14] != '0' && data[14] != '1')) return 0;
    for (int at : kAddressAt)
        if (!HexRun(data + at, 8)) return 0;
    char mac[18];
    for (int pair = 0; pair < 6; ++pair) {
        mac[3 * pair] = char(std::toupper(data[2 * pair]));
        mac[3 * pair + 1] = char(std::toupper(data[2 * pair + 1]));
        mac[3 * pair + 2] = pair < 5 ? '-' : '\0';
    }
    CopyText(r.MAC, mac);
    CopyText(r.DHCP, std::string_view(data + 13, 2));
    DottedFromHex(r.IP, data + kAddressAt[0]);
    DottedFromHex(r.subnet, data + kAddressAt[1]);
    DottedFromHex(r.gateway, data + kAddressAt[2]);
    std::string_view name(data + std::min(length, kNameAt),
                          size_t(std::max(std::min(length, 75) - kNameAt, 0)));
    name = name.substr(0, std::min(name.find('\0'), name.size()));
    while (!name.empty() && name.back() == ' ')
        name.remove_suffix(1);
    CopyText(r.name, name);
    r.found = 1;
    return 1;
}

void ModuleMessage(const ModuleRecord& r, char (&message)[kModuleMessageSize]) {
    std::memset(message, ' ', sizeof message);
    for (int pair = 0; pair < 6; ++pair) {
        message[2 * pair] = r.MAC[3 * pair];
        message[2 * pair + 1] = r.MAC[3 * pair + 1];
    }
    message[13] = r.DHCP[0];
    message[14] = r.DHCP[1];
    HexFromDotted(message + kAddressAt[0], r.IP);
    HexFromDotted(message + kAddressAt[1], r.subnet);
    HexFromDotted(message + kAddressAt[2], r.gateway);
    std::memcpy(message + kNameAt, r.name, std::min(std::strlen(r.name), size_t(kNameWidth)));
}

int CheckMAC(const char* text) {
    if (std::strlen(text) < 17) return 0;
    for (int i = 0; i < 17; ++i) {
        const bool dash = i % 3 == 2;
        const char c = text[i];
        if (dash ? c != '-' : !((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) return 0;
    }
    return 1;
}

std::vector<ModuleRecord> LANMD57Scan() {
    std::vector<ModuleRecord> answers;
    bool tooMany = false;
    // A module that answers twice (or anyone repeating its answer) is listed once.
    const auto take = [&](const char* data, int length) {
        ModuleRecord r;
        if (!ParseModuleAnswer(data, length, r)) return;
        const int i = FindOrAppendByMAC(answers, kMaxAnswers, r.MAC);
        if (i < 0) {
            tooMany = true;
            return;
        }
        answers[size_t(i)] = r;
    };
    int e = 0;
    switch (UDPScan(kModuleUdpPort, kScanRequest, int(sizeof kScanRequest), kModuleMessageSize, kAnswerWaitMs,
                    take, e)) {
    case UdpExchange::OpenFailed:
        UdpProblem(QT_TRANSLATE_NOOP("NetDevices", "UDP Open error !"), e);
        return {};
    case UdpExchange::WriteFailed:
        UdpProblem(QT_TRANSLATE_NOOP("NetDevices", "UDP Write error !"), e);
        return {};
    default:
        break;
    }
    if (tooMany) TooManyAnswered();
    return answers;
}

std::vector<ModuleRecord> CheckLANMD57(KnownDevices& devices) {
    for (ModuleRecord& m : devices.modules)
        m.found = 0;
    const std::vector<ModuleRecord> answers = LANMD57Scan();
    bool dropped = false;
    for (const ModuleRecord& answer : answers) {
        const int i = PlaceOfAnswer(devices, answer);
        if (i < 0) {
            dropped = true;
            continue;
        }
        devices.modules[size_t(i)] = answer;
    }
    if (dropped) TooManyAnswered();
    return answers;
}

void InitLM57Records(KnownDevices& devices) {
    SelectInterface(ConnectionInUse(), ConnectionInUse().kind, ConnectionInUse().gatewayIndex, 0);
    for (ModuleRecord& m : devices.modules)
        m.found = 0;
}

int CheckLM57Settings(const KnownDevices& devices, const NetworkFields& fields, ModuleRecord& entered) {
    if (!ValidIndex(devices, ConnectionInUse().moduleIndex)) return 1;
    const ModuleRecord& known = devices.modules[size_t(ConnectionInUse().moduleIndex)];
    CopyText(entered.MAC, known.MAC);
    if (fields.dhcpOn) {
        CopyText(entered.IP, known.IP);
        CopyText(entered.subnet, known.subnet);
        CopyText(entered.gateway, known.gateway);
    } else {
        if (!CheckIP(fields.IP.c_str())) return Error(11, 17), 0;
        if (!CheckIP(fields.gateway.c_str())) return Error(13, 19), 0;
        if (!CheckIP(fields.subnet.c_str())) return Error(12, 18), 0;
        CopyText(entered.IP, fields.IP);
        CopyText(entered.gateway, fields.gateway);
        CopyText(entered.subnet, fields.subnet);
    }
    CopyText(entered.name, ModuleName(fields.hostName));
    return 1;
}

int SaveLM57Config(KnownDevices& devices, const NetworkFields& fields) {
    ModuleRecord entered{};
    if (!GatherEdits(devices, fields, entered)) return 0;
    if (!ValidIndex(devices, ConnectionInUse().moduleIndex)) return 1;
    ModuleRecord& known = devices.modules[size_t(ConnectionInUse().moduleIndex)];
    if (SettingsEqual(known, entered)) return 1;
    TakeSettings(known, entered);
    return 1;
}

int SetLM57Config(KnownDevices& devices, const NetworkFields& fields) {
    ModuleRecord wanted{};
    if (!GatherEdits(devices, fields, wanted)) return 0;
    if (!ValidIndex(devices, ConnectionInUse().moduleIndex)) return 1;
    const int index = ConnectionInUse().moduleIndex;
    if (SettingsEqual(devices.modules[size_t(index)], wanted)) return 1;
    const bool dhcpChanged = !Same(devices.modules[size_t(index)].DHCP, wanted.DHCP);
    char message[kModuleMessageSize];
    ModuleMessage(wanted, message);
    // Without an answer the module may not have the settings: the list keeps what it has.
    if (!BroadcastConfig(message, wanted.MAC)) return 0;
    TakeSettings(devices.modules[size_t(index)], wanted);
    if (dhcpChanged) { // its address may come from elsewhere now: ask it again once it is back
        UDPPause(kDhcpSettleMs);
        CheckLANMD57(devices);
        ConnectionInUse().moduleIndex = index;
    }
    return 1;
}

int LM57ModificationCheck(KnownDevices& devices, const NetworkFields& fields) {
    if (!ValidIndex(devices, ConnectionInUse().moduleIndex) ||
        !devices.modules[size_t(ConnectionInUse().moduleIndex)].found)
        return SaveLM57Config(devices, fields);
    return SetLM57Config(devices, fields);
}

int AddLANMD57(KnownDevices& devices, const char* mac) {
    if (devices.modules.size() >= size_t(kMaxModules)) return 0;
    if (!CheckMAC(mac)) return Error(14, 20), 0;
    ModuleRecord& r = devices.modules.emplace_back();
    CopyText(r.MAC, std::string_view(mac, 17));
    CopyText(r.IP, "10.1.1.100");
    CopyText(r.subnet, "255.255.255.0");
    CopyText(r.gateway, "10.1.2.4");
    CopyText(r.DHCP, "00");
    SelectInterface(ConnectionInUse(), ConnectionInUse().kind, ConnectionInUse().gatewayIndex,
                    int(devices.modules.size()) - 1);
    return 1;
}

int AddLANMD57ByIP(KnownDevices& devices, const char* ip) {
    if (!CheckIP(ip)) return Error(11, 17), 0;
    int index = IndexOf(devices, nullptr, ip);
    if (index < 0) {
        if (devices.modules.size() >= size_t(kMaxModules)) return 0;
        ModuleRecord& r = devices.modules.emplace_back();
        CopyText(r.MAC, kHandAddedMAC);
        CopyText(r.IP, ip);
        CopyText(r.DHCP, "00");
        index = int(devices.modules.size()) - 1;
    }
    SelectInterface(ConnectionInUse(), ConnectionInUse().kind, ConnectionInUse().gatewayIndex, index);
    return 1;
}

int DeleteLANMD57(KnownDevices& devices, int index) {
    if (!ValidIndex(devices, index)) return 0;
    devices.modules.erase(devices.modules.begin() + index);
    SelectInterface(ConnectionInUse(), ConnectionInUse().kind, ConnectionInUse().gatewayIndex, 0);
    return 1;
}
