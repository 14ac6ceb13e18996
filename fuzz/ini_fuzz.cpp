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
    MeterSession session;
    const Connection& connection = session.connection;
    LoadAllSettings(devices, session, false);
    // Every index the program later uses must now be inside its list.
    const int gateways = int(devices.gateways.size()), modules = int(devices.modules.size());
    if (gateways > kMaxGateways || modules > kMaxModules) std::abort();
    if (connection.gatewayIndex < 0 || (gateways > 0 && connection.gatewayIndex >= gateways)) std::abort();
    if (connection.moduleIndex < 0 || (modules > 0 && connection.moduleIndex >= modules)) std::abort();
    if (Language < 0 || Language > 3 || connection.kind < 0 || connection.kind > 3) std::abort();
    if (connection.baudIndex < 0 || connection.baudIndex > 4 || connection.formatIndex < 0 ||
        connection.formatIndex > 3 || connection.serialPort < 0 || connection.serialPort > kMaxCommPort ||
        (connection.serialPort == 0 && connection.serialPath.empty()))
        std::abort();
    if (connection.replyTimeoutMs < kMinTimeout || connection.replyTimeoutMs > kMaxTimeout ||
        connection.meterAddress < 1 || connection.meterAddress > 247)
        std::abort();
    return 0;
}
