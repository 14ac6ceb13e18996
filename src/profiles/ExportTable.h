// A table of logged records as it goes into a workbook or a CSV file: header rows,
// then one row per record, spread over one or more sheets. The two loggers describe
// their data as such a table; the writers here know nothing of loggers.
#pragma once

#include <QString>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Reports from the writing thread and the way to stop it.
struct ExportProgress {
    std::function<void(int percent)> percent; // called each time the percentage grows
    std::atomic<bool> cancel{false};           // set from any thread; the export then fails
};

// Field separator and decimal mark of a CSV file.
struct CsvStyle {
    char separator = ',';
    char decimal = '.';
};
// Semicolon and decimal comma where the comma is the decimal mark (German, Dutch UI).
CsvStyle CsvStyleForLanguage(int language);

// A date or a time is a number to a workbook, so that it sorts and charts as one, and
// its text to a CSV file. Date: number = local days from 1970-01-01, text "dd.mm.yy";
// Time: number = seconds of the day, text "hh:mm:ss".
struct ExportCell {
    enum Kind : uint8_t { Empty, Number, Text, Date, Time };
    Kind kind = Empty;
    int8_t decimals = -1; // of a number: digits shown after the point, -1 as many as needed
    double number = 0.0;
    std::string text;     // UTF-8; dates and markers fit the short-string buffer
};

struct ExportTable {
    std::vector<std::vector<QString>> header; // rows repeated at the top of every sheet
    std::vector<double> widths;               // per column, in characters
    int64_t records = 0;
    std::vector<int64_t> sheetStarts;         // first record of each sheet, ascending from 0
    // Fills the cells of record r (row.size() == widths.size(), cells left as they were
    // before are overwritten, so text buffers are reused).
    std::function<void(int64_t r, std::vector<ExportCell>& row)> fill;
};

// The largest number of rows of a worksheet.
constexpr int64_t kMaxSheetRows = 1048576;

// Writes table to path, as a workbook when the name ends in ".xlsx" (any case),
// else as CSV in style csv (UTF-8 with byte order mark, all records under one set of
// header rows). Written under a temporary name and renamed when complete; a workbook is
// read back before. The name must be free or hold a regular file (never a link). On
// failure error holds one of the reasons below or WriteFaultPhrase(FileFault::NotAFile), an English phrase
// of the "Messages" context, and nothing is left at path.
bool WriteExportTable(const ExportTable& table, const QString& path, const CsvStyle& csv,
                      ExportProgress* progress, QString& error);

// The message of a failed export, "Nothing was exported. %1", and its reasons.
constexpr int kExportFailedKind = 3;
constexpr int kExportFailedNumber = 40;
enum class ExportFault { NoFile, WriteFailed, TooManyRows, BadRecords, Cancelled };
const char* ExportFaultText(ExportFault fault);
