// zaro --demo in-process: the simulator starts beside the program, the configuration
// is received and live values are read from it, and the end leaves nothing behind.
#include "SimProcess.h"

#include "acquisition/gui/MeasDisp.h"
#include "config/ConfigImage.h"
#include "settings/INI_File.h"
#include "shell/Demo.h"
#include "shell/ZARO.h"

#include "platform/Messages.h"

#include "shell/Shell.h"

#include <QtTest>
#include <QtWidgets>

namespace {

QByteArray FileText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool ShowsLabel(QWidget* panel, const QRegularExpression& text) {
    for (QLabel* l : panel->findChildren<QLabel*>())
        if (l->isVisibleTo(panel) && text.match(l->text()).hasMatch()) return true;
    return false;
}

} // namespace

class DemoTest : public QObject {
    Q_OBJECT

    Connection& connection = ShellConnection(); // the one the link talks over
    QTemporaryDir home;
    ScriptedMessages messages;

  private slots:
    void initTestCase() {
        UseConnection(&connection);
        SetResourceDir(ZARO_BIN_DIR);
        SetMessageSink(&messages);
        // The user's own settings: French, RS-485 on another device.
        qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
        QVERIFY(QDir().mkpath(home.filePath("zaro")));
        QFile ini(home.filePath("zaro/ZARO.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write("[Interface]\r\nCOMPortPath = \"/dev/ttyUSB7\"\r\nCOMType = 1\r\n[Options]\r\nLanguage = 3\r\n");
    }

    void receivesReadsAndLeavesTheUserSettingsAndNoProcess() {
        const QByteArray userIni = FileText(home.filePath("zaro/ZARO.ini"));

        QVERIFY(StartDemoSession(BinPath("zaro-sim"), 0));
        QVERIFY(DemoActive());
        QVERIFY(MainWindow()->windowTitle().startsWith(QStringLiteral("ZARO \u2014 ")));
        QCOMPARE(Language, 3); // the copy carries the user's choices
        const QString folder = QString::fromStdString(SettingsDir);
        const QString pty = QString::fromStdString(connection.serialPath);
        QVERIFY(pty.startsWith("/dev/"));
        QVERIFY(messages.shown.empty());

        // The simulated feeder's configuration arrived in the editor.
        // Copies: the packed fields cannot bind to QCOMPARE's references.
        QCOMPARE(int(Konf.Model), 1);
        QCOMPARE(QString::fromLatin1(Konf.Description), QStringLiteral("Simulated meter 255"));
        QCOMPARE(float(Konf.UrPrim), 20000.0f);
        QCOMPARE(float(Konf.IrPrim), 100.0f);

        CmMeasDisplay();
        QVERIFY(Panels().measurements);
        QTRY_VERIFY_WITH_TIMEOUT(ShowsLabel(Panels().measurements, QRegularExpression(R"(^\d+\.\d\d$)")),
                                 3000);
        QVERIFY(ShowsLabel(Panels().measurements, QRegularExpression("^kV$")));
        CmCloseAcquisition();

        EndZaro();
        StopDemo();
        QVERIFY(!DemoActive());
        QVERIFY(!QFileInfo::exists(folder));
        QVERIFY(!QFileInfo::exists(pty)); // the simulator is gone with its terminal
        QCOMPARE(FileText(home.filePath("zaro/ZARO.ini")), userIni);
    }

    void missingSimulatorIsSaidAndNothingStarts() {
        QVERIFY(!StartDemoSession(QString(), 0));
        QVERIFY(!DemoActive());
        QCOMPARE(messages.infos.size(), size_t(1));
        QVERIFY(messages.infos.front().contains("zaro-sim"));
        QVERIFY(!MainWindow());
    }
};

QTEST_MAIN(DemoTest)
#include "demo_test.moc"
