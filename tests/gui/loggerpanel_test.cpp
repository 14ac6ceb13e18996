// The meter logger panel in the real main window, against the simulated meter in-process.
#include "SimLine.h"

#include "config/ConfigImage.h"
#include "link/DeviceLink.h"
#include "logger/Logger.h"
#include "logger/gui/LoggerPanel.h"
#include "profiles/gui/ProfilePanel.h"
#include "platform/Messages.h"
#include "settings/INI_File.h"
#include "shell/ZARO.h"

#include "shell/Shell.h"

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

} // namespace

class LoggerPanelTest : public QObject {
    Q_OBJECT

    Connection& connection = ShellConnection(); // the one the link talks over

    QTemporaryDir dir;
    ScriptedMessages messages;
    std::unique_ptr<SimLine> sim;

    void open(const QStringList& simArgs) {
        sim = std::make_unique<SimLine>(QStringList{"--rs232"} + simArgs);
        QVERIFY(sim->ok());
        connection.kind = 0;
        connection.serialPath = sim->path().toStdString();
        CmLoggerAcquisition();
        QVERIFY(Panels().deviceLogger);
        QCOMPARE(ActivePanel(), Panels().deviceLogger.data());
        messages.clear();
    }

  private slots:
    void initTestCase() {
        UseConnection(&connection);
        QVERIFY(dir.isValid());
        SetMessageSink(&messages);
        QVERIFY(StartZaro(0.0, dir.path().toStdString()));
        connection.closePortAfterUse = 1;
        connection.replyTimeoutMs = 300;
    }
    void cleanup() {
        if (Panels().deviceLogger) CmCloseLogDisplay();
        sim.reset();
        messages.clear();
    }
    void cleanupTestCase() { EndZaro(); }

    // A full memory of one channel: 16 000 rows read with the progress window, kept
    // in the scratch file, stored and opened again.
    void readsAFullMemoryStoresAndOpens() {
        open({"--logger-channels", "1", "--logger-values", "16000", "--logger-mode", "overwrite"});
        QCOMPARE(Text("records"), QString("16000"));
        QCOMPARE(Text("interval"), QString("15:00"));
        QCOMPARE(Text("span"), QString("166:16:00"));
        QVERIFY(LoggerStatusTimer()->isActive());
        QCOMPARE(LoggerStatusTimer()->interval(), 10000);
        QVERIFY(!Entry("&Save logger file...")->isEnabled());
        QVERIFY(Entry("&Read from meter")->isEnabled());

        CmReadLoggerData();
        auto* list = Child<QListView>("records");
        QCOMPARE(list->model()->rowCount(), 16000);
        QCOMPARE(messages.progressOpen, 0);
        QCOMPARE(messages.progressValues.size(), size_t(267));
        QVERIFY(LoggerStatusTimer()->isActive());
        QVERIFY(Entry("&Save logger file...")->isEnabled());
        QVERIFY(Entry("&Minimum and maximum values")->isEnabled());
        QVERIFY(Entry("&Profile graph")->isEnabled() && Entry("E&xport to Excel...")->isEnabled());
        QCOMPARE(list->currentIndex().row(), 0);
        QCOMPARE(Text("time"), GetLoggerTimeDate(LoggerPanelLog().records, 0).ixtime);
        QCOMPARE(list->model()->data(list->model()->index(0, 0), Qt::CheckStateRole).toInt(),
                 int(Qt::Checked));
        list->scrollToBottom();
        Select(15999);
        QApplication::processEvents();
        QCOMPARE(Text("time"), GetLoggerTimeDate(LoggerPanelLog().records, 15999).ixtime);

        const QString path = dir.filePath("full.zrd");
        messages.files.push_back(path.toStdString());
        CmStoreLoggerFile();
        QVERIFY(messages.shown.empty());
        QByteArray expected = ZrdHeader(LoggerPanelLog().device);
        for (size_t r = 0; r < LoggerPanelLog().records.size(); ++r)
            expected += ZrdLine(LoggerPanelLog().records, r);
        QFile stored(path);
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QCOMPARE(stored.readAll(), expected);

        messages.files.push_back(path.toStdString());
        CmOpenLoggerFile();
        QVERIFY(!LoggerPanelLog().deviceActive);
        QCOMPARE(list->model()->rowCount(), 16000);
        QCOMPARE(Text("records"), QString("16000"));
        QCOMPARE(Text("mode"), QString("--"));
        QCOMPARE(Text("interval"), QString("15:00"));
        QCOMPARE(LoggerPanelLog().file.ChanName[0], LoggerPanelLog().device.ChanName[0]);
        QVERIFY(!LoggerStatusTimer()->isActive());
        QVERIFY(!Entry("&Save logger file...")->isEnabled());
        QVERIFY(!Shown("intervalAssumed"));

        // The graph takes the panel's place and gives it back.
        Entry("&Profile graph")->trigger();
        QVERIFY(Panels().loadProfile && Panels().loadProfile->isVisible() &&
                !Panels().deviceLogger->isVisible());
        Panels().loadProfile->findChild<QPushButton*>("Close")->click();
        QVERIFY(!Panels().loadProfile && Panels().deviceLogger->isVisible());
    }

    // Record 2 follows a gap: its date and every older one's are uncertain; the
    // extremes popup marks such times.
    void gapsMakeTimesUncertain() {
        const int values = 2 * 50;
        open({"--logger-values", QString::number(values), "--logger-gaps",
              QString::number(999 + 2 * (values - 3 * 2) + 1)});
        CmReadLoggerData();
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
        QCOMPARE(model->data(model->index(0, 0)).toString().size(), 20); // two 10-character columns

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
            checked = true;
            d->reject();
        });
        CmShowMinMax();
        QVERIFY(checked);
    }

    void intervalDialogAndReset() {
        open({"--logger-values", "20"});
        // A meter synchronised from outside has no interval: the user gives it, 10 s at least.
        Lese.EnergyControl |= kEnergyExternalSync;
        int tries = 0;
        WhenOpen("LoggerInterval", [&](QDialog* d) {
            d->findChild<QSpinBox*>("minutes")->setValue(0);
            d->findChild<QSpinBox*>("seconds")->setValue(9);
            d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            tries += d->isVisible() ? 1 : 0; // refused: still open
            d->findChild<QSpinBox*>("seconds")->setValue(10);
            d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        InitLogger();
        QCOMPARE(tries, 1);
        QCOMPARE(Text("interval"), QString("00:10"));
        QVERIFY(Shown("intervalAsked"));
        QCOMPARE(Text("records"), QString("10"));

        messages.answers.push_back(0);
        CmLoggerReset();
        QCOMPARE(Text("records"), QString("10"));
        CmLoggerReset();
        QVERIFY(messages.wasShown(M::Warnung, 1, 1));
        QCOMPARE(Text("records"), QString("0"));
        QVERIFY(LoggerStatusTimer()->isActive());
        CmReadLoggerData(); // nothing to read: nothing happens
        QCOMPARE(messages.progressValues.size(), size_t(0));
    }

    void withoutMeterOnlyFiles() {
        QFile f(dir.filePath("one.ZRD"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Device: \t 1\tm\nstatus\tdate\ttime\tU\n\t\t\t[V]\nOK\t01.03.26\t10:00:00\t  230.0\n");
        f.close();
        CmLoggerOffline();
        QVERIFY(Panels().deviceLogger);
        QVERIFY(!Entry("&Read from meter")->isEnabled());
        QVERIFY(!LoggerStatusTimer()->isActive());
        messages.files.push_back(f.fileName().toStdString());
        CmOpenLoggerFile();
        QCOMPARE(Text("records"), QString("1"));
        QVERIFY(Shown("intervalAssumed"));
        QCOMPARE(Text("date"), QString("01.03.26"));
        CmCloseLogDisplay();
        QCOMPARE(ActivePanel(), MainPanelHandle());
    }
};

QTEST_MAIN(LoggerPanelTest)
#include "loggerpanel_test.moc"
