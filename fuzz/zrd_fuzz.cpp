// Arbitrary bytes as a *.ZRD logger file: the reader must never crash, and what it
// accepts must lay out day by day inside the curves, whatever its interval, and give
// one export row of the header's width per record.
#include "logger/Logger.h"
#include "profiles/ExcelInt.h"
#include "profiles/ProfileDay.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    LogSource source;
    LoggerRecords records;
    if (!ParseZrd(text, source, records)) return 0;
    if (records.timeoffset == 0 || size_t(source.NumRec) != records.size()) __builtin_trap();

    // Every day, also of records too far apart for the graph to be offered.
    ChannelSelection all;
    all.fill(true);
    const MeterDays days = InitMeterDays(records);
    if (days.profpoints < 2 || days.lastday_offs < 0 || days.lastday_offs >= days.profpoints ||
        days.lastday_nr < 0)
        __builtin_trap();
    for (int32_t d = 0; d <= days.lastday_nr; ++d) {
        const ProfileDay day = MeterDay(records, days, all, d);
        for (const std::vector<double>& curve : day.profy)
            if (curve.size() != size_t(days.profpoints)) __builtin_trap();
        if (day.date.size() != 8) __builtin_trap();
    }

    const ExportTable table = MeterExportTable(source, records);
    if (table.records != int64_t(records.size())) __builtin_trap();
    std::vector<ExportCell> row(table.widths.size());
    for (int64_t r = 0; r < table.records; ++r) table.fill(r, row);
    return 0;
}
