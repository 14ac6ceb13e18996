// Opening a logger file for the commands that work on records without a device.
#pragma once

#include <QJsonObject>
#include <QString>
#include <cstdint>

// Reads FILE.ZRD into meterLog (its file, made active) or FILE.LF3 into moduleLog, as the
// logger panels open them. True for a module file in `module`. False after the message
// pair was shown (the caller exits kExitDeviceFailed); a name with neither extension is a
// usage error, reported in usage.
struct MeterLog;
struct ModuleLog;
struct MeterSession;
bool OpenLogFile(MeterSession& session, const QString& path, MeterLog& meterLog, ModuleLog& moduleLog,
                 bool& module, QString& usage);

// The SI base unit of a unit text as the logger shows it ("[kV]", "MW", "kvar", "[%]",
// "" for a power factor) and the factor that turns a number in it into that unit.
struct UnitToSi {
    QString unit;
    double factor = 1.0;
};
UnitToSi SiUnitOf(const QString& text);
// Calendar seconds as ISO 8601 local time, "2026-12-07T11:45:00".
QString IsoLocalTime(uint32_t seconds);

// A channel for --json: its name, SI unit, and smallest and largest value with their
// times; without extremes (none given) both are null with the status "no-extreme".
struct JsonExtreme {
    double si = 0.0; // in the SI base unit
    QString text;    // as the text output shows it
    uint32_t time = 0;
};
QJsonObject ChannelJson(const QString& name, const QString& siUnit, const JsonExtreme* minimum,
                        const JsonExtreme* maximum);

// A module sequence given by the user (1-based), or the newest usable one when 0.
// False when the file has no such sequence.
bool ChooseSequence(const ModuleLog& log, int given, int& sequence);
