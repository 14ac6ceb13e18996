// The gateways and modules the program knows, each held once, with the meters found or
// chosen behind each gateway. The program's owner (the main window, zaro-cli, a test)
// keeps one and hands it to the settings files, the dialogs, the commands and the link;
// the lists of a scan belong to whoever scans.
#pragma once

#include "link/Connection.h"
#include "netmodules/LANMOD57.h"

#include <cstdint>
#include <cstring>
#include <vector>

constexpr int kMaxModules = 256;
// Meters kept per bus: addresses ascending, packed to the front, 0 = free.
constexpr int kMaxUnits = 32;

struct NetbiterRecord {
    char MAC[18];
    char IP[16];
    char SN[16];  // subnet mask
    char GW[16];  // default gateway
    char DHCP[4]; // "ON" or "OFF"
    char HN[30];  // host name
    char DNS1[16];
    char DNS2[16];
    uint8_t valid; // 1 = answered the last scan
};

struct KnownGateway {
    // MAC, IP address and host name are kept in ZAROTCP.ini; the rest as the last scan
    // reported it.
    NetbiterRecord record{};
    int32_t units[kMaxUnits] = {};
};

struct KnownDevices {
    std::vector<KnownGateway> gateways; // at most kMaxGateways
    std::vector<ModuleRecord> modules;  // at most kMaxModules
};

inline const char* MacOf(const NetbiterRecord& r) {
    return r.MAC;
}
inline const char* MacOf(const KnownGateway& g) {
    return g.record.MAC;
}
inline const char* MacOf(const ModuleRecord& r) {
    return r.MAC;
}

// Where the record with this MAC sits in the list, or the place of an empty record
// appended for it; -1 when it is not there and the list holds capacity records.
template <class Record>
int FindOrAppendByMAC(std::vector<Record>& records, size_t capacity, const char* mac) {
    for (size_t i = 0; i < records.size(); ++i)
        if (std::strcmp(MacOf(records[i]), mac) == 0) return int(i);
    if (records.size() >= capacity) return -1;
    records.emplace_back();
    return int(records.size() - 1);
}
