// The export command: the chosen file is written by the worker thread under the
// progress popup and handed to the desktop; a failure names its reason.
#include "logger/LogData.h"
#include "platform/Messages.h"
#include "platform/gui/DesktopFiles.h"
#include "profiles/ExportTable.h"
#include "profiles/gui/ExcelExport.h"
#include "settings/INI_File.h"

#include <QtTest>
#include <QtWidgets>

namespace {
std::vector<QUrl> opened;
bool RecordOpen(const QUrl& url)
{
    opened.push_back(url);
    return true;
}
} // namespace

class ExcelExportTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    ScriptedMessages messages;
    MeterLog meterLog;
    ModuleLog moduleLog;

  private slots:
    void initTestCase() {
        SetMessageSink(&messages);
        OpenUrlOnDesktop = &RecordOpen;
        meterLog.device.NumChan = 1;
        meterLog.device.ChanName[0] = "P";
        meterLog.deviceActive = true;
        meterLog.records.channels = 1;
        for (int r = 0; r < 2000; ++r)
            meterLog.records.set(meterLog.records.add(3974112000u, false), 0, {12.5, Validity::Ok});
        moduleLog.Dev57[1].NumRec = 1;
        moduleLog.Dev57[1].NumChan = 1;
        moduleLog.LogStamp = {3974112000u};
        moduleLog.LogVal = {230.0f};
    }

    void meterExportOpensTheWrittenFile() {
        Language = 0;
        messages.files = {dir.filePath("meter").toStdString()}; // no extension typed
        CmExcelExportMeter(nullptr, meterLog);
        QVERIFY(messages.shown.empty());
        QCOMPARE(opened.size(), size_t(1));
        QCOMPARE(opened.back().toLocalFile(), dir.filePath("meter.xlsx"));
        QVERIFY(QFileInfo(dir.filePath("meter.xlsx")).size() > 1000);
        QCOMPARE(messages.progressOpen, 0);
        QCOMPARE(messages.progressValues.back(), 100);

        messages.files = {dir.filePath("module.csv").toStdString()};
        CmExcelExportModule(nullptr, moduleLog, 1);
        QCOMPARE(opened.size(), size_t(2));
        QFile csv(dir.filePath("module.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QVERIFY(csv.readAll().endsWith(";230,0\r\n")); // German: semicolon, decimal comma
    }

    void failureIsNamed() {
        messages.files = {dir.filePath("missing/meter.xlsx").toStdString()};
        CmExcelExportMeter(nullptr, meterLog);
        QVERIFY(messages.wasShown(MessageType::Error, kExportFailedKind, kExportFailedNumber));
        QCOMPARE(messages.shown.back().argument, std::string(ExportFaultText(ExportFault::NoFile)));
        QCOMPARE(messages.progressOpen, 0);
        QCOMPARE(opened.size(), size_t(2));
    }
};

QTEST_MAIN(ExcelExportTest)
#include "excelexport_test.moc"
