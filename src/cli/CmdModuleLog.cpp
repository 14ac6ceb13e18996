#include "cli/Cli.h"

#include "logger/Logger57.h"

int CmdModuleLog(const QStringList& args) {
    if (args.size() != 1) return UsageError("module-log takes one FILE.LF3");
    const int ok = CmReadLoggerData57() && StoreLoggerFile57(args[0].toStdString());
    RemoveModuleWorkfile();
    if (!ok) return kExitDeviceFailed;
    PrintModuleLogSummary();
    return kExitOk;
}
