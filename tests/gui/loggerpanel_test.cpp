// The logger panels in the real main window: the meter's against the simulated meter
// in-process; the module's downloading from zaro-sim's module, stepping through
// sequences, storing and opening *.LF3 files; and the export command both share.
#include "PanelChecks.h"
#include "SimLine.h"
#include "SimProcess.h"
#include "config/MeterSession.h"

#include "config/ConfigImage.h"
#include "link/Connection.h"
#include "link/DeviceLink.h"
#include "link/ModbusTcp.h"
#include "logger/Logger.h"
#include "logger/Logger57.h"
#include "logger/gui/Logger57Panel.h"
#include "logger/gui/LoggerPanel.h"
#include "platform/gui/DesktopFiles.h"
#include "profiles/ExportTable.h"
#include "profiles/gui/ExcelExport.h"
#include "profiles/gui/ProfilePanel.h"
#include "netmodules/KnownDevices.h"
#include "platform/Messages.h"
#include "platform/ProgramFiles.h"
#include "settings/INI_File.h"
#include "shell/Shell.h"
#include "shell/ZARO.h"

#include <QtTest>
#include <QtWidgets>

namespace {

using M = MessageType;

template <class W = QLabel> W* Child(const char* name) {
    return Panels().deviceLogger ? Panels().deviceLogger->findChild<W*>(name) : nullptr;
}
QString Text(const char* name) {
    QLabel* l = Child(name);
    return l ? l->text() : "no " + QString(name);
}
bool Shown(const char* name) {
    QWidget* w = Child<QWidget>(name);
    return w && w->isVisibleTo(Panels().deviceLogger);
}
QAction* Entry(const char* text) {
    const QString shown = QApplication::translate("Menu", text);
    for (QAction* a : MainWindow()->menuBar()->findChildren<QAction*>())
        if (a->text() == shown) return a;
    return nullptr;
}
void Select(int row) {
    auto* list = Child<QListView>("records");
    list->setCurrentIndex(list->model()->index(row, 0));
}

// Runs check on the named dialog once it is open, then lets the dialog go on.
void WhenOpen(const char* name, std::function<void(QDialog*)> check) {
    QTimer::singleShot(0, [name, check] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QDialog*>(w); d && d->objectName() == name && d->isVisible()) {
                check(d);
                return;
            }
        WhenOpen(name, check);
    });
}

// The module logger panel's controls.
template <typename T = QPushButton> T* Obj(const char* name) {
    return Panels().moduleLogger ? Panels().moduleLogger->findChild<T*>(name) : nullptr;
}
void Click(const char* name) {
    QPushButton* b = Obj(name);
    QVERIFY2(b && b->isEnabled(), name);
    b->click();
}
QAbstractItemModel* List(int l) {
    return Obj<QTableView>(l ? "list2" : "list1")->model();
}
QString Header(int l, int column) {
    return List(l)->headerData(column, Qt::Horizontal).toString();
}
QString Cell(int l, int row, int column) {
    return List(l)->index(row, column).data().toString();
}
QString Period() {
    return Obj<QLabel>("period")->text();
}

std::vector<QUrl> opened;
bool RecordOpen(const QUrl& url) {
    opened.push_back(url);
    return true;
}

} // namespace

class LoggerPanelTest : public QObject {
    Q_OBJECT
    MeterSession& session = ShellSession();     // the one the menu commands work on
    Connection& connection = ShellConnection(); // the one the link talks over

    QTemporaryDir dir;
    ScriptedMessages messages;
    std::unique_ptr<SimLine> sim;
    SimProcess moduleSim;

    void open(const QStringList& simArgs) {
        sim = std::make_unique<SimLine>(QStringList{"--rs232"} + simArgs);
        QVERIFY(sim->ok());
        connection.kind = 0;
        connection.serialPath = sim->path().toStdString();
        CmLoggerAcquisition(session);
        QVERIFY(Panels().deviceLogger);
        QCOMPARE(ActivePanel(), Panels().deviceLogger.data());
        messages.clear();
    }

  private slots:
    void initTestCase() {
        UseSession(session);
        SetResourceDir(ZARO_BIN_DIR);
        QVERIFY(dir.isValid());
        qputenv("TZ", "UTC");
        tzset();
        SetMessageSink(&messages);
        QVERIFY(StartZaro(0.0, dir.path().toStdString()));
        qstrcpy(ShellDevices().modules.emplace_back().IP, "127.0.0.1");
        connection.closePortAfterUse = 1;
        connection.replyTimeoutMs = 300;
    }
    void cleanup() {
        if (Panels().deviceLogger) CmCloseLogDisplay(session);
        if (Panels().moduleLogger) CmCloseLogDisplay57();
        sim.reset();
        moduleSim.stop();
        messages.clear();
        if (Language != 1) ChangeLanguage(1); // a test that failed abroad leaves the others English
    }
    void cleanupTestCase() { EndZaro(); }

    // A full memory of one channel: 16 000 rows read with the progress window, kept
    // in the scratch file, stored and opened again.
    void readsAFullMemoryStoresAndOpens() {
        open({"--logger-channels", "1", "--logger-values", "16000", "--logger-mode", "overwrite"});
        QCOMPARE(Text("records"), QString("16000"));
        QCOMPARE(Text("interval"), QString("15:00"));
        QCOMPARE(Text("span"), QString("166:16:00"));
        QVERIFY(LoggerStatusTimer(session)->isActive());
        QVERIFY(!Entry("&Save logger file...")->isEnabled());
        QVERIFY(Entry("&Read from meter")->isEnabled());

        CmReadLoggerData(session);
        auto* list = Child<QListView>("records");
        QCOMPARE(list->model()->rowCount(), 16000);
        QCOMPARE(messages.progressOpen, 0);
        QCOMPARE(messages.progressValues.size(), size_t(267));
        QVERIFY(LoggerStatusTimer(session)->isActive());
        QVERIFY(Entry("&Save logger file...")->isEnabled());
        QVERIFY(Entry("&Profile graph")->isEnabled() && Entry("E&xport to Excel...")->isEnabled());
        QCOMPARE(list->currentIndex().row(), 0);
        QCOMPARE(Text("time"), GetLoggerTimeDate(LoggerPanelLog().records, 0).ixtime);
        QCOMPARE(list->model()->data(list->model()->index(0, 0), Qt::CheckStateRole).toInt(),
                 int(Qt::Checked));
        list->scrollToBottom();
        Select(15999);
        QApplication::processEvents();
        QCOMPARE(Text("time"), GetLoggerTimeDate(LoggerPanelLog().records, 15999).ixtime);
        // Every row begins with its record's date and time, under their heading.
        for (int row : {0, 15999}) {
            const RecordTime t = GetLoggerTimeDate(LoggerPanelLog().records, row);
            QVERIFY(list->model()
                        ->data(list->model()->index(row, 0))
                        .toString()
                        .startsWith(t.ixdate + ' ' + t.ixtime + ' '));
        }
        QVERIFY(Text("head1").startsWith("Date     Time    "));

        const QString path = dir.filePath("full.zrd");
        messages.files.push_back(path.toStdString());
        CmStoreLoggerFile(session);
        QVERIFY(messages.shown.empty());
        QByteArray expected = ZrdHeader(LoggerPanelLog().device), stored;
        for (size_t r = 0; r < LoggerPanelLog().records.size(); ++r)
            expected += ZrdLine(LoggerPanelLog().records, r);
        QVERIFY(ReadWholeFile(path.toStdString(), stored));
        QCOMPARE(stored, expected);

        messages.files.push_back(path.toStdString());
        CmOpenLoggerFile(session);
        QVERIFY(!LoggerPanelLog().deviceActive);
        QCOMPARE(list->model()->rowCount(), 16000);
        QCOMPARE(Text("records"), QString("16000"));
        QCOMPARE(Text("mode"), QString("--"));
        QCOMPARE(Text("interval"), QString("15:00"));
        QCOMPARE(LoggerPanelLog().file.ChanName[0], LoggerPanelLog().device.ChanName[0]);
        QVERIFY(!LoggerStatusTimer(session)->isActive());
        QVERIFY(!Entry("&Save logger file...")->isEnabled());
        QVERIFY(!Shown("intervalAssumed"));

        // The graph takes the panel's place and gives it back.
        Entry("&Profile graph")->trigger();
        QVERIFY(Panels().loadProfile && Panels().loadProfile->isVisible() &&
                !Panels().deviceLogger->isVisible());
        Panels().loadProfile->findChild<QPushButton*>("Close")->click();
        QVERIFY(!Panels().loadProfile && Panels().deviceLogger->isVisible());
    }

    // In every language the logger panels and the graph fit a 1366 x 768 screen, and
    // keyboard and screen-reader users can reach and tell apart their controls.
    void panelsFitAndServeKeyboardAndScreenReader() {
        for (int l : {0, 2, 3, 1}) {
            ChangeLanguage(l);
            FillSmallScreen();
            open({"--logger-channels", "3", "--logger-values", "20"});
            CmReadLoggerData(session);
            const auto check = [l](QWidget* panel) {
                const QString faults = PanelFaults(panel);
                return faults.isEmpty() ? faults : QStringLiteral("language %1: %2").arg(l).arg(faults);
            };
            QVERIFY2(check(Panels().deviceLogger).isEmpty(), qPrintable(check(Panels().deviceLogger)));
            CmDispLogData(session);
            QVERIFY2(check(Panels().loadProfile).isEmpty(), qPrintable(check(Panels().loadProfile)));
            // Escape leaves each of them as its Close or Back does.
            QTest::keyClick(MainWindow(), Qt::Key_Escape);
            QCOMPARE(ActivePanel(), Panels().deviceLogger.data());
            QTest::keyClick(MainWindow(), Qt::Key_Escape);
            QCOMPARE(ActivePanel(), MainPanelHandle());
            SelectInterface(connection, kModule, 0, 0);
            CmLoggerOffline(session);
            QVERIFY2(check(Panels().moduleLogger).isEmpty(), qPrintable(check(Panels().moduleLogger)));
            QTest::keyClick(MainWindow(), Qt::Key_Escape);
            QCOMPARE(ActivePanel(), MainPanelHandle());
        }
    }

    // Record 2 follows a gap: its date and every older one's are uncertain; the
    // extremes popup marks such times.
    void gapsMakeTimesUncertain() {
        const int values = 2 * 50;
        open({"--logger-values", QString::number(values), "--logger-gaps",
              QString::number(999 + 2 * (values - 3 * 2) + 1)});
        CmReadLoggerData(session);
        auto* model = Child<QListView>("records")->model();
        QCOMPARE(model->rowCount(), 50);
        QCOMPARE(model->data(model->index(2, 0), Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        QCOMPARE(model->data(model->index(3, 0), Qt::CheckStateRole).toInt(), int(Qt::Checked));
        Select(1);
        QVERIFY(!Shown("uncertain"));
        Select(2);
        QVERIFY(Shown("uncertain"));
        Select(40);
        QVERIFY(Shown("uncertain"));

        bool checked = false;
        // A channel without a number shows the marker the module logger's popup shows.
        LoggerPanelLog().device.Min[1] = 2e30;
        WhenOpen("LoggerExtremes", [&](QDialog* d) {
            auto* table = d->findChild<QTableWidget*>("extremes");
            QCOMPARE(table->rowCount(), 2);
            QCOMPARE(table->verticalHeaderItem(0)->text(), LoggerPanelLog().device.ChanName[0]);
            QCOMPARE(table->item(1, 1)->text(), QString("----"));
            const bool late = LoggerPanelLog().device.MinIx[0] >= 2 ||
                              LoggerPanelLog().device.MaxIx[0] >= 2; // channel 1 has no extremes
            QCOMPARE(d->findChild<QLabel*>("uncertainNote")->isVisibleTo(d), late);
            if (auto* key = d->findChild<QAction*>("HelpKey")) key->trigger(); // F1: the dialog has its page
            auto* help = d->findChild<QTextBrowser*>("HelpViewer");
            checked = help && help->source().fileName() == "logger.html";
            d->reject();
        });
        CmShowMinMax();
        QVERIFY(checked);
    }

    void intervalDialogAndReset() {
        open({"--logger-values", "20"});
        // A meter synchronised from outside has no interval: the user gives it, 10 s at least.
        session.read.EnergyControl |= kEnergyExternalSync;
        int tries = 0;
        WhenOpen("LoggerInterval", [&](QDialog* d) {
            d->findChild<QSpinBox*>("minutes")->setValue(0);
            d->findChild<QSpinBox*>("seconds")->setValue(9);
            d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            tries += d->isVisible() ? 1 : 0; // refused: still open
            d->findChild<QSpinBox*>("seconds")->setValue(10);
            d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        InitLogger(session);
        QCOMPARE(tries, 1);
        QCOMPARE(Text("interval"), QString("00:10"));
        QVERIFY(Shown("intervalAsked"));
        QCOMPARE(Text("records"), QString("10"));

        messages.answers.push_back(0);
        CmLoggerReset(session);
        QCOMPARE(Text("records"), QString("10"));
        CmLoggerReset(session);
        QVERIFY(messages.wasShown(M::Warning, 1, 1));
        QCOMPARE(Text("records"), QString("0"));
        QVERIFY(LoggerStatusTimer(session)->isActive());
        CmReadLoggerData(session); // nothing to read: nothing happens
        QCOMPARE(messages.progressValues.size(), size_t(0));
    }

    void withoutMeterOnlyFiles() {
        QFile f(dir.filePath("one.ZRD"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Device: \t 1\tm\nstatus\tdate\ttime\tU\n\t\t\t[V]\nOK\t01.03.26\t10:00:00\t  230.0\n");
        f.close();
        CmLoggerOffline(session);
        QVERIFY(Panels().deviceLogger);
        QVERIFY(!Entry("&Read from meter")->isEnabled());
        QVERIFY(!LoggerStatusTimer(session)->isActive());
        messages.files.push_back(f.fileName().toStdString());
        CmOpenLoggerFile(session);
        QCOMPARE(Text("records"), QString("1"));
        QVERIFY(Shown("intervalAssumed"));
        QCOMPARE(Text("date"), QString("01.03.26"));
        CmCloseLogDisplay(session);
        QCOMPARE(ActivePanel(), MainPanelHandle());
    }

    void moduleDownloadsStepsAndStores() {
        SelectInterface(connection, kModule, 0, 0);
        QVERIFY2(moduleSim.start({"--module", "--http-port", "0", "--log-sequences", "3", "--log-records", "30"}),
                 qPrintable(moduleSim.output()));
        connection.moduleTcpPort = moduleSim.tcpPort();
        connection.moduleHttpPort = moduleSim.httpPort();
        CmLoggerAcquisition(session);
        QVERIFY(Panels().moduleLogger);
        QCOMPARE(ActivePanel(), Panels().moduleLogger.data());
        QVERIFY(!Obj("store")->isEnabled() && !Obj("prev")->isEnabled());

        Click("read");
        QCOMPARE(messages.shown.size(), size_t(0));
        QCOMPARE(ModuleLoggerPanelLog().Shown, 3);
        QVERIFY(Period().endsWith("#Records: 30"));
        QVERIFY(Obj<QLabel>("module")->text().startsWith("ZARO-SIM 247\n00-30-11-57-00-f7"));
        // The maximum the module logs first is a column of the second list, under its own header.
        QCOMPARE(List(0)->columnCount(), 1 + 6);
        QCOMPARE(Header(0, 1), QString("U1N\n[V]"));
        QCOMPARE(Header(0, 5), QString("F\n[Hz]"));
        QVERIFY(Cell(0, 0, 5).contains(QRegularExpression(R"(^ {4}5\d\.\d\d$)")));
        QVERIFY(Obj<QTableView>("list2")->isVisibleTo(Panels().moduleLogger));
        QCOMPARE(Header(1, 1), QString("Umax\n[V]"));
        QCOMPARE(Header(1, 2), QString("Umin\n[V]"));
        QVERIFY(Cell(1, 0, 1).toDouble() > Cell(1, 0, 2).toDouble());
        QCOMPARE(List(0)->rowCount(), 30);
        QVERIFY(!Obj("next")->isEnabled());
        QVERIFY(Obj("graph")->isEnabled() && Obj("excel")->isEnabled());

        Click("prev");
        Click("prev");
        QCOMPARE(ModuleLoggerPanelLog().Shown, 1);
        QVERIFY(Period().endsWith("#Records: 29")); // the record the module missed
        QVERIFY(!Obj("prev")->isEnabled());
        Click("next");
        QCOMPARE(ModuleLoggerPanelLog().Shown, 2);

        // The extremes of the shown sequence; rows past its channels are empty and dimmed.
        QString name, unit;
        bool dimmed = false;
        QTimer::singleShot(0, [&] {
            QWidget* popup = QApplication::activeModalWidget();
            if (!popup) return;
            name = popup->findChild<QLabel*>("minmax_0_0")->text();
            unit = popup->findChild<QLabel*>("minmax_1_2")->text();
            dimmed = !popup->findChild<QLabel*>("minmax_8_0")->isEnabled();
            popup->close();
        });
        Click("minmax");
        QCOMPARE(name, QString("Umax"));
        QCOMPARE(unit, QString("[V]"));
        QVERIFY(dimmed);

        const QString stored = dir.filePath("module");
        messages.files.push_back(stored.toStdString());
        Click("store");
        QByteArray fetched, copy;
        QVERIFY(ReadWholeFile(ModuleLoggerPanelLog().SourceFile, fetched));
        QVERIFY(ReadWholeFile((stored + ".LF3").toStdString(), copy));
        QCOMPARE(copy, fetched);

        Click("back");
        QCOMPARE(ActivePanel(), MainPanelHandle());
        QVERIFY(moduleSim.stopClean());
    }

    // Without a meter: files only. A damaged file changes nothing that is shown.
    void moduleOpensFilesWithoutMeter() {
        SelectInterface(connection, kModule, 0, 0);
        CmLoggerOffline(session);
        QVERIFY(Panels().moduleLogger);
        QVERIFY(!Obj("read")->isEnabled());
        messages.files.push_back(ZARO_SOURCE_DIR "/fuzz/corpus/modulelog_fuzz/sample.LF3");
        Click("open");
        QCOMPARE(ModuleLoggerPanelLog().Shown, 2); // the newest sequence has no channels
        QVERIFY(!Obj<QTableView>("list2")->isVisibleTo(Panels().moduleLogger));
        QCOMPARE(Cell(0, 0, 1), QString("      ---"));

        const QString damaged = dir.filePath("damaged.LF3");
        QVERIFY(WriteFileAtomically(damaged.toStdString(), QByteArray(64, '\xFF')));
        messages.files.push_back(damaged.toStdString());
        Obj("open")->click();
        QCOMPARE(messages.shown.size(), size_t(1));
        QCOMPARE(messages.shown[0].kind, 17);
        QCOMPARE(messages.shown[0].number, 1);
        // Larger than a download may be: said in the download's words.
        QVERIFY(WriteFileAtomically(damaged.toStdString(), QByteArray((4 << 20) + 1, '\0')));
        messages.files.push_back(damaged.toStdString());
        Obj("open")->click();
        QCOMPARE(messages.shown.size(), size_t(2));
        QCOMPARE(messages.shown[1].kind, 17);
        QCOMPARE(messages.shown[1].number, 3);
        QCOMPARE(ModuleLoggerPanelLog().Shown, 2);
        QCOMPARE(List(0)->rowCount(), 2);
    }
    // The export is written by the worker thread under the progress popup and handed to
    // the desktop; a failure names its reason and opens nothing. (What is written, and the
    // module's export: core/export_test.)
    void exportOpensTheWrittenFileOrNamesTheFault() {
        OpenUrlOnDesktop = &RecordOpen;
        MeterLog meterLog;
        meterLog.device.NumChan = 1;
        meterLog.device.ChanName[0] = "P";
        meterLog.deviceActive = true;
        meterLog.records.channels = 1;
        for (int r = 0; r < 2000; ++r)
            meterLog.records.set(meterLog.records.add(3974112000u, false), 0, {12.5, Validity::Ok});

        messages.files = {dir.filePath("meter").toStdString()}; // no extension typed
        CmExcelExportMeter(nullptr, meterLog);
        QVERIFY(messages.shown.empty());
        QCOMPARE(opened.size(), size_t(1));
        QCOMPARE(opened.back().toLocalFile(), dir.filePath("meter.xlsx"));
        QVERIFY(QFileInfo(dir.filePath("meter.xlsx")).size() > 1000);
        QCOMPARE(messages.progressOpen, 0);
        QCOMPARE(messages.progressValues.back(), 100);

        messages.files = {dir.filePath("missing/meter.xlsx").toStdString()};
        CmExcelExportMeter(nullptr, meterLog);
        QVERIFY(messages.wasShown(MessageType::Error, kExportFailedKind, kExportFailedNumber));
        QCOMPARE(messages.shown.back().argument, std::string(ExportFaultText(ExportFault::NoFile)));
        QCOMPARE(messages.progressOpen, 0);
        QCOMPARE(opened.size(), size_t(1));
    }
};

QTEST_MAIN(LoggerPanelTest)
#include "loggerpanel_test.moc"
