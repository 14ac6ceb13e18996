#include "profiles/ExportTable.h"

#include "platform/ProgramFiles.h"

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <array>
#include <cctype>
#include <cfloat>
#include <charconv>
#include <clocale>
#include <cstdio>
#include <fcntl.h>
#include <limits>
#include <memory>
#include <string_view>
#include <unistd.h>
#include <xlsxwriter.h>
#include <zlib.h>

const char* ExportFaultText(ExportFault fault)
{
    static const char* const kTexts[] = {
        QT_TRANSLATE_NOOP("Messages", "The file cannot be created there. Choose another folder or name."),
        QT_TRANSLATE_NOOP("Messages", "The file could not be written completely. Check the free space and try again."),
        QT_TRANSLATE_NOOP("Messages",
                          "The records do not fit into the 1048576 rows of a worksheet. Export them as CSV instead."),
        QT_TRANSLATE_NOOP("Messages", "The logged records are incomplete. Read the logger or open the file again."),
        QT_TRANSLATE_NOOP("Messages", "The export was cancelled.")};
    return kTexts[int(fault)];
}

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
    lxw_format* date = nullptr;            // as the record list shows them
    lxw_format* time = nullptr;
    std::string temporaryFolder;
};

Workbook OpenWorkbook(const std::string& file)
{
    Workbook w;
    // Constant memory: each row goes to a temporary file as soon as the next begins, so
    // a workbook of millions of cells needs no more memory than one row. Those files lie
    // beside the workbook, on the disk it needs anyway, not in a /tmp of its own size.
    w.temporaryFolder = FolderOf(file);
    lxw_workbook_options options = {LXW_TRUE, w.temporaryFolder.data(), LXW_FALSE};
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
    w.date = workbook_add_format(w.book);
    format_set_num_format(w.date, "dd.mm.yy");
    w.time = workbook_add_format(w.book);
    format_set_num_format(w.time, "hh:mm:ss");
    return w;
}

// The spreadsheet's serial number of a local day: days from 1899-12-30, less one before
// March 1900 for the 29 February 1900 that spreadsheets count and the calendar does not.
// Below 1 for days before 1900, which a spreadsheet cannot show.
double SerialDay(double daysFrom1970)
{
    const double serial = daysFrom1970 + 25569;
    return serial < 61 ? serial - 1 : serial;
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
        } else if (cell.kind == ExportCell::Date && SerialDay(cell.number) >= 1) {
            worksheet_write_number(sheet, row, lxw_col_t(c), SerialDay(cell.number), w.date);
        } else if (cell.kind == ExportCell::Time) {
            worksheet_write_number(sheet, row, lxw_col_t(c), cell.number / 86400, w.time);
        } else if (cell.kind != ExportCell::Empty) { // text, or a date no spreadsheet can show
            worksheet_write_string(sheet, row, lxw_col_t(c), cell.text.c_str(), nullptr);
        }
    }
}

// ---- Reading the workbook back ------------------------------------------------------
// The library ignores failed writes to its temporary files: a full disk there gives a
// workbook with rows missing, and workbook_close() still reports success. So the
// finished file is read back: every part whole as the archive records it, every sheet
// with each row written, in order, up to its closing tag.

uint32_t Le16(const uchar* p) { return uint32_t(p[0] | p[1] << 8); }
uint32_t Le32(const uchar* p) { return Le16(p) | Le16(p + 2) << 16; }

// The rows a sheet must hold, 1-based as the sheet numbers them: its header rows that
// have a cell, then one per record.
struct SheetRows {
    std::vector<uint32_t> header;
    uint32_t first = 1, last = 0; // the records'
};

// Follows one part of the archive as it is inflated, piece by piece.
class PartScan {
  public:
    explicit PartScan(const SheetRows* sheet) : rows(sheet), next(sheet ? sheet->first : 0) {}
    void feed(std::string_view piece);
    bool whole() const;

  private:
    const SheetRows* rows; // null: no sheet
    size_t headerSeen = 0;
    uint64_t next;
    bool inOrder = true;
    std::string carry; // an unfinished row tag, or the last bytes of the text so far

    void take(uint64_t row);
};

void PartScan::take(uint64_t row)
{
    if (headerSeen < rows->header.size()) inOrder = inOrder && row == rows->header[headerSeen++];
    else inOrder = inOrder && row == next++;
}

void PartScan::feed(std::string_view piece)
{
    std::string joined;
    if (!carry.empty()) {
        joined = carry;
        joined.append(piece);
        piece = joined;
    }
    static constexpr std::string_view kRowTag = "<row r=\"";
    size_t at = 0;
    bool cut = false;
    for (size_t found; rows && (found = piece.find(kRowTag, at)) != std::string_view::npos;) {
        size_t end = found + kRowTag.size();
        uint64_t row = 0;
        for (; end < piece.size() && piece[end] >= '0' && piece[end] <= '9' && row < UINT32_MAX; ++end)
            row = row * 10 + uint64_t(piece[end] - '0');
        if (end == piece.size()) { // the number may go on in the next piece
            at = found;
            cut = true;
            break;
        }
        if (piece[end] == '"' && end > found + kRowTag.size()) take(row);
        else inOrder = false;
        at = end;
    }
    // No row tag starts before `at` unread; the tail keeps a tag cut in two and the end.
    constexpr size_t kTail = 16;
    if (!cut && piece.size() - at > kTail) at = piece.size() - kTail;
    carry.assign(piece.substr(at));
}

bool PartScan::whole() const
{
    std::string_view end(carry);
    while (!end.empty() && std::isspace(uchar(end.back()))) end.remove_suffix(1);
    if (!rows) return !end.empty() && end.back() == '>';
    return inOrder && headerSeen == rows->header.size() && next == uint64_t(rows->last) + 1 &&
           end.size() >= 12 && end.substr(end.size() - 12) == "</worksheet>";
}

// Inflates (or copies) one part: its size and CRC as the archive says, its text whole.
bool PartIsWhole(const uchar* data, uint32_t stored, uint32_t method, uint32_t size, uint32_t crc, PartScan& scan)
{
    std::vector<char> out(1 << 18);
    uLong sum = crc32(0, nullptr, 0);
    uint64_t produced = 0;
    if (method == 0) {
        scan.feed(std::string_view(reinterpret_cast<const char*>(data), stored));
        sum = crc32(sum, data, stored);
        produced = stored;
    } else if (method == Z_DEFLATED) {
        z_stream z{};
        if (inflateInit2(&z, -MAX_WBITS) != Z_OK) return false; // raw deflate, as in a zip
        z.next_in = const_cast<uchar*>(data);
        z.avail_in = stored;
        int status = Z_OK;
        while (status == Z_OK) {
            z.next_out = reinterpret_cast<uchar*>(out.data());
            z.avail_out = uInt(out.size());
            status = inflate(&z, Z_NO_FLUSH);
            const size_t n = out.size() - z.avail_out;
            if (n == 0 && status == Z_OK) status = Z_BUF_ERROR; // stuck: the data ends early
            sum = crc32(sum, reinterpret_cast<const uchar*>(out.data()), uInt(n));
            produced += n;
            scan.feed(std::string_view(out.data(), n));
        }
        inflateEnd(&z);
        if (status != Z_STREAM_END) return false;
    } else {
        return false;
    }
    return produced == size && sum == crc && scan.whole();
}

bool WorkbookIsWhole(const std::string& file, const std::vector<SheetRows>& sheets)
{
    QFile f(QString::fromStdString(file));
    if (!f.open(QIODevice::ReadOnly) || f.size() < 22 || f.size() > qint64(UINT32_MAX)) return false;
    const auto size = uint32_t(f.size());
    const uchar* z = f.map(0, size);
    if (!z) return false;
    // The end record of the archive: last in the file, but for a comment of up to 64 KiB.
    uint32_t endAt = size - 22;
    while (Le32(z + endAt) != 0x06054b50)
        if (endAt-- == 0 || size - endAt > 22 + 65535) return false;
    const uint32_t count = Le16(z + endAt + 10), listSize = Le32(z + endAt + 12), listAt = Le32(z + endAt + 16);
    if (uint64_t(listAt) + listSize > endAt) return false;
    std::vector<bool> sheetSeen(sheets.size());
    uint32_t at = listAt;
    for (uint32_t i = 0; i < count; ++i) {
        if (uint64_t(at) + 46 > uint64_t(listAt) + listSize || Le32(z + at) != 0x02014b50) return false;
        const uchar* e = z + at;
        const uint32_t nameSize = Le16(e + 28), local = Le32(e + 42);
        const std::string name(reinterpret_cast<const char*>(e + 46),
                               std::min<uint64_t>(nameSize, listAt + listSize - at - 46));
        at += 46 + nameSize + Le16(e + 30) + Le16(e + 32);
        if (uint64_t(local) + 30 > listAt || Le32(z + local) != 0x04034b50) return false;
        const uint64_t dataAt = uint64_t(local) + 30 + Le16(z + local + 26) + Le16(z + local + 28);
        const uint32_t stored = Le32(e + 20);
        if (dataAt + stored > listAt) return false;
        unsigned sheet = 0;
        const SheetRows* rows = nullptr;
        if (std::sscanf(name.c_str(), "xl/worksheets/sheet%u.xml", &sheet) == 1 && sheet >= 1 &&
            sheet <= sheets.size()) {
            rows = &sheets[sheet - 1];
            sheetSeen[sheet - 1] = true;
        }
        PartScan scan(rows);
        if (!PartIsWhole(z + dataAt, stored, Le16(e + 10), Le32(e + 24), Le32(e + 16), scan)) return false;
    }
    return std::all_of(sheetSeen.begin(), sheetSeen.end(), [](bool seen) { return seen; });
}

// The rows sheet s of t must show.
SheetRows RowsOfSheet(const ExportTable& t, size_t s)
{
    SheetRows rows;
    for (size_t r = 0; r < t.header.size(); ++r)
        if (std::any_of(t.header[r].begin(), t.header[r].end(), [](const QString& cell) { return !cell.isEmpty(); }))
            rows.header.push_back(uint32_t(r + 1));
    rows.first = uint32_t(t.header.size() + 1);
    rows.last = uint32_t(int64_t(t.header.size()) + SheetEnd(t, s) - t.sheetStarts[s]);
    return rows;
}

// The library tells its failures on stderr in its own words; the export says what
// happened in the user's. For the time of one call whatever goes to stderr is dropped.
class QuietStderr {
  public:
    QuietStderr() : saved(::dup(STDERR_FILENO))
    {
        const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved >= 0 && null >= 0) ::dup2(null, STDERR_FILENO);
        if (null >= 0) ::close(null);
    }
    ~QuietStderr()
    {
        if (saved < 0) return;
        ::dup2(saved, STDERR_FILENO);
        ::close(saved);
    }
    QuietStderr(const QuietStderr&) = delete;
    QuietStderr& operator=(const QuietStderr&) = delete;

  private:
    int saved;
};

bool WriteXlsx(const ExportTable& t, const std::string& file, ExportProgress* progress, QString& error)
{
    Workbook w = OpenWorkbook(file);
    if (!w.book) {
        error = ExportFaultText(ExportFault::NoFile);
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
    lxw_error closed;
    {
        const QuietStderr quiet;
        closed = workbook_close(w.book);
    }
    if (!going) {
        error = ExportFaultText(ExportFault::Cancelled);
        return false;
    }
    std::vector<SheetRows> sheets;
    for (size_t s = 0; s < t.sheetStarts.size(); ++s) sheets.push_back(RowsOfSheet(t, s));
    if (closed == LXW_ERROR_CREATING_XLSX_FILE) error = ExportFaultText(ExportFault::NoFile);
    else if (closed != LXW_NO_ERROR || !WorkbookIsWhole(file, sheets)) error = ExportFaultText(ExportFault::WriteFailed);
    else return true;
    return false;
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
    // Room for the largest double written out in full with its decimals (309 digits).
    char buffer[DBL_MAX_10_EXP + 1 + 2 + std::numeric_limits<int8_t>::max()];
    std::to_chars_result put{buffer, std::errc::value_too_large};
    if (cell.decimals >= 0)
        put = std::to_chars(buffer, buffer + sizeof buffer, cell.number, std::chars_format::fixed, cell.decimals);
    // The shortest form that reads back the same always fits.
    if (put.ec != std::errc()) put = std::to_chars(buffer, buffer + sizeof buffer, cell.number);
    for (const char* p = buffer; p != put.ptr; ++p) line += *p == '.' ? decimal : *p;
}

bool WriteCsv(const ExportTable& t, const std::string& file, const CsvStyle& csv, ExportProgress* progress,
              QString& error)
{
    std::unique_ptr<FILE, FileCloser> f(std::fopen(file.c_str(), "wb"));
    if (!f) {
        error = ExportFaultText(ExportFault::NoFile);
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
            else if (row[c].kind != ExportCell::Empty) // texts, dates and times as shown
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
    if (!going) error = ExportFaultText(ExportFault::Cancelled);
    else if (!written || !closed) error = ExportFaultText(ExportFault::WriteFailed);
    return going && written && closed;
}

// The file appears under its name only once it is complete.
bool WriteThroughTemporary(const ExportTable& table, const QString& path, bool workbook, const CsvStyle& csv,
                  ExportProgress* progress, QString& error)
{
    const std::string target = path.toStdString();
    FileFault fault = FileFault::None;
    const std::string temporary = CreateFileBeside(target, &fault);
    if (temporary.empty()) {
        error = fault == FileFault::NotAFile ? WriteFaultPhrase(FileFault::NotAFile)
                                             : ExportFaultText(ExportFault::NoFile);
        return false;
    }
    const bool ok = workbook ? WriteXlsx(table, temporary, progress, error)
                             : WriteCsv(table, temporary, csv, progress, error);
    if (!ok) {
        DiscardFile(temporary);
        return false;
    }
    if (!CommitFileBeside(temporary, target, &fault)) {
        error = fault == FileFault::NotAFile ? WriteFaultPhrase(FileFault::NotAFile)
                                             : ExportFaultText(ExportFault::WriteFailed);
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
        error = ExportFaultText(ExportFault::TooManyRows);
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

