// The module's log file ("log.dat" as fetched, a *.LF3 is a byte-for-byte copy) turned
// into the sequences of ModuleLog. Pure functions of their arguments: the panel,
// zaro-cli, the tests and the fuzz target share them.
#pragma once

#include "logger/LogData.h"

#include <QByteArray>
#include <QString>

// Nesting deeper than this is no log a module writes; it ends the decoding.
constexpr int kMaxLogNesting = 16;

// Decodes a whole log. On success log holds the sequences (record 0 newest, extremes,
// interval, units and scale filled) and true is returned. On failure log is left as
// it was and error is an English phrase, the DecodeFaultText of what failed (marked for
// the "Messages" context, so that it can go into an error message).
bool DecodeModuleLog(const QByteArray& bytes, ModuleLog& log, QString& error);

enum class DecodeFault { Structure, NoData, Sequences, Channels, Values, Stamps };
const char* DecodeFaultText(DecodeFault fault);

// Units, decimals and scale of each channel of seq from its extremes.
void LogScaling(LogSequence& seq);

// Name of a measurand code; empty for codes without one.
QString LogTxt(uint8_t code);

// A sequence the panel can show: it has channels and records.
bool UsableSequence(const LogSequence& seq);
// The highest usable sequence, 0 when there is none.
int NewestUsableSequence(const ModuleLog& log);
// The sequence a step button leads to from `from` (direction -1 or +1): the next usable
// one that way, else the last one reached (1 or NumLogSeq).
int StepSequence(const ModuleLog& log, int from, int direction);
