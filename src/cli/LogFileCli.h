// Opening a logger file for the commands that work on records without a device.
#pragma once

#include <QString>

// Reads FILE.ZRD into File/LogRecords (Logsrc := &File) or FILE.LF3 into Log57, as the
// logger panels open them. True for a module file in `module`. False after the message
// pair was shown (the caller exits kExitDeviceFailed); a name with neither extension is a
// usage error, reported in usage.
bool OpenLogFile(const QString& path, bool& module, QString& usage);

// A module sequence given by the user (1-based), or the newest usable one when 0.
// False when the file has no such sequence.
bool ChooseSequence(int given, int& sequence);
