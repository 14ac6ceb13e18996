#include "profiles/ExportTable.h"

#include "platform/ProgramFiles.h"

#include <QCoreApplication>
#include <array>
#include <charconv>
#include <clocale>
#include <cstdio>
#include <memory>
#include <xlsxwriter.h>

const char* const kExportNoFile =
    QT_TRANSLATE_NOOP("Messages", "The file cannot be created there. Choose another folder or name.");
const char* const kExportWriteFailed =
    QT_TRANSLATE_NOOP("Messages", "The file could not be written completely. Check the free space and try again.");
const char* const kExportTooManyRows = QT_TRANSLATE_NOOP(
    "Messages", "The records do not fit into the 1048576 rows of a worksheet. Export them as CSV instead.");
const char* const kExportBadRecords =
    QT_TRANSLATE_NOOP("Messages", "The logged records are incomplete. Read the logger or open the file again.");
const char* const kExportCancelled = QT_TRANSLATE_NOOP("Messages", "The export was cancelled.");

CsvStyle CsvStyleForLanguage(int language)
{
    if (language == 0 || language == 2) return {';', ','}; // German, Dutch
    return {',', '.'};
}

namespace {

// Percent of the records written so far, reported only when it grows.
struct ProgressCounter {
    ExportProgress* progress;
    int64_t total;
    int last = -1;
    bool step(int64_t done) {
        if (!progress) return true;
        const int p = total > 0 ? int(done * 100 / total) : 100;
        if (p > last) {
            last = p;
            if (progress->percent) progress->percent(p);
        }
        return !progress->cancel.load(std::memory_order_relaxed);
    }
};

int64_t SheetEnd(const ExportTable& t, size_t s)
{
    return s + 1 < t.sheetStarts.size() ? t.sheetStarts[s + 1] : t.records;
}

bool FitsWorkbook(const ExportTable& t)
{
    for (size_t s = 0; s < t.sheetStarts.size(); ++s)
        if (int64_t(t.header.size()) + SheetEnd(t, s) - t.sheetStarts[s] > kMaxSheetRows) return false;
    return true;
}

// ---- Workbook -----------------------------------------------------------------------

struct Workbook {
    lxw_workbook* book = nullptr;
    lxw_format* bold = nullptr;
    std::array<lxw_format*, 8> decimals{}; // "0", "0.0", ... "0.0000000"
};

Workbook OpenWorkbook(const std::string& file)
{
    // Constant memory: each row goes to a temporary file as soon as the next begins, so
    // a workbook of millions of cells needs no more memory than one row.
    lxw_workbook_options options = {LXW_TRUE, nullptr, LXW_FALSE};
    Workbook w;
    w.book = workbook_new_opt(file.c_str(), &options);
    if (!w.book) return w;
    w.bold = workbook_add_format(w.book);
    format_set_bold(w.bold);
    std::string pattern = "0";
    for (size_t d = 0; d < w.decimals.size(); ++d) {
        w.decimals[d] = workbook_add_format(w.book);
        format_set_num_format(w.decimals[d], pattern.c_str());
        pattern += d == 0 ? ".0" : "0";
    }
    return w;
}

void WriteSheetHead(const Workbook& w, lxw_worksheet* sheet, const ExportTable& t)
{
    for (size_t c = 0; c < t.widths.size(); ++c)
        worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), t.widths[c], nullptr);
    worksheet_freeze_panes(sheet, lxw_row_t(t.header.size()), 0);
    for (size_t r = 0; r < t.header.size(); ++r)
        for (size_t c = 0; c < t.header[r].size(); ++c)
            if (!t.header[r][c].isEmpty())
                worksheet_write_string(sheet, lxw_row_t(r), lxw_col_t(c), t.header[r][c].toUtf8().constData(),
                                       w.bold);
}

void WriteCells(const Workbook& w, lxw_worksheet* sheet, lxw_row_t row, const std::vector<ExportCell>& cells)
{
    for (size_t c = 0; c < cells.size(); ++c) {
        const ExportCell& cell = cells[c];
        if (cell.kind == ExportCell::Number) {
            lxw_format* f = cell.decimals >= 0 && size_t(cell.decimals) < w.decimals.size()
                                ? w.decimals[size_t(cell.decimals)]
                                : nullptr;
            worksheet_write_number(sheet, row, lxw_col_t(c), cell.number, f);
        } else if (cell.kind == ExportCell::Text) {
            worksheet_write_string(sheet, row, lxw_col_t(c), cell.text.c_str(), nullptr);
        }
    }
}

bool WriteXlsx(const ExportTable& t, const std::string& file, ExportProgress* progress, QString& error)
{
    Workbook w = OpenWorkbook(file);
    if (!w.book) {
        error = kExportNoFile;
        return false;
    }
    std::vector<ExportCell> row(t.widths.size());
    ProgressCounter counter{progress, t.records};
    bool going = counter.step(0);
    for (size_t s = 0; s < t.sheetStarts.size() && going; ++s) {
        lxw_worksheet* sheet = workbook_add_worksheet(w.book, nullptr);
        WriteSheetHead(w, sheet, t);
        lxw_row_t line = lxw_row_t(t.header.size());
        for (int64_t r = t.sheetStarts[s]; r < SheetEnd(t, s) && going; ++r, ++line) {
            t.fill(r, row);
            WriteCells(w, sheet, line, row);
            going = counter.step(r + 1);
        }
    }
    // Closed even when cancelled: closing is the only way to release the temporary files.
    const lxw_error closed = workbook_close(w.book);
    if (!going) error = kExportCancelled;
    else if (closed == LXW_ERROR_CREATING_XLSX_FILE) error = kExportNoFile;
    else if (closed != LXW_NO_ERROR) error = kExportWriteFailed;
    return going && closed == LXW_NO_ERROR;
}

// ---- CSV ----------------------------------------------------------------------------

struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};

// Spreadsheets take a field beginning with one of these for a formula. Texts come from
// devices and files, so such a text gets the apostrophe that marks typed text; a text
// of dashes alone (the markers "--" and "---") can start no formula.
bool ReadAsFormula(std::string_view v)
{
    return !v.empty() && std::string_view("=+-@\t\r").find(v[0]) != std::string_view::npos &&
           v.find_first_not_of('-') != std::string_view::npos;
}

void PutField(std::string& line, const char* text, size_t size, char separator)
{
    std::string_view v(text, size);
    std::string quoted;
    if (ReadAsFormula(v)) {
        quoted = "'" + std::string(v);
        v = quoted;
    }
    if (v.find_first_of(std::string{separator, '"', '\r', '\n'}) == std::string_view::npos) {
        line.append(v);
        return;
    }
    line += '"';
    for (char ch : v) {
        if (ch == '"') line += '"';
        line += ch;
    }
    line += '"';
}

void PutNumber(std::string& line, const ExportCell& cell, char decimal)
{
    char buffer[64];
    char* end = buffer;
    if (cell.decimals >= 0)
        end = std::to_chars(buffer, buffer + sizeof buffer, cell.number, std::chars_format::fixed, cell.decimals).ptr;
    else
        end = std::to_chars(buffer, buffer + sizeof buffer, cell.number).ptr;
    for (const char* p = buffer; p != end; ++p) line += *p == '.' ? decimal : *p;
}

bool WriteCsv(const ExportTable& t, const std::string& file, const CsvStyle& csv, ExportProgress* progress,
              QString& error)
{
    std::unique_ptr<FILE, FileCloser> f(std::fopen(file.c_str(), "wb"));
    if (!f) {
        error = kExportNoFile;
        return false;
    }
    std::setvbuf(f.get(), nullptr, _IOFBF, 1 << 20);
    // The byte order mark tells spreadsheet programs the file is UTF-8.
    std::string line = "\xEF\xBB\xBF";
    for (const auto& head : t.header) {
        for (size_t c = 0; c < head.size(); ++c) {
            if (c) line += csv.separator;
            const QByteArray text = head[c].toUtf8();
            PutField(line, text.constData(), size_t(text.size()), csv.separator);
        }
        line += "\r\n";
    }
    std::vector<ExportCell> row(t.widths.size());
    ProgressCounter counter{progress, t.records};
    bool going = counter.step(0);
    for (int64_t r = 0; r < t.records && going; ++r) {
        t.fill(r, row);
        for (size_t c = 0; c < row.size(); ++c) {
            if (c) line += csv.separator;
            if (row[c].kind == ExportCell::Number) PutNumber(line, row[c], csv.decimal);
            else if (row[c].kind == ExportCell::Text)
                PutField(line, row[c].text.data(), row[c].text.size(), csv.separator);
        }
        line += "\r\n";
        if (line.size() > 60000) {
            std::fwrite(line.data(), 1, line.size(), f.get());
            line.clear();
        }
        going = counter.step(r + 1);
    }
    if (!line.empty()) std::fwrite(line.data(), 1, line.size(), f.get());
    const bool written = std::fflush(f.get()) == 0 && !std::ferror(f.get());
    const bool closed = std::fclose(f.release()) == 0;
    if (!going) error = kExportCancelled;
    else if (!written || !closed) error = kExportWriteFailed;
    return going && written && closed;
}

// The file appears under its name only once it is complete.
bool WriteThroughTemporary(const ExportTable& table, const QString& path, bool workbook, const CsvStyle& csv,
                  ExportProgress* progress, QString& error)
{
    const std::string target = path.toStdString();
    const std::string temporary = CreateFileBeside(target);
    if (temporary.empty()) {
        error = kExportNoFile;
        return false;
    }
    const bool ok = workbook ? WriteXlsx(table, temporary, progress, error)
                             : WriteCsv(table, temporary, csv, progress, error);
    if (!ok) {
        DiscardFile(temporary);
        return false;
    }
    if (!CommitFileBeside(temporary, target)) {
        error = kExportWriteFailed;
        return false;
    }
    return true;
}

} // namespace

bool WriteExportTable(const ExportTable& table, const QString& path, const CsvStyle& csv,
                      ExportProgress* progress, QString& error)
{
    const bool workbook = path.endsWith(".xlsx", Qt::CaseInsensitive);
    if (workbook && !FitsWorkbook(table)) {
        error = kExportTooManyRows;
        return false;
    }
    // The library prints numbers with printf, which follows the user's locale (set by
    // Qt) and would write "230,1" into the workbook's XML; this thread writes in "C".
    const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    const locale_t previous = uselocale(c);
    const bool ok = WriteThroughTemporary(table, path, workbook, csv, progress, error);
    uselocale(previous);
    freelocale(c);
    return ok;
}

