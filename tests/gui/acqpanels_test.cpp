// The acquisition panels in the real main window (instantaneous values, min/max, meters,
// mean values, harmonics), against the simulator's meter on an in-process line (and
// zaro-sim where a reply must be awaited on the wall clock): what they show, and what
// their commands send.
#include "PanelChecks.h"
#include "SimLine.h"
#include "SimProcess.h"
#include "config/MeterSession.h"
#include "link/Connection.h"

#include "acquisition/MeanDecode.h"
#include "acquisition/MeasDecode.h"
#include "acquisition/MeterDecode.h"
#include "acquisition/gui/HarmDisp.h"
#include "acquisition/gui/MeanDisp.h"
#include "acquisition/gui/MeasDisp.h"
#include "acquisition/gui/MeasField.h"
#include "acquisition/gui/MeterDisp.h"
#include "acquisition/gui/MinMaxDisp.h"
#include "config/gui/DispModePanel.h"
#include "config/gui/SimulationPanel.h"
#include "link/DeviceLink.h"
#include "netmodules/KnownDevices.h"
#include "platform/Messages.h"
#include "platform/gui/PanelPrint.h"
#include "settings/INI_File.h"
#include "shell/Shell.h"
#include "shell/ZARO.h"

#include <QtTest>
#include <QtWidgets>
#include <cstring>
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

template <typename W> W* Child(QWidget* panel, const QString& name) {
    return panel ? panel->findChild<W*>(name) : nullptr;
}

// Every shown value field of the panel holds a reading, or every one a red "----".
bool AllFields(QWidget* panel, const QString& prefix, bool disturbed) {
    int seen = 0;
    for (QLabel* f : panel->findChildren<QLabel*>(QRegularExpression("^" + prefix))) {
        if (!f->isVisibleTo(panel) || !f->isEnabled()) continue;
        ++seen;
        const bool dash = f->text() == "----" && MeasFieldRed(f);
        if (disturbed ? !dash : f->text().isEmpty() || dash) return false;
    }
    return seen > 0;
}

// Writes (function 16) the link sent to a register since the line was made.
int WritesTo(const SimLine& line, int reg) {
    int n = 0;
    for (const SimLine::Request& r : line.requests())
        if (r.frame.size() > 4 && uint8_t(r.frame[1]) == 0x10 &&
            (uint8_t(r.frame[2]) << 8 | uint8_t(r.frame[3])) == reg)
            ++n;
    return n;
}

// The number a value field shows, in any language.
double Number(QLabel* field) {
    return QLocale().toDouble(field->text());
}

uint16_t Word0(const uint8_t* block) {
    uint16_t w;
    std::memcpy(&w, block, 2);
    return w;
}

} // namespace

class AcqPanelsTest : public QObject {
    Q_OBJECT
    MeterSession& session = ShellSession();     // the one the menu commands work on
    Connection& connection = ShellConnection(); // the one the link talks over

    QTemporaryDir dir;
    ScriptedMessages messages;
    SimProcess sim;
    std::unique_ptr<SimLine> line;

    // A meter on the line, in-process or as zaro-sim.
    bool start(const QStringList& simArgs, bool onSimProcess = false) {
        line.reset();
        if (onSimProcess && !sim.start(QStringList{"--rs232"} + simArgs)) return false;
        if (!onSimProcess) line = std::make_unique<SimLine>(QStringList{"--rs232"} + simArgs);
        connection.kind = 0;
        connection.serialPath = onSimProcess ? sim.ptyPath().toStdString() : line->path().toStdString();
        return onSimProcess || line->ok();
    }

    // Starts a meter and opens the instantaneous values through the menu command.
    void open(const QStringList& simArgs, bool onSimProcess = false) {
        QVERIFY2(start(simArgs, onSimProcess), qPrintable(sim.output()));
        CmMeasDisplay(session);
        QVERIFY(Panels().measurements);
        QCOMPARE(ActivePanel(), Panels().measurements.data());
    }

    // Panel for a configuration without a meter: only what InitMeasDisp draws.
    void showOffline(int code, int model, uint8_t freq = 2) {
        session.read = ConfigImage{};
        session.read.Freq = freq;
        session.read.System = uint8_t(code);
        session.read.Model = int16_t(model);
        session.read.UrPrim = 400.0f;
        session.read.UrSec = 400;
        session.read.IrPrim = 100.0f;
        session.read.IrSec = 5.0f;
        ShowPanel(PanelKind::Measurements, CreateMeasDisp(MainWindow()));
        InitMeasDisp(session);
        MeasTimer(session)->stop(); // no meter: no tick
    }

  private slots:
    void initTestCase() {
        UseSession(session);
        QVERIFY(dir.isValid());
        SetMessageSink(&messages);
        SetResourceDir(ZARO_BIN_DIR); // the translations of the build
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
        if (Panels().minMax) CmCloseMinMax();
        if (Panels().meters) CmMeterDone();
        if (Panels().mean) CmMeanDone();
        if (Panels().harmonics) CmCloseHarmonics();
        // A panel that vanished without its close command left the link and the window.
        CloseInterface();
        ShowMainPanel(0);
        sim.stop();
        line.reset();
        messages.clear();
        SetPrintToPdf(QString());
        if (Language != 1) ChangeLanguage(1); // a test that failed abroad leaves the others English
    }

    void cleanupTestCase() { EndZaro(); }

    void fillsAtOnceRefreshesPrintsAndCloses() {
        open({"--model", "zrm3", "--system", "4", "--vt", "20000/100", "--ct", "100/5"});
        QTRY_VERIFY_WITH_TIMEOUT(All(false), 2000);
        QCOMPARE(MeasTimer(session)->interval(), 2000);
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

        QVERIFY(MeasTimer(session)->isActive());
        QVERIFY(messages.shown.empty()); // polling shows no popups

        // The date and time are on paper only; the close discards the panel.
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
        QVERIFY(!MeasTimer(session)->isActive());
        QCOMPARE(ActivePanel(), MainPanelHandle());
        QTRY_VERIFY(!panel); // discarded
    }

    void baseModelFieldSet() {
        open({"--model", "std", "--system", "4"});
        QTRY_VERIFY_WITH_TIMEOUT(All(false), 2000);
        QVERIFY(Field(33)->text().isEmpty()); // its rows are MeasDecode's: core/measdecode_test
        for (const char* caption : {"Umean", "Imean", "UNE"})
            QVERIFY2(!Shown(caption), caption);
        QCOMPARE(UnitBeside("U1N"), QString("V"));
        QVERIFY(Shown("P [kW]"));
    }

    void failureThenSuccessReplacesEveryDash() {
        open({"--model", "zrm3", "--system", "4"});
        QTRY_VERIFY_WITH_TIMEOUT(All(false), 2000);
        line->fault("silence:4"); // every attempt of one poll
        MeasTimer(session)->setInterval(0);
        QTRY_VERIFY_WITH_TIMEOUT(All(true), 8000);
        QVERIFY(messages.shown.empty()); // the panel reports no popup of its own
        MeasTimer(session)->setInterval(0);
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
        MeasTimer(session)->stop();
        bool closedDuringRead = false;
        QTimer::singleShot(60, [deleteOutright, &closedDuringRead] {
            closedDuringRead = LinkBusy();
            if (deleteOutright)
                delete Panels().measurements.data();
            else
                CmCloseAcquisition();
        });
        QCOMPARE(CmReadMeas(session), 1); // returns early: nothing left to draw into
        QVERIFY(closedDuringRead);
        QVERIFY(!Panels().measurements);
        QVERIFY(!LinkBusy());
        if (!deleteOutright) {
            QCOMPARE(ActivePanel(), MainPanelHandle());
            QVERIFY(!MeasTimer(session)->isActive());
        }
    }

    void failedConfigurationReadShowsNothing() {
        QVERIFY(start({"--fault", "silence:4"}));
        QWidget* before = ActivePanel();
        CmMeasDisplay(session);
        QVERIFY(!Panels().measurements);
        QCOMPARE(ActivePanel(), before);
        QVERIFY(messages.wasShown(MessageType::Error, 0, 2));
        QVERIFY(!MeasTimer(session)->isActive());
    }

    void titleCarriesTheAddressOnlyOnRs485() {
        connection.meterAddress = 17;
        connection.gatewayUnitAddress = 5;
        for (int kind : {0, 1, 2}) {
            connection.kind = kind;
            showOffline(4, 1);
            QCOMPARE(Obj("title")->text(), kind == 1 ? QString("Instantaneous values (Address 17)")
                                                     : QString("Instantaneous values"));
            CmCloseAcquisition();
        }
        connection.kind = 0;
    }

    void redStaysUntilAValidNumber() {
        QLabel* field = NewMeasField(nullptr);
        const DisplayScale scale(400.0f, 5.0f, 2000.0f, 5);
        QCOMPARE(CheckMeas(scale, MakeValue(9.5e30f, kVoltage), field), 1);
        QVERIFY(MeasFieldRed(field) && field->font().bold());
        QCOMPARE(field->palette().color(QPalette::WindowText), QColor(0xFF0000));
        QCOMPARE(CheckMeas(scale, MakeValue(1e8f, kVoltage), field), 0); // "OVL" again, still red
        QCOMPARE(field->text(), QString("OVL"));
        QVERIFY(MeasFieldRed(field));
        ShowDisturbed(field);
        QCOMPARE(field->text(), QString("----"));
        QVERIFY(MeasFieldRed(field));
        QCOMPARE(CheckMeas(scale, MakeValue(230.0f, kVoltage), field), 0);
        QCOMPARE(field->text(), QString("230.0"));
        QVERIFY(!MeasFieldRed(field) && !field->font().bold());
        QCOMPARE(field->palette().color(QPalette::WindowText), QColor(Qt::black));
        delete field;
    }

    // In every language each panel fits a 1366 x 768 screen in the main window, its
    // buttons and the menus have distinct mnemonics, its controls have names for a screen
    // reader, and Escape closes the panel as its Close button does. The live values write
    // the user's decimal mark.
    void panelsFitAndServeKeyboardAndScreenReader() {
        const struct {
            const char* name;
            int (*open)(MeterSession&);
            QPointer<QWidget>* panel;
        } panels[] = {{"measurements", CmMeasDisplay, &Panels().measurements},
                      {"minmax", CmMinMaxDisplay, &Panels().minMax},
                      {"meters", CmMetersDisplay, &Panels().meters},
                      {"mean", CmMeanValueDisplay, &Panels().mean},
                      {"voltage harmonics", CmVoltageHarmonics, &Panels().harmonics},
                      {"current harmonics", CmCurrentHarmonics, &Panels().harmonics},
                      {"simulation", CmSimulation, &Panels().simulation},
                      {"display pages", CmDispMode, &Panels().displayMode}};
        for (int l : {0, 2, 3, 1}) {
            ChangeLanguage(l);
            FillSmallScreen();
            const QSize size = MainWindow()->size();
            QVERIFY2(Misfit().isEmpty(),
                     qPrintable(QStringLiteral("main panel, language %1: %2").arg(l).arg(Misfit())));
            for (QToolBar* bar : MainWindow()->findChildren<QToolBar*>())
                if (bar->isVisible())
                    QVERIFY2(KeyboardFaults(bar).isEmpty(), qPrintable(KeyboardFaults(bar).join(", ")));
            QVERIFY2(KeyboardFaults(MainPanelHandle()).isEmpty(),
                     qPrintable(KeyboardFaults(MainPanelHandle()).join(", ")));
            for (const auto& p : panels) {
                QVERIFY(start({"--model", "zrm3", "--system", "4", "--vt", "20000/100", "--ct", "100/5"}));
                p.open(session);
                QVERIFY2(*p.panel, p.name);
                if (p.panel == &Panels().measurements) {
                    QTRY_VERIFY_WITH_TIMEOUT(All(false), 2000);
                    const QString mark = l == 1 ? "\\." : ",";
                    QVERIFY2(Field(1)->text().contains(QRegularExpression(R"(^\d+)" + mark + R"(\d\d$)")),
                             qPrintable(Field(1)->text()));
                }
                const QString faults = PanelFaults(*p.panel);
                QVERIFY2(faults.isEmpty(),
                         qPrintable(QStringLiteral("%1, language %2: %3").arg(p.name).arg(l).arg(faults)));
                QTest::keyClick(MainWindow(), Qt::Key_Escape);
                QVERIFY2(!*p.panel || !(*p.panel)->isVisible(), p.name);
                QCOMPARE(ActivePanel(), MainPanelHandle());
                QCOMPARE(MainWindow()->size(), size);
            }
        }
    }

    void minMaxShowsResetsAndRecovers() {
        QVERIFY(start({"--model", "zrm3", "--system", "4"}));
        CmMinMaxDisplay(session);
        QVERIFY(Panels().minMax);
        QTRY_VERIFY_WITH_TIMEOUT(AllFields(Panels().minMax, "mdsp_", false), 3000);
        QCOMPARE(MinMaxTimer(session)->interval(), 10000);
        QVERIFY(Child<QLabel>(Panels().minMax, "mdsp_41")->isVisibleTo(Panels().minMax)); // UNE maximum

        // The voltage maxima and the ninth box: bits 0 and 13, after a question whose
        // Cancel writes nothing and keeps the ticks. Continue clears the boxes, shows the
        // cleared maxima at once and reads again in 2 s.
        QLabel* uMax = Child<QLabel>(Panels().minMax, "mdsp_2");
        const double before = Number(uMax);
        Child<QCheckBox>(Panels().minMax, "reset_0")->setChecked(true);
        Child<QCheckBox>(Panels().minMax, "reset_8")->setChecked(true);
        messages.answers = {0};
        Child<QPushButton>(Panels().minMax, "reset")->click();
        QCOMPARE(messages.shown, (std::vector<ScriptedMessages::Shown>{{MessageType::Warning, 18, 3}}));
        QCOMPARE(WritesTo(*line, 429), 0);
        QVERIFY(Child<QCheckBox>(Panels().minMax, "reset_8")->isChecked());
        QCOMPARE(Number(uMax), before);
        Child<QPushButton>(Panels().minMax, "reset")->click();
        QCOMPARE(WritesTo(*line, 429), 1);
        QCOMPARE(Word0(session.blocks.minMaxReset), uint16_t(0x2001));
        QVERIFY(!Child<QCheckBox>(Panels().minMax, "reset_8")->isChecked());
        QVERIFY2(Number(uMax) < 0.95 * before, qPrintable(uMax->text()));
        QCOMPARE(MinMaxTimer(session)->interval(), 2000);
        QVERIFY(MinMaxTimer(session)->isActive());
        // "All" asks its own question.
        Child<QCheckBox>(Panels().minMax, "resetAll")->click();
        QVERIFY(Child<QCheckBox>(Panels().minMax, "reset_3")->isChecked());
        messages.answers = {0};
        Child<QPushButton>(Panels().minMax, "reset")->click();
        QVERIFY(messages.wasShown(MessageType::Warning, 18, 4));
        QCOMPARE(WritesTo(*line, 429), 1);
        Child<QCheckBox>(Panels().minMax, "resetAll")->click();
        QVERIFY(!Child<QCheckBox>(Panels().minMax, "reset_3")->isChecked());

        // A meter that stops answering mid-panel, and comes back.
        line->fault("silence:4");
        MinMaxTimer(session)->setInterval(0);
        QTRY_VERIFY_WITH_TIMEOUT(AllFields(Panels().minMax, "mdsp_", true), 8000);
        MinMaxTimer(session)->setInterval(0);
        QTRY_VERIFY_WITH_TIMEOUT(AllFields(Panels().minMax, "mdsp_", false), 8000);
    }

    // In German, so the questions are seen to write numbers the user's way.
    void meterSetResetAndTariff() {
        ChangeLanguage(0);
        const auto english = qScopeGuard([] { ChangeLanguage(1); });
        QVERIFY(start({"--model", "zrm3", "--system", "4", "--meter-scale", "2"}));
        CmMetersDisplay(session);
        QVERIFY(Panels().meters);
        auto* field = Child<QDoubleSpinBox>(Panels().meters, "meter_1");
        QTRY_VERIFY_WITH_TIMEOUT(Child<QLabel>(Panels().meters, "tariff1")->property("lit").toBool(), 3000);
        QCOMPARE(field->decimals(), 1);
        const auto name = [this](int row) {
            return QCoreApplication::translate("MeterDisp", MeterQuantityName(session, row)) + ", " +
                   QCoreApplication::translate("MeterDisp", row % 2 ? "Tariff 2 (low)" : "Tariff 1 (high)");
        };
        const auto click = [](const char* button) { Child<QPushButton>(Panels().meters, button)->click(); };

        // Nothing ticked: no question, nothing written.
        click("set");
        click("reset");
        QVERIFY(messages.shown.empty());

        // A row being prepared is not refreshed, its set box ticked or not yet.
        Child<QCheckBox>(Panels().meters, "meterSet_1")->setChecked(true);
        field->setValue(2.3);
        auto* typed = Child<QDoubleSpinBox>(Panels().meters, "meter_3");
        typed->selectAll();
        QTest::keyClicks(typed, "77.7");
        MetersTimer(session)->setInterval(0);
        QTest::qWait(300);
        QCOMPARE(field->value(), 2.3);
        QCOMPARE(typed->value(), 77.7);

        // The set names the register, what it holds and what it gets. Cancel writes
        // nothing and keeps the tick and the value; Continue sends the nearest count.
        messages.answers = {0};
        click("set");
        QCOMPARE(messages.shown, (std::vector<ScriptedMessages::Shown>{{MessageType::Warning, 18, 2}}));
        QCOMPARE(messages.details.back(), QStringList{name(1) + "\t21046,6 kWh\t2,3 kWh"});
        QCOMPARE(WritesTo(*line, 299), 0);
        QVERIFY(Child<QCheckBox>(Panels().meters, "meterSet_1")->isChecked());
        QCOMPARE(field->value(), 2.3);
        click("set");
        QCOMPARE(MeterCount(1), 23u);
        QCOMPARE(MetersTimer(session)->interval(), 1000);
        field->setValue(0.0);
        MetersTimer(session)->setInterval(0);
        QTRY_COMPARE_WITH_TIMEOUT(field->value(), 2.3, 3000); // read back from the meter

        // The reset names each ticked register and its value; Cancel keeps them, Continue
        // shows the zeros at once.
        Child<QCheckBox>(Panels().meters, "meterReset_1")->setChecked(true);
        Child<QCheckBox>(Panels().meters, "meterReset_5")->setChecked(true);
        messages.clear();
        messages.answers = {0};
        click("reset");
        QCOMPARE(messages.shown, (std::vector<ScriptedMessages::Shown>{{MessageType::Warning, 18, 1}}));
        QCOMPARE(messages.details.back(),
                 (QStringList{name(1) + "\t2,3 kWh\t0,0 kWh", name(5) + "\t5331,0 kvarh\t0,0 kvarh"}));
        QCOMPARE(WritesTo(*line, 419), 0);
        QVERIFY(Child<QCheckBox>(Panels().meters, "meterReset_5")->isChecked());
        QCOMPARE(field->value(), 2.3);
        click("reset");
        QCOMPARE(Word0(session.blocks.energyReset), uint16_t(0x0022));
        QCOMPARE(field->value(), 0.0);
        QCOMPARE(Child<QDoubleSpinBox>(Panels().meters, "meter_5")->value(), 0.0);
        QVERIFY(!Child<QCheckBox>(Panels().meters, "meterReset_5")->isChecked());

        // The tariff is switched back as easily: no question; the lamp follows at once.
        messages.clear();
        click("toggleTariff");
        QCOMPARE(WritesTo(*line, 399), 1);
        QVERIFY(Child<QLabel>(Panels().meters, "tariff2")->property("lit").toBool());
        QVERIFY(messages.shown.empty());
    }

    void meterScaleRefusedClosesTheLink() {
        QVERIFY(start({"--model", "zrm3", "--meter-scale", "10"}));
        CmMetersDisplay(session);
        QVERIFY(!Panels().meters);
        QCOMPARE(ActivePanel(), MainPanelHandle());
        QVERIFY(!CommPortIsOpen());
        QCOMPARE(messages.shown.size(), size_t(1));
        QCOMPARE(messages.shown[0].kind, 15);
        QCOMPARE(messages.shown[0].number, 25);
    }

    void meanFreeRowsAndReset() {
        // 39 (voltage unbalance) is not offered by a 3-wire system.
        QVERIFY(start({"--model", "zrm3", "--system", "3", "--mean-codes", "25,39"}));
        CmMeanValueDisplay(session);
        QVERIFY(Panels().mean);
        QCOMPARE(ActivePanelKind(), PanelKind::MeanExtended);
        QCOMPARE(session.read.MeanMeas[1], uint8_t(kNoMeasurand));
        QVERIFY(!Child<QLabel>(Panels().mean, "mean_6_0")->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(AllFields(Panels().mean, "mean_", false), 3000);
        QVERIFY(
            Child<QLabel>(Panels().mean, "mean_5_0")->text().contains(QRegularExpression(R"(^\d\d\.\d\d$)")));

        Child<QCheckBox>(Panels().mean, "resetAll")->click();
        QVERIFY(!Child<QCheckBox>(Panels().mean, "resetMax_6")->isChecked()); // no measurand: no reset
        QLabel* pMax = Child<QLabel>(Panels().mean, "mean_0_6");
        const double before = Number(pMax);
        messages.answers = {0};
        Child<QPushButton>(Panels().mean, "reset")->click();
        QCOMPARE(messages.shown, (std::vector<ScriptedMessages::Shown>{{MessageType::Warning, 18, 8}}));
        QCOMPARE(WritesTo(*line, 430), 0);
        QVERIFY(Child<QCheckBox>(Panels().mean, "resetMax_0")->isChecked());
        Child<QPushButton>(Panels().mean, "reset")->click();
        uint16_t written[3];
        std::memcpy(written, session.blocks.minMaxReset, sizeof written);
        QCOMPARE(written[1] & 0x3FFF, 0x003F);
        QCOMPARE(written[2] & 0x3FFF, 0x003F);
        QVERIFY2(Number(pMax) < 0.95 * before, qPrintable(pMax->text())); // shown at once
        QCOMPARE(MeanTimer(session)->interval(), 2000);
        CmMeanDone();

        // Meter > Restart mean-value interval asks first, too.
        QAction* restart = nullptr;
        for (QAction* a : MainWindow()->menuBar()->findChildren<QAction*>())
            if (a->text() == QCoreApplication::translate("Menu", "Restart &mean-value interval")) restart = a;
        QVERIFY(restart);
        messages.clear();
        messages.answers = {0};
        restart->trigger();
        QCOMPARE(messages.shown, (std::vector<ScriptedMessages::Shown>{{MessageType::Warning, 18, 5}}));
        QCOMPARE(WritesTo(*line, 969), 0);
        restart->trigger();
        QCOMPARE(WritesTo(*line, 969), 1);
    }

    void meanBaseModelForm() {
        QVERIFY(start({"--model", "std", "--system", "1"}));
        CmMeanValueDisplay(session);
        QVERIFY(Panels().mean);
        QCOMPARE(ActivePanelKind(), PanelKind::MeanStandard);
        QVERIFY(!Child<QLabel>(Panels().mean, "mean_0_3")); // running, last interval, maximum
        QVERIFY(!Child<QLabel>(Panels().mean, "mean_5_0")); // no free rows
        QTRY_VERIFY_WITH_TIMEOUT(AllFields(Panels().mean, "mean_", false), 3000);
    }

    void harmonicsTableChartAndBaseModel() {
        QVERIFY(start({"--model", "zrm3", "--system", "4"}));
        CmVoltageHarmonics(session);
        QVERIFY(Panels().harmonics);
        auto* table = Child<QTableWidget>(Panels().harmonics, "harmTable");
        QCOMPARE(table->rowCount(), 6);
        // The chart says what its axes and bar colours are.
        QStringList legend;
        for (auto* entry : Panels().harmonics->findChildren<QLabel*>("harmLegendEntry"))
            legend << entry->text();
        QCOMPARE(legend, (QStringList{"U1", "U2", "U3", "Maximum"}));
        QCOMPARE(Child<QLabel>(Panels().harmonics, "harmOrderAxis")->text(), QString("Harmonic order"));
        QVERIFY(Child<QLabel>(Panels().harmonics, "harmValueAxis")->text().endsWith("[%]"));
        QTRY_VERIFY_WITH_TIMEOUT(table->item(5, 14) && !table->item(5, 14)->text().isEmpty(), 3000);
        QVERIFY(Child<QLabel>(Panels().harmonics, "unbalance")->isVisibleTo(Panels().harmonics));
        messages.answers = {0};
        Child<QPushButton>(Panels().harmonics, "reset")->click();
        QCOMPARE(messages.shown, (std::vector<ScriptedMessages::Shown>{{MessageType::Warning, 18, 6}}));
        QCOMPARE(WritesTo(*line, 429), 0);
        Child<QPushButton>(Panels().harmonics, "reset")->click();
        QCOMPARE(WritesTo(*line, 429), 1);
        QCOMPARE(Word0(session.blocks.minMaxReset), uint16_t(0x0B00));
        QCOMPARE(uint8_t(line->requests().last().frame[1]), uint8_t(0x03)); // read again at once
        CmCloseHarmonics();
        messages.clear();

        QVERIFY(start({"--model", "std"}));
        CmCurrentHarmonics(session);
        QVERIFY(!Panels().harmonics);
        QCOMPARE(messages.shown, (std::vector<ScriptedMessages::Shown>{{MessageType::Error, 7, 10}}));
        QVERIFY(!CommPortIsOpen());
    }
};

QTEST_MAIN(AcqPanelsTest)
#include "acqpanels_test.moc"
