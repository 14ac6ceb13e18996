#include "cli/Cli.h"

#include "config/MeterSession.h"
#include "link/CommLog.h"
#include "link/ModbusTcp.h"
#include "netmodules/KnownDevices.h"
#include "platform/Messages.h"
#include "platform/ProgramFiles.h"
#include "settings/INI_File.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <memory>
#include <QHostAddress>
#include <cstdio>
#include <map>

namespace {

const CliCommand kCommands[] = {
    {"read", "INDEX", CmdRead},
    {"read-config", "FILE", CmdReadConfig},
    {"send-config", "FILE [--yes] [--no-backup]", CmdSendConfig},
    {"version", "", CmdVersion},
    {"measure", "[--repeat N]", CmdMeasure},
    {"check-installation", "   (exit 3 when a check fails)", CmdCheckInstallation},
    {"scan-rs485", "[--range 32|247]", nullptr, CmdScanRs485},
    {"diff-config", "A.ZRC B.ZRC | --meter FILE", CmdDiffConfig},
    {"minmax", "", CmdMinMax},
    {"reset-minmax", "[--all | --box K ...]   (K 1..8, 9 = UNE maximum of the ZRM3)", CmdResetMinMax},
    {"meters", "", CmdMeters},
    {"reset-meters", "[--all | --row K ...]   (K 1..8)", CmdResetMeters},
    {"set-meter", "ROW VALUE", CmdSetMeter},
    {"toggle-tariff", "", CmdToggleTariff},
    {"mean", "", CmdMean},
    {"reset-mean", "[--all | --min K ... --max K ...]   (K 1..5 power rows, 6..14 free rows)", CmdResetMean},
    {"harmonics", "voltage|current", CmdHarmonics},
    {"reset-harmonics", "voltage|current", CmdResetHarmonics},
    {"scan-gateways", "", nullptr, CmdScanGateways},
    {"scan-modules", "", nullptr, CmdScanModules},
    {"set-gateway", "MAC [--ip A] [--subnet A] [--gateway A] [--dhcp on|off] [--name N] [--password P]",
     nullptr, CmdSetGateway},
    {"set-module", "MAC [--ip A] [--subnet A] [--gateway A] [--dhcp on|off] [--name N]", nullptr,
     CmdSetModule},
    {"search-gateway", "[--range 32|247]", nullptr, CmdSearchGateway},
    {"logger-status", "[--interval MM:SS]", CmdLoggerStatus},
    {"logger-read", "FILE.ZRD [--newest \"dd.mm.yy hh:mm:ss\"] [--interval MM:SS]", CmdLoggerRead},
    {"logger-reset", "[--yes]", CmdLoggerReset},
    {"zrd-info", "FILE.ZRD", CmdZrdInfo},
    {"module-log", "FILE.LF3", CmdModuleLog},
    {"lf3-info", "FILE.LF3 [--sequence N] [--records]", CmdLf3Info},
    {"graph",
     "FILE.ZRD|FILE.LF3 --day N --channels LIST [--sequence N] [--style lines|bars] --out FILE.png|FILE.pdf "
     "[--size WxH]",
     CmdGraph},
    {"export", "FILE.ZRD|FILE.LF3 OUT.xlsx|OUT.csv [--sequence N]", CmdExport},
    {"simulate-output", "1|2 on|off [--yes]", CmdSimulateOutput},
    {"brightness", "[0-15]", CmdBrightness},
    {"pages", "[--set loop|user] [--toggle N ...] [--file FILE.ZRC | --send --yes]", CmdPages},
};

const char* kLinkOptions =
    "  --settings DIR       folder of ZARO.ini, ZAROTCP.ini, ZARODEV.ini\n"
    "  --interface KIND     rs232 | rs485 | gateway | module\n"
    "  --port DEVICE        serial device, e.g. /dev/ttyUSB0\n"
    "  --address N          RS-485 address, or the unit behind a gateway/module\n"
    "  --host IPV4          gateway or module address\n"
    "  --tcp-port N         Modbus/TCP port of the gateway (of the module with --interface module)\n"
    "  --http-port N        web server port of the module (its logger file)\n"
    "  --baud N             1200 | 2400 | 4800 | 9600 | 19200 (RS-485)\n"
    "  --parity P           none2 | even2 | odd2 | none1 (RS-485)\n"
    "  --timeout MS         reply time-out\n"
    "  --yes                confirm every question\n"
    "  --json               one JSON document on stdout (commands that read or decode)\n"
    "  --log FILE           write every frame sent and received to FILE\n";

void PrintUsage() {
    std::fprintf(stderr,
                 "usage: zaro-cli [options] COMMAND [ARGS]\n\noptions (this run only, never saved):\n%s\n"
                 "commands:\n",
                 kLinkOptions);
    for (const auto& c : kCommands)
        std::fprintf(stderr, "  %s %s\n", c.name, c.usage);
}

// Link options override the settings files for this run only; nothing is written back.
struct Overrides {
    QString interface, port, host, baud, parity, address, tcpPort, timeout, httpPort;
};

int ApplyOverrides(const Overrides& o, KnownDevices& devices, Connection& connection) {
    static const std::map<QString, int> kinds{
        {"rs232", kRS232}, {"rs485", kRS485}, {"gateway", kGateway}, {"module", kModule}};
    static const std::map<QString, int> bauds{
        {"1200", 0}, {"2400", 1}, {"4800", 2}, {"9600", 3}, {"19200", 4}};
    static const std::map<QString, int> parities{{"none2", 0}, {"even2", 1}, {"odd2", 2}, {"none1", 3}};
    int v = 0;
    if (!o.interface.isEmpty()) {
        auto it = kinds.find(o.interface);
        if (it == kinds.end()) return UsageError("unknown --interface " + o.interface);
        SelectInterface(connection, it->second, connection.gatewayIndex, connection.moduleIndex);
    }
    if (!o.port.isEmpty()) connection.serialPath = o.port.toStdString();
    if (!o.baud.isEmpty()) {
        auto it = bauds.find(o.baud);
        if (it == bauds.end()) return UsageError("unknown --baud " + o.baud);
        connection.baudIndex = it->second;
    }
    if (!o.parity.isEmpty()) {
        auto it = parities.find(o.parity);
        if (it == parities.end()) return UsageError("unknown --parity " + o.parity);
        connection.formatIndex = it->second;
    }
    if (!o.address.isEmpty()) {
        if (!ParseInt(o.address, 1, 255, v)) return UsageError("--address takes 1..255");
        connection.meterAddress = connection.gatewayUnitAddress = v;
    }
    if (!o.tcpPort.isEmpty()) {
        if (!ParseInt(o.tcpPort, 1, 65535, v)) return UsageError("--tcp-port takes 1..65535");
        connection.gatewayTcpPort = v;
        if (connection.kind == kModule)
            connection.moduleTcpPort = v; // a module listens on 502; a simulator elsewhere
    }
    if (!o.httpPort.isEmpty()) {
        if (!ParseInt(o.httpPort, 1, 65535, v)) return UsageError("--http-port takes 1..65535");
        connection.moduleHttpPort = v;
    }
    if (!o.timeout.isEmpty()) {
        if (!ParseInt(o.timeout, 1, 60000, v)) return UsageError("--timeout takes 1..60000 ms");
        connection.replyTimeoutMs = v;
    }
    if (!o.host.isEmpty()) {
        QHostAddress a;
        if (!a.setAddress(o.host) || a.protocol() != QAbstractSocket::IPv4Protocol)
            return UsageError("--host takes an IPv4 address");
        // The host becomes the gateway or module in use, in slot 0 of its list.
        const QByteArray ip = a.toString().toLatin1();
        if (connection.kind == kModule) {
            SelectInterface(connection, connection.kind, connection.gatewayIndex, 0);
            if (devices.modules.empty()) devices.modules.emplace_back();
            qstrncpy(devices.modules[0].IP, ip.constData(), sizeof devices.modules[0].IP);
        } else {
            SelectInterface(connection, connection.kind, 0, connection.moduleIndex);
            if (devices.gateways.empty()) devices.gateways.emplace_back();
            qstrncpy(devices.gateways[0].record.IP, ip.constData(), sizeof devices.gateways[0].record.IP);
        }
    }
    return kExitOk;
}

int LogFailed(const QString& path, FileFault fault) {
    std::fprintf(stderr, "zaro-cli: the log %s was not written. %s\n", qPrintable(path), WriteFaultPhrase(fault));
    return kExitDeviceFailed;
}

} // namespace

int UsageError(const QString& message) {
    std::fprintf(stderr, "zaro-cli: %s\n", qPrintable(message));
    PrintUsage();
    return kExitUsage;
}

bool ParseInt(const QString& text, int min, int max, int& value) {
    bool ok = false;
    const int v = text.toInt(&ok, 10);
    if (!ok || v < min || v > max) return false;
    value = v;
    return true;
}

// Only drawing needs fonts and so a (windowless) GUI application. Qt is given the
// program's name alone: it would otherwise take options such as --style for its own.
std::unique_ptr<QCoreApplication> MakeApplication(const QStringList& args, char* program) {
    static int qtArgc = 1;
    static char* qtArgv[2] = {nullptr, nullptr};
    qtArgv[0] = program;
    if (args.contains("graph")) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(qtArgc, qtArgv);
    }
    return std::make_unique<QCoreApplication>(qtArgc, qtArgv);
}

int main(int argc, char** argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    const auto app = MakeApplication(args, argv[0]);
    QString settingsDir, logPath;
    Overrides o;
    bool yes = false, json = false;
    const std::map<QString, QString*> valued{
        {"--settings", &settingsDir}, {"--interface", &o.interface}, {"--port", &o.port},
        {"--address", &o.address},    {"--host", &o.host},           {"--tcp-port", &o.tcpPort},
        {"--baud", &o.baud},          {"--parity", &o.parity},       {"--timeout", &o.timeout},
        {"--log", &logPath},        {"--http-port", &o.httpPort}};
    while (!args.isEmpty() && args.front().startsWith("--")) {
        const QString opt = args.takeFirst();
        if (opt == "--yes") {
            yes = true;
            continue;
        }
        if (opt == "--json") {
            json = true;
            continue;
        }
        if (opt == "--help") {
            PrintUsage();
            return kExitOk;
        }
        auto it = valued.find(opt);
        if (it == valued.end()) return UsageError("unknown option " + opt);
        if (args.isEmpty()) return UsageError(opt + " needs a value");
        *it->second = args.takeFirst();
    }
    if (args.isEmpty()) return UsageError("no command given");

    SettingsDir = settingsDir.isEmpty() ? DefaultSettingsDir() : settingsDir.toStdString();
    KnownDevices devices;
    MeterSession session;
    LoadAllSettings(devices, session, false);
    if (int rc = ApplyOverrides(o, devices, session.connection)) return rc;
    UseKnownDevices(&devices);
    UseSession(session);

    ConsoleMessages console(yes);
    SetMessageSink(&console);

    const QString name = args.takeFirst();
    if (json) args << QStringLiteral("--json"); // each command that reads or decodes takes it
    for (const auto& c : kCommands) {
        if (name != c.name) continue;
        const auto run = [&] {
            return c.runWithDevices ? c.runWithDevices(args, devices, session.connection)
                                    : c.run(session, args);
        };
        if (logPath.isEmpty()) return run();
        // Written as the frames come: a run ended by a signal keeps what it saw. No
        // device is touched when the log the user asked for cannot be kept.
        FileFault fault = FileFault::None;
        if (!StartCommLogFile(logPath.toStdString(), &fault)) return LogFailed(logPath, fault);
        StartCommLog();
        const int rc = run();
        StopCommLog();
        if (StopCommLogFile(&fault)) return rc;
        LogFailed(logPath, fault);
        return rc == kExitOk ? kExitDeviceFailed : rc;
    }
    return UsageError("unknown command " + name);
}
