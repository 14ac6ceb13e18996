// The module logger without its panel: fetching "log.dat" from the module in use,
// decoding it into the log shown (the panel's or the command's), storing and opening *.LF3 copies, and the
// texts the panel and zaro-cli show. Failures show their message pair and return 0.
#pragma once

#include "logger/LogData.h"

#include <QByteArray>
#include <QString>
#include <string>
#include <vector>

struct MeterSession;

// Downloads the module's log (GET /log.dat on moduleHttpPort of the module in use),
// decodes it and keeps it in the temporary "log.dat". 1 or 0; a log that does not
// decode changes nothing.
int CmReadLoggerData57(MeterSession& session, ModuleLog& shown);
// Decodes bytes into shown and chooses the newest usable sequence (shown.Shown). 1 or 0;
// on failure shown stays as it was.
int InitLogger57(MeterSession& session, ModuleLog& shown, const QByteArray& bytes);
// Copies shown.SourceFile to path (created or replaced whole). 1, or 0 with the reason shown.
int StoreLoggerFile57(const ModuleLog& shown, const std::string& path);
// Reads and decodes an *.LF3; it becomes shown.SourceFile. 1 or 0.
int OpenLoggerFile57(MeterSession& session, ModuleLog& shown, const std::string& path);
// Removes the temporary "log.dat" (when the panel closes); shown forgets it.
void RemoveModuleWorkfile(ModuleLog& shown);

// ---- Texts -------------------------------------------------------------------------

// "name\n00-30-11-22-33-44"
QString ModuleIdentityText(const ModuleLog& log);
// The MAC alone, "00-30-11-22-33-44"
QString ModuleMacText(const ModuleLog& log);
// START/STOP (local time) and the record count of a sequence.
QString PeriodText(const LogSequence& seq);
// "dd.mm.yy  hh:mm:ss" of a stamp (local time), as the value lists show it.
QString RecordTimeText(uint32_t stamp);
// "dd.mm.yy hh:mm:ss" of a stamp, for extremes.
QString ExtremeTimeText(uint32_t stamp);
// Channels of the first list (codes below 70) or the second, in channel order.
std::vector<int> ListChannels(const LogSequence& seq, bool extremes);
// Smallest or largest valid value of channel k in its shown unit with its decimals;
// empty when the channel has no valid value.
QString ExtremeText(const LogSequence& seq, int k, bool maximum);
