#include "cli/Cli.h"

#include "logger/Logger57.h"
#include "platform/TimeBase.h"

#include <cstdio>

namespace {

QString DateTime(uint32_t stamp) {
    const LocalTime t = LocalFromCalendarSeconds(stamp);
    return QString::fromStdString(FormatDate(t) + " " + FormatTime(t));
}

// Names and units come from the module: a field shows its control characters escaped.
void PrintLine(QStringList fields) {
    for (QString& f : fields)
        f = EscapeControls(f);
    std::printf("%s\n", qUtf8Printable(fields.join('\t')));
}

void PrintChannels(const LogSequence& seq) {
    for (uint32_t k = 0; k < seq.NumChan; ++k) {
        const QString min = ExtremeText(seq, int(k), false), max = ExtremeText(seq, int(k), true);
        const bool none = min.isEmpty();
        PrintLine({seq.Names[k], seq.Units[k], none ? "-" : min, none ? "-" : DateTime(seq.MinTime[k]),
                   none ? "-" : max, none ? "-" : DateTime(seq.MaxTime[k])});
    }
}

// As the panel's two lists show them side by side: the first list's columns, then the second's.
void PrintRecords(const LogSequence& seq) {
    std::vector<int> columns = ListChannels(seq, false);
    for (int k : ListChannels(seq, true))
        columns.push_back(k);
    for (uint32_t r = 0; r < seq.NumRec; ++r) {
        const QString when = RecordTimeText(Log57.LogStamp[seq.FirstStamp + r]);
        QStringList row = when.split("  ");
        for (int k : columns)
            row << ModuleValueText(seq, k, Log57.LogVal[seq.FirstVal + r * seq.NumChan + uint32_t(k)]);
        PrintLine(row);
    }
}

} // namespace

void PrintModuleLogSummary() {
    PrintLine({Log57.DevName, ModuleMacText(Log57)});
    for (int s = 1; s <= Log57.NumLogSeq; ++s) {
        const LogSequence& seq = Log57.Dev57[size_t(s)];
        PrintLine({"sequence", QString::number(s), QString::number(seq.NumChan), QString::number(seq.NumRec),
                   seq.NumRec ? DateTime(seq.Start) : "-", seq.NumRec ? DateTime(seq.Stop) : "-",
                   QString::number(seq.IntervalMin)});
    }
}

int CmdLf3Info(const QStringList& args) {
    QString file;
    int sequence = 0;
    bool records = false;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == "--records") {
            records = true;
        } else if (args[i] == "--sequence") {
            if (i + 1 >= args.size() || !ParseInt(args[++i], 1, 255, sequence))
                return UsageError("--sequence takes 1..255");
        } else if (file.isEmpty() && !args[i].startsWith("--")) {
            file = args[i];
        } else {
            return UsageError("lf3-info takes FILE [--sequence N] [--records]");
        }
    }
    if (file.isEmpty()) return UsageError("lf3-info takes FILE [--sequence N] [--records]");
    if (!OpenLoggerFile57(file.toStdString())) return kExitDeviceFailed;
    if (sequence > Log57.NumLogSeq)
        return UsageError(QString("the file has %1 sequences").arg(Log57.NumLogSeq));
    PrintModuleLogSummary();
    const LogSequence& seq = Log57.Dev57[size_t(sequence ? sequence : LogSeq)];
    if (sequence) PrintChannels(seq);
    if (records) PrintRecords(seq);
    return kExitOk;
}
