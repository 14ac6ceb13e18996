// The min/max, meters, mean-value and harmonics panels in the real main window, against
// the simulator's meter on an in-process line: what they show, and what their commands send.
#include "SimLine.h"

#include "acquisition/MeanDecode.h"
#include "acquisition/MeterDecode.h"
#include "acquisition/gui/HarmDisp.h"
#include "acquisition/gui/MeanDisp.h"
#include "acquisition/gui/MeasField.h"
#include "acquisition/gui/MeterDisp.h"
#include "acquisition/gui/MinMaxDisp.h"
#include "link/DeviceLink.h"
#include "netmodules/KnownDevices.h"
#include "platform/Messages.h"
#include "settings/INI_File.h"
#include "shell/Shell.h"
#include "shell/ZARO.h"

#include <QtTest>
#include <QtWidgets>
#include <cstring>
#include <memory>

namespace {

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

uint16_t Word0(const uint8_t* block) {
    uint16_t w;
    std::memcpy(&w, block, 2);
    return w;
}

} // namespace

class AcqPanelsTest : public QObject {
    Q_OBJECT

    Connection& connection = ShellConnection(); // the one the link talks over

    QTemporaryDir dir;
    ScriptedMessages messages;
    std::unique_ptr<SimLine> line;

    bool start(const QStringList& simArgs) {
        line.reset();
        line = std::make_unique<SimLine>(QStringList{"--rs232"} + simArgs);
        connection.kind = 0;
        connection.serialPath = line->path().toStdString();
        return line->ok();
    }

  private slots:
    void initTestCase() {
        UseConnection(&connection);
        QVERIFY(dir.isValid());
        SetMessageSink(&messages);
        QVERIFY(StartZaro(0.0, dir.path().toStdString()));
        connection.closePortAfterUse = 1;
        KnownDevices& devices = ShellDevices();
        qstrcpy(devices.gateways.emplace_back().record.IP, "127.0.0.1");
        qstrcpy(devices.modules.emplace_back().IP, "127.0.0.1");
        connection.gatewayIndex = connection.moduleIndex = 0;
        connection.gatewayTcpPort = 1;
    }

    void cleanup() {
        if (Panels().minMax) CmCloseMinMax();
        if (Panels().meters) CmMeterDone();
        if (Panels().mean) CmMeanDone();
        if (Panels().harmonics) CmCloseHarmonics();
        CloseInterface();
        ShowMainPanel(0);
        line.reset();
        messages.clear();
    }

    void cleanupTestCase() { EndZaro(); }

    void minMaxShowsResetsAndRecovers() {
        QVERIFY(start({"--model", "zrm3", "--system", "4"}));
        CmMinMaxDisplay();
        QVERIFY(Panels().minMax);
        QTRY_VERIFY_WITH_TIMEOUT(AllFields(Panels().minMax, "mdsp_", false), 3000);
        QCOMPARE(MinMaxTimer()->interval(), 10000);
        QVERIFY(Child<QLabel>(Panels().minMax, "mdsp_41")->isVisibleTo(Panels().minMax)); // UNE maximum

        // Only the ninth box: bit 13; the boxes are cleared and the next read comes in 2 s.
        Child<QCheckBox>(Panels().minMax, "reset_8")->setChecked(true);
        Child<QPushButton>(Panels().minMax, "reset")->click();
        QCOMPARE(Word0(ResetMinMax), uint16_t(0x2000));
        QVERIFY(!Child<QCheckBox>(Panels().minMax, "reset_8")->isChecked());
        QCOMPARE(MinMaxTimer()->interval(), 2000);
        QVERIFY(MinMaxTimer()->isActive());
        Child<QCheckBox>(Panels().minMax, "resetAll")->click();
        QVERIFY(Child<QCheckBox>(Panels().minMax, "reset_3")->isChecked());
        Child<QCheckBox>(Panels().minMax, "resetAll")->click();
        QVERIFY(!Child<QCheckBox>(Panels().minMax, "reset_3")->isChecked());

        // A meter that stops answering mid-panel, and comes back.
        line->fault("silence:4");
        MinMaxTimer()->setInterval(0);
        QTRY_VERIFY_WITH_TIMEOUT(AllFields(Panels().minMax, "mdsp_", true), 8000);
        MinMaxTimer()->setInterval(0);
        QTRY_VERIFY_WITH_TIMEOUT(AllFields(Panels().minMax, "mdsp_", false), 8000);
    }

    void meterSetResetAndTariff() {
        QVERIFY(start({"--model", "zrm3", "--system", "4", "--meter-scale", "2"}));
        CmMetersDisplay();
        QVERIFY(Panels().meters);
        auto* field = Child<QDoubleSpinBox>(Panels().meters, "meter_1");
        QTRY_VERIFY_WITH_TIMEOUT(Child<QLabel>(Panels().meters, "tariff1")->property("lit").toBool(), 3000);
        QCOMPARE(field->decimals(), 1);

        // A row being prepared is not refreshed, its set box ticked or not yet; the
        // set sends the nearest count.
        Child<QCheckBox>(Panels().meters, "meterSet_1")->setChecked(true);
        field->setValue(2.3);
        auto* typed = Child<QDoubleSpinBox>(Panels().meters, "meter_3");
        typed->selectAll();
        QTest::keyClicks(typed, "77.7");
        MetersTimer()->setInterval(0);
        QTest::qWait(300);
        QCOMPARE(field->value(), 2.3);
        QCOMPARE(typed->value(), 77.7);
        Child<QPushButton>(Panels().meters, "set")->click();
        QCOMPARE(MeterCount(1), 23u);
        QCOMPARE(MetersTimer()->interval(), 1000);
        field->setValue(0.0);
        MetersTimer()->setInterval(0);
        QTRY_COMPARE_WITH_TIMEOUT(field->value(), 2.3, 3000); // read back from the meter

        Child<QCheckBox>(Panels().meters, "meterReset_1")->setChecked(true);
        Child<QPushButton>(Panels().meters, "reset")->click();
        QCOMPARE(Word0(ResetMeter), uint16_t(0x0002));
        MetersTimer()->setInterval(0);
        QTRY_COMPARE_WITH_TIMEOUT(field->value(), 0.0, 4000);

        Child<QPushButton>(Panels().meters, "toggleTariff")->click();
        QCOMPARE(Word0(DevStatus) & 0x0C00, 0x0800); // tariff 1 was lit: bit 10 clear, bit 11 set
        MetersTimer()->setInterval(0);
        QTRY_VERIFY_WITH_TIMEOUT(Child<QLabel>(Panels().meters, "tariff2")->property("lit").toBool(), 3000);
        QVERIFY(messages.shown.empty());
    }

    void meterScaleRefusedClosesTheLink() {
        QVERIFY(start({"--model", "zrm3", "--meter-scale", "10"}));
        CmMetersDisplay();
        QVERIFY(!Panels().meters);
        QCOMPARE(ActivePanel(), MainPanelHandle());
        QVERIFY(!CommPortIsOpen());
        QCOMPARE(messages.shown.size(), size_t(1));
        QCOMPARE(messages.shown[0].kind, 15);
    }

    void meanFreeRowsAndReset() {
        // 39 (voltage unbalance) is not offered by a 3-wire system.
        QVERIFY(start({"--model", "zrm3", "--system", "3", "--mean-codes", "25,39"}));
        CmMeanValueDisplay();
        QVERIFY(Panels().mean);
        QCOMPARE(ActivePanelKind(), PanelKind::MeanExtended);
        QCOMPARE(Lese.MeanMeas[1], uint8_t(kNoMeasurand));
        QVERIFY(!Child<QLabel>(Panels().mean, "mean_6_0")->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(AllFields(Panels().mean, "mean_", false), 3000);
        QVERIFY(
            Child<QLabel>(Panels().mean, "mean_5_0")->text().contains(QRegularExpression(R"(^\d\d\.\d\d$)")));

        Child<QCheckBox>(Panels().mean, "resetAll")->click();
        QVERIFY(!Child<QCheckBox>(Panels().mean, "resetMax_6")->isChecked()); // no measurand: no reset
        Child<QPushButton>(Panels().mean, "reset")->click();
        uint16_t written[3];
        std::memcpy(written, ResetMinMax, sizeof written);
        QCOMPARE(written[1] & 0x3FFF, 0x003F);
        QCOMPARE(written[2] & 0x3FFF, 0x003F);
        QCOMPARE(MeanTimer()->interval(), 2000);
    }

    void meanBaseModelForm() {
        QVERIFY(start({"--model", "std", "--system", "1"}));
        CmMeanValueDisplay();
        QVERIFY(Panels().mean);
        QCOMPARE(ActivePanelKind(), PanelKind::MeanStandard);
        QVERIFY(!Child<QLabel>(Panels().mean, "mean_0_3")); // running, last interval, maximum
        QVERIFY(!Child<QLabel>(Panels().mean, "mean_5_0")); // no free rows
        QTRY_VERIFY_WITH_TIMEOUT(AllFields(Panels().mean, "mean_", false), 3000);
    }

    void harmonicsTableChartAndBaseModel() {
        QVERIFY(start({"--model", "zrm3", "--system", "4"}));
        CmVoltageHarmonics();
        QVERIFY(Panels().harmonics);
        auto* table = Child<QTableWidget>(Panels().harmonics, "harmTable");
        QCOMPARE(table->rowCount(), 6);
        QTRY_VERIFY_WITH_TIMEOUT(table->item(5, 14) && !table->item(5, 14)->text().isEmpty(), 3000);
        QVERIFY(Child<QLabel>(Panels().harmonics, "unbalance")->isVisibleTo(Panels().harmonics));
        Child<QPushButton>(Panels().harmonics, "reset")->click();
        QCOMPARE(Word0(ResetMinMax), uint16_t(0x0B00));
        CmCloseHarmonics();

        QVERIFY(start({"--model", "std"}));
        CmCurrentHarmonics();
        QVERIFY(!Panels().harmonics);
        QCOMPARE(messages.shown.size(), size_t(1));
        QCOMPARE(messages.shown[0].kind, 7);
        QCOMPARE(messages.shown[0].number, 10);
        QVERIFY(!CommPortIsOpen());
    }
};

QTEST_MAIN(AcqPanelsTest)
#include "acqpanels_test.moc"
