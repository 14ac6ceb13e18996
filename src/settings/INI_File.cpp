#include "settings/INI_File.h"

#include "config/ConfigImage.h"
#include "netmodules/LANMOD57.h"
#include "platform/ProgramFiles.h"
#include "settings/IniFormat.h"

#include <QByteArray>
#include <algorithm>
#include <cstring>

namespace {

// Set by a read that had to bring a value into range: the file is then rewritten so
// that what is on disk matches what the program uses.
bool mended = false;

std::string PathOf(const char* name) {
    return SettingsDir + "/" + name;
}

bool LoadDoc(const char* name, IniDoc& doc) {
    QByteArray text;
    return ReadWholeFile(PathOf(name), text) && IniParse(text, doc);
}

int SaveDoc(const char* name, const IniDoc& doc) {
    WriteFileAtomically(PathOf(name), IniFormat(doc)); // writing never reports failure
    return 1;
}

// Reads an integer key into target when present. A value outside [lo, hi] becomes
// fallback and marks the file for rewriting.
void GetInt(const IniDoc& doc, const std::string& section, const std::string& key, int32_t& target,
            int64_t lo, int64_t hi, int32_t fallback) {
    int64_t v = 0;
    if (!IniGetInt(doc, section, key, v)) {
        std::string text;
        if (IniGetString(doc, section, key, text)) mended = true; // present but not a number
        return;
    }
    if (v < lo || v > hi) {
        mended = true;
        v = fallback;
    }
    target = int32_t(v);
}

// Strings longer than their field are cut to the field.
template <size_t N>
void GetString(const IniDoc& doc, const std::string& section, const char* key, char (&field)[N]) {
    std::string v;
    if (!IniGetString(doc, section, key, v)) return;
    if (v.size() >= N) mended = true;
    std::memset(field, 0, N);
    std::memcpy(field, v.data(), std::min(v.size(), N - 1));
}

// Address addrs hold 1..247 in ascending order, packed to the front, 0 = free.
// Anything else (out of range, duplicates, gaps, disorder) is mended that way.
void ReadAddressSlots(const IniDoc& doc, const std::string& section, int32_t (&addrs)[32]) {
    std::vector<int32_t> found;
    for (int i = 0; i < 32; ++i) {
        int32_t v = 0;
        GetInt(doc, section, "DevAddr" + std::to_string(i + 1), v, 0, 247, 0);
        if (v != 0) found.push_back(v);
    }
    std::vector<int32_t> tidy = found;
    std::sort(tidy.begin(), tidy.end());
    tidy.erase(std::unique(tidy.begin(), tidy.end()), tidy.end());
    if (tidy != found) mended = true;
    std::fill(std::begin(addrs), std::end(addrs), 0);
    std::copy(tidy.begin(), tidy.end(), addrs);
}

void PutAddressSlots(IniDoc& doc, const std::string& section, const int32_t (&addrs)[32]) {
    for (int i = 0; i < 32; ++i)
        IniPutInt(doc, section, "DevAddr" + std::to_string(i + 1), addrs[i]);
}

std::string GatewaySection(int n) {
    return "Gateway" + std::to_string(n + 1);
}
std::string DeviceSection(int n) {
    return "Device" + std::to_string(n);
}

// NumGate outside 0..256 cannot be trusted: take the gateway sections that are there.
int32_t CountGatewaySections(const IniDoc& doc) {
    int32_t n = 0;
    while (n < kMaxGateways && IniFindSection(doc, GatewaySection(n)))
        ++n;
    return n;
}

} // namespace

void LoadINIDefault() {
    Language = 1;
    Konf.Interface = 1;
    Konf.MaxI = 500;
    Konf.Model = 0;
    Konf.MaxU = 500;
    CommPort = 1;
    CommPortPath.clear();
    CommType = 0;
    Baudrate = 3;
    Parity = 0;
    DeviceAddr = 247;
    RTSFlow = 1;
    AutoPortClose = 1;
    RecTimeout = 200;
    std::fill(std::begin(Devices485), std::end(Devices485), 0);
}

int ReadINIFile() {
    IniDoc doc;
    if (!LoadDoc("ZARO.ini", doc)) return 0;
    if (!IniFindSection(doc, "Options") && !IniFindSection(doc, "Interface")) return 0;

    int32_t module = Konf.Interface, ratedI = Konf.MaxI, devType = Konf.Model, ratedU = Konf.MaxU;
    GetInt(doc, "Options", "Language", Language, 0, 3, 1);
    GetInt(doc, "Options", "Module", module, 0, 1, 1);
    GetInt(doc, "Options", "RatedI", ratedI, 100, 500, 500);
    if (ratedI != 100 && ratedI != 500) {
        ratedI = 500;
        mended = true;
    }
    GetInt(doc, "Options", "DevType", devType, 0, 1, 0);
    GetInt(doc, "Options", "RatedU", ratedU, 1, 32767, 500);
    Konf.Interface = int16_t(module);
    Konf.MaxI = int16_t(ratedI);
    Konf.Model = int16_t(devType);
    Konf.MaxU = int16_t(ratedU);

    GetInt(doc, "Interface", "COMPort", CommPort, 1, 16, 1);
    std::string path;
    if (IniGetString(doc, "Interface", "COMPortPath", path)) CommPortPath = path;
    GetInt(doc, "Interface", "COMType", CommType, 0, 3, 0);
    GetInt(doc, "Interface", "Baudrate", Baudrate, 0, 4, 3);
    GetInt(doc, "Interface", "Parity", Parity, 0, 3, 0);
    GetInt(doc, "Interface", "DevAddr", DeviceAddr, 1, 247, 247);
    GetInt(doc, "Interface", "RTSFlow", RTSFlow, 0, 1, 1);
    GetInt(doc, "Interface", "AutoClose", AutoPortClose, 0, 1, 1);
    int32_t timeout = RecTimeout;
    GetInt(doc, "Interface", "Timeout", timeout, INT32_MIN, INT32_MAX, 200);
    RecTimeout = ClampTimeout(timeout);
    if (RecTimeout != timeout) mended = true;
    ReadAddressSlots(doc, "Interface", Devices485);
    return 1;
}

int NewINIFile() {
    IniDoc doc;
    doc.sorted = true;
    IniPutInt(doc, "Options", "Language", Language);
    IniPutInt(doc, "Options", "Module", Konf.Interface);
    IniPutInt(doc, "Options", "RatedI", Konf.MaxI);
    IniPutInt(doc, "Options", "DevType", Konf.Model);
    IniPutInt(doc, "Options", "RatedU", Konf.MaxU);
    IniPutInt(doc, "Interface", "COMPort", CommPort);
    // Only a chosen device path is stored, so files without one stay as they were.
    if (!CommPortPath.empty()) IniPutString(doc, "Interface", "COMPortPath", CommPortPath);
    IniPutInt(doc, "Interface", "COMType", CommType);
    IniPutInt(doc, "Interface", "Baudrate", Baudrate);
    IniPutInt(doc, "Interface", "Parity", Parity);
    IniPutInt(doc, "Interface", "DevAddr", DeviceAddr);
    IniPutInt(doc, "Interface", "RTSFlow", RTSFlow);
    IniPutInt(doc, "Interface", "AutoClose", AutoPortClose);
    IniPutInt(doc, "Interface", "Timeout", RecTimeout);
    PutAddressSlots(doc, "Interface", Devices485);
    return SaveDoc("ZARO.ini", doc);
}

void LoadINIDefaultTCP() {
    NumGateways = 0;
    TCPPort = 502;
    GatewayIndex = 0;
    TCPDevAddr = 247;
    std::memset(GatewayIP, 0, sizeof GatewayIP);
    std::memset(GatewayMAC, 0, sizeof GatewayMAC);
    std::memset(GatewayName, 0, sizeof GatewayName);
    std::memset(DevicesTCP, 0, sizeof DevicesTCP);
}

int ReadINIFileTCP() {
    IniDoc doc;
    if (!LoadDoc("ZAROTCP.ini", doc) || !IniFindSection(doc, "TCPComm")) return 0;
    GetInt(doc, "TCPComm", "NumGate", NumGateways, 0, kMaxGateways, -1);
    if (NumGateways < 0) NumGateways = CountGatewaySections(doc);
    GetInt(doc, "TCPComm", "TCPPort", TCPPort, 1, 65535, 502);
    GetInt(doc, "TCPComm", "Gateway", GatewayIndex, 0, std::max(NumGateways - 1, 0), 0);
    // 255 is the unit of a meter reached through its own module.
    GetInt(doc, "TCPComm", "DevAddr", TCPDevAddr, 1, 255, 247);
    for (int n = 0; n < NumGateways; ++n) {
        const std::string section = GatewaySection(n);
        GetString(doc, section, "GatewayIP", GatewayIP[n]);
        GetString(doc, section, "GatewayMAC", GatewayMAC[n]);
        GetString(doc, section, "GatewayName", GatewayName[n]);
        ReadAddressSlots(doc, section, DevicesTCP[n]);
    }
    return 1;
}

int NewINIFileTCP() {
    IniDoc doc;
    IniPutInt(doc, "TCPComm", "NumGate", NumGateways);
    IniPutInt(doc, "TCPComm", "TCPPort", TCPPort);
    IniPutInt(doc, "TCPComm", "Gateway", GatewayIndex);
    IniPutInt(doc, "TCPComm", "DevAddr", TCPDevAddr);
    const int count = std::clamp(NumGateways, 0, kMaxGateways);
    for (int n = 0; n < count; ++n) {
        const std::string section = GatewaySection(n);
        IniPutString(doc, section, "GatewayIP", GatewayIP[n]);
        IniPutString(doc, section, "GatewayMAC", GatewayMAC[n]);
        IniPutString(doc, section, "GatewayName", GatewayName[n]);
        PutAddressSlots(doc, section, DevicesTCP[n]);
    }
    return SaveDoc("ZAROTCP.ini", doc);
}

void LoadDevINIDefault() {
    Num57 = 0;
    LM57Index = 0;
    std::memset(MAC57, 0, sizeof MAC57);
    std::memset(IP57, 0, sizeof IP57);
    std::memset(Gateway57, 0, sizeof Gateway57);
    std::memset(Sub57, 0, sizeof Sub57);
    std::memset(DHCP57, 0, sizeof DHCP57);
    std::memset(Name57, 0, sizeof Name57);
}

int ReadDevINIFile() {
    IniDoc doc;
    if (!LoadDoc("ZARODEV.ini", doc) || !IniFindSection(doc, "LANMOD57")) return 0;
    // The module count is not stored: every section but "LANMOD57" is one module.
    const int sections = int(doc.sections.size()) - 1;
    if (sections > kMaxModules) mended = true;
    Num57 = std::min(sections, kMaxModules);
    GetInt(doc, "LANMOD57", "LM57Ix", LM57Index, 0, std::max(Num57 - 1, 0), 0);
    for (int i = 0; i < Num57; ++i) {
        const std::string section = DeviceSection(i);
        GetString(doc, section, "MAC", MAC57[i]);
        GetString(doc, section, "IP", IP57[i]);
        GetString(doc, section, "Gateway", Gateway57[i]);
        GetString(doc, section, "SubMask", Sub57[i]);
        GetString(doc, section, "DHCP", DHCP57[i]);
        GetString(doc, section, "Name", Name57[i]);
    }
    return 1;
}

int NewDevINIFile() {
    IniDoc doc;
    IniPutInt(doc, "LANMOD57", "LM57Ix", LM57Index);
    const int count = std::clamp(Num57, 0, kMaxModules);
    for (int i = 0; i < count; ++i) {
        const std::string section = DeviceSection(i);
        IniPutString(doc, section, "MAC", MAC57[i]);
        IniPutString(doc, section, "IP", IP57[i]);
        IniPutString(doc, section, "Gateway", Gateway57[i]);
        IniPutString(doc, section, "SubMask", Sub57[i]);
        IniPutString(doc, section, "DHCP", DHCP57[i]);
        IniPutString(doc, section, "Name", Name57[i]);
    }
    return SaveDoc("ZARODEV.ini", doc);
}

int32_t ClampTimeout(int64_t ms) {
    return int32_t(std::clamp<int64_t>(ms, kMinTimeout, kMaxTimeout));
}

void LoadAllSettings(bool rewriteUnreadable) {
    LoadINIDefault();
    mended = false;
    if ((!ReadINIFile() || mended) && rewriteUnreadable) NewINIFile();

    LoadINIDefaultTCP();
    mended = false;
    if ((!ReadINIFileTCP() || mended) && rewriteUnreadable) NewINIFileTCP();

    LoadDevINIDefault();
    mended = false;
    const int devRead = ReadDevINIFile();
    if ((!devRead || mended) && rewriteUnreadable) NewDevINIFile();
    if (!devRead) return;
    for (int i = 0; i < Num57; ++i) {
        ModuleRecord& m = EMD[i];
        std::memcpy(m.MAC, MAC57[i], sizeof m.MAC);
        std::memcpy(m.IP, IP57[i], sizeof m.IP);
        std::memcpy(m.gateway, Gateway57[i], sizeof m.gateway);
        std::memcpy(m.DHCP, DHCP57[i], sizeof m.DHCP);
        std::memcpy(m.name, Name57[i], sizeof m.name);
    }
}
