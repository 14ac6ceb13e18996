// The main window driven for real: start-up, languages, toolbar lists, help, printing.
#include "shell/MenuCommands.h"
#include "shell/Shell.h"
#include "shell/ZARO.h"

#include "config/ConfigFile.h"
#include "config/ConfigImage.h"
#include "config/EditorRefresh.h"
#include "link/ModbusTcp.h"
#include "netmodules/KnownDevices.h"
#include "platform/Messages.h"
#include "platform/ProgramFiles.h"
#include "platform/TimeBase.h"
#include "platform/gui/DialogMessages.h"
#include "platform/gui/PanelPrint.h"
#include "settings/INI_File.h"
#include "settings/gui/SelComm.h"

#include <QtTest>
#include <QtWidgets>
#include <cstring>

namespace {

// The connection the link talks over in these tests.
Connection& connection = ShellConnection();

QByteArray FileText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QTextBrowser* HelpViewer() {
    return MainWindow()->findChild<QTextBrowser*>("HelpViewer");
}

QMenuBar* Bar() {
    return MainWindow()->menuBar();
}

QAction* MenuAction(const QString& text) {
    for (QAction* a : Bar()->findChildren<QAction*>())
        if (a->text() == text) return a;
    return nullptr;
}

QAction* LanguageAction(int language) {
    for (QAction* a : Bar()->findChildren<QAction*>())
        if (a->property("language").isValid() && a->property("language").toInt() == language) return a;
    return nullptr;
}

// The three files the settings routines write from their defaults, into dir.
void WriteDefaultFiles(const QString& dir) {
    SettingsDir = dir.toStdString();
    KnownDevices devices;
    LoadINIDefault(connection);
    LoadINIDefaultTCP(devices, connection);
    LoadDevINIDefault(devices, connection);
    NewINIFile(connection);
    NewINIFileTCP(devices, connection);
    NewDevINIFile(devices, connection);
}

QStringList MenuTitles() {
    QStringList titles;
    for (QAction* a : Bar()->actions())
        titles << a->text();
    return titles;
}

QComboBox* List(const char* name) {
    QToolBar* bar = MainWindow()->findChild<QToolBar*>("Toolbar");
    for (QToolBar* t : MainWindow()->findChildren<QToolBar*>())
        if (t->isVisibleTo(MainWindow())) bar = t;
    return bar ? bar->findChild<QComboBox*>(name) : nullptr;
}

QStringList Items(QComboBox* list) {
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

// What a user's choice in a toolbar list does.
void Choose(QComboBox* list, int index) {
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// The shell's devices, emptied, with room for that many gateways and modules.
KnownDevices& ClearNetworkSettings(size_t gateways, size_t modules) {
    std::memset(Devices485, 0, sizeof Devices485);
    KnownDevices& devices = ShellDevices();
    devices = KnownDevices{};
    devices.gateways.resize(gateways);
    devices.modules.resize(modules);
    connection.gatewayIndex = connection.moduleIndex = 0;
    return devices;
}

} // namespace

class ShellTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    ScriptedMessages messages;

    QString File(const char* name) const { return dir.filePath(name); }
    bool Start() { return StartZaro(0, dir.path().toStdString()) == 1; }

  private slots:
    void initTestCase() {
        UseConnection(&connection);
        SetResourceDir(ZARO_BIN_DIR);
        SetMessageSink(&messages);
    }

    void init() {
        QVERIFY(dir.isValid());
        for (const char* f : {"ZARO.ini", "ZAROTCP.ini", "ZARODEV.ini"})
            QFile::remove(File(f));
        messages.clear();
    }

    void cleanup() { EndZaro(); }

    void startWithoutFilesLeavesTheDefaults() {
        QTemporaryDir reference;
        WriteDefaultFiles(reference.path());

        QVERIFY(Start());
        QVERIFY(MainWindow()->isVisible());
        QCOMPARE(ActivePanel(), MainPanelHandle());
        for (const char* f : {"ZARO.ini", "ZAROTCP.ini", "ZARODEV.ini"})
            QCOMPARE(FileText(File(f)), FileText(reference.filePath(f)));
        QCOMPARE(MenuTitles().first(), QStringLiteral("&File"));
        QVERIFY(LanguageAction(1)->isChecked());
    }

    void switchingToFrenchTranslatesAndStores() {
        QVERIFY(Start());
        std::strcpy(Konf.Description, "Feeder 3");
        QWidget* oldPanel = MainPanelHandle();

        LanguageAction(3)->trigger();

        QCOMPARE(Language, 3);
        QVERIFY(LanguageAction(3)->isChecked() && !LanguageAction(1)->isChecked());
        QCOMPARE(MenuTitles().first(), QStringLiteral("&Fichier"));
        QVERIFY(FileText(File("ZARO.ini")).contains("Language = 3\r\n"));
        // The panel was reloaded, the configuration in memory was not.
        QVERIFY(MainPanelHandle() != oldPanel && MainPanelHandle()->isVisible());
        QCOMPARE(QByteArray(Konf.Description), QByteArray("Feeder 3"));
        QVERIFY(List("DeviceAddrList"));
    }

    void toolbarButtonsAreMenuEntries() {
        // Sharing the entries dims a button with its command.
        QVERIFY(Start());
        const QList<QAction*> entries = Bar()->findChildren<QAction*>();
        int buttons = 0;
        for (QAction* a : MainWindow()->findChild<QToolBar*>("Toolbar")->actions()) {
            if (a->isSeparator() || a->data().toInt() == int(ToolImage::None)) continue;
            QVERIFY(entries.contains(a));
            ++buttons;
        }
        QCOMPARE(buttons, 6);
    }

    void addressList_data() {
        QTest::addColumn<int>("commType");
        QTest::addColumn<QList<int>>("found");
        QTest::addColumn<int>("inUse");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("addrAfter");
        const QList<int> found{5, 9, 12};
        QTest::newRow("rs485 in use listed") << 1 << found << 9 << 1 << 9;
        QTest::newRow("rs485 in use not listed") << 1 << found << 7 << 0 << 7;
        QTest::newRow("rs485 none found") << 1 << QList<int>{} << 7 << -1 << 7;
        QTest::newRow("gateway in use listed") << 2 << found << 12 << 2 << 12;
        QTest::newRow("gateway falls back to first") << 2 << found << 7 << 0 << 5;
        QTest::newRow("rs232 lists nothing") << 0 << found << 9 << -1 << 9;
        QTest::newRow("module lists nothing") << 3 << found << 9 << -1 << 9;
    }

    void addressList() {
        QFETCH(int, commType);
        QFETCH(QList<int>, found);
        QFETCH(int, inUse);
        QFETCH(int, addrAfter);
        QVERIFY(Start());
        KnownDevices& devices = ClearNetworkSettings(3, 0);
        connection.kind = commType;
        connection.gatewayIndex = 2;
        std::strcpy(devices.gateways[2].record.IP, "127.0.0.2");
        for (int i = 0; i < found.size(); ++i)
            Devices485[i] = devices.gateways[2].units[i + 4] =
                found[i]; // gaps in the gateway's slots do not matter
        connection.meterAddress = connection.gatewayUnitAddress = inUse;

        InitToolbarDeviceAddr();

        QComboBox* list = List("DeviceAddrList");
        const bool listed = list->count() > 0;
        if (listed) QCOMPARE(Items(list), (QStringList{"5", "9", "12"}));
        QCOMPARE(listed, (commType == 1 || commType == 2) && !found.isEmpty());
        QTEST(list->currentIndex(), "selected");
        QCOMPARE(list->isEnabled(), listed);
        QCOMPARE(commType == 1 ? connection.meterAddress : connection.gatewayUnitAddress, addrAfter);
        if (commType == 2 && addrAfter != inUse)
            QVERIFY(FileText(File("ZAROTCP.ini")).contains("DevAddr = " + QByteArray::number(addrAfter)));
        if (commType == 1 && listed) {
            Choose(list, 2);
            QCOMPARE(connection.meterAddress, 12);
            QVERIFY(FileText(File("ZARO.ini")).contains("DevAddr = 12\r\n"));
        }
    }

    void moduleList() {
        QVERIFY(Start());
        KnownDevices& devices = ClearNetworkSettings(0, 2);
        connection.kind = 3;
        std::strcpy(devices.modules[0].MAC, "00-30-11-22-33-44");
        std::strcpy(devices.modules[0].IP, "127.0.0.5");
        std::strcpy(devices.modules[1].MAC, "00-30-11-22-33-55");
        std::strcpy(devices.modules[1].IP, "127.0.0.6");
        std::strcpy(devices.modules[1].name, "Hall 2");
        connection.moduleIndex = 1;
        InitToolbarGateway();
        QComboBox* list = List("GatewayList");
        QCOMPARE(Items(list), (QStringList{"00-30-11-22-33-44 (127.0.0.5)", "Hall 2"}));
        QCOMPARE(list->currentIndex(), 1);
        QVERIFY(list->isEnabled());
        Choose(list, 0);
        QCOMPARE(connection.moduleIndex, 0);
        QVERIFY(FileText(File("ZARODEV.ini")).contains("LM57Ix = 0"));
    }

    void gatewayList() {
        QVERIFY(Start());
        KnownDevices& devices = ClearNetworkSettings(3, 0);
        connection.kind = 2;
        std::strcpy(devices.gateways[0].record.IP, "127.0.0.2"); // no meter behind it: not offered
        std::strcpy(devices.gateways[1].record.IP, "127.0.0.3");
        std::strcpy(devices.gateways[2].record.IP, "127.0.0.4");
        std::strcpy(devices.gateways[2].record.HN, "Substation");
        devices.gateways[1].units[0] = 3;
        devices.gateways[2].units[0] = 17;
        devices.gateways[2].units[1] = 18;
        connection.gatewayIndex = 1;
        connection.gatewayUnitAddress = 3;
        InitToolbarGateway();
        InitToolbarDeviceAddr();
        QComboBox* gateways = List("GatewayList");
        QCOMPARE(Items(gateways), (QStringList{"127.0.0.3", "Substation"}));
        QCOMPARE(gateways->currentIndex(), 0);
        QCOMPARE(Items(List("DeviceAddrList")), QStringList{"3"});

        AdoptTCPConnection(1, -1); // the connection to the gateway in use
        Choose(gateways, 1);
        QCOMPARE(int(TCPSlotConnected(1)), 0);
        QCOMPARE(connection.gatewayIndex, 2);
        QCOMPARE(Items(List("DeviceAddrList")), (QStringList{"17", "18"}));
        QCOMPARE(connection.gatewayUnitAddress, 17);

        connection.kind = 0;
        InitToolbarGateway();
        QCOMPARE(gateways->count(), 0);
        QVERIFY(!gateways->isEnabled());
    }

    void displayPanelsReplaceTheMainPanel() {
        QVERIFY(Start());
        MainWindow()->resize(900, 600);
        QWidget* main = MainPanelHandle();
        QSignalSpy help(MenuAction("&Contents"), &QAction::triggered);

        auto* fitted = new QLabel("values", MainWindow());
        ShowPanel(PanelKind::Measurements, fitted);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCOMPARE(ActivePanel(), fitted);
        QVERIFY(!main->isVisible() && !Bar()->isVisible());
        QVERIFY(!MainWindow()->findChild<QToolBar*>("Toolbar")->isVisible());
        QCOMPARE(fitted->size(), MainWindow()->centralWidget()->size());
        // The main window's shortcuts must not open a second panel over this one.
        MainWindow()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(MainWindow()));
        // F1 still reaches the help: the page of the panel shown.
        QTest::keyClick(fitted, Qt::Key_F1);
        QCOMPARE(help.count(), 0);
        QVERIFY(HelpViewer()->source().toLocalFile().endsWith("/help/en/measurements.html"));
        delete fitted;
        ShowMainPanel(0);
        QVERIFY(main->isVisible() && Bar()->isVisible());
        QTest::keyClick(main, Qt::Key_F1);
        QCOMPARE(help.count(), 1);
        QVERIFY(HelpViewer()->source().toLocalFile().endsWith("/help/en/main_panel.html"));
        delete HelpViewer()->window();

        auto* small = new QLabel("meters", MainWindow());
        small->setFixedSize(200, 100);
        ShowPanel(PanelKind::Meters, small);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCOMPARE(small->geometry(), QRect(0, 0, 200, 100));
        delete small;
        ShowMainPanel(0);

        auto* logger = new QLabel("logger", MainWindow());
        ShowPanel(PanelKind::DeviceLogger, logger);
        QVERIFY(Bar()->isVisible());
        QCOMPARE(MenuTitles(), QStringList{"&Logger"});
        delete logger;
        ShowMainPanel(1);
        QCOMPARE(MenuTitles().first(), QStringLiteral("&File"));
        QCOMPARE(ActivePanel(), main);
        QVERIFY(List("DeviceAddrList"));
    }

    void splashStaysItsTime() {
        const double start = Timer();
        QCOMPARE(StartZaro(0.3, dir.path().toStdString()), 1);
        QVERIFY(Timer() - start >= 0.3);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "AboutPanel") QVERIFY(!w->isVisible());
    }

    void aboutClosesOnClick() {
        QVERIFY(Start());
        MenuAction("&About ZARO")->trigger();
        auto* about = MainWindow()->findChild<QPushButton*>("AboutPanel");
        QVERIFY(about && about->isVisible());
        QTest::mouseClick(about, Qt::LeftButton);
        QVERIFY(!about->isVisible());
    }

    void helpOpensInTheProgram() {
        QVERIFY(Start());
        CmHelpContents();
        QTextBrowser* viewer = HelpViewer();
        QVERIFY(viewer && viewer->window()->isVisible());
        QVERIFY(viewer->toPlainText().contains("main panel"));
        CmHelpContents();
        QCOMPARE(MainWindow()->findChildren<QTextBrowser*>("HelpViewer").size(), 1);
        // Links stay in the language.
        ChangeLanguage(0);
        CmHelpContents();
        viewer = HelpViewer();
        QVERIFY(viewer->source().toLocalFile().endsWith("/help/de/main_panel.html"));
        emit viewer->anchorClicked(QUrl("interface.html"));
        QVERIFY(viewer->source().toLocalFile().endsWith("/help/de/interface.html"));
        delete viewer->window();
        ChangeLanguage(1);

        // The modal interface dialog has its own F1; a viewer outside it would be blocked.
        QDialog* dialog = CreateInterfaceDialog(MainWindow(), ShellDevices(), connection);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QTest::keyClick(dialog, Qt::Key_F1);
        viewer = dialog->findChild<QTextBrowser*>("HelpViewer");
        QVERIFY(viewer && viewer->source().toLocalFile().endsWith("/help/en/interface.html"));
        dialog->reject();
        delete dialog;
        QVERIFY(HelpFile(QString(ZARO_BIN_DIR) + "/help", 9, "index.html").endsWith("/help/en/index.html"));
    }

    void everyHelpPageInEveryLanguage() {
        // The same pages in each language, and every link between them leads to one.
        const QDir help(QString(ZARO_SOURCE_DIR) + "/resources/help");
        const QStringList english = QDir(help.filePath("en")).entryList({"*.html"}, QDir::Files, QDir::Name);
        QVERIFY(english.contains("index.html"));
        const QRegularExpression link("href=\"([^\"#:]*)");
        for (const char* lang : {"de", "en", "nl", "fr"}) {
            const QDir dir(help.filePath(lang));
            QCOMPARE(dir.entryList({"*.html"}, QDir::Files, QDir::Name), english);
            for (const QString& page : english) {
                const QString text = QString::fromUtf8(FileText(dir.filePath(page)));
                QVERIFY2(text.contains(QStringLiteral("lang=\"%1\"").arg(lang)),
                         qPrintable(dir.filePath(page)));
                for (auto m = link.globalMatch(text); m.hasNext();) {
                    const QString target = m.next().captured(1);
                    QVERIFY2(target.isEmpty() || dir.exists(target), qPrintable(page + " -> " + target));
                }
            }
        }
    }

    void printToPdf() {
        QVERIFY(Start());
        auto* date = new QLabel(MainPanelHandle());
        date->setObjectName("Date");
        auto* time = new QLabel(MainPanelHandle());
        time->setObjectName("Time");

        const QString pdf = dir.filePath("panel.pdf");
        SetPrintToPdf(pdf); // the menu's print asks no printer then
        CmPrint();
        SetPrintToPdf(QString());

        const QByteArray data = FileText(pdf);
        QVERIFY(data.startsWith("%PDF") && data.size() > 1000);
        QCOMPARE(date->text(), QString::fromStdString(FormatDate(LocalNow())));
        QCOMPARE(time->text().size(), 8);
        QVERIFY(date->isHidden() && time->isHidden()); // on paper only
    }

    void closingTheWindowEndsTheLoop() {
        // The program's own loop, as RunZaro runs it; the fallback timer fails the test.
        QVERIFY(Start());
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        guard.start(5000);
        QTimer::singleShot(0, MainWindow(), [] { MainWindow()->close(); });
        QCOMPARE(QApplication::exec(), 0);

        guard.start(5000);
        QTimer::singleShot(0, MainWindow(), [] { MenuAction("E&xit")->trigger(); });
        QCOMPARE(QApplication::exec(), 0);
    }

    void progressAndNotesGoToTheWindow() {
        QVERIFY(Start());
        DialogMessages dialogs(ActivePanel);
        dialogs.progress(0, 0);
        auto* popup = MainPanelHandle()->findChild<QProgressDialog*>();
        QVERIFY(popup && popup->isVisible());
        QCOMPARE(popup->windowModality(), Qt::ApplicationModal);
        QVERIFY(popup->findChildren<QPushButton*>().isEmpty()); // nothing to cancel midway
        dialogs.progress(2, 40);
        QCOMPARE(popup->value(), 40);
        dialogs.progress(1, 0);
        QVERIFY(!MainPanelHandle()->findChild<QProgressDialog*>());

        dialogs.notify("Saved to /tmp/x.ZRC");
        QCOMPARE(MainWindow()->statusBar()->currentMessage(), QStringLiteral("Saved to /tmp/x.ZRC"));
    }

    // A number field commits when it is left; the menu, the toolbar and the shortcuts
    // leave it where it is, and must still save what the user typed.
    void commandsTakeTheFieldBeingEdited_data() {
        QTest::addColumn<bool>("button");
        QTest::newRow("shortcut") << false;
        QTest::newRow("toolbar button") << true;
    }
    void commandsTakeTheFieldBeingEdited() {
        QFETCH(bool, button);
        QVERIFY(Start());
        QVERIFY(QTest::qWaitForWindowActive(MainWindow()));
        Konf.UrPrim = 20000.0f;
        ShowAll();
        auto* prim = MainPanelHandle()->findChild<QDoubleSpinBox*>("UrPrim");
        QCOMPARE(prim->text(), QString("20.000"));
        prim->setFocus();
        prim->selectAll();
        QTest::keyClicks(prim, "30");
        const QString path = File("typed.ZRC");
        QFile::remove(path);
        messages.files = {path.toStdString()};

        if (button) {
            QToolBar* toolbar = MainWindow()->findChild<QToolBar*>("Toolbar");
            for (QAction* a : toolbar->actions())
                if (a->data().toInt() == int(ToolImage::Save))
                    QTest::mouseClick(toolbar->widgetForAction(a), Qt::LeftButton);
        } else {
            QTest::keyClick(prim, Qt::Key_S, Qt::ControlModifier);
        }

        QVERIFY(messages.files.empty());
        QVERIFY(prim->hasFocus());
        QCOMPARE(prim->text(), QString("30.000"));
        ConfigImage saved{};
        QCOMPARE(LoadConfigFile(path.toStdString(), saved), 1);
        QCOMPARE(float(saved.UrPrim), 30000.0f);
    }

    void savingAddsTheExtension() {
        DialogMessages dialogs([]() -> QWidget* { return nullptr; });
        const QString typed = dir.filePath("feeder3");
        QTimer::singleShot(0, [typed] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->selectFile(typed);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        const std::string chosen = dialogs.selectFile(true, "Save", "*.ZRC", "*.ZRC");
        QCOMPARE(QString::fromStdString(chosen), typed + ".ZRC");
    }

    void loggerQuestion_data() {
        QTest::addColumn<bool>("tick");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<int>("answer");
        QTest::newRow("cancel") << true << false << 0;
        QTest::newRow("continue") << false << true << 1;
        QTest::newRow("continue and clear") << true << true << 2;
    }

    void loggerQuestion() {
        QFETCH(bool, tick);
        QFETCH(bool, accept);
        DialogMessages dialogs([]() -> QWidget* { return nullptr; });
        QTimer::singleShot(0, [tick, accept] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            box->checkBox()->setChecked(tick);
            for (QAbstractButton* b : box->buttons())
                if ((box->buttonRole(b) == QMessageBox::AcceptRole) == accept) b->click();
        });
        QTEST(dialogs.askLoggerWarnung(), "answer");
    }
};

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
