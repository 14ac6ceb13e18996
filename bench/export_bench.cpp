// Workbook export against a plain libxlsxwriter loop that writes the same cells in
// constant-memory mode: the largest module export (30 393 records of 23 channels,
// 699 039 values) and a synthetic table of 7.5 million cells. Each run happens in a
// child process of its own so that its peak memory is its own; rounds alternate and
// the best of each side counts (the machine is shared).
//   export_bench [ROUNDS]        (default 3)
#include "platform/ProgramFiles.h"
#include "platform/TimeBase.h"
#include "profiles/ExcelInt.h"

#include <QString>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xlsxwriter.h>

namespace {

struct Run {
    double seconds = 1e9;
    double peakMB = 0;
};

// Runs job in a child; its wall time and peak resident memory.
Run InChild(const std::function<bool()>& job)
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
        const double start = Timer();
        double seconds = job() ? Timer() - start : -1.0;
        [[maybe_unused]] ssize_t n = ::write(pipeFds[1], &seconds, sizeof seconds);
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    Run run;
    double seconds = -1.0;
    if (::read(pipeFds[0], &seconds, sizeof seconds) != sizeof seconds || seconds < 0) seconds = 1e9;
    ::close(pipeFds[0]);
    int status = 0;
    struct rusage usage = {};
    ::wait4(pid, &status, 0, &usage);
    run.seconds = seconds;
    run.peakMB = double(usage.ru_maxrss) / 1024.0;
    return run;
}

// The same cells written the plainest way: the rows as prepared values.
struct PlainSheet {
    std::vector<std::vector<std::string>> header;
    int64_t rows = 0;
    int texts = 0;   // leading text columns
    int numbers = 0; // then number columns
    std::function<const char*(int64_t r, int c)> text;
    std::function<double(int64_t r, int c)> number;
};

bool PlainLoop(const PlainSheet& s, const std::string& path)
{
    lxw_workbook_options options = {LXW_TRUE, nullptr, LXW_FALSE};
    lxw_workbook* book = workbook_new_opt(path.c_str(), &options);
    lxw_format* bold = workbook_add_format(book);
    format_set_bold(bold);
    lxw_format* decimals = workbook_add_format(book);
    format_set_num_format(decimals, "0.0");
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    for (size_t r = 0; r < s.header.size(); ++r)
        for (size_t c = 0; c < s.header[r].size(); ++c)
            if (!s.header[r][c].empty())
                worksheet_write_string(sheet, lxw_row_t(r), lxw_col_t(c), s.header[r][c].c_str(), bold);
    for (int64_t r = 0; r < s.rows; ++r) {
        const auto row = lxw_row_t(r + int64_t(s.header.size()));
        for (int c = 0; c < s.texts; ++c) worksheet_write_string(sheet, row, lxw_col_t(c), s.text(r, c), nullptr);
        for (int c = 0; c < s.numbers; ++c)
            worksheet_write_number(sheet, row, lxw_col_t(s.texts + c), s.number(r, c), decimals);
    }
    return workbook_close(book) == LXW_NO_ERROR;
}

std::vector<std::vector<std::string>> HeaderOf(const ExportTable& t)
{
    std::vector<std::vector<std::string>> h;
    for (const auto& row : t.header) {
        h.emplace_back();
        for (const QString& cell : row) h.back().push_back(cell.toStdString());
    }
    return h;
}

void Compare(const char* name, int rounds, const std::function<bool()>& ours, const std::function<bool()>& plain)
{
    Run best{}, ref{};
    for (int i = 0; i < rounds; ++i) {
        const Run a = InChild(ours), b = InChild(plain);
        if (a.seconds < best.seconds) best.seconds = a.seconds;
        if (b.seconds < ref.seconds) ref.seconds = b.seconds;
        best.peakMB = std::max(best.peakMB, a.peakMB);
        ref.peakMB = std::max(ref.peakMB, b.peakMB);
    }
    std::printf("%s: export %.3f s, plain libxlsxwriter loop %.3f s, ratio %.3f (goal <= 1.1); "
                "peak memory export %.1f MB, loop %.1f MB (goal <= 64)\n",
                name, best.seconds, ref.seconds, best.seconds / ref.seconds, best.peakMB, ref.peakMB);
}

ModuleLog LargestModuleLog()
{
    constexpr uint32_t kRecords = 30393, kChannels = 23;
    ModuleLog log;
    log.DevName = "bench";
    LogSequence& seq = log.Dev57[1];
    seq.NumRec = kRecords;
    seq.NumChan = kChannels;
    for (uint32_t k = 0; k < kChannels; ++k) {
        seq.Codes[k] = uint8_t(k + 1);
        seq.Names[k] = QString("C%1").arg(k + 1);
        seq.Units[k] = "[V]";
        seq.Digits[k] = 1;
        seq.Scale[k] = 1.0;
    }
    const uint32_t newest = CalendarSecondsNow();
    for (uint32_t r = 0; r < kRecords; ++r) {
        log.LogStamp.push_back(newest - r * 900);
        for (uint32_t k = 0; k < kChannels; ++k) log.LogVal.push_back(float(200 + k) + float(r % 1000) * 0.1f);
    }
    log.NumLogSeq = 1;
    return log;
}

} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    const std::string dir = CreateTemporaryFolder("bench");
    const std::string ours = dir + "/ours.xlsx", plain = dir + "/plain.xlsx";

    const ModuleLog log = LargestModuleLog();
    ExportTable table;
    QString error;
    if (!ModuleExportTable(log, 1, table, error)) return 1;
    // The plain loop gets the texts ready-made and the numbers as the export rounds them.
    std::vector<std::string> dates, times;
    std::vector<ExportCell> row(table.widths.size());
    std::vector<double> values;
    for (int64_t r = 0; r < table.records; ++r) {
        table.fill(r, row);
        dates.push_back(row[0].text), times.push_back(row[1].text);
        for (size_t c = 2; c < row.size(); ++c) values.push_back(row[c].number);
    }
    const int channels = int(row.size()) - 2;
    PlainSheet moduleSheet{HeaderOf(table), table.records, 2, channels,
                           [&](int64_t r, int c) { return (c == 0 ? dates : times)[size_t(r)].c_str(); },
                           [&](int64_t r, int c) { return values[size_t(r * channels + c)]; }};
    Compare("largest module export (30393 x 23)", rounds,
            [&] { return ExportModuleLog(log, 1, QString::fromStdString(ours), nullptr, error); },
            [&] { return PlainLoop(moduleSheet, plain); });

    // 300 000 rows of 2 texts and 23 numbers.
    ExportTable big;
    big.header = {{"Device:", "bench"}, {"date", "time"}, {}};
    big.widths.assign(25, 10.0);
    big.records = 300000;
    big.sheetStarts = {0};
    big.fill = [](int64_t r, std::vector<ExportCell>& cells) {
        cells[0].kind = cells[1].kind = ExportCell::Text;
        cells[0].text = "07.12.26", cells[1].text = "12:15:00";
        for (size_t c = 2; c < cells.size(); ++c) {
            cells[c].kind = ExportCell::Number;
            cells[c].decimals = 1;
            cells[c].number = double(r % 10000) * 0.1 + double(c);
        }
    };
    PlainSheet bigSheet{HeaderOf(big), big.records, 2, 23, [](int64_t, int c) { return c == 0 ? "07.12.26" : "12:15:00"; },
                        [](int64_t r, int c) { return double(r % 10000) * 0.1 + double(c + 2); }};
    Compare("synthetic 7.5 M cells (300000 x 25)", rounds,
            [&] { return WriteExportTable(big, QString::fromStdString(ours), CsvStyle{}, nullptr, error); },
            [&] { return PlainLoop(bigSheet, plain); });
    RemoveFolder(dir);
    return 0;
}
