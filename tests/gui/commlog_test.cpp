#include "config/ConfigImage.h"
#include "link/CommLog.h"
#include "link/DeviceLink.h"
#include "link/gui/CommLogWindow.h"
#include "platform/Messages.h"
#include "platform/ProgramFiles.h"
#include "platform/gui/DialogMessages.h"
#include "settings/INI_File.h"

#include "SimLine.h"

#include "shell/Shell.h"

#include <QtTest>
#include <QtWidgets>

namespace {

QStringList Column(QTreeWidget* table, int column) {
    QStringList cells;
    for (int i = 0; i < table->topLevelItemCount(); ++i)
        cells << table->topLevelItem(i)->text(column).section(',', 0, 0);
    return cells;
}

} // namespace

class CommLogTest : public QObject {
    Q_OBJECT

    Connection& connection = ShellConnection(); // the one the link talks over
    SimLine sim{{"--rs232", "--fault", "badcrc"}};
    ScriptedMessages messages;

  private slots:
    void initTestCase() {
        UseConnection(&connection);
        SetMessageSink(&messages);
        QVERIFY(sim.ok());
        connection.kind = 0;
        connection.serialPath = sim.path().toStdString();
        connection.replyTimeoutMs = 300;
        connection.closePortAfterUse = 0;
    }
    void cleanupTestCase() {
        CloseCommPort();
        SetMessageSink(nullptr);
    }

    // The window logs while it is open: a CRC error and its retry, filtered, paused.
    void windowShowsFramesWhileOpen() {
        QPointer<QWidget> w = CreateCommLogWindow(nullptr);
        w->show();
        auto* table = w->findChild<QTreeWidget*>("frames");
        QVERIFY(CommLogRunning());
        QVERIFY(InitInterface() && Read(Lese, kReadVersions, 1));
        QTRY_COMPARE(Column(table, 8), (QStringList{"request", "CRC error", "retry 1", "good reply"}));
        QVERIFY(w->findChild<QLabel*>("counters")->text().contains("CRC errors 1"));

        w->findChild<QComboBox*>("filter")->setCurrentIndex(4); // CRC errors
        QCOMPARE(Column(table, 8), QStringList{"CRC error"});
        w->findChild<QComboBox*>("filter")->setCurrentIndex(0);

        auto* pause = w->findChild<QCheckBox*>("pause");
        pause->setChecked(true);
        QVERIFY(Read(Lese, kReadVersions, 1));
        QTRY_VERIFY(w->findChild<QLabel*>("counters")->text().startsWith("Requests 2"));
        QCOMPARE(table->topLevelItemCount(), 4); // held while paused, counted all the same
        pause->setChecked(false);
        QCOMPARE(table->topLevelItemCount(), 6);

        w->close();
        QTRY_VERIFY(w.isNull());
        QVERIFY(!CommLogRunning()); // closed, the link reports to nobody
        const uint64_t before = CommLogTotal();
        QVERIFY(Read(Lese, kReadVersions, 1));
        QCOMPARE(CommLogTotal(), before);
    }

    // A log file gets every frame as it comes, beyond what the window holds.
    void logFileKeepsEveryFrame() {
        QTemporaryDir dir;
        const std::string path = dir.filePath("log.txt").toStdString();
        QVERIFY(StartCommLogFile(path));
        StartCommLog();
        const uint8_t request[] = {1, 3, 0, 1, 0, 2, 0, 0};
        for (size_t i = 0; i <= kCommLogCapacity; ++i) ReportFrame(true, FrameOutcome::Request, 0, request, 8);
        QByteArray text;
        QVERIFY(ReadWholeFile(path, text)); // before the file is closed
        StopCommLog();
        QVERIFY(StopCommLogFile());
        QCOMPARE(size_t(text.count('\n')), kCommLogCapacity + 1);
    }

    // The send question, titled as such, shows the differences as a table; Cancel is
    // the default answer.
    void differencesDialogDefaultsToCancel() {
        DialogMessages dialogs(nullptr);
        int rows = -1;
        QString title;
        QTimer::singleShot(0, [&rows, &title] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!d || d->objectName() != "detailsDialog") return;
            rows = d->findChild<QTreeWidget*>()->topLevelItemCount();
            title = d->windowTitle();
            QTest::keyClick(d, Qt::Key_Return);
        });
        QCOMPARE(dialogs.askWarnungDetails(0, 0, {"A\t1\t2", "B\tx\ty"}), 0);
        QCOMPARE(rows, 2);
        QCOMPARE(title, QString("Send configuration"));
    }
};

QTEST_MAIN(CommLogTest)
#include "commlog_test.moc"
