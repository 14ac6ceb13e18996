// The main window driven for real: start-up, languages, toolbar lists, help, printing,
// the popups, the communication log, and the demo session with the simulator beside
// the program.
#include "PanelChecks.h"
#include "SimLine.h"
#include "SimProcess.h"
#include "config/MeterSession.h"
#include "link/Connection.h"
#include "shell/Demo.h"
#include "shell/MenuCommands.h"
#include "shell/Shell.h"
#include "shell/ZARO.h"

#include "acquisition/gui/MeasDisp.h"
#include "config/ConfigDiff.h"
#include "config/ConfigFile.h"
#include "config/ConfigImage.h"
#include "config/ConfigTransfer.h"
#include "config/EditorRefresh.h"
#include "config/gui/BrightnessPopup.h"
#include "config/gui/DispModePanel.h"
#include "link/CommLog.h"
#include "link/DeviceLink.h"
#include "link/ModbusTcp.h"
#include "link/gui/CommLogWindow.h"
#include "netmodules/KnownDevices.h"
#include "platform/Messages.h"
#include "platform/ProgramFiles.h"
#include "platform/TimeBase.h"
#include "platform/gui/DialogMessages.h"
#include "platform/gui/PanelPrint.h"
#include "settings/INI_File.h"
#include "settings/gui/SelComm.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QtTest>
#include <QtWidgets>
#include <cstring>
#include <functional>
#include <tuple>

namespace {

Connection& connection = ShellConnection(); // the one the link talks over

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

// The cells of one column, up to the first comma.
QStringList Column(QTreeWidget* table, int column) {
    QStringList cells;
    for (int i = 0; i < table->topLevelItemCount(); ++i)
        cells << table->topLevelItem(i)->text(column).section(',', 0, 0);
    return cells;
}

QLabel* StatusField(const char* name) {
    return MainWindow()->statusBar()->findChild<QLabel*>(name);
}
QString Status(const char* name) {
    QLabel* field = StatusField(name);
    return field && field->isVisibleTo(MainWindow()) ? field->text() : QString();
}

// Types into a number field of the editor and leaves it, as a user would.
void TypeInto(const char* field, const char* text) {
    auto* box = MainPanelHandle()->findChild<QAbstractSpinBox*>(field);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

const QString kClock = QStringLiteral(R"(\d\d:\d\d:\d\d)");

// Answers the next record dialog (File's or Print's): fill runs on it, then OK or Cancel.
void AnswerRecordDialog(const std::function<void(QDialog*)>& fill, bool ok) {
    QTimer::singleShot(0, [fill, ok] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!d || d->objectName() != "recordDialog") return;
        if (fill) fill(d);
        ok ? d->accept() : d->reject();
    });
}

} // namespace

class ShellTest : public QObject {
    Q_OBJECT
    MeterSession& session = ShellSession(); // the one the menu commands work on
    QTemporaryDir dir;
    ScriptedMessages messages;

    QString File(const char* name) const { return dir.filePath(name); }
    bool Start() { return StartZaro(0, dir.path().toStdString()) == 1; }

  private slots:
    void initTestCase() {
        UseSession(session);
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
        QVERIFY(Start());
        QVERIFY(MainWindow()->isVisible());
        QCOMPARE(ActivePanel(), MainPanelHandle());
        // Their bytes are the settings' own concern; here only that the start leaves them.
        for (const char* f : {"ZARO.ini", "ZAROTCP.ini", "ZARODEV.ini"})
            QVERIFY2(!FileText(File(f)).isEmpty(), f);
        QVERIFY(FileText(File("ZARO.ini")).contains("Language = 1\r\n"));
        QCOMPARE(MenuTitles().first(), QStringLiteral("&File"));
        QVERIFY(LanguageAction(1)->isChecked());
    }

    void switchingToFrenchTranslatesAndStores() {
        QVERIFY(Start());
        std::strcpy(session.edited.Description, "Feeder 3");
        QWidget* oldPanel = MainPanelHandle();

        LanguageAction(3)->trigger();

        QCOMPARE(Language, 3);
        QVERIFY(LanguageAction(3)->isChecked() && !LanguageAction(1)->isChecked());
        QCOMPARE(MenuTitles().first(), QStringLiteral("&Fichier"));
        QVERIFY(FileText(File("ZARO.ini")).contains("Language = 3\r\n"));
        // The panel was reloaded, the configuration in memory was not.
        QVERIFY(MainPanelHandle() != oldPanel && MainPanelHandle()->isVisible());
        QCOMPARE(QByteArray(session.edited.Description), QByteArray("Feeder 3"));
        QVERIFY(List("DeviceAddrList"));
    }

    // Each language writes numbers its own way where a person reads them: the editor's
    // fields and lists, the question before a send, the communication log, which also
    // rewords itself. A German field takes a German number; copied log lines keep the
    // English words and the point that scripts read.
    void numbersInTheChosenLanguage() {
        QVERIFY(Start());
        session.edited.UrPrim = 20000.0f;
        session.edited.UrSec = 100;
        session.edited.IrPrim = 100.0f;
        session.edited.IrSec = 5.0f;
        ConfigImage halved = session.edited;
        halved.UrPrim = 10000.0f;
        CmCommLog();
        QWidget* log = Panels().commLog;
        const uint8_t frame[] = {1, 3, 0, 1, 0, 2, 0, 0};
        ReportFrame(true, FrameOutcome::Request, 1, frame, 8);
        ReportFrame(false, FrameOutcome::CrcError, 1, frame, 8);
        const struct {
            QString decimal, title, crc;
        } languages[] = {{",", "Kommunikationsprotokoll", "CRC-Fehler"},
                         {".", "Communication log", "CRC error"},
                         {",", "Communicatielog", "CRC-fout"},
                         {",", "Journal de communication", "erreur CRC"}};
        for (int l : {0, 1, 2, 3}) {
            LanguageAction(l)->trigger();
            const QString& d = languages[l].decimal;
            QCOMPARE(MainPanelHandle()->findChild<QDoubleSpinBox*>("UrPrim")->text(), "20" + d + "000");
            QCOMPARE(MainPanelHandle()->findChild<QDoubleSpinBox*>("IrSec")->text(), "5" + d + "000 A");
            QCOMPARE(MainPanelHandle()->findChild<QComboBox*>("RefreshTime")->itemText(0), "0" + d + "5 s");
            const QStringList row =
                DifferenceRows(
                    CompareConfigurations(session.edited, halved, DialogMessages(nullptr).numberLocale()))
                    .first()
                    .split('\t');
            QCOMPARE(row.mid(1), (QStringList{"20" + d + "000 kV / 100 V", "10" + d + "000 kV / 100 V"}));
            QTRY_COMPARE(log->windowTitle(), languages[l].title); // the switch is posted to open windows
            QCOMPARE(log->findChild<QTreeWidget*>("frames")->topLevelItem(1)->text(8), languages[l].crc);
            QVERIFY(log->findChild<QLabel*>("counters")->text().contains(" 0" + d + "0 ms"));
        }
        log->findChild<QPushButton*>("copy")->click();
        QVERIFY(QApplication::clipboard()->text().contains("\tCRC error\n"));

        LanguageAction(0)->trigger();
        auto* current = MainPanelHandle()->findChild<QDoubleSpinBox*>("IrPrim");
        current->setFocus();
        current->selectAll();
        QTest::keyClicks(current, "12,5");
        QTest::keyClick(current, Qt::Key_Return);
        QCOMPARE(float(session.edited.IrPrim), 12.5f); // a copy: the image is packed
        current->selectAll();
        QTest::keyClicks(current, "7.5"); // the keypad's point is the decimal comma, not a thousands mark
        QTest::keyClick(current, Qt::Key_Return);
        QCOMPARE(float(session.edited.IrPrim), 7.5f);
        delete log;
        ClearCommLog();
    }

    void qtDialogsFollowTheLanguage() {
        // Qt's own dialogs and menus speak the chosen language, also those already open
        // when it changes. Their words come from the system's Qt translations.
        QVERIFY(Start());
        QFileDialog files;
        files.setOption(QFileDialog::DontUseNativeDialog);
        files.setAcceptMode(QFileDialog::AcceptSave);
        QDialogButtonBox closeBox(QDialogButtonBox::Close);
        QLineEdit field;
        const struct {
            int language;
            const char *save, *cancel, *lookIn, *close, *undo, *print;
        } cases[] = {
            {0, "Speichern", "Abbrechen", "Suchen in:", "Schließen", "&Rückgängig", "&Drucken"},
            {2, "Opslaan", "Annuleren", "Zoeken in:", "Sluiten", "&Ongedaan maken", "A&fdrukken"},
            {3, "Enregistrer", "Annuler", "Voir dans :", "Fermer", "&Annuler", "Im&primer"},
            {1, "Save", "Cancel", "Look in:", "Close", "&Undo", "&Print"},
        };
        for (const auto& c : cases) {
            LanguageAction(c.language)->trigger();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
            auto* box = files.findChild<QDialogButtonBox*>("buttonBox");
            QVERIFY(box && box->button(QDialogButtonBox::Save) && box->button(QDialogButtonBox::Cancel));
            QCOMPARE(box->button(QDialogButtonBox::Save)->text().remove('&'), QString::fromUtf8(c.save));
            QCOMPARE(box->button(QDialogButtonBox::Cancel)->text(), QString::fromUtf8(c.cancel));
            QCOMPARE(files.labelText(QFileDialog::LookIn), QString::fromUtf8(c.lookIn));
            QCOMPARE(closeBox.button(QDialogButtonBox::Close)->text(), QString::fromUtf8(c.close));
            std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
            QCOMPARE(menu->actions().first()->text().section('\t', 0, 0), QString::fromUtf8(c.undo));
            QPrinter printer;
            QPrintDialog print(&printer); // made anew for each print
            auto* printButtons = print.findChild<QDialogButtonBox*>();
            QVERIFY(printButtons && printButtons->button(QDialogButtonBox::Ok));
            QCOMPARE(printButtons->button(QDialogButtonBox::Ok)->text(), QString::fromUtf8(c.print));
        }
    }

    void addressList() {
        const QList<int> none, found{5, 9, 12};
        const struct {
            int commType;
            QList<int> found;
            int inUse, selected, addrAfter;
        } cases[] = {{1, found, 9, 1, 9},   // in use, listed
                     {1, found, 7, 0, 7},   // in use, not listed
                     {1, none, 7, -1, 7},   // none found
                     {2, found, 12, 2, 12}, // gateway: in use, listed
                     {2, found, 7, 0, 5},   // gateway falls back to the first
                     {0, found, 9, -1, 9}}; // RS-232 lists nothing
        for (const auto& [commType, found, inUse, selected, addrAfter] : cases) {
            cleanup();
            init();
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
            QCOMPARE(list->currentIndex(), selected);
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
    }

    void networkLists() {
        QVERIFY(Start());
        KnownDevices& devices = ClearNetworkSettings(3, 2);
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
        QComboBox* list = List("GatewayList");
        QCOMPARE(Items(list), (QStringList{"127.0.0.3", "Substation"}));
        QCOMPARE(list->currentIndex(), 0);
        QCOMPARE(Items(List("DeviceAddrList")), QStringList{"3"});

        AdoptTCPConnection(1, -1); // the connection to the gateway in use
        Choose(list, 1);
        QCOMPARE(int(TCPSlotConnected(1)), 0);
        QCOMPARE(connection.gatewayIndex, 2);
        QCOMPARE(Items(List("DeviceAddrList")), (QStringList{"17", "18"}));
        QCOMPARE(connection.gatewayUnitAddress, 17);

        // The same list offers the modules, by name where they have one.
        connection.kind = 3;
        std::strcpy(devices.modules[0].MAC, "00-30-11-22-33-44");
        std::strcpy(devices.modules[0].IP, "127.0.0.5");
        std::strcpy(devices.modules[1].name, "Hall 2");
        connection.moduleIndex = 1;
        InitToolbarGateway();
        QCOMPARE(Items(list), (QStringList{"00-30-11-22-33-44 (127.0.0.5)", "Hall 2"}));
        QCOMPARE(list->currentIndex(), 1);
        Choose(list, 0);
        QCOMPARE(connection.moduleIndex, 0);
        QVERIFY(FileText(File("ZARODEV.ini")).contains("LM57Ix = 0"));

        connection.kind = 0;
        InitToolbarGateway();
        QCOMPARE(list->count(), 0);
        QVERIFY(!list->isEnabled());
    }

    void displayPanelsReplaceTheMainPanel() {
        QVERIFY(Start());
        MainWindow()->resize(900, 600);
        QWidget* main = MainPanelHandle();

        auto* fitted = new QLabel("values", MainWindow());
        ShowPanel(PanelKind::Measurements, fitted);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        QCOMPARE(ActivePanel(), fitted);
        QVERIFY(!main->isVisible() && !Bar()->isVisible());
        QVERIFY(!MainWindow()->findChild<QToolBar*>("Toolbar")->isVisible());
        QCOMPARE(fitted->size(), MainWindow()->centralWidget()->size());
        delete fitted;
        ShowMainPanel(0);
        QVERIFY(main->isVisible() && Bar()->isVisible());

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

        // The main panel's button is the menu entry's command, offered whenever the entry is.
        for (bool button : {true, false}) {
            if (button)
                MainPanelHandle()->findChild<QPushButton*>("PagesButton")->click();
            else
                MenuAction("Display &pages...")->trigger();
            QCOMPARE(ActivePanelKind(), PanelKind::DisplayMode);
            QCOMPARE(ActivePanel(), Panels().displayMode.data());
            CmDispModeDone();
        }
    }

    void helpOpensInTheProgram() {
        QVERIFY(Start());
        MenuAction("&Contents")->trigger();
        QTextBrowser* viewer = HelpViewer();
        QVERIFY(viewer && viewer->window()->isVisible());
        QVERIFY(viewer->source().toLocalFile().endsWith("/help/en/index.html"));
        CmHelpContents();
        QCOMPARE(MainWindow()->findChildren<QTextBrowser*>("HelpViewer").size(), 1);
        delete viewer->window();

        // Links stay in the language.
        ChangeLanguage(0);
        CmHelpContents();
        viewer = HelpViewer();
        QVERIFY(viewer->source().toLocalFile().endsWith("/help/de/index.html"));
        emit viewer->anchorClicked(QUrl("interface.html"));
        QVERIFY(viewer->source().toLocalFile().endsWith("/help/de/interface.html"));
        delete viewer->window();
        ChangeLanguage(1);

        // The modal interface dialog has its own F1; a viewer outside it would be blocked.
        QDialog* dialog = CreateInterfaceDialog(MainWindow(), ShellDevices(), session);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QTest::keyClick(dialog, Qt::Key_F1);
        viewer = dialog->findChild<QTextBrowser*>("HelpViewer");
        QVERIFY(viewer && viewer->source().toLocalFile().endsWith("/help/en/interface.html"));
        dialog->reject();
        delete dialog;
        QVERIFY(HelpFile(QString(ZARO_BIN_DIR) + "/help", 9, "index.html").endsWith("/help/en/index.html"));

        // F1 opens the page of the panel in front, whichever menu bar it brings.
        MainWindow()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(MainWindow()));
        for (int k = 0; k <= int(PanelKind::Installation); ++k) {
            const auto kind = PanelKind(k);
            QWidget* panel = kind == PanelKind::Main ? MainPanelHandle() : new QLabel("panel", MainWindow());
            ShowPanel(kind, panel);
            QTest::keyClick(panel, Qt::Key_F1);
            QVERIFY2(HelpViewer() && HelpViewer()->source().toLocalFile().endsWith("/help/en/" + HelpPage(kind)),
                     qPrintable(HelpPage(kind)));
            delete HelpViewer()->window();
            if (panel != MainPanelHandle()) delete panel;
            ShowMainPanel(1);
        }
    }

    void everyHelpPageInEveryLanguage() {
        // The same pages in each language, and every link between them leads to one; each
        // panel kind and each dialog with F1 has its page, and no page promises a later version.
        const QDir help(QString(ZARO_SOURCE_DIR) + "/resources/help");
        const QStringList english = QDir(help.filePath("en")).entryList({"*.html"}, QDir::Files, QDir::Name);
        QStringList named{"index.html", "interface.html", "brightness.html", "compare.html", "commlog.html"};
        for (int k = 0; k <= int(PanelKind::Installation); ++k)
            named << HelpPage(PanelKind(k));
        for (const QString& page : named)
            QVERIFY2(english.contains(page), qPrintable(page));
        const QRegularExpression later("later version|later release|späteren? version|latere versie|"
                                       "version ultérieure|prochaine version|coming soon|not yet available",
                                       QRegularExpression::CaseInsensitiveOption);
        const QRegularExpression link("href=\"([^\"#:]*)");
        for (const char* lang : {"de", "en", "nl", "fr"}) {
            const QDir dir(help.filePath(lang));
            QCOMPARE(dir.entryList({"*.html"}, QDir::Files, QDir::Name), english);
            for (const QString& page : english) {
                const QString text = QString::fromUtf8(FileText(dir.filePath(page)));
                QVERIFY2(text.contains(QStringLiteral("lang=\"%1\"").arg(lang)),
                         qPrintable(dir.filePath(page)));
                QVERIFY2(!later.match(text).hasMatch(), qPrintable(dir.filePath(page)));
                for (auto m = link.globalMatch(text); m.hasNext();) {
                    const QString target = m.next().captured(1);
                    QVERIFY2(target.isEmpty() || dir.exists(target), qPrintable(page + " -> " + target));
                }
            }
        }
    }

    void printToPdf() {
        QVERIFY(Start());
        QLabel* caption = MainPanelHandle()->findChild<QLabel*>("DateCaption");
        QVERIFY(caption && caption->isHidden()); // no empty "Date" on screen
        auto* date = new QLabel(MainPanelHandle());
        date->setObjectName("Date");
        auto* time = new QLabel(MainPanelHandle());
        time->setObjectName("Time");

        const QString pdf = dir.filePath("panel.pdf");
        SetPrintToPdf(pdf); // the menu's print asks no printer then
        AnswerRecordDialog(nullptr, true); // the panel, as Print offers first
        CmPrint(session);
        SetPrintToPdf(QString());

        const QByteArray data = FileText(pdf);
        QVERIFY(data.startsWith("%PDF") && data.size() > 1000);
        QCOMPARE(date->text(), QString::fromStdString(FormatDate(LocalNow())));
        QCOMPARE(time->text().size(), 8);
        QVERIFY(date->isHidden() && time->isHidden()); // on paper only
    }

    // File's record: the details typed go into the file chosen, and are offered again.
    void commissioningRecordFromTheFileMenu() {
        QVERIFY(Start());
        SimLine sim{{"--rs232", "--model", "zrm3", "--system", "4"}};
        QVERIFY(sim.ok());
        connection.kind = kRS232;
        connection.serialPath = sim.path().toStdString();
        const QString pdf = dir.filePath("record");
        messages.files = {pdf.toStdString()};
        AnswerRecordDialog(
            [](QDialog* d) {
                d->findChild<QLineEdit*>("Site")->setText("Bay 7");
                d->findChild<QPlainTextEdit*>("Note")->setPlainText("checked");
            },
            true);
        QCOMPARE(CmCommissioningRecord(session), 1);
        const QByteArray data = FileText(pdf + ".pdf");
        QVERIFY2(data.startsWith("%PDF") && data.size() > 5000, qPrintable(QString::number(data.size())));
        QVERIFY(messages.shown.empty());
        QCOMPARE(messages.progressOpen, 0);

        // Print lays the record out on the printer's page as the file has it.
        const QString printed = dir.filePath("printed.pdf");
        SetPrintToPdf(printed);
        AnswerRecordDialog([](QDialog* d) { d->findChild<QRadioButton*>("PrintRecord")->setChecked(true); },
                           true);
        CmPrint(session);
        SetPrintToPdf(QString());
        const QRegularExpression page(R"(/Type\s*/Page[^s])");
        QCOMPARE(QString::fromLatin1(FileText(printed)).count(page), QString::fromLatin1(data).count(page));

        QString offered;
        AnswerRecordDialog([&offered](QDialog* d) { offered = d->findChild<QLineEdit*>("Site")->text(); },
                           false);
        QCOMPARE(CmCommissioningRecord(session), 0);
        QCOMPARE(offered, QStringLiteral("Bay 7"));
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

    // The dialogs and windows beside the panels leave room on a 1366 x 768 screen in every
    // language: their frame, or what their contents need, whichever is larger.
    void dialogsFitASmallScreen() {
        QVERIFY(Start());
        for (int l : {0, 2, 3, 1}) {
            ChangeLanguage(l);
            std::unique_ptr<QDialog> interface(CreateInterfaceDialog(MainWindow(), ShellDevices(), ShellSession()));
            std::unique_ptr<QDialog> brightness(CreateBrightnessPopup(ShellSession(), MainWindow()));
            CmCommLog();
            ShowHelpPage(MainWindow(), "index.html");
            QWidget* help = MainWindow()->findChild<QTextBrowser*>("HelpViewer")->window();
            for (QWidget* w : {static_cast<QWidget*>(interface.get()), static_cast<QWidget*>(brightness.get()),
                               Panels().commLog.data(), help}) {
                w->show();
                const QSize size = w->frameGeometry().size().expandedTo(w->minimumSizeHint());
                QVERIFY2(size.width() <= 1366 && size.height() <= 740,
                         qPrintable(QStringLiteral("%1, language %2: %3 x %4")
                                        .arg(w->windowTitle())
                                        .arg(l)
                                        .arg(size.width())
                                        .arg(size.height())));
                w->hide();
            }
            delete Panels().commLog; // the tests after this one open their own
            delete help;
        }
    }

    void aboutClosesWithEscape() {
        QVERIFY(Start());
        QVERIFY(QTest::qWaitForWindowActive(MainWindow()));
        MenuAction("&About ZARO")->trigger();
        QVERIFY(Panels().about->isVisible());
        QTest::keyClick(MainWindow(), Qt::Key_Escape);
        QVERIFY(!Panels().about->isVisible());
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
        session.edited.UrPrim = 20000.0f;
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

    // The send question, titled as such, shows the differences as a table; Cancel is
    // the default answer.
    void differencesDialogDefaultsToCancel() {
        DialogMessages dialogs(nullptr);
        dialogs.setHelpKey(AddHelpKey);
        int rows = -1;
        QString title, help;
        QTimer::singleShot(0, [&rows, &title, &help] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!d || d->objectName() != "detailsDialog") return;
            rows = d->findChild<QTreeWidget*>()->topLevelItemCount();
            title = d->windowTitle();
            if (!QTest::qWaitForWindowActive(d)) return;
            QTest::keyClick(d, Qt::Key_F1); // the viewer opens over the question
            if (auto* viewer = d->findChild<QTextBrowser*>("HelpViewer")) help = viewer->source().fileName();
            d->activateWindow();
            QTest::keyClick(d, Qt::Key_Return);
        });
        QCOMPARE(dialogs.askWarningWithDetails(0, 0, {"A\t1\t2", "B\tx\ty"}), 0);
        QCOMPARE(rows, 2);
        QCOMPARE(title, QString("Send configuration"));
        QCOMPARE(help, QString("compare.html"));
    }

    // The log runs from start-up: the window lists, at clock times, a CRC error and its
    // retry from before it was opened; filtered, paused; Escape and Close leave the log running.
    void commLogKeptFromStartUp() {
        QVERIFY(Start());
        SimLine sim{{"--rs232", "--fault", "badcrc"}};
        QVERIFY(sim.ok());
        connection.kind = 0;
        connection.serialPath = sim.path().toStdString();
        connection.replyTimeoutMs = 300;
        connection.closePortAfterUse = 0;
        ClearCommLog();
        const QTime started = QTime::currentTime();
        QVERIFY(InitInterface() && Read(session.read, kReadVersions, 1));
        CmCommLog();
        QPointer<QWidget> w = Panels().commLog;
        QVERIFY(QTest::qWaitForWindowActive(w));
        auto* table = w->findChild<QTreeWidget*>("frames");
        QCOMPARE(Column(table, 8), (QStringList{"request", "CRC error", "retry 1", "good reply"}));
        const QTime shown = QTime::fromString(table->topLevelItem(0)->text(0), "HH:mm:ss.zzz");
        QVERIFY(shown.isValid() && std::abs(started.msecsTo(shown)) < 5000);
        QVERIFY(w->findChild<QLabel*>("counters")->text().contains("CRC errors 1"));
        QVERIFY2(KeyboardFaults(w).isEmpty(), qPrintable(KeyboardFaults(w).join(", ")));

        w->findChild<QComboBox*>("filter")->setCurrentIndex(4); // CRC errors
        QCOMPARE(Column(table, 8), QStringList{"CRC error"});
        w->findChild<QComboBox*>("filter")->setCurrentIndex(0);

        auto* pause = w->findChild<QCheckBox*>("pause");
        pause->setChecked(true);
        QVERIFY(Read(session.read, kReadVersions, 1));
        QTRY_VERIFY(w->findChild<QLabel*>("counters")->text().startsWith("Requests 2"));
        QCOMPARE(table->topLevelItemCount(), 4); // held while paused, counted all the same
        pause->setChecked(false);
        QCOMPARE(table->topLevelItemCount(), 6);

        QTest::keyClick(w, Qt::Key_Escape);
        QTRY_VERIFY(w.isNull());
        const uint64_t before = CommLogTotal();
        QVERIFY(Read(session.read, kReadVersions, 1));
        QCOMPARE(CommLogTotal(), before + 2); // the request and its good reply
        CmCommLog();
        w = Panels().commLog;
        QCOMPARE(w->findChild<QTreeWidget*>("frames")->topLevelItemCount(), 8);
        w->findChild<QPushButton*>("close")->click();
        QTRY_VERIFY(w.isNull());
        QVERIFY(CommLogRunning());
        CloseCommPort();
        ClearCommLog();
    }

    // A log file gets every frame as it comes, beyond what the window holds.
    void commLogFileKeepsEveryFrame() {
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

    // A fresh settings folder offers the first steps over the editor; a meter's answer ends
    // them. The status bar then names where the meter is, what it is and when it last
    // answered, on a live panel too; the title keeps the receive's outcome until the next
    // command; an edit shows as unsent; a failed read as offline. In English and German.
    void statusBarFollowsTheMeter() {
        QVERIFY(Start());
        auto* banner = MainWindow()->findChild<QFrame*>("firstRunBanner");
        QVERIFY(banner && banner->isVisible());
        QCOMPARE(Status("onlineStatus"), QStringLiteral("Offline, no answer yet"));
        QString dialogTitle;
        QTimer::singleShot(0, [&dialogTitle] {
            if (QWidget* d = QApplication::activeModalWidget()) {
                dialogTitle = d->windowTitle();
                qobject_cast<QDialog*>(d)->reject();
            }
        });
        banner->findChild<QPushButton*>("firstRunInterface")->click();
        QCOMPARE(dialogTitle, QStringLiteral("Interface"));
        // The demo button is the Help menu's entry; the copy of the program it would start
        // is not started here.
        QAction* demo = MenuAction("Try with a &simulated meter");
        QObject::disconnect(demo, &QAction::triggered, nullptr, nullptr);
        QSignalSpy tried(demo, &QAction::triggered);
        banner->findChild<QPushButton*>("firstRunDemo")->click();
        QCOMPARE(tried.size(), 1);

        SimLine sim{{"--rs485", "5", "--model", "zrm3", "--fw", "412"}};
        QVERIFY(sim.ok());
        connection.kind = kRS485;
        connection.meterAddress = 5;
        connection.serialPath = sim.path().toStdString();
        MenuAction("&Receive configuration from meter")->trigger();
        QVERIFY(!banner->isVisible());
        QVERIFY(FileText(File("ZARO.ini")).contains("MeterAnswered = 1\r\n"));
        QCOMPARE(Status("connectionStatus"), "RS-485 " + sim.path() + ", address 5");
        QCOMPARE(Status("meterStatus"), QStringLiteral("ZRM3, firmware 4.12"));
        QVERIFY2(QRegularExpression("^Online, last answer " + kClock + "$")
                     .match(Status("onlineStatus"))
                     .hasMatch(),
                 qPrintable(Status("onlineStatus")));
        const QRegularExpression received("Configuration received from meter 5 at " + kClock + "$");
        QVERIFY(received.match(Status("transferStatus")).hasMatch());
        QVERIFY2(received.match(MainWindow()->windowTitle()).hasMatch(),
                 qPrintable(MainWindow()->windowTitle()));
        QCOMPARE(Status("editStatus"), QString());
        QVERIFY(!MainWindow()->isWindowModified());

        TypeInto("UrPrim", "30");
        QCOMPARE(Status("editStatus"), QStringLiteral("Configuration changed, not sent"));
        QVERIFY(MainWindow()->isWindowModified());
        MenuAction("&Version information")->trigger(); // not a transfer: the outcome stays
        QVERIFY(received.match(MainWindow()->windowTitle()).hasMatch());

        LanguageAction(0)->trigger();
        CmMeasDisplay(session);
        QVERIFY(Panels().measurements && MainWindow()->statusBar()->isVisible());
        QCOMPARE(Status("editStatus"), QStringLiteral("Konfiguration geändert, nicht gesendet"));
        QVERIFY(QRegularExpression("^Online, letzte Antwort " + kClock + "$")
                    .match(Status("onlineStatus"))
                    .hasMatch());
        QVERIFY(Status("transferStatus").startsWith("Konfiguration von Messgerät 5 um "));
        sim.fault("silence:4"); // every attempt of one poll
        MeasTimer(session)->setInterval(0);
        QTRY_VERIFY_WITH_TIMEOUT(Status("onlineStatus").startsWith("Offline, letzte Antwort "), 8000);
        CmCloseAcquisition();
        LanguageAction(1)->trigger();

        MenuAction("Sen&d configuration to meter")->trigger(); // the scripted questions confirm
        QVERIFY(QRegularExpression("^Configuration sent to meter 5 at " + kClock + "$")
                    .match(Status("transferStatus"))
                    .hasMatch());
        QVERIFY(MainWindow()->windowTitle().startsWith("ZARO[*] \u2014 Configuration sent to meter 5 at "));
        QCOMPARE(Status("editStatus"), QString());

        // A failed receive says why, and the next command ends the outcome in the title.
        sim.fault("silence:100");
        messages.answers = {2}; // discard the edit
        MenuAction("&Receive configuration from meter")->trigger();
        QVERIFY(messages.wasShown(MessageType::Error, 0, 2));
        QVERIFY2(
            Status("transferStatus").startsWith("Receive failed: The meter does not answer (port, address, "),
            qPrintable(Status("transferStatus")));
        QVERIFY(Status("transferStatus").contains(", 5, 9600, "));
        QVERIFY2(MainWindow()->windowTitle().contains("Receive failed: The meter does not answer (") &&
                     MainWindow()->windowTitle().endsWith(" ms)."),
                 qPrintable(MainWindow()->windowTitle()));
        QVERIFY(Status("onlineStatus").startsWith("Offline, last answer "));
        messages.answers = {2};
        MenuAction("&New configuration")->trigger();
        QCOMPARE(MainWindow()->windowTitle(), QStringLiteral("ZARO[*]"));
        QCOMPARE(Status("transferStatus"), QString());
        CloseCommPort();

        cleanup(); // the next start knows that a meter has answered
        QVERIFY(Start());
        QVERIFY(!MainWindow()->findChild<QFrame*>("firstRunBanner")->isVisibleTo(MainWindow()));
    }

    // New, Open, Receive, Exit and closing the window ask before they drop unsaved edits:
    // Cancel keeps them, Discard drops them, Save writes the file first (and a save that is
    // cancelled stops the command). The question's default and Escape are Cancel.
    void unsavedEditsAreProtected() {
        SimLine sim{{"--rs232", "--model", "zrm3"}};
        QVERIFY(sim.ok());
        const QString path = File("kept.ZRC");
        const auto edit = [this] {
            session.edited.UrPrim = 20000.0f; // kept as it was before the edit
            ShowAll();
            KeepEdits(session);
            TypeInto("UrPrim", "30");
            QVERIFY(MainWindow()->isWindowModified());
            messages.clear();
        };
        const auto edited = [this] { return float(session.edited.UrPrim) == 30000.0f; };
        const auto saved = [&path] {
            ConfigImage image{};
            const bool ok = LoadConfigFile(path.toStdString(), image) == 1 && float(image.UrPrim) == 30000.0f;
            QFile::remove(path);
            return ok;
        };
        QVERIFY(Start());
        connection.serialPath = sim.path().toStdString();
        QVERIFY(!MainWindow()->isWindowModified());
        MenuAction("&New configuration")->trigger(); // nothing to lose: no question
        QVERIFY(messages.shown.empty());

        const char* const commands[] = {"&New configuration", "&Open configuration...",
                                        "&Receive configuration from meter"};
        for (const char* command : commands) {
            edit();
            messages.answers = {0};
            MenuAction(command)->trigger();
            QVERIFY(messages.wasShown(MessageType::Warning, kUnsavedChangesKind, kUnsavedChangesNumber));
            QVERIFY2(edited() && MainWindow()->isWindowModified(), command);

            messages.answers = {1}; // save, but the file dialog is cancelled
            MenuAction(command)->trigger();
            QVERIFY2(edited() && !QFile::exists(path), command);

            messages.answers = {1};
            messages.files = {path.toStdString()};
            if (command == commands[1]) messages.files.push_back(File("missing.ZRC").toStdString());
            MenuAction(command)->trigger();
            QVERIFY2(saved(), command);
            QVERIFY2(!MainWindow()->isWindowModified(), command);

            edit();
            messages.answers = {2};
            messages.files = {path.toStdString()};
            MenuAction(command)->trigger();
            QVERIFY2(!QFile::exists(path), command);
            if (command != commands[1]) QVERIFY2(!edited() && !MainWindow()->isWindowModified(), command);
        }

        // Exit and the window's close: Cancel stays in the program, Save and Discard leave it.
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(7); });
        for (const int answer : {0, 1, 2}) {
            for (bool close : {false, true}) {
                edit();
                messages.answers = {answer};
                messages.files = {path.toStdString()};
                guard.start(300);
                QTimer::singleShot(0, MainWindow(), [close] {
                    if (close)
                        MainWindow()->close();
                    else
                        MenuAction("E&xit")->trigger();
                });
                QCOMPARE(QApplication::exec(), answer ? 0 : 7);
                guard.stop();
                QVERIFY(messages.wasShown(MessageType::Warning, kUnsavedChangesKind, kUnsavedChangesNumber));
                QCOMPARE(saved(), answer == 1);
                QCOMPARE(edited(), true);
                MainWindow()->show();
            }
        }

        // The dialog: Save, Discard and Cancel, Cancel the default; Escape cancels.
        DialogMessages dialogs(nullptr);
        QStringList buttons;
        bool cancelIsDefault = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            for (QAbstractButton* b : box->buttons())
                buttons << b->text();
            cancelIsDefault = box->defaultButton() == box->button(QMessageBox::Cancel);
            QTest::keyClick(box, Qt::Key_Escape);
        });
        QCOMPARE(dialogs.askUnsavedChanges(), 0);
        QVERIFY(cancelIsDefault);
        QCOMPARE(buttons.size(), 3);
        CloseCommPort();
    }

    // Cancel, continue, continue and clear.
    void loggerQuestion() {
        for (const auto& [tick, accept, answer] :
             {std::tuple{true, false, 0}, std::tuple{false, true, 1}, std::tuple{true, true, 2}}) {
            DialogMessages dialogs([]() -> QWidget* { return nullptr; });
            QTimer::singleShot(0, [tick, accept] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                QVERIFY(box);
                box->checkBox()->setChecked(tick);
                for (QAbstractButton* b : box->buttons())
                    if ((box->buttonRole(b) == QMessageBox::AcceptRole) == accept) b->click();
            });
            QCOMPARE(dialogs.askLoggerSendWarning(), answer);
        }
    }

    // The missing simulator is said and nothing starts; with it, the configuration is
    // received and live values read, the user's own settings (French, RS-485 on another
    // device) carried into the copy, and the end leaves neither the copy nor the process.
    void demoSession() {
        QTemporaryDir home;
        qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
        QVERIFY(QDir().mkpath(home.filePath("zaro")));
        const QByteArray userIni =
            "[Interface]\r\nCOMPortPath = \"/dev/ttyUSB7\"\r\nCOMType = 1\r\n[Options]\r\nLanguage = 3\r\n";
        QFile ini(home.filePath("zaro/ZARO.ini"));
        QVERIFY(ini.open(QIODevice::WriteOnly) && ini.write(userIni) == userIni.size());
        ini.close();
        QVERIFY(!StartDemoSession(QString(), {}, 0));
        QVERIFY(!DemoActive() && !MainWindow());
        QCOMPARE(messages.infos.size(), size_t(1));
        QVERIFY(messages.infos.front().contains("zaro-sim"));

        QVERIFY(StartDemoSession(BinPath("zaro-sim"), {}, 0));
        QVERIFY(MainWindow()->windowTitle().startsWith(QStringLiteral("ZARO \u2014 ")));
        QCOMPARE(Language, 3);
        const QString folder = QString::fromStdString(SettingsDir);
        const QString pty = QString::fromStdString(connection.serialPath);
        QVERIFY(pty.startsWith("/dev/"));
        QVERIFY(messages.shown.empty());
        QCOMPARE(QString::fromLatin1(session.edited.Description), QStringLiteral("Simulated meter 255"));
        CmMeasDisplay(session);
        QVERIFY(Panels().measurements);
        auto shows = [](const char* pattern) {
            const QRegularExpression text(pattern);
            for (QLabel* l : Panels().measurements->findChildren<QLabel*>())
                if (l->isVisibleTo(Panels().measurements) && text.match(l->text()).hasMatch()) return true;
            return false;
        };
        QTRY_VERIFY_WITH_TIMEOUT(shows(R"(^\d+,\d\d$)"), 3000); // French numbers
        QVERIFY(shows("^kV$"));
        CmCloseAcquisition();

        EndZaro();
        StopDemo();
        QVERIFY(!DemoActive());
        QVERIFY(!QFileInfo::exists(folder));
        QVERIFY(!QFileInfo::exists(pty)); // the simulator is gone with its terminal
        QCOMPARE(FileText(home.filePath("zaro/ZARO.ini")), userIni);
    }
};

QTEST_MAIN(ShellTest)
#include "shell_test.moc"
