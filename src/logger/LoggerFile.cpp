// *.ZRD logger files: three header lines and one tab-separated line per record,
// newest first. Text is 8-bit; the description's line feeds travel as byte 0x01.
#include "logger/Logger.h"
#include "platform/Messages.h"
#include "platform/ProgramFiles.h"
#include "platform/TimeBase.h"

#include <QList>

bool FileIntervalAssumed = false;

namespace {

constexpr int kMaxLine = 199; // longer lines are no logger file of ours
constexpr uint32_t kAssumedOffset = 900;

QByteArray Line(const QString& text) {
    return text.toLatin1() + '\n';
}

QList<QByteArray> SplitLines(const QByteArray& data) {
    QList<QByteArray> lines = data.split('\n');
    for (QByteArray& l : lines)
        if (l.endsWith('\r')) l.chop(1);
    while (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

QStringList Fields(const QByteArray& line) {
    return QString::fromLatin1(line).split('\t');
}

int DecimalsOf(const QString& field) {
    for (int i = 0; i < field.size(); ++i)
        if (field[i] == '.' || field[i] == ',') return int(field.size()) - i - 1;
    return 0;
}

// Channel names and units from header lines 2 and 3.
void TakeHeader(LogSource& f, const QStringList& l1, const QStringList& l2, const QStringList& l3) {
    f.AddrText = l1[1].trimmed();
    f.DevText = l1[2];
    f.DevText.replace(QChar(0x01), '\n');
    f.NumChan = int(l3.size()) - 3;
    for (int i = 0; i < f.NumChan; ++i) {
        const size_t c = size_t(i);
        f.ChanName[c] = i + 3 < l2.size() ? l2[i + 3] : QString();
        f.ChanUnit[c] = l3[i + 3];
        f.ListHead1 += f.ChanName[c].rightJustified(10);
        f.ListHead2 += f.ChanUnit[c].rightJustified(10);
    }
}

void TakeValues(LogSource& f, MeterRecord& rec, const QStringList& fields, int r) {
    for (int i = 0; i < f.NumChan; ++i) {
        const size_t c = size_t(i);
        const QString text = i + 3 < fields.size() ? fields[i + 3] : QString();
        rec.values.push_back(text);
        double y = 0;
        if (!ValueFromText(text, y)) continue; // markers take no part in the extremes
        f.Digits[c] = DecimalsOf(text.trimmed());
        if (y > f.Max[c]) {
            f.Max[c] = y;
            f.MaxIx[c] = r;
        }
        if (y < f.Min[c]) {
            f.Min[c] = y;
            f.MinIx[c] = r;
        }
    }
}

bool Refuse() {
    Error(3, 6);
    return false;
}

} // namespace

QByteArray ZrdHeader(const LogSource& src) {
    return Line(src.FileHead1) + Line(src.FileHead2) + Line(src.FileHead3);
}

QByteArray ZrdLine(const MeterRecord& record) {
    QString line = (record.ok ? "OK\t" : "--\t") + record.date + '\t' + record.time;
    for (const QString& v : record.values)
        line += '\t' + v;
    return Line(line);
}

bool ParseZrd(const QByteArray& data, LogSource& src, LoggerRecords& records) {
    const QList<QByteArray> lines = SplitLines(data);
    if (lines.size() < 3) return Refuse();
    for (const QByteArray& l : lines)
        if (l.size() > kMaxLine) return Refuse();
    const QStringList l1 = Fields(lines[0]), l2 = Fields(lines[1]), l3 = Fields(lines[2]);
    if (l1.size() < 3 || l2.size() < 4 || l3.size() < 4 || l3.size() - 3 > kMaxMeterChannels) return Refuse();

    LogSource f;
    f.FileHead1 = QString::fromLatin1(lines[0]);
    f.FileHead2 = QString::fromLatin1(lines[1]);
    f.FileHead3 = QString::fromLatin1(lines[2]);
    f.ModeText = "--";
    TakeHeader(f, l1, l2, l3);
    f.Max.fill(-1e100);
    f.Min.fill(1e100);
    LoggerRecords out;
    uint32_t times[2] = {};
    bool timed[2] = {};
    for (int k = 3; k < lines.size(); ++k) {
        if (lines[k].isEmpty()) continue;
        const QStringList fields = Fields(lines[k]);
        const int r = int(out.rows.size());
        MeterRecord rec;
        rec.ok = fields[0] != "--";
        if (!rec.ok && f.FirstGapIx == kNoGap) f.FirstGapIx = r;
        rec.date = fields.value(1);
        rec.time = fields.value(2);
        if (r < 2) timed[r] = LoggerTimeFromText(rec.date, rec.time, times[r]);
        TakeValues(f, rec, fields, r);
        out.rows.push_back(std::move(rec));
    }
    // The clock's own conversion already counts a change of daylight saving time
    // between the two records.
    const int64_t diff = int64_t(times[0]) - int64_t(times[1]);
    FileIntervalAssumed = !(timed[0] && timed[1]);
    out.timeoffset = FileIntervalAssumed || diff <= 0 ? kAssumedOffset : uint32_t(diff);
    out.ref_time = timed[0] ? times[0] : NewestRecordTime(CalendarSecondsNow(), out.timeoffset);
    f.IntervalSeconds = out.timeoffset;
    f.IntervalText = IntervalTextFromSeconds(out.timeoffset);
    f.IntervalAsked = 0;
    f.NumRec = int32_t(out.rows.size());
    src = f;
    records = std::move(out);
    return true;
}

bool ReadZrdFile(const QString& path, LogSource& src, LoggerRecords& records) {
    QByteArray data;
    if (!ReadWholeFile(path.toStdString(), data)) {
        Error(2, 5);
        return false;
    }
    return ParseZrd(data, src, records);
}

bool WriteZrdFile(const QString& path, const LogSource& src, const LoggerRecords& records) {
    QByteArray data = ZrdHeader(src);
    for (const MeterRecord& rec : records.rows)
        data += ZrdLine(rec);
    FileFault fault = FileFault::None;
    if (WriteFileAtomically(path.toStdString(), data, &fault)) return true;
    ShowWriteFault(fault);
    return false;
}
