#include "cli/LogFileCli.h"

#include "logger/LogData.h"
#include "logger/Logger.h"
#include "logger/Logger57.h"
#include "logger/Logger57Decode.h"

bool OpenLogFile(const QString& path, bool& module, QString& usage) {
    module = path.endsWith(".lf3", Qt::CaseInsensitive);
    if (!module && !path.endsWith(".zrd", Qt::CaseInsensitive)) {
        usage = "the logger file must be a *.ZRD or a *.LF3";
        return false;
    }
    if (module) return OpenLoggerFile57(path.toStdString()) == 1;
    Logsrc = &File;
    return ReadZrdFile(path, File, LogRecords);
}

bool ChooseSequence(int given, int& sequence) {
    sequence = given ? given : NewestUsableSequence(Log57);
    if (sequence < 1 || sequence > Log57.NumLogSeq) return false;
    const LogSequence& s = Log57.Dev57[size_t(sequence)];
    return s.NumChan != 0 && s.NumRec != 0;
}
