#include "cli/Cli.h"

#include "logger/Logger57.h"

int CmdModuleLog(MeterSession& session, const QStringList& args) {
    if (args.size() != 1) return UsageError("module-log takes one FILE.LF3");
    ModuleLog log;
    const int ok = CmReadLoggerData57(session, log) && StoreLoggerFile57(log, args[0].toStdString());
    RemoveModuleWorkfile(log);
    if (!ok) return kExitDeviceFailed;
    PrintModuleLogSummary(log);
    return kExitOk;
}
