#include "cli/Cli.h"
#include "cli/CliJson.h"
#include "cli/LogFileCli.h"

#include "logger/Logger.h"

#include <cstdio>

namespace {

QString Extreme(const LoggerRecords& records, double value, int digits, int index) {
    const RecordTime t = GetLoggerTimeDate(records, index);
    return QString::number(value, 'f', digits) + '\t' + t.ixdate + ' ' + t.ixtime;
}

QJsonObject ZrdJson(const LogSource& file, const LoggerRecords& records) {
    QJsonArray channels;
    for (int i = 0; i < file.NumChan; ++i) {
        const size_t c = size_t(i);
        const UnitToSi unit = SiUnitOf(file.ChanUnit[c]);
        const auto at = [&](int index) { return records.ref_time - uint32_t(index) * records.timeoffset; };
        const JsonExtreme min{file.Min[c] * unit.factor, QString::number(file.Min[c], 'f', file.Digits[c]),
                              at(file.MinIx[c])};
        const JsonExtreme max{file.Max[c] * unit.factor, QString::number(file.Max[c], 'f', file.Digits[c]),
                              at(file.MaxIx[c])};
        const bool none = file.Min[c] > 1e30;
        channels.append(ChannelJson(file.ChanName[c], unit.unit, none ? nullptr : &min, none ? nullptr : &max));
    }
    return {{"records", file.NumRec}, {"interval", qint64(records.timeoffset)}, {"channels", channels}};
}

} // namespace

// What the panel shows of a *.ZRD: records, interval, and each channel's extremes with
// their times ("--" where a channel holds no number).
int CmdZrdInfo(MeterSession&, const QStringList& arguments) {
    QStringList args = arguments;
    const bool json = TakeJsonFlag(args);
    if (args.size() != 1) return UsageError("zrd-info takes one FILE.ZRD");
    LogSource file;
    LoggerRecords records;
    if (!ReadZrdFile(args[0], file, records)) return kExitDeviceFailed;
    if (json) {
        PrintJson(ZrdJson(file, records));
        return kExitOk;
    }
    QString out = QString("records\t%1\ninterval\t%2\n").arg(file.NumRec).arg(file.IntervalText);
    for (int i = 0; i < file.NumChan; ++i) {
        const size_t c = size_t(i);
        out += EscapeControls(file.ChanName[c]) + '\t' + EscapeControls(file.ChanUnit[c]) + '\t';
        if (file.Min[c] > 1e30)
            out += "--\t--\t--\t--";
        else
            out += Extreme(records, file.Min[c], file.Digits[c], file.MinIx[c]) + '\t' +
                   Extreme(records, file.Max[c], file.Digits[c], file.MaxIx[c]);
        out += '\n';
    }
    std::fputs(out.toUtf8().constData(), stdout);
    return kExitOk;
}
