#include "SimLine.h"
#include "config/ConfigFile.h"
#include "config/ConfigImage.h"
#include "config/ConfigTransfer.h"
#include "config/EditorRefresh.h"
#include "config/MeterSession.h"
#include "config/gui/MainPanel.h"
#include "link/DeviceLink.h"
#include "platform/Messages.h"
#include "settings/INI_File.h"

#include "shell/Shell.h"

#include <QtTest>
#include <QtWidgets>

class MainPanelTest : public QObject {
    Q_OBJECT
    MeterSession& session = ShellSession(); // the one the menu commands work on

    Connection& connection = ShellConnection(); // the one the link talks over
    QTemporaryDir dir;
    QWidget* window = nullptr;
    QWidget* panel = nullptr;
    ScriptedMessages messages;

    template <typename T> T* W(const char* name) {
        T* w = panel->findChild<T*>(name);
        if (!w) qFatal("no control %s", name);
        return w;
    }

    // A configuration as the meter of the given kind would send it.
    void Meter(int model, int option, int commType) {
        session.edited = ConfigImage{};
        session.edited.MaxU = 500;
        session.edited.MaxI = 500;
        session.edited.Model = int16_t(model);
        session.edited.Interface = int16_t(option);
        connection.kind = commType;
        InitNewConfiguration(session);
        session.edited.UrPrim = 20000.0f;
        session.edited.UrSec = 100;
        session.edited.IrPrim = 100.0f;
        session.edited.IrSec = 5.0f;
    }
    void Redraw() {
        ActivateObjects();
        ShowAll();
    }
    // What a user's choice in a selector does.
    void Choose(QComboBox* box, const QString& text) {
        const int index = box->findText(text);
        QVERIFY2(index >= 0, qPrintable(text + " not offered by " + box->objectName()));
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    // A check box is ticked with the space bar: a click in its middle may miss the label.
    void Tick(QCheckBox* box) {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Space);
    }
    void Enter(QAbstractSpinBox* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Return);
    }

    void OpenPanel() {
        delete window;
        window = new QWidget;
        window->resize(1366, 768);
        panel = CreateMainPanel(session, window);
        panel->resize(1366, 768);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }

  private slots:
    void initTestCase() {
        UseSession(session);
        SettingsDir = dir.path().toStdString();
        SetMessageSink(&messages);
        OpenPanel();
    }
    void cleanupTestCase() {
        delete window;
        QVERIFY(ShowAllHook == nullptr);
        QVERIFY(ActivateObjectsHook == nullptr);
        ShowAll(); // no panel: nothing to draw, nothing to crash
    }

    // The controls are enabled, or dimmed when marked "!"; the entries are those of the
    // system, tariff and logger-mode selectors. Rows: base and extended model, no interface
    // option, external sync, no interval, module, module without interface option.
    void dimming() {
        const QString base = "RecordingTime LoggerGroup0 !FreqLock !RefreshTime !QMode !DispMode "
                             "!DispModeLock PagesButton !MeanMeas0 !MeanLog8 !MinMax0";
        const QString extended = "FreqLock RefreshTime QMode DispMode DispModeLock MeanMeas0 RecordingTime "
                                 "SyncInterval PagesButton !MeanLog0 !MinMax0";
        const struct {
            int model, option, commType, energyControl;
            QString controls;
            QList<int> entries;
            int energyAfter;
        } cases[] = {
            {0, 1, 0, 15, base, {5, 2, 2}, 15},
            {1, 1, 0, 15, extended, {7, 2, 2}, 15},
            {1, 0, 0, 0, "SyncInterval !RecordingTime !LoggerGroup0 !MeanMeas0 !MinMax0", {7, 1, 1}, 15},
            {1, 1, 0, 0x80 | 15, "!SyncInterval", {7, 1, 2}, 0x80 | 15},
            {1, 1, 0, 0x40, "!SyncInterval", {7, 2, 2}, 0x40},
            {1, 1, 3, 0x80 | 15, "SyncInterval MinMax0 MinMaxOn0 MeanMeas0", {7, 2, 2}, 0x80 | 15},
            {1, 0, 3, 15, "SyncInterval !MinMax0 !MeanMeas0", {7, 1, 1}, 15},
        };
        for (const auto& [model, option, commType, energyControl, controls, entries, energyAfter] : cases) {
            Meter(model, option, commType);
            session.edited.EnergyControl = uint8_t(energyControl);
            Redraw();
            for (QString name : controls.split(' ')) {
                const bool dimmed = name.startsWith('!');
                QVERIFY2(W<QWidget>(qPrintable(name.remove('!')))->isEnabled() != dimmed, qPrintable(name));
            }
            QCOMPARE((QList<int>{W<QComboBox>("System")->count(), W<QComboBox>("Tariff")->count(),
                                 W<QComboBox>("LoggerMode")->count()}),
                     entries);
            QCOMPARE(W<QComboBox>("SyncMode")->count(), 1);
            QCOMPARE(W<QComboBox>("DigOutFunc1")->itemText(0),
                     QString(option ? "Free (simulation)" : "Not used"));
            QCOMPARE(W<QComboBox>("DeviceType")->currentIndex(), model + (commType == 3));
            QCOMPARE(int(session.edited.EnergyControl), energyAfter);
            QCOMPARE(W<QSpinBox>("SyncInterval")->value(), session.edited.EnergyControl & 0x3F);
            QVERIFY(!W<QCheckBox>("ModuleBox")->isVisible() && !W<QComboBox>("InterfaceOption")->isVisible());
        }
    }

    void baseModelShowsAFileOfTheExtendedModel() {
        Meter(0, 1, 0);
        session.edited.Freq = 0x82;     // locked frequency
        session.edited.DispMode = 0x82; // and the reactive presentation
        Redraw();
        QVERIFY(!W<QComboBox>("NomFreq")->isVisible());
        QVERIFY(!W<QCheckBox>("QMode")->isChecked());
        QCOMPARE(W<QComboBox>("RefreshTime")->currentData().toInt(), 1);
        QCOMPARE(W<QCheckBox>("LoggerGroup0")->text(), QString("Qind+Qcap"));
        QCOMPARE(W<QCheckBox>("LoggerGroup1")->text(), QString("Pinc-Pout"));
        QVERIFY(W<QCheckBox>("LoggerGroup2")->isHidden());
        QVERIFY(W<QCheckBox>("Rated5A")->isChecked() && !W<QCheckBox>("Rated1A")->isChecked());
    }

    void extendedModelFollowsTheChoices() {
        Meter(1, 1, 0);
        Redraw();
        Tick(W<QCheckBox>("FreqLock"));
        QVERIFY(session.edited.Freq & 0x80);
        QVERIFY(W<QComboBox>("NomFreq")->isVisible());
        Choose(W<QComboBox>("DispMode"), "Automatic loop");
        QCOMPARE(session.edited.DispMode & 3, 2);
        QVERIFY(W<QPushButton>("PagesButton")->isEnabled());

        // Mean values: rows with a measurand may be logged, empty rows not.
        Choose(W<QComboBox>("MeanMeas0"), "Q1.ind");
        QCOMPARE(int(session.edited.MeanMeas[0]), 58);
        QVERIFY(W<QCheckBox>("MeanLog0")->isEnabled());
        QVERIFY(W<QComboBox>("MeanMeas0")->findText("Q1.inc") < 0);
        Tick(W<QCheckBox>("MeanLog0"));
        QCOMPARE(int(session.edited.Mean_Log), 1);

        QCOMPARE(W<QCheckBox>("LoggerGroup0")->text(), QString("Q.ind"));
        QCOMPARE(W<QCheckBox>("LoggerGroup1")->text(), QString("P.inc"));
        QCOMPARE(W<QCheckBox>("LoggerGroup2")->text(), QString("Q.cap"));
        Tick(W<QCheckBox>("QMode"));
        QVERIFY(session.edited.DispMode & 0x80);
        QCOMPARE(W<QCheckBox>("LoggerGroup0")->text(), QString("Q.inc"));
        QCOMPARE(W<QCheckBox>("LoggerGroup2")->text(), QString("Q.out"));
        QVERIFY(W<QComboBox>("MeanMeas1")->findText("Q1.inc") >= 0);
        QVERIFY(W<QComboBox>("MeanMeas1")->findText("Q1.ind") < 0);

        // Two power boxes and one logged mean value at 45 minutes: the recording time.
        Tick(W<QCheckBox>("LoggerGroup0"));
        Tick(W<QCheckBox>("LoggerGroup4"));
        QCOMPARE(int(session.edited.Logger), 0x4400);
        Enter(W<QSpinBox>("SyncInterval"), "45");
        QCOMPARE(session.edited.EnergyControl & 0x3F, 45);
        QCOMPARE(W<QLabel>("RecordingTime")->text(), QString(">166:15:45"));
    }

    // Through the module: its min/max logger. A code the list does not name is what the
    // meter holds: shown (kept for the send: core/editor_test).
    void throughTheModule() {
        Meter(1, 1, 3);
        session.edited.MinMaxLogger[0] = 81; // the average current's maximum, as the module names it
        session.edited.MinMaxLogger[1] = 72; // U2Nmax
        session.edited.MinMaxLogger[4] = 5;
        session.edited.MinMaxLogger[5] = 0; // none, as 255
        Redraw();
        QCOMPARE(W<QComboBox>("MinMax0")->currentText(), QString("Iavgmax"));
        QVERIFY(W<QCheckBox>("MinMaxOn0")->isChecked());
        QVERIFY(!W<QCheckBox>("MinMaxOn2")->isChecked());
        auto* row = W<QComboBox>("MinMax4");
        QCOMPARE(row->currentText(), QString("code 5"));
        QVERIFY(W<QCheckBox>("MinMaxOn4")->isChecked());
        QCOMPARE(W<QComboBox>("MinMax5")->currentText(), QString("none"));
        QVERIFY(!W<QCheckBox>("MinMaxOn5")->isChecked());
        QCOMPARE(W<QComboBox>("MinMax3")->findText("code 5"), -1);
        Choose(row, "Iavgmax");
        QCOMPARE(int(session.edited.MinMaxLogger[4]), 81);
        QCOMPARE(row->findText("code 5"), -1); // gone once the meter will not hold it

        auto* system = W<QComboBox>("System");
        Choose(system, system->itemText(system->findData(3)));
        QCOMPARE(int(session.edited.MinMaxLogger[1]), 255); // no phase voltages in a three-wire system
        QVERIFY(!W<QCheckBox>("MinMaxOn1")->isChecked());
    }

    void ratiosShowWhatTheMeterKeeps() {
        Meter(1, 1, 0);
        Redraw();
        auto* prim = W<QDoubleSpinBox>("UrPrim");
        auto* unit = W<QComboBox>("UrPrimUnit");
        Choose(unit, "V");
        Enter(prim, "20");
        QCOMPARE(float(session.edited.UrPrim), 20000.0f);
        QCOMPARE(unit->currentText(), QString("kV"));
        QCOMPARE(prim->value(), 20.0);
        Enter(prim, "12.345"); // kV stays selected
        QCOMPARE(float(session.edited.UrPrim), 12300.0f);
        QCOMPARE(unit->currentText(), QString("kV"));
        QCOMPARE(prim->value(), 12.3);
        Tick(W<QCheckBox>("Rated1A"));
        QCOMPARE(int(session.edited.MaxI), 100);
        QVERIFY(!W<QCheckBox>("Rated5A")->isChecked());
    }

    void passingThroughAFieldChangesNothing() {
        Meter(1, 1, 0);
        session.edited.UrPrim = 57.7f; // below 100 V an entry would mean kilovolts
        Redraw();
        auto* prim = W<QDoubleSpinBox>("UrPrim");
        QSignalSpy left(prim, &QAbstractSpinBox::editingFinished);
        prim->setFocus();
        W<QSpinBox>("UrSec")->setFocus();
        QCOMPARE(left.count(), 1);
        QCOMPARE(float(session.edited.UrPrim), 57.7f);
    }

    void limitOutputs() {
        Meter(1, 1, 0);
        Redraw();
        Choose(W<QComboBox>("DigOutFunc1"), "Limit output");
        Choose(W<QComboBox>("DigOutMeas1"), "U12, U23, U31");
        QCOMPARE(W<QLabel>("LimitOnUnit1")->text(), QString("kV"));
        Choose(W<QComboBox>("DigOutMeas1"), "F");
        auto* off = W<QDoubleSpinBox>("LimitOff1");
        QCOMPARE(W<QDoubleSpinBox>("LimitOn1")->text(), QString("48.00"));
        QCOMPARE(off->text(), QString("50.00"));
        QCOMPARE(W<QLabel>("LimitOffUnit1")->text(), QString("Hz"));
        Enter(off, "51.5");
        QCOMPARE(int(session.edited.LimitOff[0]), 5150);
        QVERIFY(W<QSpinBox>("PulseRate1")->isHidden());
    }

    void receivedConfigurationIsShownAndEditsSurviveAFile() {
        SimLine line({"--rs232", "--model", "zrm3", "--system", "3", "--vt", "20000/100", "--ct", "150/5"});
        QVERIFY(line.ok());
        Meter(0, 1, 0);
        connection.serialPort = 1;
        connection.serialPath = line.path().toStdString();
        connection.closePortAfterUse = 1; // the line goes away with this test
        QCOMPARE(CmRecFromDev(session), 1);
        QCOMPARE(W<QComboBox>("DeviceType")->currentIndex(), 1);
        QCOMPARE(W<QComboBox>("System")->currentData().toInt(), 3);
        QCOMPARE(W<QDoubleSpinBox>("UrPrim")->value(), 20.0);
        QCOMPARE(W<QComboBox>("UrPrimUnit")->currentText(), QString("kV"));
        QCOMPARE(W<QSpinBox>("UrSec")->value(), 100);
        QCOMPARE(W<QDoubleSpinBox>("IrPrim")->value(), 150.0);
        QCOMPARE(W<QDoubleSpinBox>("IrSec")->value(), 5.0);

        Choose(W<QComboBox>("DigOutFunc1"), "Limit output");
        Choose(W<QComboBox>("DigOutMeas1"), "F");
        Enter(W<QDoubleSpinBox>("LimitOn1"), "49.5");
        Choose(W<QComboBox>("DigOutFunc2"), "Pulse output");
        Choose(W<QComboBox>("PulseUnit2"), "MWh");
        Choose(W<QComboBox>("MeanMeas4"), "U23");
        Tick(W<QCheckBox>("MeanLog4"));
        Tick(W<QCheckBox>("LoggerGroup3"));
        Enter(W<QSpinBox>("SyncInterval"), "30");
        Enter(W<QSpinBox>("DeviceAddress"), "17");
        Choose(W<QComboBox>("DevParity"), "even parity, 2 stop bits");
        W<QPlainTextEdit>("Description")->setFocus();
        W<QPlainTextEdit>("Description")->selectAll();
        QTest::keyClicks(W<QPlainTextEdit>("Description"), "Feeder 7 " + QString(50, 'x')); // 47 fit

        const std::string path = (dir.path() + "/edited.ZRC").toStdString();
        QCOMPARE(SaveConfigFile(session, path), 1);
        Meter(1, 1, 0);
        Redraw();
        QCOMPARE(LoadConfigFile(path, session.edited), 1);
        Redraw();
        QCOMPARE(W<QDoubleSpinBox>("LimitOn1")->text(), QString("49.50"));
        QCOMPARE(W<QComboBox>("PulseUnit2")->currentText(), QString("MWh"));
        QCOMPARE(W<QComboBox>("MeanMeas4")->currentText(), QString("U23"));
        QVERIFY(W<QCheckBox>("MeanLog4")->isChecked());
        QVERIFY(W<QCheckBox>("LoggerGroup3")->isChecked());
        QCOMPARE(W<QSpinBox>("SyncInterval")->value(), 30);
        QCOMPARE(W<QSpinBox>("DeviceAddress")->value(), 17);
        QCOMPARE(W<QComboBox>("DevParity")->currentData().toInt(), 1);
        QCOMPARE(W<QPlainTextEdit>("Description")->toPlainText(), "Feeder 7 " + QString(38, 'x'));
        QCOMPARE(QByteArray(session.edited.Description), ("Feeder 7 " + QString(38, 'x')).toLatin1());
    }
};

QTEST_MAIN(MainPanelTest)
#include "mainpanel_test.moc"
