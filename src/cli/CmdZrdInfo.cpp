#include "cli/Cli.h"

#include "logger/Logger.h"

#include <cstdio>

namespace {

QString Extreme(double value, int digits, int index) {
    const RecordTime t = GetLoggerTimeDate(LogRecords, index);
    return QString::number(value, 'f', digits) + '\t' + t.ixdate + ' ' + t.ixtime;
}

} // namespace

// What the panel shows of a *.ZRD: records, interval, and each channel's extremes with
// their times ("--" where a channel holds no number).
int CmdZrdInfo(const QStringList& args) {
    if (args.size() != 1) return UsageError("zrd-info takes one FILE.ZRD");
    if (!ReadZrdFile(args[0], File, LogRecords)) return kExitDeviceFailed;
    QString out = QString("records\t%1\ninterval\t%2\n").arg(File.NumRec).arg(File.IntervalText);
    for (int i = 0; i < File.NumChan; ++i) {
        const size_t c = size_t(i);
        out += EscapeControls(File.ChanName[c]) + '\t' + EscapeControls(File.ChanUnit[c]) + '\t';
        if (File.Min[c] > 1e30)
            out += "--\t--\t--\t--";
        else
            out += Extreme(File.Min[c], File.Digits[c], File.MinIx[c]) + '\t' +
                   Extreme(File.Max[c], File.Digits[c], File.MaxIx[c]);
        out += '\n';
    }
    std::fputs(out.toUtf8().constData(), stdout);
    return kExitOk;
}
