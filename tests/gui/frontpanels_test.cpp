// The page editor, the simulation panel and the brightness popup in the real main
// window, against the simulator's meter on an in-process line.
#include "SimLine.h"
#include "config/MeterSession.h"

#include "config/ConfigImage.h"
#include "config/ConfigTransfer.h"
#include "config/DispMode.h"
#include "config/Editor.h"
#include "config/OutputSimulation.h"
#include "config/gui/BrightnessPopup.h"
#include "config/gui/DispModePanel.h"
#include "config/gui/SimulationPanel.h"
#include "link/DeviceLink.h"
#include "platform/Messages.h"
#include "settings/INI_File.h"
#include "shell/ZARO.h"

#include "shell/Shell.h"

#include <QtTest>
#include <QtWidgets>
#include <memory>

namespace {

QTableWidget* Table() {
    return Panels().displayMode ? Panels().displayMode->findChild<QTableWidget*>("PageTable") : nullptr;
}

bool Yellow(int row, int column) {
    return Table()->item(row, column)->background().color() != QColor(Qt::white);
}

QPushButton* SimButton(const char* name) {
    return Panels().simulation ? Panels().simulation->findChild<QPushButton*>(name) : nullptr;
}

} // namespace

class FrontPanelsTest : public QObject {
    Q_OBJECT
    MeterSession& session = ShellSession(); // the one the menu commands work on

    Connection& connection = ShellConnection(); // the one the link talks over

    QTemporaryDir dir;
    ScriptedMessages messages;
    std::unique_ptr<SimLine> line;

    bool Meter(const QStringList& args) {
        line.reset();
        line = std::make_unique<SimLine>(QStringList{"--rs232"} + args);
        connection.kind = kRS232;
        connection.serialPath = line->path().toStdString();
        messages.clear();
        return line->ok();
    }

    // The outputs as the meter's device status word tells them (bits 13, 14).
    QString Outputs() {
        const bool open = PanelSimulation().running();
        const int ok = (open || InitInterface()) && Read(session.read, kReadDevStatus, 0);
        if (!open) CloseInterface();
        const int word = session.blocks.deviceStatus[0] | session.blocks.deviceStatus[1] << 8;
        return ok ? QStringLiteral("1 %1, 2 %2")
                        .arg(word & 0x2000 ? "on" : "off", word & 0x4000 ? "on" : "off")
                  : QString("no reply");
    }

  private slots:
    void initTestCase() {
        UseSession(session);
        SetResourceDir(ZARO_BIN_DIR);
        QVERIFY(dir.isValid());
        SetMessageSink(&messages);
        QVERIFY(StartZaro(0.0, dir.path().toStdString()));
        connection.closePortAfterUse = 1;
        connection.replyTimeoutMs = 300;
    }

    void cleanup() {
        if (Panels().displayMode) CmDispModeDone();
        if (Panels().simulation) CmSimDone(session);
        CloseInterface();
        ShowMainPanel(0);
        line.reset();
        messages.clear();
    }

    void pageEditorEditsAndSends() {
        QVERIFY(Meter({"--system", "4"}));
        QVERIFY(ReceiveConfiguration(session)); // class 2, loop set byte 0 = 1, user byte 0 = 1
        CmSelDispMode(session, 3);              // mode 0 has no pages to choose
        MainPanelHandle()->findChild<QPushButton*>("PagesButton")->click();
        QVERIFY(Panels().displayMode);
        QCOMPARE(ActivePanel(), Panels().displayMode.data());
        QTableWidget* table = Table();
        QCOMPARE(table->item(0, 0)->text(), QString("U1\nU2\nU3"));
        QCOMPARE(table->item(1, 4)->text(), QString("\nIN\nIN max"));
        QVERIFY(Yellow(0, 0) && !Yellow(0, 1));
        QVERIFY(table->item(6, 1)->flags() == Qt::NoItemFlags); // row 7 has one page

        // Double-click, Space and the row header.
        table->scrollToItem(table->item(1, 4));
        QCoreApplication::processEvents();
        const QRect cell = table->visualItemRect(table->item(1, 4));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          cell.center()); // the press a double-click follows
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        QVERIFY(Yellow(1, 4));
        table->setFocus();
        table->setCurrentCell(0, 0);
        QTest::keyClick(table, Qt::Key_Space);
        QVERIFY(!Yellow(0, 0));
        emit table->verticalHeader()->sectionClicked(2);
        QVERIFY(Yellow(2, 0) && Yellow(2, 2));
        QCOMPARE(int(session.edited.Loop[1]),
                 0x02 | 1 << 4 | 1 << 5 | 1 << 6 | 1 << 7); // offered pages 13..16
        QCOMPARE(int(session.edited.Loop[0]), 0);
        QVERIFY(Panels().displayMode->findChild<QLabel*>("Counts")->text().startsWith(
            QStringLiteral("Loop: %1 of 169").arg(PagesInSet(session.edited.Loop, 169))));

        // The user set, edited without changing the mode.
        Panels().displayMode->findChild<QRadioButton*>("UserSet")->click();
        QVERIFY(Yellow(0, 0) && !Yellow(1, 4));
        QCOMPARE(int(session.edited.DispMode & kDispModeMode), 3);

        // The unbalance box relabels the neutral-current page.
        Panels().displayMode->findChild<QCheckBox*>("Unbalance")->click();
        QCOMPARE(Table()->item(1, 4)->text(), QString("\nUnb.I\nUnb.Imax"));
        QVERIFY(Yellow(0, 0)); // still the user set

        Panels().displayMode->findChild<QPushButton*>("Close")->click();
        QVERIFY(ActivePanelKind() == PanelKind::Main);
        QVERIFY(CmSendConfig(session));
        uint8_t sent[kPageSetBytes];
        std::memcpy(sent, session.edited.Loop, sizeof sent);
        QVERIFY(ReceiveConfiguration(session));
        QVERIFY(std::memcmp(sent, session.edited.Loop, sizeof sent) == 0);
        QVERIFY(session.edited.Freq & kFreqUnbalanceI);
    }

    void simulationSwitchesTheOutputs() {
        QVERIFY(Meter({"--digout", "5,128"}));
        CmSimulation(session);
        QVERIFY(messages.wasShown(MessageType::Warning, 2, 2));
        QVERIFY(Panels().simulation);
        QVERIFY(SimButton("Off1")->isChecked() && !SimButton("On1")->isChecked());
        SimButton("On1")->click();
        QVERIFY(SimButton("On1")->isChecked() && !SimButton("Off1")->isChecked());
        QCOMPARE(Outputs(), QString("1 on, 2 off"));
        SimButton("close")->click();
        QVERIFY(!Panels().simulation);
        QVERIFY(ActivePanelKind() == PanelKind::Main);
        QCOMPARE(Outputs(), QString("1 off, 2 off"));
        QVERIFY(InitInterface() && Read(session.read, kReadConfigM3, 0));
        CloseInterface();
        QCOMPARE(int(session.read.DigOut[0]), 5);
    }

    void aLostMeterEndsTheSimulationAndTheCloseSaysSo() {
        QVERIFY(Meter({"--digout", "5,70"}));
        CmSimulation(session);
        QVERIFY(Panels().simulation);
        line->fault("silence:1000");
        SimButton("On2")->click();
        QVERIFY(!SimButton("On2")->isChecked());
        QVERIFY(!SimButton("On1")->isEnabled());
        QLabel* note = Panels().simulation->findChild<QLabel*>("note");
        QVERIFY(note->isVisibleTo(Panels().simulation) && note->text().contains("could not"));
        SimButton("close")->click();
        QVERIFY(Panels().simulation); // told once more, then the second close leaves
        SimButton("close")->click();
        QVERIFY(!Panels().simulation);
        QVERIFY(PanelSimulation().outputsStillFreed());
        // The program's end tries once more, against the meter that is back.
        QVERIFY(Meter({"--digout", "133,198"}));
        EndZaro();
        QVERIFY(!PanelSimulation().outputsStillFreed());
        QVERIFY(InitInterface() && Read(session.read, kReadConfigM3, 0));
        CloseInterface();
        QCOMPARE((QList<int>{session.read.DigOut[0], session.read.DigOut[1]}), (QList<int>{5, 70}));
        QVERIFY(StartZaro(0.0, dir.path().toStdString()));
        connection.closePortAfterUse = 1;
        connection.replyTimeoutMs = 300;
    }

    void brightnessPopupActsAtOnce() {
        QVERIFY(Meter({}));
        bool seen = false;
        QTimer poke; // works the popup once it is up
        poke.setInterval(10);
        QObject::connect(&poke, &QTimer::timeout, [&] {
            auto* popup = ActivePanel()->findChild<QDialog*>("BrightnessPopup");
            if (!popup || !popup->isVisible()) return;
            poke.stop();
            auto* slider = popup->findChild<QSlider*>("Brightness");
            seen = slider->value() == 8;
            slider->setValue(11);
            session.read.Display = 0; // what the meter holds is read back below
            seen = seen && Read(session.read, kReadDisplay, 0) && (session.read.Display & 0x0F) == 11;
            line->fault("silence:4");
            slider->setValue(2);
            seen = seen && slider->value() == 11; // a failed write puts it back
            seen = seen && QTest::qWaitForWindowActive(popup);
            QTest::keyClick(popup, Qt::Key_F1);
            auto* viewer = popup->findChild<QTextBrowser*>("HelpViewer");
            seen = seen && viewer && viewer->source().fileName() == "brightness.html";
            popup->reject();
        });
        poke.start();
        CmDisplay(session);
        QVERIFY(seen);
        QVERIFY(messages.wasShown(MessageType::Error, 0, 2));
    }
};

QTEST_MAIN(FrontPanelsTest)
#include "frontpanels_test.moc"
