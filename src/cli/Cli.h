// zaro-cli: the program's device operations without windows, for scripts and tests.
#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>
#include <cstdint>
#include <functional>

class QTranslator;
struct Connection;
struct KnownDevices;
struct MeterSession;

// Exit codes of every command.
constexpr int kExitOk = 0;
constexpr int kExitDeviceFailed = 1; // the English text of the message pair went to stderr
constexpr int kExitUsage = 2;

struct CliCommand {
    const char* name;
    const char* usage; // arguments after the name, for the help text
    int (*run)(MeterSession& session, const QStringList& args);
    // Instead of run, for the commands that read or change the known devices or the
    // connection (the one the link uses, filled from the settings and the options).
    int (*runWithDevices)(const QStringList& args, KnownDevices& devices, Connection& connection) = nullptr;
};

// One function per command, each in its own file.
int CmdRead(MeterSession& session, const QStringList& args);
int CmdReadConfig(MeterSession& session, const QStringList& args);
int CmdSendConfig(MeterSession& session, const QStringList& args);
// CmSendConfig, saying on stderr when the meter already held the configuration.
int SendConfiguration(MeterSession& session);
int CmdVersion(MeterSession& session, const QStringList& args);
int CmdMeasure(MeterSession& session, const QStringList& args);
int CmdCheckInstallation(MeterSession& session, const QStringList& args);
int CmdScanRs485(const QStringList& args, KnownDevices& devices, Connection& connection);
int CmdDiffConfig(MeterSession& session, const QStringList& args);
int CmdMinMax(MeterSession& session, const QStringList& args);
int CmdResetMinMax(MeterSession& session, const QStringList& args);
int CmdMeters(MeterSession& session, const QStringList& args);
int CmdResetMeters(MeterSession& session, const QStringList& args);
int CmdSetMeter(MeterSession& session, const QStringList& args);
int CmdToggleTariff(MeterSession& session, const QStringList& args);
int CmdMean(MeterSession& session, const QStringList& args);
int CmdResetMean(MeterSession& session, const QStringList& args);
int CmdHarmonics(MeterSession& session, const QStringList& args);
int CmdResetHarmonics(MeterSession& session, const QStringList& args);
int CmdScanGateways(const QStringList& args, KnownDevices& devices, Connection& connection);
int CmdScanModules(const QStringList& args, KnownDevices& devices, Connection& connection);
int CmdSetGateway(const QStringList& args, KnownDevices& devices, Connection& connection);
int CmdSetModule(const QStringList& args, KnownDevices& devices, Connection& connection);
int CmdSearchGateway(const QStringList& args, KnownDevices& devices, Connection& connection);

// Shared by the gateway and module commands.
struct NetOptions {
    QString mac, ip, subnet, gateway, dhcp, name, password;
    bool passwordGiven = false;
};
// kExitOk, or kExitUsage for a malformed MAC, address or name (of a gateway: a host
// name; of a module: the name its record holds).
int ParseNetOptions(const QStringList& args, NetOptions& o, bool gateway);
struct NetworkFields;
void ApplyNetOptions(const NetOptions& o, NetworkFields& fields);
// From ZAROTCP.ini / ZARODEV.ini, none found yet; the file's keys go into connection.
void LoadKnownGateways(KnownDevices& devices, Connection& connection);
void LoadKnownModules(KnownDevices& devices, Connection& connection);
void PrintNetDevice(const char* mac, const char* ip, const char* subnet, const char* gateway, bool dhcp,
                    const char* name);
// The same device for --json: {"mac", "ip", "subnet", "gateway", "dhcp", "name"}.
QJsonObject NetDeviceJson(const char* mac, const char* ip, const char* subnet, const char* gateway, bool dhcp,
                          const char* name);
// The meters at the addresses found (0 ends the list), each asked over the open link
// for its model and firmware: [{"address", "model", "firmware", "extension"}], the
// texts null where a meter did not tell them. setAddress makes an address the one in use;
// without it nobody is asked.
QJsonArray IdentifyMeters(const int32_t (&found)[32], const std::function<void(int32_t)>& setAddress);
int CmdLoggerStatus(MeterSession& session, const QStringList& args);
int CmdLoggerRead(MeterSession& session, const QStringList& args);
int CmdLoggerReset(MeterSession& session, const QStringList& args);
int CmdZrdInfo(MeterSession& session, const QStringList& args);
int CmdModuleLog(MeterSession& session, const QStringList& args);
int CmdLf3Info(MeterSession& session, const QStringList& args);
int CmdGraph(MeterSession& session, const QStringList& args);
int CmdExport(MeterSession& session, const QStringList& args);
// The module line and one line per sequence of a module log (module-log, lf3-info).
struct ModuleLog;
void PrintModuleLogSummary(const ModuleLog& log);
int CmdSimulateOutput(MeterSession& session, const QStringList& args);
int CmdBrightness(MeterSession& session, const QStringList& args);
int CmdPages(MeterSession& session, const QStringList& args);

// A text from a device (a name, a description) as it may go to the terminal: control
// characters, and the backslash, written as escapes ("\t", "\x1b").
QString EscapeControls(const QString& text);
QString EscapeControls(const char* text); // UTF-8

// A settings file could not be written: says so (the error pair) and gives kExitDeviceFailed.
int SettingsNotSaved();

// Prints "zaro-cli: MESSAGE" and the usage to stderr; returns kExitUsage.
int UsageError(const QString& message);

// Installs the translation of the settings' language (texts that go into files or lines).
void InstallSettingsLanguage(QTranslator& translator);

// Parses a decimal integer in [min, max]; false when the text is not one.
bool ParseInt(const QString& text, int min, int max, int& value);
