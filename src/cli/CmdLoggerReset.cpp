#include "cli/Cli.h"

#include "config/ConfigImage.h"
#include "link/DeviceLink.h"
#include "platform/Messages.h"
#include "settings/INI_File.h"

// Erases the meter's logger after the question (--yes confirms it).
int CmdLoggerReset(MeterSession& session, const QStringList& args) {
    QStringList rest = args;
    auto* console = dynamic_cast<ConsoleMessages*>(&CurrentMessageSink());
    if (rest.removeAll("--yes") > 0 && console) console->yes = true;
    if (!rest.isEmpty()) return UsageError("logger-reset takes only [--yes]");
    if (!Warning(1, 1)) return kExitUsage;
    if (!InitInterface()) return kExitDeviceFailed;
    const int ok = Write(session.read, kWriteLoggerClear, 1, 0);
    CloseInterface();
    return ok ? kExitOk : kExitDeviceFailed;
}
