#include "profiles/gui/ExcelExport.h"

#include "platform/Messages.h"
#include "platform/TimeBase.h"
#include "platform/gui/DesktopFiles.h"
#include "profiles/ExcelInt.h"

#include <QCoreApplication>
#include <functional>
#include <thread>

namespace {

using Writer = std::function<bool(const QString& path, ExportProgress* progress, QString& error)>;

QString AskForFile(const QString& suggested)
{
    const QString filters = QCoreApplication::translate("ExcelExport", "Excel workbook (*.xlsx)") + ";;" +
                            QCoreApplication::translate("ExcelExport", "CSV file (*.csv)");
    QString path = QString::fromStdString(
        FileSelectPopup(true, QCoreApplication::translate("ExcelExport", "Export logger data"), filters,
                        suggested.toStdString()));
    // A dialog that does not append the extension still gets a workbook.
    if (!path.isEmpty() && !path.endsWith(".xlsx", Qt::CaseInsensitive) && !path.endsWith(".csv", Qt::CaseInsensitive))
        path += ".xlsx";
    return path;
}

// The writer works on its own copy of the records in a thread of its own; the progress
// popup keeps the windows painted and takes no input until it is done.
void RunExport(QWidget* parent, const QString& path, const Writer& write)
{
    ExportProgress progress;
    std::atomic<int> percent{0};
    std::atomic<bool> done{false};
    progress.percent = [&percent](int p) { percent = p; };
    QString error;
    bool ok = false;
    TransferWindow(0, 0, 0);
    std::thread worker([&] {
        ok = write(path, &progress, error);
        done = true;
    });
    while (!done) {
        Delay(0.05);
        TransferWindow(2, percent, 0);
    }
    worker.join();
    TransferWindow(2, percent, 0);
    TransferWindow(1, 0, 0);
    if (!ok) {
        const QByteArray reason = error.toUtf8();
        Error(kExportFailedKind, kExportFailedNumber, reason.constData());
        return;
    }
    OpenOrShowSavedFile(parent, path);
}

} // namespace

void CmExcelExportMeter(QWidget* parent, const MeterLog& log) {
    const QString path = AskForFile(MeterExportName(log.source(), log.records));
    if (path.isEmpty()) return;
    const CsvStyle csv = CsvStyleForLanguage(Language);
    // The worker writes copies: the panel may read new records meanwhile.
    RunExport(parent, path,
              [source = log.source(), records = log.records, csv](const QString& p, ExportProgress* progress,
                                                                  QString& error) {
                  return ExportMeterLog(source, records, p, progress, error, csv);
              });
}

void CmExcelExportModule(QWidget* parent, const ModuleLog& shown, int sequence) {
    const QString path = AskForFile(ModuleExportName(shown, sequence));
    if (path.isEmpty()) return;
    const CsvStyle csv = CsvStyleForLanguage(Language);
    RunExport(parent, path,
              [log = shown, sequence, csv](const QString& p, ExportProgress* progress, QString& error) {
                  return ExportModuleLog(log, sequence, p, progress, error, csv);
              });
}
