#include "settings/INI_File.h"

#include "config/MeterSession.h"
#include "link/ModbusTcp.h"
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

// The list sizes as the key tables read and write them.
int32_t gatewayCount = kDefaultNumGateways;
int32_t moduleCount = 0;

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

// One integer key: a program setting, a member of the connection handed over or a
// field of the configuration being edited (only ZARO.ini has those).
struct IntKey {
    const char* section;
    const char* key;
    int32_t* setting;
    int32_t Connection::*member;
    int16_t ConfigImage::*field;
    int32_t lo, hi, byDefault;
    Mend mend;
    const int32_t* listSize; // the key indexes a list of this many: hi follows it

    int32_t Get(const Connection& connection, const ConfigImage* image) const {
        return setting ? *setting : member ? connection.*member : image->*field;
    }
    void Set(Connection& connection, ConfigImage* image, int32_t v) const {
        if (setting)
            *setting = v;
        else if (member)
            connection.*member = v;
        else
            image->*field = int16_t(v);
    }
};

IntKey Setting(const char* section, const char* key, int32_t& v, int32_t lo, int32_t hi, int32_t byDefault,
               Mend mend = Mend::ToDefault) {
    return {section, key, &v, nullptr, nullptr, lo, hi, byDefault, mend, nullptr};
}
// The member's initialiser is its default.
IntKey Member(const char* section, const char* key, int32_t Connection::*member, int32_t lo, int32_t hi,
              Mend mend = Mend::ToDefault) {
    return {section, key, nullptr, member, nullptr, lo, hi, Connection{}.*member, mend, nullptr};
}
IntKey Field(const char* section, const char* key, int16_t ConfigImage::*field, int32_t lo, int32_t hi,
             int32_t byDefault, Mend mend = Mend::ToDefault) {
    return {section, key, nullptr, nullptr, field, lo, hi, byDefault, mend, nullptr};
}
IntKey ListIndex(const char* section, const char* key, int32_t Connection::*member, const int32_t& listSize) {
    return {section, key, nullptr, member, nullptr, 0, 0, 0, Mend::ToDefault, &listSize};
}

// ZARO.ini
const IntKey kProgramKeys[] = {
    Setting("Options", "Language", Language, 0, 3, kDefaultLanguage),
    Field("Options", "Module", &ConfigImage::Interface, 0, 1, 1),
    Field("Options", "RatedI", &ConfigImage::MaxI, 100, 500, 500, Mend::LoOrHi),
    Field("Options", "DevType", &ConfigImage::Model, 0, 1, 0),
    Field("Options", "RatedU", &ConfigImage::MaxU, 1, 32767, 500),
    Member("Interface", "COMPort", &Connection::serialPort, 0, kMaxCommPort),
    Member("Interface", "COMType", &Connection::kind, 0, 3),
    Member("Interface", "Baudrate", &Connection::baudIndex, 0, 4),
    Member("Interface", "Parity", &Connection::formatIndex, 0, 3),
    Member("Interface", "DevAddr", &Connection::meterAddress, 1, 247),
    Member("Interface", "RTSFlow", &Connection::rtsFlow, 0, 1),
    Member("Interface", "AutoClose", &Connection::closePortAfterUse, 0, 1),
    Member("Interface", "Timeout", &Connection::replyTimeoutMs, kMinTimeout, kMaxTimeout, Mend::Clamp),
};
// Only a chosen device path is stored, so files without one stay as they were.
constexpr const char* kPortPathKey = "COMPortPath";
// Written only once a meter has answered, so that the defaults' file stays as it was.
constexpr const char* kMeterAnsweredKey = "MeterAnswered";

// ZAROTCP.ini, in the order written; each key's range may depend on one read before it.
const IntKey kGatewayKeys[] = {
    Setting("TCPComm", "NumGate", gatewayCount, 0, kMaxGateways, kDefaultNumGateways, Mend::CountGateways),
    Member("TCPComm", "TCPPort", &Connection::gatewayTcpPort, 1, 65535),
    ListIndex("TCPComm", "Gateway", &Connection::gatewayIndex, gatewayCount),
    // 255 is the unit of a meter reached through its own module.
    Member("TCPComm", "DevAddr", &Connection::gatewayUnitAddress, 1, 255),
};
// The texts kept for each gateway, in the order written.
template <class Record, class Visit> void GatewayTexts(Record& r, Visit&& visit) {
    visit("GatewayIP", r.IP);
    visit("GatewayMAC", r.MAC);
    visit("GatewayName", r.HN);
}

// ZARODEV.ini. The module count is not stored: every section but "LANMOD57" is one module.
const IntKey kModuleKeys[] = {
    ListIndex("LANMOD57", "LM57Ix", &Connection::moduleIndex, moduleCount),
    Member("LANMOD57", "HTTPPort", &Connection::moduleHttpPort, 1, 65535),
};
template <class Record, class Visit> void ModuleTexts(Record& r, Visit&& visit) {
    visit("MAC", r.MAC);
    visit("IP", r.IP);
    visit("Gateway", r.gateway);
    visit("SubMask", r.subnet);
    visit("DHCP", r.DHCP);
    visit("Name", r.name);
}

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
void GetInt(const IniDoc& doc, const IntKey& k, Connection& connection, ConfigImage* image = nullptr) {
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
    k.Set(connection, image, int32_t(kept));
}

// image is given for the keys of ZARO.ini only.
void GetInts(const IniDoc& doc, std::span<const IntKey> keys, Connection& connection,
             ConfigImage* image = nullptr) {
    for (const IntKey& k : keys)
        GetInt(doc, k, connection, image);
}

void PutInts(IniDoc& doc, std::span<const IntKey> keys, const Connection& connection,
             const ConfigImage* image = nullptr) {
    for (const IntKey& k : keys)
        IniPutInt(doc, k.section, k.key, k.Get(connection, image));
}

void SetDefaults(std::span<const IntKey> keys, Connection& connection, ConfigImage* image = nullptr) {
    for (const IntKey& k : keys)
        k.Set(connection, image, k.byDefault);
}

// A text kept for a gateway or module when present; one longer than its field is cut
// to the field.
auto TextGetter(const IniDoc& doc, const std::string& section) {
    return [&doc, &section](const char* key, auto& field) {
        std::string v;
        if (!IniGetString(doc, section, key, v)) return;
        if (v.size() >= sizeof field) mended = true;
        std::memset(field, 0, sizeof field);
        std::memcpy(field, v.data(), std::min(v.size(), sizeof field - 1));
    };
}

auto TextPutter(IniDoc& doc, const std::string& section) {
    return [&doc, &section](const char* key, const auto& field) {
        IniPutString(doc, section, key, std::string(field, strnlen(field, sizeof field)));
    };
}

std::string AddressKey(int i) {
    return "DevAddr" + std::to_string(i + 1);
}

// Address addrs hold 1..247 in ascending order, packed to the front, 0 = free.
// Anything else (out of range, duplicates, gaps, disorder) is mended that way.
void ReadAddressSlots(const IniDoc& doc, const std::string& section, int32_t (&addrs)[32]) {
    std::vector<int32_t> found;
    Connection unused;
    for (int i = 0; i < 32; ++i) {
        int32_t v = 0;
        const std::string key = AddressKey(i);
        GetInt(doc, Setting(section.c_str(), key.c_str(), v, 0, 247, 0), unused);
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

void LoadINIDefault(MeterSession& session) {
    Connection& connection = session.connection;
    SetDefaults(kProgramKeys, connection, &session.edited);
    connection.serialPath.clear();
    connection.meterAnswered = 0;
    std::fill(std::begin(Devices485), std::end(Devices485), 0);
}

int ReadINIFile(MeterSession& session) {
    Connection& connection = session.connection;
    IniDoc doc;
    if (!LoadDoc(kProgramFile, doc)) return 0;
    GetInts(doc, kProgramKeys, connection, &session.edited);
    std::string path;
    if (IniGetString(doc, "Interface", kPortPathKey, path)) connection.serialPath = path;
    int64_t answered = 0;
    connection.meterAnswered = IniGetInt(doc, "Interface", kMeterAnsweredKey, answered) && answered == 1;
    if (connection.serialPort == 0 && connection.serialPath.empty()) { // port 0 names no device by itself
        connection.serialPort = Connection{}.serialPort;
        mended = true;
    }
    ReadAddressSlots(doc, "Interface", Devices485);
    return 1;
}

int NewINIFile(const MeterSession& session) {
    const Connection& connection = session.connection;
    IniDoc doc;
    doc.sorted = true;
    PutInts(doc, kProgramKeys, connection, &session.edited);
    if (!connection.serialPath.empty()) IniPutString(doc, "Interface", kPortPathKey, connection.serialPath);
    if (connection.meterAnswered) IniPutInt(doc, "Interface", kMeterAnsweredKey, 1);
    PutAddressSlots(doc, "Interface", Devices485);
    return SaveDoc(kProgramFile, doc);
}

void LoadINIDefaultTCP(KnownDevices& devices, Connection& connection) {
    SetDefaults(kGatewayKeys, connection);
    devices.gateways.clear();
}

int ReadINIFileTCP(KnownDevices& devices, Connection& connection) {
    IniDoc doc;
    if (!LoadDoc(kGatewayFile, doc)) return 0;
    gatewayCount = int32_t(std::min(devices.gateways.size(), size_t(kMaxGateways)));
    GetInts(doc, kGatewayKeys, connection);
    devices.gateways.resize(size_t(gatewayCount));
    for (int n = 0; n < gatewayCount; ++n) {
        KnownGateway& g = devices.gateways[size_t(n)];
        const std::string section = GatewaySection(n);
        GatewayTexts(g.record, TextGetter(doc, section));
        ReadAddressSlots(doc, section, g.units);
    }
    return 1;
}

int NewINIFileTCP(const KnownDevices& devices, const Connection& connection) {
    IniDoc doc;
    gatewayCount = int32_t(std::min(devices.gateways.size(), size_t(kMaxGateways)));
    PutInts(doc, kGatewayKeys, connection);
    for (int n = 0; n < gatewayCount; ++n) {
        const KnownGateway& g = devices.gateways[size_t(n)];
        const std::string section = GatewaySection(n);
        GatewayTexts(g.record, TextPutter(doc, section));
        PutAddressSlots(doc, section, g.units);
    }
    return SaveDoc(kGatewayFile, doc);
}

void LoadDevINIDefault(KnownDevices& devices, Connection& connection) {
    SetDefaults(kModuleKeys, connection);
    devices.modules.clear();
}

int ReadDevINIFile(KnownDevices& devices, Connection& connection) {
    IniDoc doc;
    if (!LoadDoc(kModuleFile, doc)) return 0;
    const int sections = int(doc.sections.size()) - 1;
    if (sections > kMaxModules || doc.truncated) mended = true;
    moduleCount = std::min(sections, kMaxModules);
    GetInts(doc, kModuleKeys, connection);
    devices.modules.resize(size_t(moduleCount));
    for (int i = 0; i < moduleCount; ++i) {
        ModuleRecord& m = devices.modules[size_t(i)];
        const std::string section = DeviceSection(i);
        ModuleTexts(m, TextGetter(doc, section));
        m.found = 0;
    }
    return 1;
}

int NewDevINIFile(const KnownDevices& devices, const Connection& connection) {
    IniDoc doc;
    moduleCount = int32_t(std::min(devices.modules.size(), size_t(kMaxModules)));
    PutInts(doc, kModuleKeys, connection);
    for (int i = 0; i < moduleCount; ++i)
        ModuleTexts(devices.modules[size_t(i)], TextPutter(doc, DeviceSection(i)));
    return SaveDoc(kModuleFile, doc);
}

int32_t ClampTimeout(int64_t ms) {
    return int32_t(std::clamp<int64_t>(ms, kMinTimeout, kMaxTimeout));
}

void LoadAllSettings(KnownDevices& devices, MeterSession& session, bool rewriteUnreadable) {
    LoadINIDefault(session);
    mended = false;
    if ((!ReadINIFile(session) || mended) && rewriteUnreadable) NewINIFile(session);

    Connection& connection = session.connection;
    LoadINIDefaultTCP(devices, connection);
    mended = false;
    if ((!ReadINIFileTCP(devices, connection) || mended) && rewriteUnreadable)
        NewINIFileTCP(devices, connection);

    LoadDevINIDefault(devices, connection);
    mended = false;
    if ((!ReadDevINIFile(devices, connection) || mended) && rewriteUnreadable)
        NewDevINIFile(devices, connection);
}
