// Netbiter gateways: discovery by UDP broadcast, their network settings, and the
// meters behind them. The interface dialog shows and edits these; zaro-cli scripts them.
#pragma once

#include "link/Connection.h"
#include "netmodules/KnownDevices.h"

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

constexpr int kGatewayUdpPort = 3250;
constexpr int kGatewayReplySize = 1066;
constexpr char kHandAddedMAC[] = "00-00-00-00-00-00";
constexpr char kDefaultGatewayPassword[] = "qorvi";
constexpr int kMaxPasswordLength = 29;
constexpr int kMaxHostNameLength = 29;

// What the network fields of the interface dialog hold (filled by the dialog, or by
// zaro-cli from its options), checked and sent by the routines below.
struct NetworkFields {
    std::string IP, subnet, gateway, hostName;
    int dhcpOn = 0;
    int defaultPassword = 1; // gateways: use the factory password instead of asking
};

// Copies text into a fixed-width field, zero-terminated; true when it had to be cut.
template <size_t N> bool CopyText(char (&field)[N], std::string_view text) {
    const size_t n = std::min(text.size(), N - 1);
    std::memset(field, 0, N);
    std::memcpy(field, text.data(), n);
    return n < text.size();
}

// 1 when text is a dotted IPv4 address: four runs of digits, each 0..255.
int CheckIP(const char* text);

// One scan reply of length bytes into r (valid set). Returns 1 when it fitted, 0 when
// a value had to be cut to its field, was missing or was no address (left empty), -1
// when it is no gateway's reply: its MAC or IP address is not one.
int ParseNetbiterReply(const char* data, int length, NetbiterRecord& r);
// 1 when a datagram confirms the configuration message sent to the gateway with this
// MAC: its settings reply, or "OK". A refusal or anyone else's datagram does not.
int ConfirmsNetbiterConfig(const char* data, int length, const char* mac);
// The configuration message for r's gateway, without its terminating zero.
std::string NetbiterConfigMessage(const NetbiterRecord& r, const std::string& password);

// The gateways that answered a scan, each once; the errors of the exchange are shown.
std::vector<NetbiterRecord> NetbiterScan();
// Scans and merges the answers into the known gateways (one known by its MAC is
// updated in place, a new one appended); returns the answers.
std::vector<NetbiterRecord> CheckGateways(KnownDevices& devices);
// Forgets what the last scan told beyond what ZAROTCP.ini keeps: none marked found.
// The first gateway becomes the one in use.
void InitGatewayRecords(KnownDevices& devices);

// Validates the fields of the gateway in use into entered: mode 1 IP and host name,
// mode 2 also subnet and gateway. Shows the error pair of a bad address and returns 0.
int CheckNetworkSettings(const KnownDevices& devices, const NetworkFields& fields, int mode,
                         NetbiterRecord& entered);
int AskForPassword(const NetworkFields& fields, std::string& password);    // 1 go on, 0 cancelled
int SetNetbiterConfig(KnownDevices& devices, const NetworkFields& fields); // a gateway that answered the scan
int SaveNetbiterConfig(KnownDevices& devices, const NetworkFields& fields); // one added by hand or not found
int GatewayModificationCheck(KnownDevices& devices, const NetworkFields& fields);
int AddGateway(KnownDevices& devices);               // 1 added (it becomes the gateway in use)
int DeleteGateway(KnownDevices& devices, int index); // its meters go with it; the others keep theirs

// Probes the meters 1..highestAddress (32 or 247) behind the gateway in use and keeps
// the first 32 that answer as its units. probing(address) runs before each probe. Returns 1 when the
// search ran to its end, 0 when the gateway fell silent (error shown), -1 when it could
// not be reached (error shown).
int SearchGatewayDevices(KnownDevices& devices, int highestAddress,
                         const std::function<void(int address)>& probing = {});
// Takes the ticked addresses (ticked[a - 1]) as the units of the gateway in use; the
// first becomes gatewayUnitAddress.
void AdoptDevSelect(KnownDevices& devices, const bool (&ticked)[247]);
