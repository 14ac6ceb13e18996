// Export of logged records into a workbook (.xlsx) or a CSV file. The writers read
// only the records they are given, so the panels, zaro-cli and the tests share them.
#pragma once

#include "logger/LogData.h"
#include "profiles/ExportTable.h"
#include "settings/INI_File.h"

#include <QString>

// The meter logger's records: one sheet, A1 to column 3 + N, row R + 3. Rows 1-3 hold
// the device, the column names and the units; then status, date, time and one column
// per channel. A marker word stays a text: no 0 that was never measured. Date and time
// are date and time cells, but a file's date that is no date stays the text it was.
ExportTable MeterExportTable(const LogSource& source, const LoggerRecords& records);
bool ExportMeterLog(const LogSource& source, const LoggerRecords& records, const QString& path,
                    ExportProgress* progress, QString& error, CsvStyle csv = CsvStyleForLanguage(Language));

// Sequence `sequence` of the module log: date, time and one column per channel,
// ordinary values before maxima and minima, 65 533 records per sheet and the rest on a
// third. False with error ExportFaultText(ExportFault::BadRecords) when the sequence does not match the log.
bool ModuleExportTable(const ModuleLog& log, int sequence, ExportTable& table, QString& error);
bool ExportModuleLog(const ModuleLog& log, int sequence, const QString& path, ExportProgress* progress,
                     QString& error, CsvStyle csv = CsvStyleForLanguage(Language));

// Records per module sheet: 65 536 rows of the oldest spreadsheet format less the
// three header rows.
constexpr int64_t kModuleSheetRecords = 65533;

// File names offered by the save dialog: the device and the date of the newest record,
// "ZARO_<device>_<yyyy-mm-dd>.xlsx".
QString MeterExportName(const LogSource& source, const LoggerRecords& records);
QString ModuleExportName(const ModuleLog& log, int sequence);
