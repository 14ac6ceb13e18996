#include "cli/Cli.h"
#include "cli/LoggerCli.h"

#include "link/DeviceLink.h"
#include "logger/Logger.h"

#include <cstdio>

// Reads every record of the meter's logger into a *.ZRD file and prints the count.
int CmdLoggerRead(MeterSession& session, const QStringList& args) {
    QString file, interval, newestText;
    for (int i = 0; i < args.size(); ++i) {
        if ((args[i] == "--newest" || args[i] == "--interval") && i + 1 < args.size()) {
            QString& option = args[i] == "--newest" ? newestText : interval;
            option = args[++i];
        } else if (file.isEmpty() && !args[i].startsWith("--"))
            file = args[i];
        else
            return UsageError(
                "logger-read takes FILE.ZRD [--newest \"dd.mm.yy hh:mm:ss\"] [--interval MM:SS]");
    }
    if (file.isEmpty()) return UsageError("logger-read needs FILE.ZRD");
    LoggerReadHooks hooks;
    if (!newestText.isEmpty() && !ParseNewest(newestText, hooks.newest))
        return UsageError("--newest takes \"dd.mm.yy hh:mm:ss\"");
    LogSource device;
    LoggerRecords records;
    if (int rc = OpenMeterLogger(session, device, interval)) return rc;
    const LoggerRead result = ReadLoggerRecords(session, device, records, nullptr, hooks);
    CloseInterface();
    switch (result) {
    case LoggerRead::TimeRefused:
        return UsageError("the memory is full in stop mode: give the newest record's time with --newest");
    case LoggerRead::Empty:
        records.clear();
        device.NumRec = 0;
        break;
    case LoggerRead::Done:
        break;
    default:
        return kExitDeviceFailed;
    }
    if (!WriteZrdFile(file, device, records)) return kExitDeviceFailed;
    std::printf("%d\n", int(records.size()));
    return kExitOk;
}
