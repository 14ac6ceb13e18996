// The installation check panel in the real main window, against the simulator's meter on
// an in-process line that answers with the values of a chosen installation: what its
// lights and sentences say, Check again, a meter that does not answer, and the panel on a
// small screen in every language.
#include "PanelChecks.h"
#include "SimLine.h"
#include "SimProcess.h"
#include "WiringRows.h"
#include "config/MeterSession.h"
#include "link/Connection.h"

#include "commissioning/InstallationCheck.h"
#include "commissioning/gui/InstallationPanel.h"
#include "link/DeviceLink.h"
#include "platform/Messages.h"
#include "settings/INI_File.h"
#include "shell/Shell.h"
#include "shell/ZARO.h"

#include <QtTest>
#include <QtWidgets>
#include <memory>

namespace {

QWidget* Panel() {
    return Panels().installation;
}
template <typename W = QLabel> W* Child(const QString& name) {
    return Panel() ? Panel()->findChild<W*>(name) : nullptr;
}

// One row of the panel as the user reads it.
struct Row {
    QString verdict; // the light's, as scripts name it
    QString word, title, sentence, values;
};
QList<Row> Rows() {
    QList<Row> rows;
    for (int i = 0; QLabel* light = Child(QStringLiteral("light_%1").arg(i)); ++i) {
        const auto text = [i](const char* part) {
            QLabel* label = Child(QStringLiteral("%1_%2").arg(part).arg(i));
            return label ? label->text() : QString();
        };
        rows << Row{light->property("verdict").toString(), text("verdict"), text("check"), text("sentence"),
                    text("values")};
    }
    return rows;
}

// The check has run: the summary no longer says the meter is being read.
bool Checked() {
    return Panel() &&
           Child("summary")->text() !=
               QCoreApplication::translate("InstallationPanel", "Reading the meter...") &&
           Child<QPushButton>("again")->isEnabled();
}

} // namespace

class InstallationPanelTest : public QObject {
    Q_OBJECT
    MeterSession& session = ShellSession();
    Connection& connection = ShellConnection();

    QTemporaryDir dir;
    ScriptedMessages messages;
    std::unique_ptr<SimLine> line;
    SimProcess sim;

    // The meter of a 4-wire installation on the line, and the panel through its menu command.
    void open(int reversedCt) {
        line.reset(); // one line at a time: the old one takes the transport with it
        line = std::make_unique<SimLine>(
            QStringList{"--rs232", "--system", "4", "--vt", "400/400", "--ct", "100/5"});
        QVERIFY(line->ok());
        line->holdValues(FourWireRows(reversedCt));
        connection.kind = 0;
        connection.serialPath = line->path().toStdString();
        CmInstallationCheck(session);
        QVERIFY(Panel());
        QCOMPARE(ActivePanel(), Panel());
        QTRY_VERIFY_WITH_TIMEOUT(Checked(), 5000);
    }

  private slots:
    void initTestCase() {
        UseSession(session);
        QVERIFY(dir.isValid());
        SetMessageSink(&messages);
        SetResourceDir(ZARO_BIN_DIR);
        QVERIFY(StartZaro(0.0, dir.path().toStdString()));
        connection.closePortAfterUse = 1;
    }

    void cleanup() {
        if (Panel()) CmCloseInstallation();
        CloseInterface();
        ShowMainPanel(0);
        line.reset();
        sim.stop();
        messages.clear();
        if (Language != 1) ChangeLanguage(1);
    }

    void cleanupTestCase() { EndZaro(); }

    // A reversed transformer on L2 is a red light whose sentence names L2, with the
    // values behind it, in the user's language; Check again reads anew and turns green.
    void reversedCtThenCheckAgain_data() {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("failedWord");
        QTest::newRow("English") << 1 << "Failed";
        QTest::newRow("German") << 0 << "Fehler";
    }
    void reversedCtThenCheckAgain() {
        QFETCH(int, language);
        QFETCH(QString, failedWord);
        ChangeLanguage(language);
        open(2);
        const QList<Row> rows = Rows();
        QVERIFY(rows.size() > 3);
        const auto powerSign = std::find_if(rows.begin(), rows.end(), [](const Row& r) {
            return r.title == CheckTitle(InstallationCheckKind::PowerSign);
        });
        QVERIFY(powerSign != rows.end());
        QCOMPARE(powerSign->verdict, QString("fail"));
        QCOMPARE(powerSign->word, failedWord);
        QVERIFY2(powerSign->sentence.contains("L2"), qPrintable(powerSign->sentence));
        QVERIFY2(powerSign->values.contains("P2 = -"), qPrintable(powerSign->values));
        QVERIFY(std::any_of(rows.begin(), rows.end(), [](const Row& r) { return r.verdict == "ok"; }));
        QVERIFY(Child("summary")->text().startsWith(language == 1 ? "Failed: " : "Nicht bestanden: "));

        const int readsBefore = int(line->requests().size());
        line->holdValues(FourWireRows(0));
        QTest::mouseClick(Child<QPushButton>("again"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(Checked(), 5000);
        QVERIFY(line->requests().size() >= readsBefore + kInstallationReads);
        for (const Row& r : Rows())
            QVERIFY2(r.verdict == "ok", qPrintable(r.title + ": " + r.sentence));
        QCOMPARE(
            Child("summary")->text(),
            QCoreApplication::translate("InstallationPanel", "All checks passed: the meter is wired right."));
    }

    // A meter that stops answering leaves no lights of the last check, and the link's error.
    void silentMeterLeavesNoLights() {
        open(2);
        QVERIFY(!Rows().isEmpty());
        line->fault("silence:4");
        Child<QPushButton>("again")->click();
        QTRY_VERIFY_WITH_TIMEOUT(Checked(), 8000);
        QVERIFY(Rows().isEmpty());
        QVERIFY(Child("summary")->text().startsWith("No check was made"));
        QVERIFY(messages.wasShown(MessageType::Error, 0, 2));
        QVERIFY(!Child("busy")->property("lit").toBool());
    }

    // Closed in the pause between the check's reads, when the link itself is idle: the
    // reads left still find the port open, no error comes up, and the port closes after them.
    void closedBetweenTheReads() {
        QVERIFY2(sim.start({"--rs232", "--system", "4"}), qPrintable(sim.output()));
        connection.kind = 0;
        connection.serialPath = sim.ptyPath().toStdString();
        CmInstallationCheck(session);
        QVERIFY(Panel());
        InstallationTimer(session)->stop();
        bool linkIdle = false;
        QTimer::singleShot(500, [&linkIdle] {
            linkIdle = !LinkBusy();
            CmCloseInstallation();
        });
        QCOMPARE(CmCheckInstallationAgain(session), 1);
        QVERIFY(linkIdle);
        QVERIFY(!Panel());
        QCOMPARE(ActivePanel(), MainPanelHandle());
        QVERIFY(messages.shown.empty());
        QVERIFY(!CommPortIsOpen());
    }

    // With the longest content (a failing installation) the panel fits a 1366 x 768 screen
    // in every language, keyboard and screen reader reach its controls, the Help button
    // opens its page, and Escape closes it as Close does.
    void fitsAndServesKeyboardInEveryLanguage() {
        for (int l : {0, 2, 3, 1}) {
            ChangeLanguage(l);
            FillSmallScreen();
            const QSize size = MainWindow()->size();
            open(2);
            if (QTest::currentTestFailed()) return;
            const QString faults = PanelFaults(Panel());
            QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("language %1: %2").arg(l).arg(faults)));
            Child<QPushButton>("help")->click(); // F1: shell_test, for every kind of panel
            auto* viewer = MainWindow()->findChild<QTextBrowser*>("HelpViewer");
            QVERIFY(viewer && viewer->source().toLocalFile().endsWith("/installation_check.html"));
            delete viewer->window();
            MainWindow()->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(MainWindow()));
            QTest::keyClick(MainWindow(), Qt::Key_Escape);
            QVERIFY(!Panel());
            QCOMPARE(ActivePanel(), MainPanelHandle());
            QCOMPARE(MainWindow()->size(), size);
            QVERIFY(!CommPortIsOpen());
        }
    }
};

QTEST_MAIN(InstallationPanelTest)
#include "installationpanel_test.moc"
