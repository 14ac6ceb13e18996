#include "cli/Cli.h"
#include "cli/LogFileCli.h"

#include "logger/LogData.h"
#include "platform/Messages.h"
#include "profiles/ExcelInt.h"

#include <cstdio>

// Writes the records of a logger file into a workbook or a CSV file, as the panels'
// export command does; prints the path written.
int CmdExport(MeterSession& session, const QStringList& args) {
    QStringList plain;
    int given = 0;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == "--sequence") {
            if (i + 1 >= args.size() || !ParseInt(args[++i], 1, kMaxSequences, given))
                return UsageError("--sequence takes a number 1..255");
        } else {
            plain << args[i];
        }
    }
    if (plain.size() != 2) return UsageError("export takes FILE.ZRD|FILE.LF3 and OUT.xlsx|OUT.csv");
    const QString& out = plain[1];
    if (!out.endsWith(".xlsx", Qt::CaseInsensitive) && !out.endsWith(".csv", Qt::CaseInsensitive))
        return UsageError("the output must be a .xlsx or a .csv file");
    bool module = false;
    QString usage;
    MeterLog meterLog;
    ModuleLog moduleLog;
    if (!OpenLogFile(session, plain[0], meterLog, moduleLog, module, usage))
        return usage.isEmpty() ? kExitDeviceFailed : UsageError(usage);
    QString error;
    bool ok = false;
    if (module) {
        int sequence = 0;
        if (!ChooseSequence(moduleLog, given, sequence))
            return UsageError("the file has no such sequence with records");
        ok = ExportModuleLog(moduleLog, sequence, out, nullptr, error);
    } else {
        if (given) return UsageError("--sequence belongs to module logger files");
        ok = ExportMeterLog(meterLog.source(), meterLog.records, out, nullptr, error);
    }
    if (!ok) {
        Error(kExportFailedKind, kExportFailedNumber, error.toUtf8().constData());
        return kExitDeviceFailed;
    }
    std::printf("%s\n", qPrintable(out));
    return kExitOk;
}
