// Arbitrary bytes as each of the three settings files: reading must never crash or
// index out of range, and whatever parses must format to text that parses to the same.
#include "settings/INI_File.h"
#include "settings/IniFormat.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    SettingsDir = dir.path().toStdString();
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));

    IniDoc doc;
    if (IniParse(text, doc)) {
        const QByteArray once = IniFormat(doc);
        IniDoc again;
        if (!IniParse(once, again) || IniFormat(again) != once) std::abort();
    }

    // The same bytes as each of the three files; read only, as rewriting every input
    // would make the fuzzer crawl.
    for (const char* name : {"ZARO.ini", "ZAROTCP.ini", "ZARODEV.ini"}) {
        QFile file(QString::fromStdString(SettingsDir + "/" + name));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size()) std::abort();
    }
    KnownDevices devices;
    LoadAllSettings(devices, false);
    // Every index the program later uses must now be inside its list.
    const int gateways = int(devices.gateways.size()), modules = int(devices.modules.size());
    if (gateways > kMaxGateways || modules > kMaxModules) std::abort();
    if (GatewayIndex < 0 || (gateways > 0 && GatewayIndex >= gateways)) std::abort();
    if (LM57Index < 0 || (modules > 0 && LM57Index >= modules)) std::abort();
    if (Language < 0 || Language > 3 || CommType < 0 || CommType > 3) std::abort();
    if (Baudrate < 0 || Baudrate > 4 || Parity < 0 || Parity > 3 || CommPort < 0 || CommPort > kMaxCommPort ||
        (CommPort == 0 && CommPortPath.empty()))
        std::abort();
    if (RecTimeout < kMinTimeout || RecTimeout > kMaxTimeout || DeviceAddr < 1 || DeviceAddr > 247)
        std::abort();
    return 0;
}
