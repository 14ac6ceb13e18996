// The instantaneous-values panel in the real main window, against the simulator's meter
// on an in-process line (and zaro-sim where a reply must be awaited on the wall clock).
#include "SimLine.h"
#include "SimProcess.h"

#include "acquisition/MeasDecode.h"
#include "acquisition/gui/MeasDisp.h"
#include "acquisition/gui/MeasField.h"
#include "link/DeviceLink.h"
#include "netmodules/KnownDevices.h"
#include "platform/Messages.h"
#include "platform/gui/PanelPrint.h"
#include "settings/INI_File.h"
#include "shell/Shell.h"
#include "shell/ZARO.h"

#include <QtTest>
#include <QtWidgets>
#include <memory>

namespace {

QLabel* Field(int row) {
    return Panels().measurements
               ? Panels().measurements->findChild<QLabel*>(QStringLiteral("msd_%1").arg(row))
               : nullptr;
}
QLabel* Obj(const char* name) {
    return Panels().measurements ? Panels().measurements->findChild<QLabel*>(name) : nullptr;
}

QList<int> ShownRows() {
    QList<int> rows;
    for (int r = 0; r < kMeasRowsZrm3; ++r)
        if (Field(r)->isVisibleTo(Panels().measurements)) rows << r;
    return rows;
}

// Every shown field holds a reading (a number or a validity marker) in black, or every one a red "----".
bool All(bool disturbed) {
    for (int r : ShownRows()) {
        const QString t = Field(r)->text();
        if (disturbed ? t != "----" || !MeasFieldRed(Field(r))
                      : t.isEmpty() || t == "----" || MeasFieldRed(Field(r)))
            return false;
    }
    return true;
}

// The shown label that reads text, or null.
QLabel* Shown(const QString& text) {
    for (QLabel* label : Panels().measurements->findChildren<QLabel*>())
        if (label->isVisibleTo(Panels().measurements) && label->text() == text) return label;
    return nullptr;
}

// What the label two cells right of a shown caption reads: the unit of its value.
QString UnitBeside(const QString& caption) {
    QLabel* label = Shown(caption);
    if (!label) return "no " + caption;
    auto* grid = qobject_cast<QGridLayout*>(label->parentWidget()->layout());
    int row = 0, col = 0, rows = 0, cols = 0;
    grid->getItemPosition(grid->indexOf(label), &row, &col, &rows, &cols);
    QLayoutItem* unit = grid->itemAtPosition(row, col + 2);
    auto* unitLabel = unit ? qobject_cast<QLabel*>(unit->widget()) : nullptr;
    return unitLabel ? unitLabel->text() : "no unit beside " + caption;
}

// The titles, captions, units and headings shown, for comparing systems.
QStringList ShownTexts() {
    QStringList shown;
    for (QGroupBox* box : Panels().measurements->findChildren<QGroupBox*>())
        if (box->isVisibleTo(Panels().measurements)) shown << box->title();
    for (QLabel* label : Panels().measurements->findChildren<QLabel*>())
        if (qobject_cast<QGroupBox*>(label->parentWidget()) && !label->objectName().startsWith("msd_") &&
            label->isVisibleTo(Panels().measurements))
            shown << label->text();
    shown.sort();
    return shown;
}

} // namespace

class MeasDispTest : public QObject {
    Q_OBJECT

    Connection& connection = ShellConnection(); // the one the link talks over

    QTemporaryDir dir;
    ScriptedMessages messages;
    SimProcess sim;
    std::unique_ptr<SimLine> line;

    // Starts a meter and opens the panel through the menu command.
    void open(const QStringList& simArgs, bool onSimProcess = false) {
        line.reset();
        if (onSimProcess) {
            QVERIFY2(sim.start(QStringList{"--rs232"} + simArgs), qPrintable(sim.output()));
        } else {
            line = std::make_unique<SimLine>(QStringList{"--rs232"} + simArgs);
            QVERIFY(line->ok());
        }
        connection.kind = 0;
        connection.serialPath = onSimProcess ? sim.ptyPath().toStdString() : line->path().toStdString();
        CmMeasDisplay();
        QVERIFY(Panels().measurements);
        QCOMPARE(ActivePanel(), Panels().measurements.data());
    }

    // Panel for a configuration without a meter: only what InitMeasDisp draws.
    void showOffline(int code, int model, uint8_t freq = 2) {
        Lese = ConfigImage{};
        Lese.Freq = freq;
        Lese.System = uint8_t(code);
        Lese.Model = int16_t(model);
        Lese.UrPrim = 400.0f;
        Lese.UrSec = 400;
        Lese.IrPrim = 100.0f;
        Lese.IrSec = 5.0f;
        ShowPanel(PanelKind::Measurements, CreateMeasDisp(MainWindow()));
        InitMeasDisp();
        MeasTimer()->stop(); // no meter: no tick
    }

  private slots:
    void initTestCase() {
        UseConnection(&connection);
        QVERIFY(dir.isValid());
        SetMessageSink(&messages);
        QVERIFY(StartZaro(0.0, dir.path().toStdString()));
        connection.closePortAfterUse = 1; // every panel reopens the port of its own simulator
        // Nothing here may reach beyond this machine, even by mistake.
        KnownDevices& devices = ShellDevices();
        qstrcpy(devices.gateways.emplace_back().record.IP, "127.0.0.1");
        qstrcpy(devices.modules.emplace_back().IP, "127.0.0.1");
        connection.gatewayIndex = connection.moduleIndex = 0;
        connection.gatewayTcpPort = 1;
    }

    void cleanup() {
        if (Panels().measurements) CmCloseAcquisition();
        // A panel that vanished without its close command left the link and the window.
        CloseInterface();
        ShowMainPanel(0);
        sim.stop();
        line.reset();
        messages.clear();
        SetPrintToPdf(QString());
    }

    void cleanupTestCase() { EndZaro(); }

    void fillsAtOnceAndRefreshesEvery2s() {
        open({"--model", "zrm3", "--system", "4", "--vt", "20000/100", "--ct", "100/5"});
        QTRY_VERIFY_WITH_TIMEOUT(All(false), 2000);
        QCOMPARE(MeasTimer()->interval(), 2000);
        QVERIFY(Field(1)->text().contains(QRegularExpression(R"(^\d+\.\d\d$)")));
        QVERIFY(Field(8)->text().contains(QRegularExpression(R"(^\d+\.\d$)")));
        QCOMPARE(UnitBeside("U1N"), QString("kV"));
        QCOMPARE(UnitBeside("I1"), QString("A"));
        QVERIFY(Shown("P [MW]"));
        QVERIFY(Shown("S [MVA]"));
        QVERIFY(!Obj("busy")->property("lit").toBool());
        const QList<int> rows = ShownRows();
        QCOMPARE(rows.size(), kMeasRowsZrm3 - 3); // all but the single-value rows 0, 7 and 11
        QVERIFY(!rows.contains(0) && !rows.contains(7) && !rows.contains(11));

        QVERIFY(MeasTimer()->isActive());
        QVERIFY(messages.shown.empty()); // polling shows no popups
    }

    void baseModelFieldSet() {
        open({"--model", "std", "--system", "4"});
        QTRY_VERIFY_WITH_TIMEOUT(All(false), 2000);
        for (int r : {33, 34, 35}) {
            QVERIFY(!Field(r)->isVisibleTo(Panels().measurements));
            QVERIFY(Field(r)->text().isEmpty());
        }
        for (const char* caption : {"Umean", "Imean", "UNE"})
            QVERIFY2(!Shown(caption), caption);
        QCOMPARE(UnitBeside("U1N"), QString("V"));
        QVERIFY(Shown("P [kW]"));
    }

    void failureThenSuccessReplacesEveryDash() {
        open({"--model", "zrm3", "--system", "4"});
        QTRY_VERIFY_WITH_TIMEOUT(All(false), 2000);
        line->fault("silence:4"); // every attempt of one poll
        MeasTimer()->setInterval(0);
        QTRY_VERIFY_WITH_TIMEOUT(All(true), 8000);
        QVERIFY(messages.shown.empty()); // the panel reports no popup of its own
        MeasTimer()->setInterval(0);
        QTRY_VERIFY_WITH_TIMEOUT(All(false), 5000); // and black again
    }

    void closedWhileAReplyIsAwaited_data() {
        QTest::addColumn<bool>("deleteOutright");
        QTest::newRow("close command") << false;
        QTest::newRow("panel deleted") << true;
    }
    void closedWhileAReplyIsAwaited() {
        QFETCH(bool, deleteOutright);
        // The four configuration reads and the first poll are answered 150 ms late.
        open({"--model", "zrm3", "--system", "4", "--fault", "late:150:5"}, true);
        MeasTimer()->stop();
        bool closedDuringRead = false;
        QTimer::singleShot(60, [deleteOutright, &closedDuringRead] {
            closedDuringRead = LinkBusy();
            if (deleteOutright)
                delete Panels().measurements.data();
            else
                CmCloseAcquisition();
        });
        QCOMPARE(CmReadMeas(), 1); // returns early: nothing left to draw into
        QVERIFY(closedDuringRead);
        QVERIFY(!Panels().measurements);
        QVERIFY(!LinkBusy());
        if (!deleteOutright) {
            QCOMPARE(ActivePanel(), MainPanelHandle());
            QVERIFY(!MeasTimer()->isActive());
        }
    }

    void printsWithDateAndTimeOnlyOnPaperAndCloses() {
        open({"--system", "1"});
        QTRY_VERIFY_WITH_TIMEOUT(All(false), 2000);
        const QString pdf = dir.filePath("measdisp.pdf");
        SetPrintToPdf(pdf);
        QLabel* date = Obj("printDate");
        QVERIFY(!date->isVisibleTo(Panels().measurements));
        CmPrintMeasData();
        QVERIFY(QFileInfo(pdf).size() > 1000);
        QVERIFY(date->text().contains(QRegularExpression(R"(^\d\d\.\d\d\.\d{4}$)")));
        QVERIFY(Obj("printTime")->text().contains(QRegularExpression(R"(^\d\d:\d\d:\d\d$)")));
        QVERIFY(!date->isVisibleTo(Panels().measurements));
        QVERIFY(Panels().measurements->findChild<QPushButton*>("print")->isVisibleTo(Panels().measurements));

        QPointer<QWidget> panel = Panels().measurements.data();
        Panels().measurements->findChild<QPushButton*>("close")->click();
        QVERIFY(!Panels().measurements);
        QVERIFY(!MeasTimer()->isActive());
        QCOMPARE(ActivePanel(), MainPanelHandle());
        QTRY_VERIFY(!panel); // discarded
    }

    void failedConfigurationReadShowsNothing() {
        line = std::make_unique<SimLine>(QStringList{"--rs232", "--fault", "silence:4"});
        connection.kind = 0;
        connection.serialPath = line->path().toStdString();
        QWidget* before = ActivePanel();
        CmMeasDisplay();
        QVERIFY(!Panels().measurements);
        QCOMPARE(ActivePanel(), before);
        QVERIFY(messages.wasShown(MessageType::Error, 0, 2));
        QVERIFY(!MeasTimer()->isActive());
    }

    void codes19And20ShowLike3And4() {
        for (auto [extended, plain] : {std::pair{19, 3}, {20, 4}}) {
            showOffline(plain, 1);
            const QList<int> rows = ShownRows();
            const QStringList texts = ShownTexts();
            CmCloseAcquisition();
            showOffline(extended, 1);
            QCOMPARE(ShownRows(), rows);
            QCOMPARE(ShownTexts(), texts);
            CmCloseAcquisition();
        }
    }

    void singleValueCaptionsAndUnbalance() {
        showOffline(2, 0);
        for (const char* caption : {"U", "I", "Iavg"})
            QVERIFY2(Shown(caption), caption);
        CmCloseAcquisition();
        showOffline(4, 1, 0x42);
        QCOMPARE(UnitBeside("Unb.I"), QString("%"));
    }

    void titleCarriesTheAddressOnlyOnRs485_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("title");
        QTest::newRow("rs232") << 0 << "Instantaneous values";
        QTest::newRow("rs485") << 1 << "Instantaneous values (Address 17)";
        QTest::newRow("gateway") << 2 << "Instantaneous values";
        QTest::newRow("module") << 3 << "Instantaneous values";
    }
    void titleCarriesTheAddressOnlyOnRs485() {
        QFETCH(int, kind);
        QFETCH(QString, title);
        connection.kind = kind;
        connection.meterAddress = 17;
        connection.gatewayUnitAddress = 5;
        showOffline(4, 1);
        QCOMPARE(Obj("title")->text(), title);
        connection.kind = 0;
    }

    void redStaysUntilAValidNumber() {
        QLabel* field = NewMeasField(nullptr);
        const DisplayScale scale(400.0f, 5.0f, 2000.0f, 5);
        QCOMPARE(CheckMeas(scale, MakeValue(1e8f, kVoltage), field), 0); // scaled overflow on a black field
        QCOMPARE(field->text(), QString("OVL"));
        QVERIFY(!MeasFieldRed(field));
        QCOMPARE(CheckMeas(scale, MakeValue(9.5e30f, kVoltage), field), 1);
        QVERIFY(MeasFieldRed(field));
        QVERIFY(field->font().bold());
        QCOMPARE(field->palette().color(QPalette::WindowText), QColor(0xFF0000));
        QCOMPARE(CheckMeas(scale, MakeValue(1e8f, kVoltage), field), 0); // "OVL" again, still red
        QCOMPARE(field->text(), QString("OVL"));
        QVERIFY(MeasFieldRed(field));
        Meas_Disturbed(field);
        QCOMPARE(field->text(), QString("----"));
        QVERIFY(MeasFieldRed(field));
        QCOMPARE(CheckMeas(scale, MakeValue(230.0f, kVoltage), field), 0);
        QCOMPARE(field->text(), QString("230.0"));
        QVERIFY(!MeasFieldRed(field));
        QVERIFY(!field->font().bold());
        QCOMPARE(field->palette().color(QPalette::WindowText), QColor(Qt::black));
        delete field;
    }
};

QTEST_MAIN(MeasDispTest)
#include "measdisp_test.moc"
