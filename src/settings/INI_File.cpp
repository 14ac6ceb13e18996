#include "settings/INI_File.h"

#include "config/ConfigImage.h"
#include "link/ModbusTcp.h"
#include "netmodules/LANMOD57.h"
#include "platform/ProgramFiles.h"
#include "settings/IniFormat.h"

#include <QByteArray>
#include <algorithm>
#include <cstring>
#include <span>

namespace {

// Set by a read that had to bring a value into range: the file is then rewritten so
// that what is on disk matches what the program uses.
bool mended = false;

std::string PathOf(const char* name) {
    return SettingsDir + "/" + name;
}

// A settings file, and the section that tells that it is one.
struct SettingsFile {
    const char* name;
    const char* section;
    const char* orSection;
};
constexpr SettingsFile kProgramFile{"ZARO.ini", "Options", "Interface"};
constexpr SettingsFile kGatewayFile{"ZAROTCP.ini", "TCPComm", "TCPComm"};
constexpr SettingsFile kModuleFile{"ZARODEV.ini", "LANMOD57", "LANMOD57"};

// The longest list a file holds, and the file's own section: a file with more
// sections (a hostile one may have a million) is read only that far, so that looking
// keys up stays cheap.
constexpr size_t kMaxSections = size_t(std::max(kMaxGateways, kMaxModules)) + 1;

bool Parse(const SettingsFile& f, const QByteArray& text, IniDoc& doc) {
    return IniParse(text, doc, kMaxSections) &&
           (IniFindSection(doc, f.section) || IniFindSection(doc, f.orSection));
}

bool LoadDoc(const SettingsFile& f, IniDoc& doc) {
    QByteArray text;
    return ReadWholeFile(PathOf(f.name), text) && Parse(f, text, doc);
}

// Something the program cannot read may still be the user's (a damaged copy, a link
// to another file): it is moved aside as NAME.bak, never written over. An empty file
// holds nothing to keep.
bool HoldsUnreadable(const SettingsFile& f) {
    QByteArray text;
    IniDoc doc;
    if (!ReadWholeFile(PathOf(f.name), text)) return true; // or missing: then nothing moves
    return !text.isEmpty() && !Parse(f, text, doc);
}

// 0 when the file could not be written (a missing or read-only folder); the program
// goes on with its settings in memory, and says so where it can.
int SaveDoc(const SettingsFile& f, const IniDoc& doc) {
    if (HoldsUnreadable(f) && !MoveToBackup(PathOf(f.name))) return 0;
    return WriteFileAtomically(PathOf(f.name), IniFormat(doc)) ? 1 : 0;
}

// How a stored number outside its key's range is mended.
enum class Mend {
    ToDefault,
    Clamp,
    LoOrHi, // only the two ends of the range are values
    // The count cannot be trusted: take the gateway sections that are there.
    CountGateways,
};

// One integer key: a program setting or a field of the working configuration image.
struct IntKey {
    const char* section;
    const char* key;
    int32_t* setting;
    int16_t* field;
    int32_t lo, hi, byDefault;
    Mend mend;
    const int32_t* listSize; // the key indexes a list of this many: hi follows it

    int32_t Get() const { return setting ? *setting : *field; }
    void Set(int32_t v) const {
        if (setting)
            *setting = v;
        else
            *field = int16_t(v);
    }
};

IntKey Setting(const char* section, const char* key, int32_t& v, int32_t lo, int32_t hi, int32_t byDefault,
               Mend mend = Mend::ToDefault) {
    return {section, key, &v, nullptr, lo, hi, byDefault, mend, nullptr};
}
IntKey Field(const char* section, const char* key, int16_t& v, int32_t lo, int32_t hi, int32_t byDefault,
             Mend mend = Mend::ToDefault) {
    return {section, key, nullptr, &v, lo, hi, byDefault, mend, nullptr};
}
IntKey ListIndex(const char* section, const char* key, int32_t& v, const int32_t& listSize) {
    return {section, key, &v, nullptr, 0, 0, 0, Mend::ToDefault, &listSize};
}

// A text kept for every gateway or module: entry n of a table of fixed-width fields.
// Texts longer than their field are cut to the field.
struct TextKey {
    const char* key;
    char* first;
    size_t width, count;
    template <size_t Count, size_t Width>
    TextKey(const char* k, char (&table)[Count][Width])
        : key(k), first(table[0]), width(Width), count(Count) {}
    char* Entry(int n) const { return first + size_t(n) * width; }
};

// ZARO.ini
const IntKey kProgramKeys[] = {
    Setting("Options", "Language", Language, 0, 3, kDefaultLanguage),
    Field("Options", "Module", Konf.Interface, 0, 1, 1),
    Field("Options", "RatedI", Konf.MaxI, 100, 500, 500, Mend::LoOrHi),
    Field("Options", "DevType", Konf.Model, 0, 1, 0),
    Field("Options", "RatedU", Konf.MaxU, 1, 32767, 500),
    Setting("Interface", "COMPort", CommPort, 0, kMaxCommPort, kDefaultCommPort),
    Setting("Interface", "COMType", CommType, 0, 3, kDefaultCommType),
    Setting("Interface", "Baudrate", Baudrate, 0, 4, kDefaultBaudrate),
    Setting("Interface", "Parity", Parity, 0, 3, kDefaultParity),
    Setting("Interface", "DevAddr", DeviceAddr, 1, 247, kDefaultDeviceAddr),
    Setting("Interface", "RTSFlow", RTSFlow, 0, 1, kDefaultRTSFlow),
    Setting("Interface", "AutoClose", AutoPortClose, 0, 1, kDefaultAutoPortClose),
    Setting("Interface", "Timeout", RecTimeout, kMinTimeout, kMaxTimeout, kDefaultRecTimeout, Mend::Clamp),
};
// Only a chosen device path is stored, so files without one stay as they were.
constexpr const char* kPortPathKey = "COMPortPath";

// ZAROTCP.ini, in the order written; each key's range may depend on one read before it.
const IntKey kGatewayKeys[] = {
    Setting("TCPComm", "NumGate", NumGateways, 0, kMaxGateways, kDefaultNumGateways, Mend::CountGateways),
    Setting("TCPComm", "TCPPort", TCPPort, 1, 65535, kDefaultTCPPort),
    ListIndex("TCPComm", "Gateway", GatewayIndex, NumGateways),
    // 255 is the unit of a meter reached through its own module.
    Setting("TCPComm", "DevAddr", TCPDevAddr, 1, 255, kDefaultTCPDevAddr),
};
const TextKey kGatewayTexts[] = {
    {"GatewayIP", GatewayIP},
    {"GatewayMAC", GatewayMAC},
    {"GatewayName", GatewayName},
};

// ZARODEV.ini. The module count is not stored: every section but "LANMOD57" is one module.
const IntKey kModuleKeys[] = {
    ListIndex("LANMOD57", "LM57Ix", LM57Index, Num57),
    Setting("LANMOD57", "HTTPPort", ModuleHTTPPort, 1, 65535, kDefaultModuleHTTPPort),
};
const TextKey kModuleTexts[] = {
    {"MAC", MAC57},     {"IP", IP57},     {"Gateway", Gateway57},
    {"SubMask", Sub57}, {"DHCP", DHCP57}, {"Name", Name57},
};

std::string GatewaySection(int n) {
    return "Gateway" + std::to_string(n + 1);
}
std::string DeviceSection(int n) {
    return "Device" + std::to_string(n);
}

int32_t CountGatewaySections(const IniDoc& doc) {
    int32_t n = 0;
    while (n < kMaxGateways && IniFindSection(doc, GatewaySection(n)))
        ++n;
    return n;
}

// Reads an integer key when present; a value outside its range is mended and marks
// the file for rewriting.
void GetInt(const IniDoc& doc, const IntKey& k) {
    int64_t v = 0;
    if (!IniGetInt(doc, k.section, k.key, v)) {
        std::string text;
        if (IniGetString(doc, k.section, k.key, text)) mended = true; // present but not a number
        return;
    }
    const int64_t hi = k.listSize ? std::max(*k.listSize - 1, 0) : k.hi;
    int64_t kept = v;
    if (k.mend == Mend::Clamp)
        kept = v < INT32_MIN || v > INT32_MAX ? k.byDefault : std::clamp<int64_t>(v, k.lo, hi);
    else if (v < k.lo || v > hi || (k.mend == Mend::LoOrHi && v != k.lo && v != hi))
        kept = k.mend == Mend::CountGateways ? CountGatewaySections(doc) : k.byDefault;
    if (kept != v) mended = true;
    k.Set(int32_t(kept));
}

void GetInts(const IniDoc& doc, std::span<const IntKey> keys) {
    for (const IntKey& k : keys)
        GetInt(doc, k);
}

void PutInts(IniDoc& doc, std::span<const IntKey> keys) {
    for (const IntKey& k : keys)
        IniPutInt(doc, k.section, k.key, k.Get());
}

void SetDefaults(std::span<const IntKey> keys) {
    for (const IntKey& k : keys)
        k.Set(k.byDefault);
}

void GetTexts(const IniDoc& doc, const std::string& section, std::span<const TextKey> keys, int n) {
    for (const TextKey& k : keys) {
        std::string v;
        if (!IniGetString(doc, section, k.key, v)) continue;
        if (v.size() >= k.width) mended = true;
        char* field = k.Entry(n);
        std::memset(field, 0, k.width);
        std::memcpy(field, v.data(), std::min(v.size(), k.width - 1));
    }
}

void PutTexts(IniDoc& doc, const std::string& section, std::span<const TextKey> keys, int n) {
    for (const TextKey& k : keys)
        IniPutString(doc, section, k.key, k.Entry(n));
}

void ClearTexts(std::span<const TextKey> keys) {
    for (const TextKey& k : keys)
        std::memset(k.first, 0, k.width * k.count);
}

std::string AddressKey(int i) {
    return "DevAddr" + std::to_string(i + 1);
}

// Address addrs hold 1..247 in ascending order, packed to the front, 0 = free.
// Anything else (out of range, duplicates, gaps, disorder) is mended that way.
void ReadAddressSlots(const IniDoc& doc, const std::string& section, int32_t (&addrs)[32]) {
    std::vector<int32_t> found;
    for (int i = 0; i < 32; ++i) {
        int32_t v = 0;
        const std::string key = AddressKey(i);
        GetInt(doc, Setting(section.c_str(), key.c_str(), v, 0, 247, 0));
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
        IniPutInt(doc, section, AddressKey(i), addrs[i]);
}

} // namespace

void LoadINIDefault() {
    SetDefaults(kProgramKeys);
    CommPortPath.clear();
    std::fill(std::begin(Devices485), std::end(Devices485), 0);
}

int ReadINIFile() {
    IniDoc doc;
    if (!LoadDoc(kProgramFile, doc)) return 0;
    GetInts(doc, kProgramKeys);
    std::string path;
    if (IniGetString(doc, "Interface", kPortPathKey, path)) CommPortPath = path;
    if (CommPort == 0 && CommPortPath.empty()) { // port 0 names no device by itself
        CommPort = kDefaultCommPort;
        mended = true;
    }
    ReadAddressSlots(doc, "Interface", Devices485);
    return 1;
}

int NewINIFile() {
    IniDoc doc;
    doc.sorted = true;
    PutInts(doc, kProgramKeys);
    if (!CommPortPath.empty()) IniPutString(doc, "Interface", kPortPathKey, CommPortPath);
    PutAddressSlots(doc, "Interface", Devices485);
    return SaveDoc(kProgramFile, doc);
}

void LoadINIDefaultTCP() {
    SetDefaults(kGatewayKeys);
    ClearTexts(kGatewayTexts);
    std::memset(DevicesTCP, 0, sizeof DevicesTCP);
}

int ReadINIFileTCP() {
    IniDoc doc;
    if (!LoadDoc(kGatewayFile, doc)) return 0;
    GetInts(doc, kGatewayKeys);
    for (int n = 0; n < NumGateways; ++n) {
        GetTexts(doc, GatewaySection(n), kGatewayTexts, n);
        ReadAddressSlots(doc, GatewaySection(n), DevicesTCP[n]);
    }
    return 1;
}

int NewINIFileTCP() {
    IniDoc doc;
    PutInts(doc, kGatewayKeys);
    const int count = std::clamp(NumGateways, 0, kMaxGateways);
    for (int n = 0; n < count; ++n) {
        PutTexts(doc, GatewaySection(n), kGatewayTexts, n);
        PutAddressSlots(doc, GatewaySection(n), DevicesTCP[n]);
    }
    return SaveDoc(kGatewayFile, doc);
}

void LoadDevINIDefault() {
    Num57 = 0;
    SetDefaults(kModuleKeys);
    ClearTexts(kModuleTexts);
}

int ReadDevINIFile() {
    IniDoc doc;
    if (!LoadDoc(kModuleFile, doc)) return 0;
    const int sections = int(doc.sections.size()) - 1;
    if (sections > kMaxModules || doc.truncated) mended = true;
    Num57 = std::min(sections, kMaxModules);
    GetInts(doc, kModuleKeys);
    for (int i = 0; i < Num57; ++i)
        GetTexts(doc, DeviceSection(i), kModuleTexts, i);
    return 1;
}

int NewDevINIFile() {
    IniDoc doc;
    PutInts(doc, kModuleKeys);
    const int count = std::clamp(Num57, 0, kMaxModules);
    for (int i = 0; i < count; ++i)
        PutTexts(doc, DeviceSection(i), kModuleTexts, i);
    return SaveDoc(kModuleFile, doc);
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
