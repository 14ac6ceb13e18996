#include "SimLine.h"
#include "config/Brightness.h"
#include "config/ConfigImage.h"
#include "config/ConfigTransfer.h"
#include "config/OutputSimulation.h"
#include "link/DeviceLink.h"
#include "platform/Messages.h"
#include "settings/INI_File.h"

#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <memory>

namespace {

using M = MessageType;

// Injects a fault when the question before freeing comes up, so that the requests right
// after it meet the fault.
struct FaultOnQuestion : ScriptedMessages {
    SimLine* line = nullptr;
    QString fault;
    int askWarnung(int kind, int number) override {
        if (!fault.isEmpty()) line->fault(fault);
        return ScriptedMessages::askWarnung(kind, number);
    }
};

} // namespace

class SimulationTest : public QObject {
    Q_OBJECT

    Connection connection; // the one the link talks over
    QTemporaryDir settings;
    std::unique_ptr<SimLine> line;
    FaultOnQuestion messages;
    OutputSimulation simulation;

    bool Meter(const QString& digout) {
        CloseCommPort(); // a test that failed half-way may have left the old one open
        line.reset();
        line = std::make_unique<SimLine>(QStringList{"--rs232", "--digout", digout});
        if (!line->ok()) return false;
        connection.serialPath = line->path().toStdString();
        simulation = OutputSimulation{};
        messages.line = line.get();
        messages.fault.clear();
        messages.clear();
        return true;
    }

    // What the meter holds now, read outside the operation under test.
    ConfigImage ReadBack() {
        ScriptedMessages quiet;
        MessageSink* old = SetMessageSink(&quiet);
        ConfigImage image{};
        if (InitInterface() && ReadConfiguration(0)) image = Lese;
        CloseInterface();
        SetMessageSink(old);
        return image;
    }

    // The outputs as the meter's device status word tells them (bits 13, 14); the link
    // is opened for it unless a simulation holds it open.
    QString Outputs() {
        ScriptedMessages quiet;
        MessageSink* old = SetMessageSink(&quiet);
        const bool open = simulation.running();
        const int ok = (open || InitInterface()) && Read(Lese, kReadDevStatus, 0);
        if (!open) CloseInterface();
        SetMessageSink(old);
        const int word = DevStatus[0] | DevStatus[1] << 8;
        return ok ? QStringLiteral("1 %1, 2 %2")
                        .arg(word & 0x2000 ? "on" : "off", word & 0x4000 ? "on" : "off")
                  : QString("no reply");
    }

  private slots:
    void initTestCase() {
        UseConnection(&connection);
        SettingsDir = settings.path().toStdString();
        connection.kind = kRS232;
        connection.closePortAfterUse = 1;
        connection.replyTimeoutMs = 300;
        SetMessageSink(&messages);
    }
    void cleanupTestCase() {
        line.reset();
        SetMessageSink(nullptr);
    }

    void questionOnlyForOutputsWithAFunction() {
        QVERIFY(Meter("128,200"));
        QCOMPARE(simulation.start(), 1);
        QVERIFY(messages.shown.empty());
        QCOMPARE(simulation.end(1), 1);
        // Declined: nothing is freed and the link is closed.
        QVERIFY(Meter("70,3"));
        messages.answers = {0};
        QCOMPARE(simulation.start(), 0);
        QVERIFY(!simulation.running());
        const ConfigImage meter = ReadBack();
        QCOMPARE((QList<int>{meter.DigOut[0], meter.DigOut[1]}), (QList<int>{70, 3}));
    }

    // A lost meter during the simulation and the program's end: gui_frontpanels_test.
    void aFailedStartGivesTheOutputsBack() {
        // The freeing write is carried out but its replies are damaged: the start fails
        // and gives the outputs back.
        QVERIFY(Meter("5,70"));
        messages.fault = "short:4";
        QCOMPARE(simulation.start(), 0);
        QVERIFY(messages.wasShown(M::Error, 0, 4));
        QVERIFY(!simulation.outputsStillFreed());
        const ConfigImage meter = ReadBack();
        QCOMPARE((QList<int>{meter.DigOut[0], meter.DigOut[1]}), (QList<int>{5, 70}));
    }

    void brightnessActsOnTheMeterAtOnce() {
        QVERIFY(Meter("128,128"));
        QVERIFY(OpenBrightness());
        QCOMPARE(Brightness(), 8);
        Lese.Display = uint8_t(Lese.Display | 0x30); // a refresh time the write must keep
        const ConfigImage konfBefore = Konf;
        QVERIFY(CmSelBright(12));
        QCOMPARE(int(Lese.Display), 0x3C);
        QVERIFY(std::memcmp(&Konf, &konfBefore, sizeof Konf) == 0);
        CloseBrightness();
        // The display and a switched output survive a configuration read.
        QCOMPARE(simulation.start(), 1);
        QVERIFY(simulation.switchOutput(1, 1));
        QCOMPARE(simulation.end(1), 1);
        QCOMPARE(int(ReadBack().Display), 0x3C);
        QCOMPARE(Outputs(), QString("1 off, 2 on"));
    }
};

QTEST_GUILESS_MAIN(SimulationTest)
#include "simulation_test.moc"
