#include "cli/Cli.h"
#include "cli/CliJson.h"
#include "cli/LogFileCli.h"

#include "logger/Logger57.h"
#include "platform/TimeBase.h"

#include <charconv>
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
void PrintRecords(const ModuleLog& log, const LogSequence& seq) {
    std::vector<int> columns = ListChannels(seq, false);
    for (int k : ListChannels(seq, true))
        columns.push_back(k);
    for (uint32_t r = 0; r < seq.NumRec; ++r) {
        const QString when = RecordTimeText(log.LogStamp[seq.FirstStamp + r]);
        QStringList row = when.split("  ");
        for (int k : columns)
            row << ModuleValueText(seq, k, log.LogVal[seq.FirstVal + r * seq.NumChan + uint32_t(k)]);
        PrintLine(row);
    }
}

// The module stores single precision: its shortest decimal, not the binary's tail.
double Decimal(double single) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, float(single)).ptr;
    double value = 0.0;
    std::from_chars(text, end, value);
    return value;
}

QString ChannelName(const LogSequence& seq, int k) {
    return seq.Names[size_t(k)].isEmpty() ? QString("#%1").arg(seq.Codes[size_t(k)]) : seq.Names[size_t(k)].trimmed();
}

QJsonObject SequenceJson(const ModuleLog& log, int s) {
    const LogSequence& seq = log.Dev57[size_t(s)];
    const auto when = [&](uint32_t t) { return seq.NumRec ? QJsonValue(IsoLocalTime(t)) : QJsonValue(QJsonValue::Null); };
    return {{"sequence", s},
            {"channels", qint64(seq.NumChan)},
            {"records", qint64(seq.NumRec)},
            {"start", when(seq.Start)},
            {"stop", when(seq.Stop)},
            {"interval", qint64(seq.IntervalMin) * 60}};
}

// Values and extremes of the module are kept in the SI base unit already; the scale
// only makes the number the panel shows.
QJsonArray ChannelsJson(const LogSequence& seq) {
    QJsonArray channels;
    for (int k = 0; k < int(seq.NumChan); ++k) {
        const QString unit = SiUnitOf(seq.Units[size_t(k)]).unit;
        const QString min = ExtremeText(seq, k, false), max = ExtremeText(seq, k, true);
        const JsonExtreme low{Decimal(seq.Min[size_t(k)]), min, seq.MinTime[size_t(k)]};
        const JsonExtreme high{Decimal(seq.Max[size_t(k)]), max, seq.MaxTime[size_t(k)]};
        const bool none = min.isEmpty();
        channels.append(ChannelJson(ChannelName(seq, k), unit, none ? nullptr : &low, none ? nullptr : &high));
    }
    return channels;
}

QJsonArray RecordsJson(const ModuleLog& log, const LogSequence& seq) {
    QJsonArray records;
    for (uint32_t r = 0; r < seq.NumRec; ++r) {
        QJsonArray values;
        for (int k = 0; k < int(seq.NumChan); ++k) {
            const float v = log.LogVal[seq.FirstVal + r * seq.NumChan + uint32_t(k)];
            const QString text = ModuleValueText(seq, k, v).trimmed();
            Validity validity = JudgeReading(v, ModuleCodeCheck(seq.Codes[size_t(k)]));
            if (validity == Validity::Ok && text == QLatin1String("undef")) validity = Validity::TooWide;
            values.append(JsonValue(ChannelName(seq, k), Decimal(v), SiUnitOf(seq.Units[size_t(k)]).unit, validity, text));
        }
        records.append(QJsonObject{{"time", IsoLocalTime(log.LogStamp[seq.FirstStamp + r])}, {"values", values}});
    }
    return records;
}

} // namespace

void PrintModuleLogSummary(const ModuleLog& log) {
    PrintLine({log.DevName, ModuleMacText(log)});
    for (int s = 1; s <= log.NumLogSeq; ++s) {
        const LogSequence& seq = log.Dev57[size_t(s)];
        PrintLine({"sequence", QString::number(s), QString::number(seq.NumChan), QString::number(seq.NumRec),
                   seq.NumRec ? DateTime(seq.Start) : "-", seq.NumRec ? DateTime(seq.Stop) : "-",
                   QString::number(seq.IntervalMin)});
    }
}

int CmdLf3Info(MeterSession& session, const QStringList& arguments) {
    QStringList args = arguments;
    const bool json = TakeJsonFlag(args);
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
    ModuleLog log;
    if (!OpenLoggerFile57(session, log, file.toStdString())) return kExitDeviceFailed;
    if (sequence > log.NumLogSeq) return UsageError(QString("the file has %1 sequences").arg(log.NumLogSeq));
    const LogSequence& seq = log.Dev57[size_t(sequence ? sequence : log.Shown)];
    if (json) {
        QJsonArray sequences;
        for (int s = 1; s <= log.NumLogSeq; ++s)
            sequences.append(SequenceJson(log, s));
        QJsonObject document{{"device", log.DevName}, {"mac", ModuleMacText(log)}, {"sequences", sequences}};
        if (sequence) {
            document["sequence"] = sequence;
            document["channels"] = ChannelsJson(seq);
        }
        if (records) document["records"] = RecordsJson(log, seq);
        PrintJson(document);
        return kExitOk;
    }
    PrintModuleLogSummary(log);
    if (sequence) PrintChannels(seq);
    if (records) PrintRecords(log, seq);
    return kExitOk;
}
