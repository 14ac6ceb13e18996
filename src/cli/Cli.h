// zaro-cli: the program's device operations without windows, for scripts and tests.
#pragma once

#include <QStringList>

// Exit codes of every command.
constexpr int kExitOk = 0;
constexpr int kExitDeviceFailed = 1; // the English text of the message pair went to stderr
constexpr int kExitUsage = 2;

struct CliCommand {
    const char* name;
    const char* usage; // arguments after the name, for the help text
    int (*run)(const QStringList& args);
};

// One function per command, each in its own file.
int CmdRead(const QStringList& args);
int CmdReadConfig(const QStringList& args);
int CmdSendConfig(const QStringList& args);
int CmdVersion(const QStringList& args);
int CmdMeasure(const QStringList& args);
int CmdScanRs485(const QStringList& args);
int CmdSimulateOutput(const QStringList& args);
int CmdBrightness(const QStringList& args);
int CmdPages(const QStringList& args);

// Prints "zaro-cli: MESSAGE" and the usage to stderr; returns kExitUsage.
int UsageError(const QString& message);

// Parses a decimal integer in [min, max]; false when the text is not one.
bool ParseInt(const QString& text, int min, int max, int& value);
