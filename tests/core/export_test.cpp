// Export of logged records: the layout of the sheets, markers kept as text, the module
// columns in the order of their headers, CSV by language, and no half-written files.
// Workbooks are read back by an independent reader (openpyxl).
#include "logger/Logger.h"
#include "platform/ProgramFiles.h"
#include "platform/TimeBase.h"
#include "profiles/ExcelInt.h"

#include <QtTest>
#include <cmath>

namespace {

// Meter data: channel c of record r holds 230 + c + r / 10 unless a marker is placed.
struct MeterData {
    LogSource source;
    LoggerRecords records;
};

MeterData Meter(int channels, int records)
{
    MeterData d;
    d.source.AddrText = " 5";
    d.source.DevText = "ZRM3 hall\nfeeder; 2";
    d.source.NumChan = channels;
    d.records.channels = channels;
    d.records.decimals.fill(1);
    for (int c = 0; c < channels; ++c) {
        d.source.ChanName[size_t(c)] = QString("U%1N").arg(c + 1);
        d.source.ChanUnit[size_t(c)] = "[V]";
    }
    const uint32_t newest = CalendarSecondsFromLocal({2026, 12, 7, 23, 45, 0});
    for (int r = 0; r < records; ++r) {
        const size_t row = d.records.add(newest - uint32_t(r) * 900, false);
        for (int c = 0; c < channels; ++c) d.records.set(row, c, {230 + c + r / 10.0, Validity::Ok});
    }
    return d;
}

// A module log of one sequence with the given codes; value k of record r is
// 10 * k + r (record 0 newest), stamps 15 minutes apart.
ModuleLog Module(std::vector<uint8_t> codes, uint32_t records)
{
    ModuleLog log;
    log.DevID = {0x00, 0x30, 0x11, 0x0a, 0xbc, 0xde};
    log.DevName = "Hall 2/East";
    LogSequence& seq = log.Dev57[1];
    seq.NumRec = records;
    seq.NumChan = uint32_t(codes.size());
    for (size_t k = 0; k < codes.size(); ++k) {
        seq.Codes[k] = codes[k];
        seq.Names[k] = QString("C%1").arg(codes[k]);
        seq.Units[k] = "[V]";
        seq.Digits[k] = 1;
        seq.Scale[k] = 1.0;
    }
    const uint32_t newest = CalendarSecondsFromLocal({2026, 12, 7, 12, 0, 0});
    for (uint32_t r = 0; r < records; ++r) {
        log.LogStamp.push_back(newest - r * 900);
        for (size_t k = 0; k < codes.size(); ++k) log.LogVal.push_back(float(10 * k + r % 1000));
    }
    log.NumLogSeq = 1;
    return log;
}

// The cells openpyxl finds: "sheet\ttitle\tdimension\tpane" and "ref\ttype\tvalue" lines.
QStringList ReadBack(const QString& path, bool small = false)
{
    QProcess python;
    QStringList args{ZARO_SOURCE_DIR "/tests/support/xlsx_cells.py"};
    if (small) args << "--small";
    python.start("/usr/bin/python3", args << path);
    if (!python.waitForFinished(60000) || python.exitCode() != 0) {
        qWarning() << python.readAllStandardError();
        return {};
    }
    return QString::fromUtf8(python.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

// Compares read-back lines with the expected ones; numbers to 12 significant digits.
bool SameCells(const QStringList& got, const QStringList& want)
{
    // A missing or extra cell is reported as the first one that differs.
    for (qsizetype i = 0; i < std::max(got.size(), want.size()); ++i) {
        const QStringList g = got.value(i).split('\t'), w = want.value(i).split('\t');
        const bool same = g.size() == 3 && w.size() == 3 && g[0] == w[0] && g[1] == w[1] && w[1] == "n"
                              ? std::abs(g[2].toDouble() - w[2].toDouble()) <= 1e-12 * std::abs(w[2].toDouble())
                              : g == w;
        if (!same) {
            qWarning() << "cell" << i << "got" << got.value(i) << "expected" << want.value(i);
            return false;
        }
    }
    return true;
}

QString Cell(const QString& ref, const char* type, const QString& value)
{
    return QString("%1\t%2\t%3").arg(ref, type, value);
}

// A date cell and a time cell as the record list shows them: "dd.mm.yy", "hh:mm:ss".
QString DateCell(const QString& ref, const LocalTime& t)
{
    return Cell(ref, "d", QString::asprintf("%04u-%02u-%02uT00:00:00\tdd.mm.yy", t.year, t.month, t.day));
}

QString TimeCell(const QString& ref, const LocalTime& t)
{
    return Cell(ref, "d", QString::asprintf("%02u:%02u:%02u\thh:mm:ss", t.hour, t.minute, t.second));
}

QByteArray Content(const QString& path)
{
    QByteArray text;
    return ReadWholeFile(path.toStdString(), text) ? text : QByteArray("<unreadable>");
}

} // namespace

class ExportTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

  private slots:
    void meterWorkbookReadsBackCellForCell() {
        MeterData d = Meter(3, 100);
        d.records.set(5, 1, {0.0, Validity::Overload}); // markers stay texts, never a 0
        d.records.set(7, 2, {0.0, Validity::NotLogged});
        d.records.gaps[9] = 1;
        d.records.set(11, 0, {0.98, Validity::Ok});
        d.records.verbatim[d.records.FieldKey(11, 2)] = "   0.98"; // a file's two decimals kept in the cell's format
        const QString path = dir.filePath("meter.xlsx");
        QString error;
        QVERIFY(ExportMeterLog(d.source, d.records, path, nullptr, error));

        QStringList want{"sheet\tSheet1\tA1:F103\tA4", Cell("A1", "b", "Device:"), Cell("B1", "b", " 5"),
                         Cell("C1", "b", "ZRM3 hall\\nfeeder; 2"), Cell("A2", "b", "status"), Cell("B2", "b", "date"),
                         Cell("C2", "b", "time"), Cell("D2", "b", "U1N"), Cell("E2", "b", "U2N"),
                         Cell("F2", "b", "U3N"), Cell("D3", "b", "[V]"), Cell("E3", "b", "[V]"),
                         Cell("F3", "b", "[V]")};
        for (int r = 0; r < 100; ++r) {
            const QString row = QString::number(r + 4);
            const LocalTime t = LocalFromCalendarSeconds(d.records.times[size_t(r)]);
            want << Cell("A" + row, "s", r == 9 ? "--" : "OK") << DateCell("B" + row, t) << TimeCell("C" + row, t);
            for (int c = 0; c < 3; ++c) {
                const QString v = RecordValueText(d.records, size_t(r), c).trimmed();
                want << Cell(QChar('D' + c) + row, v == "OVL" || v == "inval." ? "s" : "n", v);
            }
        }
        const QStringList cells = ReadBack(path);
        QVERIFY(SameCells(cells, want));
        QVERIFY(cells.contains(Cell("B99", "d", "2026-12-07T00:00:00\tdd.mm.yy"))); // midnight
        QVERIFY(cells.contains(Cell("C99", "d", "00:00:00\thh:mm:ss")));

        // A file's dates: a leap day is a date; a date that is no date stays the text it
        // was, never a day the calendar rolled it over to.
        LogSource source;
        LoggerRecords records;
        QVERIFY(ParseZrd("Device: \t 5\tFeeder\nstatus\tdate\ttime\tU1N\n\t\t\t[V]\n"
                         "OK\t29.02.28\t00:00:00\t  230.1\n"
                         "OK\t28.02.28\t23:45:00\t  230.2\n"
                         "OK\t29.02.27\t23:30:00\t  230.3\n"
                         "OK\t00.13.28\t12:00:00\t  230.4\n"
                         "OK\t\t\t  230.5\n",
                         source, records));
        QVERIFY(ExportMeterLog(source, records, path, nullptr, error));
        QStringList dates;
        for (const QString& cell : ReadBack(path))
            if (cell.contains(QRegularExpression("^[BC][4-9]\t"))) dates << cell;
        QVERIFY(SameCells(dates, {Cell("B4", "d", "2028-02-29T00:00:00\tdd.mm.yy"), Cell("C4", "d", "00:00:00\thh:mm:ss"),
                                  Cell("B5", "d", "2028-02-28T00:00:00\tdd.mm.yy"), Cell("C5", "d", "23:45:00\thh:mm:ss"),
                                  Cell("B6", "s", "29.02.27"), Cell("C6", "s", "23:30:00"),
                                  Cell("B7", "s", "00.13.28"), Cell("C7", "s", "12:00:00")}));

        // Spreadsheets count days from 1900 with a 29 February 1900 of their own; a day
        // before 1900 (a stamp west of Greenwich at the clock's start) stays a text.
        ExportTable early;
        early.header = {{"date"}};
        early.widths.assign(4, 10.0);
        early.records = 1;
        early.sheetStarts = {0};
        early.fill = [](int64_t, std::vector<ExportCell>& row) {
            const double days[] = {-25568, -25567, -25509, -25508}; // 31.12.1899 to 01.03.1900
            for (size_t c = 0; c < 4; ++c) row[c] = {ExportCell::Date, -1, days[c], c == 0 ? "31.12.99" : "?"};
        };
        QVERIFY(WriteExportTable(early, path, CsvStyle{}, nullptr, error));
        QVERIFY(SameCells(ReadBack(path).mid(2), {Cell("A2", "s", "31.12.99"), Cell("B2", "d", "1900-01-01T00:00:00\tdd.mm.yy"),
                                                  Cell("C2", "d", "1900-02-28T00:00:00\tdd.mm.yy"),
                                                  Cell("D2", "d", "1900-03-01T00:00:00\tdd.mm.yy")}));
    }

    void moduleSheetsSplitAfter65533Records() {
        ExportTable table;
        QString error;
        QVERIFY(ModuleExportTable(Module({1}, 65533), 1, table, error));
        QCOMPARE(table.sheetStarts, std::vector<int64_t>{0});

        const ModuleLog log = Module({1}, 65534);
        const QString path = dir.filePath("module.xlsx");
        QVERIFY(ExportModuleLog(log, 1, path, nullptr, error));
        const QStringList cells = ReadBack(path, true);
        const qsizetype second = cells.indexOf("sheet\tSheet2\tA1:C4\t-");
        QCOMPARE(cells.first(), QString("sheet\tSheet1\tA1:C65536\t-"));
        QVERIFY(second > 0);
        // Sheet 2: its own header rows, then the oldest record alone.
        const LocalTime oldest = LocalFromCalendarSeconds(log.LogStamp.back());
        QVERIFY(SameCells(cells.mid(second + 1),
                          {Cell("A1", "b", "Device:"), Cell("B1", "b", "00-30-11-0a-bc-de"),
                           Cell("C1", "b", "Hall 2/East"), Cell("A2", "b", "date"), Cell("B2", "b", "time"),
                           Cell("C2", "b", "C1"), Cell("C3", "b", "[V]"), DateCell("A4", oldest), TimeCell("B4", oldest),
                           Cell("C4", "n", "533")}));

        // The third sheet takes all the rest, as far as a worksheet reaches; beyond, the
        // workbook is refused rather than cut short.
        QVERIFY(ModuleExportTable(Module({1}, 131067), 1, table, error));
        QCOMPARE(table.sheetStarts, (std::vector<int64_t>{0, 65533, 131066}));
        const uint32_t tooMany = uint32_t(2 * kModuleSheetRecords + kMaxSheetRows - 2);
        QVERIFY(!ExportModuleLog(Module({1}, tooMany), 1, dir.filePath("huge.xlsx"), nullptr, error));
        QCOMPARE(error, QString(ExportFaultText(ExportFault::TooManyRows)));
        QVERIFY(!QFile::exists(dir.filePath("huge.xlsx")));
    }

    void moduleColumnsMatchTheirHeadersAndThePanelsTexts() {
        // Extremes listed first: headers and values both put the ordinary channels first.
        ModuleLog log = Module({70, 1, 98, 43}, 2);
        ExportTable table;
        QString error;
        QVERIFY(ModuleExportTable(log, 1, table, error));
        QCOMPARE(table.header[1], (std::vector<QString>{"date", "time", "C1", "C43", "C70", "C98"}));
        std::vector<ExportCell> row(table.widths.size());
        table.fill(1, row);
        // U, Umax and Umin; F = 31 Hz is below the range.
        QCOMPARE((QList<double>{row[2].number, row[4].number, row[5].number}), (QList<double>{11, 1, 21}));
        QCOMPARE(row[3].text, std::string("<45"));

        // Every cell shows what the module panel shows: its number or its marker word.
        LogSequence& seq = log.Dev57[1];
        const uint8_t codes[] = {1, 44, 43, 13, 60};
        const float values[] = {0.125f, 165.0f, 0.0625f, 1.0005f, -1.002f, 44.99f, 45.0f, 65.5f, 1234567.0f, 9.1e30f,
                                std::nanf(""), 230.15f, 999999.9f, -17.345f, 1.5e9f, 0.0f};
        for (uint8_t code : codes)
            for (int digits = 1; digits <= 4; ++digits)
                for (double scale : {1.0, 1000.0})
                    for (float v : values) {
                        seq.Codes[0] = code, seq.Digits[0] = digits, seq.Scale[0] = scale;
                        log.LogVal[seq.FirstVal] = v;
                        QVERIFY(ModuleExportTable(log, 1, table, error));
                        table.fill(0, row);
                        const QString shown = ModuleValueText(seq, 0, v).trimmed();
                        const ExportCell& cell = row[2];
                        if (cell.kind == ExportCell::Text) {
                            QCOMPARE(QString::fromStdString(cell.text), shown);
                            continue;
                        }
                        if (cell.number != shown.toDouble()) qWarning() << code << digits << scale << v;
                        QCOMPARE(cell.number, shown.toDouble()); // -0.0 and 0.0 alike
                        QCOMPARE(int(cell.decimals), int(shown.size() - shown.indexOf('.') - 1));
                    }
    }

    void csvFollowsTheLanguage() {
        MeterData d = Meter(2, 3);
        d.records.set(1, 1, {0.0, Validity::Overload});
        d.records.set(2, 0, {0.98, Validity::Ok});
        d.records.verbatim[d.records.FieldKey(2, 2)] = "   0.98";
        d.records.set(0, 1, {1e64, Validity::Ok}); // wider than any usual number
        d.records.verbatim[d.records.FieldKey(0, 3)] = "1e64";
        const QString path = dir.filePath("meter.csv");
        QString error;
        const QByteArray bom = "\xEF\xBB\xBF";
        QVERIFY(ExportMeterLog(d.source, d.records, path, nullptr, error, CsvStyleForLanguage(0))); // German
        QCOMPARE(Content(path), bom + "Device:; 5;\"ZRM3 hall\nfeeder; 2\";;\r\n"
                                      "status;date;time;U1N;U2N\r\n;;;[V];[V]\r\n"
                                      "OK;07.12.26;23:45:00;230,0;"
                                      "10000000000000000213204190094543968723012578712679649467743338496\r\n"
                                      "OK;07.12.26;23:30:00;230,1;OVL\r\n"
                                      "OK;07.12.26;23:15:00;0,98;231,2\r\n");
        QVERIFY(ExportMeterLog(d.source, d.records, path, nullptr, error, CsvStyleForLanguage(1))); // English
        QCOMPARE(Content(path).split('\n').at(6), QByteArray("OK,07.12.26,23:15:00,0.98,231.2\r"));
        QCOMPARE(CsvStyleForLanguage(2).decimal, ','); // Dutch
        QCOMPARE(CsvStyleForLanguage(3).separator, ','); // French: as the English
    }

    // Texts from devices and files never turn into formulas: in CSV one that a spreadsheet
    // would take for a formula gets an apostrophe, in a workbook it is a string cell.
    // Numbers stay numbers, and the dashes of an unticked record stay as they are.
    void deviceTextsStayInert() {
        MeterData d = Meter(2, 1);
        d.source.DevText = "=HYPERLINK(\"http://x\",\"y\")";
        d.source.ChanName[0] = "+U1N";
        d.source.ChanUnit[1] = "\t[V]";
        d.records.gaps[0] = 1;
        d.records.set(0, 0, {-5.0, Validity::Ok});
        d.records.set(0, 1, {0.0, Validity::Overload});
        d.records.verbatim[d.records.FieldKey(0, 3)] = "@SUM(A1)"; // a file's text where a number belongs
        QString error;
        const QString csv = dir.filePath("inert.csv");
        QVERIFY(ExportMeterLog(d.source, d.records, csv, nullptr, error, CsvStyleForLanguage(1)));
        QCOMPARE(Content(csv), QByteArray("\xEF\xBB\xBF"
                                          "Device:, 5,\"'=HYPERLINK(\"\"http://x\"\",\"\"y\"\")\",,\r\n"
                                          "status,date,time,'+U1N,U2N\r\n,,,[V],'\t[V]\r\n"
                                          "--,07.12.26,23:45:00,-5.0,'@SUM(A1)\r\n"));
        const QString book = dir.filePath("inert.xlsx");
        QVERIFY(ExportMeterLog(d.source, d.records, book, nullptr, error));
        const QStringList cells = ReadBack(book);
        QVERIFY(cells.contains(Cell("C1", "b", d.source.DevText)));
        QVERIFY(cells.contains(Cell("E4", "s", "@SUM(A1)")));
        QVERIFY(cells.contains(Cell("D4", "n", "-5.0")));
    }

    void failedExportLeavesNothingBehind() {
        QTemporaryDir target;
        const auto files = [&] { return QDir(target.path()).entryList(QDir::Files | QDir::Hidden); };
        const QString keep = target.filePath("keep.xlsx");
        QVERIFY(WriteFileAtomically(keep.toStdString(), "old"));
        const MeterData d = Meter(3, 500);
        QString error;
        for (const char* name : {"keep.xlsx", "keep.csv"}) {
            ExportProgress progress;
            std::vector<int> seen;
            progress.percent = [&](int p) {
                seen.push_back(p);
                if (p >= 50) progress.cancel = true;
            };
            QVERIFY(!ExportMeterLog(d.source, d.records, target.filePath(name), &progress, error));
            QCOMPARE(error, QString(ExportFaultText(ExportFault::Cancelled)));
            QCOMPARE(seen.back(), 50);
        }
        QVERIFY(!ExportMeterLog(d.source, d.records, target.filePath("none/x.xlsx"), nullptr, error));
        QCOMPARE(error, QString(ExportFaultText(ExportFault::NoFile)));
        // A link under the name is refused; the file it points to is kept as it was.
        QVERIFY(QFile::link(keep, target.filePath("link.csv")));
        QVERIFY(!ExportMeterLog(d.source, d.records, target.filePath("link.csv"), nullptr, error));
        QCOMPARE(error, QString(WriteFaultPhrase(FileFault::NotAFile)));
        QVERIFY(QFile::remove(target.filePath("link.csv")));
        ModuleLog log = Module({1, 2}, 10);
        log.Dev57[1].FirstVal = 2; // one record's values short
        QVERIFY(!ExportModuleLog(log, 1, target.filePath("m.xlsx"), nullptr, error));
        QCOMPARE(error, QString(ExportFaultText(ExportFault::BadRecords)));
        QVERIFY(!ExportModuleLog(log, 0, target.filePath("m.xlsx"), nullptr, error));
        QCOMPARE(files(), QStringList{"keep.xlsx"});
        QCOMPARE(Content(keep), QByteArray("old"));

        // A finished export replaces the old file and gets the usual permissions.
        QVERIFY(ExportMeterLog(d.source, d.records, keep, nullptr, error));
        QCOMPARE(files(), QStringList{"keep.xlsx"});
        QVERIFY(QFileInfo(keep).size() > 1000);
        QVERIFY(QFileInfo(keep).permissions() & QFileDevice::ReadOther);
    }

    void stampTextsFollowLocalTimeAcrossOffsetChanges() {
        const QByteArray zone = qgetenv("TZ");
        for (const char* tz : {"Europe/Berlin", "Asia/Kathmandu", "America/St_Johns", "UTC"}) {
            qputenv("TZ", tz);
            tzset();
            for (const LocalTime start : {LocalTime{2026, 3, 28, 0, 0, 0}, LocalTime{2026, 10, 24, 0, 0, 0}}) {
                StampClock clock;
                std::string date, time;
                const uint32_t first = CalendarSecondsFromLocal(start);
                for (uint32_t s = first; s < first + 3 * 86400; s += 7 * 60 + 1) {
                    clock.texts(s, date, time);
                    const LocalTime t = LocalFromCalendarSeconds(s);
                    QCOMPARE(QString::fromStdString(date),
                             QString::asprintf("%02u.%02u.%02u", t.day, t.month, t.year % 100));
                    QCOMPARE(QString::fromStdString(time), QString::asprintf("%02u:%02u:%02u", t.hour, t.minute, t.second));
                }
            }
        }
        zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone);
        tzset();
    }

    void offeredNamesTellDeviceAndDate() {
        const MeterData d = Meter(1, 2);
        QCOMPARE(MeterExportName(d.source, d.records), QString("ZARO_ZRM3_hall_2026-12-07.xlsx"));
        QCOMPARE(MeterExportName(LogSource{}, LoggerRecords{}), QString("ZARO.xlsx")); // address "--"
        QCOMPARE(ModuleExportName(Module({1}, 3), 1), QString("ZARO_Hall_2_East_2026-12-07.xlsx"));
    }
};

QTEST_GUILESS_MAIN(ExportTest)
#include "export_test.moc"
