// *.ZRD logger files: three header lines and one tab-separated line per record,
// newest first. Text is 8-bit; the description's line feeds travel as byte 0x01.
#include "logger/Logger.h"
#include "platform/Messages.h"
#include "platform/ProgramFiles.h"
#include "platform/TimeBase.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kMaxLine = 199; // longer lines are no logger file of ours
constexpr uint32_t kAssumedOffset = 900;

QByteArray Line(const QString& text) {
    return text.toLatin1() + '\n';
}

// The lines of a file one after the other, a line feed before a carriage return taken
// as one line end.
class Lines {
  public:
    explicit Lines(const QByteArray& data) : data_(data) {}
    bool next(QByteArrayView& line) {
        if (at_ >= data_.size()) return false;
        qsizetype end = data_.indexOf('\n', at_);
        if (end < 0) end = data_.size();
        line = QByteArrayView(data_).sliced(at_, end - at_);
        if (line.endsWith('\r')) line.chop(1);
        at_ = end + 1;
        return true;
    }

  private:
    const QByteArray& data_;
    qsizetype at_ = 0;
};

QStringList Fields(QByteArrayView line) {
    return QString::fromLatin1(line).split('\t');
}

int DecimalsOf(const QString& field) {
    for (int i = 0; i < field.size(); ++i)
        if (field[i] == '.' || field[i] == ',') return int(field.size()) - i - 1;
    return 0;
}

// A value text of a file as a number; false for a marker or anything not a number,
// which then takes part in no extreme, no curve and no numeric cell.
bool ValueFromText(const QString& text, double& value) {
    bool ok = false;
    const QString t = text.trimmed();
    value = t.toDouble(&ok);
    if (!ok) value = QString(t).replace(',', '.').toDouble(&ok);
    return ok && std::isfinite(value);
}

// The state a marker word of a file stands for; a text that is neither number nor
// marker counts as no reading at all.
Validity MarkerValidity(const QString& text) {
    static const Validity kMarked[] = {Validity::NotLogged, Validity::Overload, Validity::OutOfRange,
                                       Validity::Below45Hz, Validity::Above65Hz, Validity::NoReading};
    const QString t = text.trimmed();
    for (Validity v : kMarked)
        if (t == MarkerText(v, MarkerPlace::Record)) return v;
    return Validity::Overload;
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

void TakeValues(LogSource& f, LoggerRecords& records, std::array<bool, kMaxMeterChannels>& decimalsKnown,
                const QStringList& fields, size_t r) {
    for (int i = 0; i < f.NumChan; ++i) {
        const size_t c = size_t(i);
        const QString text = i + 3 < fields.size() ? fields[i + 3] : QString();
        double y = 0;
        LoggedValue v;
        if (ValueFromText(text, y)) {
            const int decimals = DecimalsOf(text.trimmed());
            f.Digits[c] = decimals;
            if (!decimalsKnown[c] && decimals <= 20) {
                decimalsKnown[c] = true;
                records.decimals[c] = int8_t(decimals);
            }
            v = {y, Validity::Ok};
        } else {
            v = {0.0, MarkerValidity(text)};
        }
        records.set(r, i, v);
        if (RecordValueText(records, r, i) != text) records.verbatim[records.FieldKey(r, 2 + i)] = text;
        if (!v.ok()) continue; // markers take no part in the extremes
        if (y > f.Max[c]) {
            f.Max[c] = y;
            f.MaxIx[c] = int32_t(r);
        }
        if (y < f.Min[c]) {
            f.Min[c] = y;
            f.MinIx[c] = int32_t(r);
        }
    }
}

bool SameText(const std::string& made, const QString& written) {
    if (qsizetype(made.size()) != written.size()) return false;
    for (size_t i = 0; i < made.size(); ++i)
        if (written[qsizetype(i)] != QLatin1Char(made[i])) return false;
    return true;
}

// Date and time of a record as calendar seconds. A record of the same date as the one
// before is counted from it and checked, which spares the costly conversion for most.
struct RecordDates {
    StampClock clock;
    QString lastDate;
    uint32_t lastTime = 0;
    int lastSecond = -1; // second of the day of lastTime, -1: none
    std::string date, time;

    static int SecondOfDay(const QString& t) {
        if (t.size() != 8 || t[2] != ':' || t[5] != ':') return -1;
        int part[3];
        for (int k = 0; k < 3; ++k) {
            if (!t[3 * k].isDigit() || !t[3 * k + 1].isDigit()) return -1;
            part[k] = t[3 * k].digitValue() * 10 + t[3 * k + 1].digitValue();
        }
        return part[0] * 3600 + part[1] * 60 + part[2];
    }
    bool shows(uint32_t t, const QString& d, const QString& tm) {
        clock.texts(t, date, time);
        return SameText(date, d) && SameText(time, tm);
    }
    // True when the texts give back exactly `seconds`; `parsed` when they name a time at all.
    bool take(const QString& d, const QString& tm, uint32_t& seconds, bool& parsed) {
        const int second = SecondOfDay(tm);
        if (second >= 0 && lastSecond >= 0 && d == lastDate) {
            const uint32_t t = lastTime + uint32_t(second - lastSecond);
            if (shows(t, d, tm)) return remember(d, t, second, seconds, parsed);
        }
        parsed = LoggerTimeFromText(d, tm, seconds);
        if (!parsed) return false;
        if (!shows(seconds, d, tm)) return false;
        return remember(d, seconds, second, seconds, parsed);
    }
    bool remember(const QString& d, uint32_t t, int second, uint32_t& seconds, bool& parsed) {
        lastDate = d;
        lastTime = t;
        lastSecond = second;
        seconds = t;
        parsed = true;
        return true;
    }
};

bool Refuse() {
    Error(3, 6);
    return false;
}

void AppendValue(QByteArray& line, const LoggerRecords& records, size_t r, int c) {
    const LoggedValue v = records.value(r, c);
    if (!v.ok() || !records.verbatim.empty()) {
        line += RecordValueText(records, r, c).toLatin1();
        return;
    }
    char text[64];
    const int n = std::snprintf(text, sizeof text, "%7.*f", int(records.decimals[size_t(c)]), v.value);
    line.append(text, std::clamp(n, 0, int(sizeof text) - 1));
}

} // namespace

QByteArray ZrdHeader(const LogSource& src) {
    return Line(src.FileHead1) + Line(src.FileHead2) + Line(src.FileHead3);
}

QByteArray ZrdLine(const LoggerRecords& records, size_t r, StampClock& clock) {
    QByteArray line = records.gaps[r] ? "--\t" : "OK\t";
    std::string date, time;
    clock.texts(records.times[r], date, time);
    if (records.verbatim.empty()) {
        line.append(date.data(), qsizetype(date.size())).append('\t').append(time.data(), qsizetype(time.size()));
    } else {
        const auto field = [&](int f, const std::string& made) {
            const auto it = records.verbatim.find(records.FieldKey(r, f));
            return it == records.verbatim.end() ? QByteArray::fromStdString(made) : it->second.toLatin1();
        };
        line += field(0, date) + '\t' + field(1, time);
    }
    for (int c = 0; c < records.channels; ++c) {
        line += '\t';
        AppendValue(line, records, r, c);
    }
    return line + '\n';
}

QByteArray ZrdLine(const LoggerRecords& records, size_t r) {
    StampClock clock;
    return ZrdLine(records, r, clock);
}

bool ParseZrd(const QByteArray& data, LogSource& src, LoggerRecords& records) {
    // Every line is looked at before anything is taken: a line too long is no file of ours.
    qsizetype count = 0, used = 0;
    QByteArrayView line;
    for (Lines all(data); all.next(line);) {
        if (line.size() > kMaxLine) return Refuse();
        ++count;
        if (!line.isEmpty()) used = count;
    }
    if (used < 3) return Refuse();
    Lines lines(data);
    QStringList head[3];
    for (QStringList& h : head) {
        lines.next(line);
        h = Fields(line);
    }
    const QStringList &l1 = head[0], &l2 = head[1], &l3 = head[2];
    if (l1.size() < 3 || l2.size() < 4 || l3.size() < 4 || l3.size() - 3 > kMaxMeterChannels) return Refuse();

    LogSource f;
    f.FileHead1 = l1.join('\t');
    f.FileHead2 = l2.join('\t');
    f.FileHead3 = l3.join('\t');
    f.ModeText = "--";
    TakeHeader(f, l1, l2, l3);
    f.Max.fill(-1e100);
    f.Min.fill(1e100);
    LoggerRecords out;
    out.channels = f.NumChan;
    std::array<bool, kMaxMeterChannels> decimalsKnown{};
    uint32_t times[2] = {};
    bool timed[2] = {};
    std::vector<size_t> undated; // records whose texts name no time
    RecordDates dates;
    for (qsizetype k = 3; k < used && lines.next(line); ++k) {
        if (line.isEmpty()) continue;
        const QStringList fields = Fields(line);
        const QString date = fields.value(1), time = fields.value(2);
        uint32_t when = 0;
        bool parsed = false;
        const bool exact = dates.take(date, time, when, parsed);
        const size_t r = out.add(when, fields[0] == "--");
        if (!parsed) undated.push_back(r);
        if (!exact) {
            out.verbatim[out.FieldKey(r, 0)] = date;
            out.verbatim[out.FieldKey(r, 1)] = time;
        }
        if (out.gaps[r] && f.FirstGapIx == kNoGap) f.FirstGapIx = int32_t(r);
        if (r < 2) {
            timed[r] = parsed;
            times[r] = when;
        }
        TakeValues(f, out, decimalsKnown, fields, r);
    }
    // The clock's own conversion already counts a change of daylight saving time
    // between the two records.
    const int64_t diff = int64_t(times[0]) - int64_t(times[1]);
    f.IntervalAssumed = !(timed[0] && timed[1]);
    out.timeoffset = f.IntervalAssumed || diff <= 0 ? kAssumedOffset : uint32_t(diff);
    out.ref_time = timed[0] ? times[0] : NewestRecordTime(CalendarSecondsNow(), out.timeoffset);
    for (size_t r : undated)
        out.times[r] = out.ref_time - uint32_t(r) * out.timeoffset;
    f.IntervalSeconds = out.timeoffset;
    f.IntervalText = IntervalTextFromSeconds(out.timeoffset);
    f.IntervalAsked = 0;
    f.NumRec = int32_t(out.size());
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
    StampClock clock;
    for (size_t r = 0; r < records.size(); ++r)
        data += ZrdLine(records, r, clock);
    FileFault fault = FileFault::None;
    if (WriteFileAtomically(path.toStdString(), data, &fault)) return true;
    ShowWriteFault(fault);
    return false;
}
