#include "profiles/ExcelInt.h"

#include "platform/TimeBase.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace {

double ColumnWidth(const QString& name, const QString& unit)
{
    return std::max<double>({10.0, name.size() + 2.0, unit.size() + 2.0});
}

// Digits after the decimal mark of a value text: the decimals the panel showed.
int8_t DecimalsOf(const QString& text)
{
    qsizetype mark = text.indexOf('.');
    if (mark < 0) mark = text.indexOf(',');
    int digits = 0;
    for (qsizetype i = mark + 1; mark >= 0 && i < text.size() && text[i].isDigit(); ++i) ++digits;
    return int8_t(std::min(digits, 7));
}

void SetText(ExportCell& cell, const QString& text)
{
    cell.kind = text.isEmpty() ? ExportCell::Empty : ExportCell::Text;
    cell.text = text.toStdString();
}

void SetText(ExportCell& cell, const char* text)
{
    cell.kind = ExportCell::Text;
    cell.text.assign(text);
}

void MeterValueCell(const QString& text, ExportCell& cell)
{
    double v = 0.0;
    if (ValueFromText(text, v)) {
        cell.kind = ExportCell::Number;
        cell.number = v;
        cell.decimals = DecimalsOf(text);
    } else {
        SetText(cell, text.trimmed());
    }
}

// The cell of value v of channel k: the number the module panel shows (scaled, rounded
// to its decimals) or its marker word as text.
void ModuleValueCell(const LogSequence& seq, int k, float v, ExportCell& cell)
{
    const Validity validity = JudgeReading(v, ModuleCodeCheck(seq.Codes[size_t(k)]));
    if (validity != Validity::Ok) return SetText(cell, MarkerText(validity, MarkerPlace::Record));
    const double scale = seq.Scale[size_t(k)] != 0.0 ? seq.Scale[size_t(k)] : 1.0;
    const double y = v / scale;
    static constexpr double kPower[] = {1, 10, 100, 1000, 10000, 100000};
    const int digits = seq.Digits[size_t(k)] >= 2 && seq.Digits[size_t(k)] <= 4 ? seq.Digits[size_t(k)] : 1;
    // Only numbers near the width of the panel's column can turn into its "undef": ask
    // the panel's own verdict for those.
    if (std::abs(y) >= kPower[5 - digits]) {
        const QString shown = ModuleValueText(seq, k, v).trimmed();
        double ignored = 0.0;
        if (!ValueFromText(shown, ignored)) return SetText(cell, shown);
    }
    cell.kind = ExportCell::Number;
    cell.decimals = int8_t(digits);
    // The panel's text rounds the exact binary value, halves away from zero; y * 10^digits
    // may land on a half that y itself is not, and only then is the text worth making.
    const double shifted = y * kPower[digits];
    if (std::abs(shifted - std::floor(shifted) - 0.5) > 1e-6) cell.number = std::round(shifted) / kPower[digits];
    else cell.number = QString::asprintf("%.*f", digits, y).toDouble();
}

// Days since 1970-01-01 to year, month, day (proleptic Gregorian calendar).
void CivilFromDays(int64_t z, int64_t& y, unsigned& m, unsigned& d)
{
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = unsigned(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = int64_t(yoe) + era * 400 + (m <= 2);
}

void PutTwo(std::string& s, size_t at, unsigned v)
{
    s[at] = char('0' + v / 10 % 10);
    s[at + 1] = char('0' + v % 10);
}

int64_t FloorDiv(int64_t a, int64_t b)
{
    return a / b - (a % b < 0);
}

QString FileNamePart(const QString& text)
{
    if (!text.contains(QRegularExpression("\\w"))) return {};
    QString out;
    for (QChar ch : text.section('\n', 0, 0).trimmed()) {
        const bool keep = ch.isLetterOrNumber() || ch == '-' || ch == '_';
        if (keep) out += ch;
        else if (!out.endsWith('_')) out += '_';
    }
    return out.left(40);
}

QString ExportName(const QString& device, const QString& isoDate)
{
    QString name = "ZARO";
    if (!FileNamePart(device).isEmpty()) name += "_" + FileNamePart(device);
    if (!isoDate.isEmpty()) name += "_" + isoDate;
    return name + ".xlsx";
}

} // namespace

void StampClock::texts(uint32_t stamp, std::string& date, std::string& time)
{
    const int64_t unix = int64_t(stamp) - int64_t(kUnixTo1900);
    const int64_t utcDay = FloorDiv(unix, 86400);
    if (utcDay != day) {
        day = utcDay;
        const int64_t first = utcDay * 86400 + int64_t(kUnixTo1900);
        steady = first >= 0 && first + 86399 <= int64_t(UINT32_MAX);
        if (steady) {
            offset = LocalOffsetAt(uint32_t(first));
            steady = offset == LocalOffsetAt(uint32_t(first + 86399));
        }
    }
    unsigned year, month, mday, hour, minute, second;
    if (steady) {
        const int64_t local = unix + offset;
        const int64_t localDay = FloorDiv(local, 86400);
        const auto inDay = unsigned(local - localDay * 86400);
        int64_t y;
        CivilFromDays(localDay, y, month, mday);
        year = unsigned(y);
        hour = inDay / 3600, minute = inDay / 60 % 60, second = inDay % 60;
    } else {
        const LocalTime t = LocalFromCalendarSeconds(stamp);
        year = t.year, month = t.month, mday = t.day, hour = t.hour, minute = t.minute, second = t.second;
    }
    date.assign("00.00.00");
    PutTwo(date, 0, mday), PutTwo(date, 3, month), PutTwo(date, 6, year % 100);
    time.assign("00:00:00");
    PutTwo(time, 0, hour), PutTwo(time, 3, minute), PutTwo(time, 6, second);
}

ExportTable MeterExportTable(const LogSource& source, const LoggerRecords& records)
{
    const int n = std::clamp(source.NumChan, 0, kMaxMeterChannels);
    ExportTable t;
    t.header.assign(3, std::vector<QString>(size_t(3 + n)));
    t.header[0][0] = "Device:";
    t.header[0][1] = source.AddrText;
    t.header[0][2] = source.DevText;
    t.header[1][0] = "status", t.header[1][1] = "date", t.header[1][2] = "time";
    t.widths = {8, 10, 10};
    for (int c = 0; c < n; ++c) {
        t.header[1][size_t(3 + c)] = source.ChanName[size_t(c)];
        t.header[2][size_t(3 + c)] = source.ChanUnit[size_t(c)];
        t.widths.push_back(ColumnWidth(source.ChanName[size_t(c)], source.ChanUnit[size_t(c)]));
    }
    t.records = int64_t(records.rows.size());
    t.sheetStarts = {0};
    t.fill = [&records, n](int64_t r, std::vector<ExportCell>& row) {
        const MeterRecord& rec = records.rows[size_t(r)];
        SetText(row[0], rec.ok ? "OK" : "--");
        SetText(row[1], rec.date);
        SetText(row[2], rec.time);
        for (int c = 0; c < n; ++c) {
            if (size_t(c) < rec.values.size()) MeterValueCell(rec.values[size_t(c)], row[size_t(3 + c)]);
            else row[size_t(3 + c)].kind = ExportCell::Empty;
        }
    };
    return t;
}

bool ExportMeterLog(const LogSource& source, const LoggerRecords& records, const QString& path,
                    ExportProgress* progress, QString& error, CsvStyle csv)
{
    return WriteExportTable(MeterExportTable(source, records), path, csv, progress, error);
}

bool ModuleExportTable(const ModuleLog& log, int sequence, ExportTable& t, QString& error)
{
    error = kExportBadRecords;
    if (sequence < 1 || size_t(sequence) >= log.Dev57.size()) return false;
    const LogSequence& seq = log.Dev57[size_t(sequence)];
    const uint64_t rec = seq.NumRec, n = seq.NumChan;
    if (n > uint64_t(kMaxModuleChannels) || seq.FirstStamp + rec > log.LogStamp.size() ||
        seq.FirstVal + rec * n > log.LogVal.size())
        return false;
    error.clear();

    // Ordinary values first, then maxima and minima, headers and values alike: a
    // sequence that lists its extremes first still gets matching columns.
    std::vector<int> order(n);
    for (size_t k = 0; k < n; ++k) order[k] = int(k);
    std::stable_partition(order.begin(), order.end(), [&seq](int k) { return !IsExtremeCode(seq.Codes[size_t(k)]); });

    t = ExportTable{};
    t.header.assign(3, std::vector<QString>(2 + n));
    t.header[0][0] = "Device:";
    const auto& id = log.DevID;
    t.header[0][1] = QString::asprintf("%02x-%02x-%02x-%02x-%02x-%02x", id[0], id[1], id[2], id[3], id[4], id[5]);
    if (n > 0) t.header[0][2] = log.DevName;
    t.header[1][0] = "date", t.header[1][1] = "time";
    t.widths = {10, 10};
    for (size_t c = 0; c < n; ++c) {
        const size_t k = size_t(order[c]);
        const QString name = seq.Names[k].isEmpty() ? QString("#%1").arg(seq.Codes[k]) : seq.Names[k].trimmed();
        t.header[1][2 + c] = name;
        t.header[2][2 + c] = seq.Units[k].trimmed();
        t.widths.push_back(ColumnWidth(name, seq.Units[k].trimmed()));
    }
    t.records = int64_t(rec);
    t.sheetStarts = {0};
    for (int s = 1; s < 3 && s * kModuleSheetRecords < t.records; ++s) t.sheetStarts.push_back(s * kModuleSheetRecords);
    t.fill = [&log, &seq, order, clock = StampClock{}](int64_t r, std::vector<ExportCell>& row) mutable {
        clock.texts(log.LogStamp[seq.FirstStamp + size_t(r)], row[0].text, row[1].text);
        row[0].kind = row[1].kind = ExportCell::Text;
        const float* values = log.LogVal.data() + seq.FirstVal + size_t(r) * seq.NumChan;
        for (size_t c = 0; c < order.size(); ++c) ModuleValueCell(seq, order[c], values[order[c]], row[2 + c]);
    };
    return true;
}

bool ExportModuleLog(const ModuleLog& log, int sequence, const QString& path, ExportProgress* progress,
                     QString& error, CsvStyle csv)
{
    ExportTable table;
    return ModuleExportTable(log, sequence, table, error) && WriteExportTable(table, path, csv, progress, error);
}

QString MeterExportName(const LogSource& source, const LoggerRecords& records)
{
    QString device = source.DevText.section('\n', 0, 0).trimmed();
    if (device.isEmpty()) device = source.AddrText.trimmed();
    QString date;
    if (!records.rows.empty()) {
        const QStringList dmy = records.rows.front().date.split('.');
        if (dmy.size() == 3) date = QString("20%1-%2-%3").arg(dmy[2], dmy[1], dmy[0]);
    }
    return ExportName(device, date);
}

QString ModuleExportName(const ModuleLog& log, int sequence)
{
    QString date;
    if (sequence >= 1 && size_t(sequence) < log.Dev57.size()) {
        const LogSequence& seq = log.Dev57[size_t(sequence)];
        if (seq.NumRec > 0 && seq.FirstStamp < log.LogStamp.size()) {
            const LocalTime t = LocalFromCalendarSeconds(log.LogStamp[seq.FirstStamp]);
            date = QString::asprintf("%04u-%02u-%02u", t.year, t.month, t.day);
        }
    }
    const auto& id = log.DevID;
    const QString device = !log.DevName.trimmed().isEmpty()
                               ? log.DevName
                               : QString::asprintf("%02x-%02x-%02x-%02x-%02x-%02x", id[0], id[1], id[2], id[3], id[4], id[5]);
    return ExportName(device, date);
}
