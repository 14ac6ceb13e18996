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

void MeterValueCell(const LoggerRecords& records, size_t r, int c, ExportCell& cell)
{
    const LoggedValue v = records.value(r, c);
    const auto it = records.verbatim.empty() ? records.verbatim.end() : records.verbatim.find(records.FieldKey(r, 2 + c));
    if (it != records.verbatim.end()) { // a file's own text: its number keeps the decimals written
        if (v.ok()) {
            cell.kind = ExportCell::Number;
            cell.number = v.value;
            cell.decimals = DecimalsOf(it->second);
        } else {
            SetText(cell, it->second.trimmed());
        }
    } else if (v.ok()) {
        cell.kind = ExportCell::Number;
        cell.number = v.value;
        cell.decimals = int8_t(std::clamp<int>(records.decimals[size_t(c)], 0, 7));
    } else {
        SetText(cell, MarkerText(v.validity, MarkerPlace::Record));
    }
}

// The date and time cells of a record's stamp.
void StampCells(StampClock& clock, uint32_t stamp, ExportCell& date, ExportCell& time)
{
    const LocalStamp local = clock.local(stamp);
    LocalStampTexts(local, date.text, time.text);
    date.kind = ExportCell::Date;
    date.number = double(local.day);
    time.kind = ExportCell::Time;
    time.number = local.second;
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
        if (shown == QLatin1String("undef")) return SetText(cell, shown);
    }
    cell.kind = ExportCell::Number;
    cell.decimals = int8_t(digits);
    // The panel's text rounds the exact binary value, halves away from zero; y * 10^digits
    // may land on a half that y itself is not, and only then is the text worth making.
    const double shifted = y * kPower[digits];
    if (std::abs(shifted - std::floor(shifted) - 0.5) > 1e-6) cell.number = std::round(shifted) / kPower[digits];
    else cell.number = QString::asprintf("%.*f", digits, y).toDouble();
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
    t.records = int64_t(records.size());
    t.sheetStarts = {0};
    t.fill = [&records, n, clock = StampClock{}](int64_t r, std::vector<ExportCell>& row) mutable {
        const size_t i = size_t(r);
        SetText(row[0], records.gaps[i] ? "--" : "OK");
        StampCells(clock, records.times[i], row[1], row[2]);
        if (!records.verbatim.empty()) { // a file's date that is no date stays its text
            for (int f = 0; f < 2; ++f) {
                const auto it = records.verbatim.find(records.FieldKey(i, f));
                if (it != records.verbatim.end()) SetText(row[size_t(1 + f)], it->second);
            }
        }
        for (int c = 0; c < n; ++c) {
            if (c < records.channels) MeterValueCell(records, i, c, row[size_t(3 + c)]);
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
    error = ExportFaultText(ExportFault::BadRecords);
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
        StampCells(clock, log.LogStamp[seq.FirstStamp + size_t(r)], row[0], row[1]);
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
    if (!records.empty()) {
        const QStringList dmy = RecordDateText(records, 0).split('.');
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
