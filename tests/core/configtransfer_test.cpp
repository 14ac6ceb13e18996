// Configuration transfer with a meter on the simulated line: receive, send with its
// checks and questions, the backup, and the output simulation and brightness, which
// act on the meter's configuration at once.
#include "SimLine.h"
#include "config/Brightness.h"
#include "config/ConfigFile.h"
#include "config/ConfigTransfer.h"
#include "config/MeterSession.h"
#include "config/OutputSimulation.h"
#include "link/DeviceLink.h"
#include "link/ModbusTcp.h"
#include "netmodules/KnownDevices.h"
#include "netmodules/LANMOD57.h"
#include "platform/Messages.h"
#include "settings/INI_File.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <memory>

namespace {

// Packed fields are copied before QCOMPARE takes them by reference.
template <class T> T V(T value) {
    return value;
}

using M = MessageType;

// Reads the meter's configuration again, as a check of what was really written.
ConfigImage ReadBack(MeterSession& session) {
    ScriptedMessages quiet;
    MessageSink* old = SetMessageSink(&quiet);
    ConfigImage image{};
    if (InitInterface() && ReadConfiguration(session, 0)) image = session.read;
    CloseInterface();
    SetMessageSink(old);
    return image;
}

// Silences the meter once the first block of a send is written: the meter then falls
// silent in the middle of the send.
struct SilentAfterFirstBlock : ScriptedMessages {
    SimLine* line = nullptr;
    void progress(int mode, int value) override {
        ScriptedMessages::progress(mode, value);
        if (mode == 2 && value == 60) line->fault("silence:4");
    }
};

// The configuration writes: function 16 at register 499 (0x1f3) onward.
QList<SimLine::Request> Writes(const SimLine& line) {
    QList<SimLine::Request> writes;
    for (const SimLine::Request& r : line.requests())
        if (r.frame.size() > 2 && uint8_t(r.frame[1]) == 0x10) writes << r;
    return writes;
}

// The one version popup shown: its title and text.
QString VersionPopup(MeterSession& session, ScriptedMessages& messages) {
    messages.clear();
    CmGetVersionInfo(session);
    return messages.infos.size() == 1 ? messages.infos[0] : QString();
}

// Injects a fault when the question before freeing the outputs comes up, so that the
// requests right after it meet the fault.
struct FaultOnQuestion : ScriptedMessages {
    SimLine* line = nullptr;
    QString fault;
    int askWarning(int kind, int number) override {
        if (!fault.isEmpty()) line->fault(fault);
        return ScriptedMessages::askWarning(kind, number);
    }
};

QStringList Backups() {
    return QDir(QString::fromStdString(BackupDir())).entryList({"*.ZRC"}, QDir::Files);
}

} // namespace

class ConfigTransferTest : public QObject {
    Q_OBJECT
    MeterSession session;
    Connection& connection = session.connection; // the one the link talks over
    QTemporaryDir settings;
    std::unique_ptr<SimLine> line;
    FaultOnQuestion messages;
    KnownDevices devices; // the one module a test meets
    OutputSimulation simulation;

    // A meter on a fresh line (RS-232, RS-485 or its own module), its configuration
    // received into session.edited.
    bool Meter(const QStringList& options, int commType = kRS232) {
        CloseTCPConnection(kCloseAllTCP);
        line.reset();
        const QStringList kind = commType == kRS485    ? QStringList{"--rs485", "17"}
                                 : commType == kModule ? QStringList{"--module"}
                                                       : QStringList{"--rs232"};
        line = std::make_unique<SimLine>(kind + options);
        if (!line->ok()) return false;
        connection.kind = commType;
        devices.modules.assign(1, ModuleRecord{});
        qstrncpy(devices.modules[0].IP, "module", sizeof devices.modules[0].IP);
        UseKnownDevices(&devices);
        connection.moduleIndex = 0;
        connection.serialPath = line->path().toStdString();
        connection.meterAddress = 17;
        connection.baudIndex = 3;
        connection.formatIndex = 1;
        QDir(QString::fromStdString(BackupDir())).removeRecursively();
        const bool ok = ReceiveConfiguration(session);
        messages.clear();
        messages.line = line.get();
        messages.fault.clear();
        simulation = OutputSimulation{};
        return ok;
    }

    // The outputs as the meter's device status word tells them (bits 13, 14); the link
    // is opened for it unless a simulation holds it open.
    QString Outputs() {
        ScriptedMessages quiet;
        MessageSink* old = SetMessageSink(&quiet);
        const bool open = simulation.running();
        const int ok = (open || InitInterface()) && Read(session.read, kReadDevStatus, 0);
        if (!open) CloseInterface();
        SetMessageSink(old);
        const int word = session.blocks.deviceStatus[0] | session.blocks.deviceStatus[1] << 8;
        return ok ? QStringLiteral("1 %1, 2 %2")
                        .arg(word & 0x2000 ? "on" : "off", word & 0x4000 ? "on" : "off")
                  : QString("no reply");
    }

  private slots:
    void initTestCase() {
        UseSession(session);
        SettingsDir = settings.path().toStdString();
        connection.closePortAfterUse = 1;
        connection.replyTimeoutMs = 300;
        SetMessageSink(&messages);
    }
    void cleanupTestCase() {
        CloseTCPConnection(kCloseAllTCP);
        line.reset();
        SetMessageSink(nullptr);
    }

    // The meter keeps ratios as three-digit mantissas and exponents; back again they give
    // the editor's values where those fit three digits.
    void ratiosForTheMeter() {
        const struct {
            float urPrim, irPrim, irSec;
            QList<int> expected; // mantissas and exponents: U prim, I prim, I sec
        } cases[] = {{20000.0f, 1500.0f, 1.0f, {200, 2, 150, 1, 100, -2}},
                     {400.0f, 5.0f, 0.5f, {400, 0, 500, -2, 500, -3}},
                     {110000.0f, 0.1f, 5.0f, {110, 3, 10, -2, 500, -2}},
                     {999.6f, 12.345f, 0.0554f, {1000, 0, 123, -1, 55, -3}}}; // rounded
        for (const auto& x : cases) {
            ConfigImage c{};
            c.UrPrim = x.urPrim;
            c.UrSec = 100;
            c.IrPrim = x.irPrim;
            c.IrSec = x.irSec;
            SetupInputData(&c);
            QCOMPARE(
                (QList<int>{c.UrPrimMant, c.UrPrimExp, c.IrPrimMant, c.IrPrimExp, c.IrSecMant, c.IrSecExp}),
                x.expected);
            QCOMPARE((QList<int>{c.UrSecMant, c.UrSecExp}), (QList<int>{100, 0}));
            ConfigImage back = c;
            back.UrPrim = back.IrPrim = back.IrSec = 0;
            RestoreInputData(&back);
            QCOMPARE(V(back.UrPrim), float(c.UrPrimMant) * std::pow(10.0f, float(c.UrPrimExp)));
            if (x.urPrim != 999.6f)
                QCOMPARE((QList<float>{back.UrPrim, back.IrPrim, back.IrSec}),
                         (QList<float>{x.urPrim, x.irPrim, x.irSec}));
        }
    }

    void negativeExponentsAreNotApplied() {
        ConfigImage c{};
        c.UrPrimMant = 230;
        c.UrPrimExp = -1;
        c.UrSecMant = 11;
        c.UrSecExp = 1;
        c.IrPrimMant = 5;
        c.IrPrimExp = -4;
        c.IrSecMant = 1;
        c.IrSecExp = -6;
        RestoreInputData(&c);
        QCOMPARE((QList<float>{c.UrPrim, float(c.UrSec), c.IrPrim, c.IrSec}),
                 (QList<float>{230, 110, 0.05f, 0.001f}));
        // Garbage from a meter must not hang the way back.
        c.UrPrimExp = 127;
        RestoreInputData(&c);
        SetupInputData(&c);
        QCOMPARE(c.UrPrimExp, int8_t(127));
    }

    void descriptionFromTheEditor() {
        QCOMPARE(CmReadDescr(session, "Line one\r\nLine two"), QString("Line one\nLine two"));
        QCOMPARE(QByteArray(session.edited.Description), QByteArray("Line one\nLine two"));
        QCOMPARE(CmReadDescr(session, QString(60, 'z')), QString(47, 'z'));
    }

    void receiveShowsProgressAndAdoptsTheMeter() {
        QVERIFY(Meter({"--model", "zrm3", "--fw", "412", "--ext", "121", "--rated-i", "1"}));
        session.edited = ConfigImage{};
        QCOMPARE(CmRecFromDev(session), 1);
        QCOMPARE(messages.progressValues, (std::vector<int>{14, 28, 100}));
        QCOMPARE(messages.progressOpen, 0);
        QCOMPARE((QList<int>{session.edited.Model, session.edited.FwVersion, session.edited.MaxI}),
                 (QList<int>{1, 412, 100}));
        QVERIFY(std::memcmp(&session.edited, &session.read, sizeof session.edited) == 0);
        QCOMPARE(VersionPopup(session, messages),
                 QString("Version information\nModel: ZRM3\nFirmware: 4.12\nVersion: 1.21"));
    }

    void baseModelReadAfterAnExtendedOneKeepsNothingOfIt() {
        QVERIFY(Meter({"--model", "zrm3"}));
        QVERIFY(Meter({"--model", "std"}));
        ConfigImage fresh = session.read;
        ResetExtendedFields(fresh);
        QVERIFY(std::memcmp(&session.read, &fresh, sizeof fresh) == 0);
        QCOMPARE(session.read.Freq & 0x40, 0); // no current unbalance in %
    }

    void sendWritesEveryRegisterAndKeepsABackup() {
        QVERIFY(Meter({"--model", "zrm3", "--fw", "412", "--ext", "121"}));
        const ConfigImage previous = session.edited;
        std::strcpy(session.edited.Description, "Sent by the test");
        session.edited.LimitOn[1] = -321;
        session.edited.Loop[21] = 0x5A;
        session.edited.MeanMeas[8] = 13;
        session.edited.UrPrim = 20000.0f;
        session.edited.IrSec = 1.0f;
        messages.answers = {1};
        QCOMPARE(CmSendConfig(session), 1);
        QCOMPARE(messages.shown, (std::vector<ScriptedMessages::Shown>{{M::Warning, 0, 0}}));
        QCOMPARE(messages.details.size(), size_t(1)); // the question came with the changes
        QVERIFY(messages.details[0].contains("Description\t'" + QString(previous.Description) +
                                             "'\t'Sent by the test'"));
        QCOMPARE(messages.progressValues, (std::vector<int>{14, 28, 100, 32, 34, 60, 100}));
        QCOMPARE(messages.progressOpen, 0);
        // The meter stores the first block before it is given the second.
        const QList<SimLine::Request> writes = Writes(*line);
        QCOMPARE(writes.size(), 2);
        QVERIFY(writes[1].atMs - writes[0].atMs >= 2000);

        const ConfigImage meter = ReadBack(session);
        QCOMPARE(QByteArray(meter.Description), QByteArray("Sent by the test"));
        QCOMPARE((QList<int>{meter.UrPrimMant, meter.UrPrimExp, meter.IrSecMant, meter.IrSecExp}),
                 (QList<int>{200, 2, 100, -2}));
        QVERIFY(std::memcmp(reinterpret_cast<const char*>(&meter) + 26,
                            reinterpret_cast<const char*>(&session.edited) + 26, 166 - 26) == 0);

        // The backup holds what the meter had before, and the user was told where it is.
        const QStringList backups = Backups();
        QCOMPARE(backups.size(), 1);
        QCOMPARE(messages.notes.size(), size_t(1));
        QVERIFY(messages.notes[0].contains(backups[0]));
        ConfigImage saved{};
        QVERIFY(LoadConfigFile(BackupDir() + "/" + backups[0].toStdString(), saved));
        QCOMPARE(QByteArray(saved.Description), QByteArray(previous.Description));
        QCOMPARE(V(saved.UrPrim), V(previous.UrPrim));
    }

    void mismatchesStopBeforeAnyWrite() {
        const struct {
            QStringList meter;
            int model, maxI, number, kind;
        } cases[] = {{{"--model", "zrm3"}, 0, 0, 7, 8},                      // base file to extended meter
                     {{"--model", "std"}, 1, 0, 7, 8},                       // extended file to base meter
                     {{"--model", "zrm3", "--rated-i", "1"}, 1, 500, 4, 8},  // 5 A to 1 A
                     {{"--model", "zrm3", "--rated-i", "5"}, 1, 100, 4, 7}}; // 1 A to 5 A
        for (const auto& c : cases) {
            QVERIFY(Meter(c.meter));
            const ConfigImage before = session.read;
            session.edited.Model = int16_t(c.model);
            if (c.maxI) session.edited.MaxI = int16_t(c.maxI);
            std::strcpy(session.edited.Description, "must not arrive");
            QCOMPARE(CmSendConfig(session), 0);
            QCOMPARE(messages.shown.back(), (ScriptedMessages::Shown{M::Error, c.number, c.kind}));
            QCOMPARE(messages.progressOpen, 0);
            QVERIFY(Backups().isEmpty());
            QCOMPARE(QByteArray(ReadBack(session).Description), QByteArray(before.Description));
        }
    }

    void oldFirmwareOffersTheFeatureRemovals() {
        QVERIFY(Meter({"--model", "zrm3", "--fw", "199"}));
        session.edited.Display = uint8_t(0x30 | (session.edited.Display & 0x0F));
        session.edited.System |= 0x80;
        session.edited.Freq |= 0x40;
        QCOMPARE(CmSendConfig(session), 1);
        QCOMPARE(messages.shown, (std::vector<ScriptedMessages::Shown>{
                                     {M::Warning, 4, 4}, {M::Warning, 5, 5}, {M::Warning, 6, 6}}));
        // without them nothing was left to change
        QVERIFY(session.transfer.outcome == TransferOutcome::SendUnchanged);
        const ConfigImage meter = ReadBack(session);
        QCOMPARE((meter.Display & 0xF0) | (meter.System & 0x80) | (meter.Freq & 0x40), 0);

        // Declining one of them leaves the meter alone.
        messages.clear();
        session.edited.System |= 0x80;
        std::strcpy(session.edited.Description, "declined");
        messages.answers = {0};
        QCOMPARE(CmSendConfig(session), 0);
        QCOMPARE(messages.shown.back(), (ScriptedMessages::Shown{M::Warning, 5, 5}));
        QCOMPARE(messages.progressOpen, 0);
        QVERIFY(QByteArray(ReadBack(session).Description) != "declined");
    }

    // A change of the logged channels asks first: cancel leaves the meter alone.
    void loggerQuestion() {
        for (const int answer : {0, 1}) {
            QVERIFY(Meter({"--model", "zrm3", "--fw", "412"}));
            session.edited.Logger ^= 0x1000;
            messages.answers = {answer, 1};
            QCOMPARE(CmSendConfig(session), answer);
            QVERIFY(messages.wasShown(M::LoggerSendWarning, 0, 0));
            QCOMPARE(messages.progressOpen, 0);
            QCOMPARE(V(ReadBack(session).Logger),
                     answer ? session.edited.Logger : uint16_t(session.edited.Logger ^ 0x1000));
        }
    }

    // The user sees the changes after every check and before the first write; cancelling
    // there, or a meter that holds the configuration already, writes no register.
    void comparisonBeforeTheFirstWrite() {
        QVERIFY(Meter({"--model", "zrm3", "--fw", "412"}));
        QCOMPARE(CmSendConfig(session), 1);
        QVERIFY(messages.shown.empty());
        QVERIFY(messages.notes.empty());
        QVERIFY(session.transfer.outcome == TransferOutcome::SendUnchanged);

        messages.clear();
        session.edited.UrPrim = 10000.0f;
        session.edited.DigOut[1] = 65;
        messages.answers = {0};
        QCOMPARE(CmSendConfig(session), 0);
        QCOMPARE(messages.shown, (std::vector<ScriptedMessages::Shown>{{M::Warning, 0, 0}}));
        QCOMPARE(messages.details.size(), size_t(1));
        QCOMPARE(messages.details[0].size(), 2);
        QCOMPARE(messages.progressOpen, 0);
        QVERIFY(Backups().isEmpty());
        QVERIFY(line->requests().size() > 2); // the meter was read ...
        QVERIFY(Writes(*line).isEmpty());     // ... and nothing written, not even once
    }

    void rs485SendsTheProgramsBusSettings() {
        QVERIFY(Meter({"--model", "zrm3"}, kRS485));
        session.edited.Address = 99;
        session.edited.BusSettings = 0x24;
        session.edited.Interface = 1;
        QCOMPARE(CmSendConfig(session), 1);
        const ConfigImage meter = ReadBack(session);
        QCOMPARE(meter.Address, uint8_t(17));
        QCOMPARE(meter.BusSettings, uint8_t(3 + 8 * 1));

        QVERIFY(VersionPopup(session, messages).startsWith("Version information (Device 17)\n"));
    }

    // Through the module the min/max logger block goes to a module that takes it; an
    // old one first asks whether to send it (there is no logger question there).
    void minMaxLoggerThroughTheModule() {
        const struct {
            const char* ext;
            int answer;
            bool asked;
        } cases[] = {{"119", 1, true}, {"119", 0, true}, {"121", 1, false}}; // 121 takes it unasked
        for (const auto& [ext, answer, asked] : cases) {
            QVERIFY(Meter({"--ext", ext}, kModule));
            if (asked)
                for (uint8_t c : session.edited.MinMaxLogger)
                    QCOMPARE(c, uint8_t(255)); // an old module has none
            QVERIFY(session.edited.BusSettings & 0x40);
            // Registers 569..573 straight from the meter, whatever its version says.
            const auto onMeter = [this] {
                InitInterface();
                const int ok = Read(session.read, kReadConfigExtended, 1);
                CloseInterface();
                return ok ? QByteArray(reinterpret_cast<const char*>(session.read.MinMaxLogger), 9)
                          : QByteArray("failed");
            };
            QByteArray expected = onMeter();
            session.edited.MinMaxLogger[0] = 5;
            session.edited.Logger ^= 0x1000;
            messages.answers = {answer, 1};
            QCOMPARE(CmSendConfig(session), answer);
            // The min/max question comes with the checks, the changes are shown after them.
            std::vector<ScriptedMessages::Shown> shown;
            if (asked) shown.push_back({M::Warning, 7, 7});
            if (answer) shown.push_back({M::Warning, 0, 0});
            QCOMPARE(messages.shown, shown);
            QCOMPARE(messages.progressOpen, 0);
            if (answer) expected[0] = 5;
            QCOMPARE(onMeter(), expected);
        }
    }

    void silentMeterEndsTheSend() {
        QVERIFY(Meter({"--model", "zrm3"}));
        SilentAfterFirstBlock silencing;
        silencing.line = line.get();
        SetMessageSink(&silencing);
        std::strcpy(session.edited.Description, "first block");
        const int sent = CmSendConfig(session);
        SetMessageSink(&messages);
        QCOMPARE(sent, 0);
        QVERIFY(silencing.wasShown(M::Error, 0, 2));
        QCOMPARE(silencing.progressOpen, 0);
        QCOMPARE(silencing.progressValues.back(), 60);
        QCOMPARE(QByteArray(ReadBack(session).Description), QByteArray("first block"));
    }

    void questionOnlyForOutputsWithAFunction() {
        QVERIFY(Meter({"--digout", "128,200"}));
        QCOMPARE(simulation.start(session), 1);
        QVERIFY(messages.shown.empty());
        QCOMPARE(simulation.end(session, 1), 1);
        // Declined: nothing is freed and the link is closed.
        QVERIFY(Meter({"--digout", "70,3"}));
        messages.answers = {0};
        QCOMPARE(simulation.start(session), 0);
        QVERIFY(!simulation.running());
        const ConfigImage meter = ReadBack(session);
        QCOMPARE((QList<int>{meter.DigOut[0], meter.DigOut[1]}), (QList<int>{70, 3}));
    }

    // A lost meter during the simulation and the program's end: gui_frontpanels_test.
    void aFailedStartGivesTheOutputsBack() {
        // The freeing write is carried out but its replies are damaged: the start fails
        // and gives the outputs back.
        QVERIFY(Meter({"--digout", "5,70"}));
        messages.fault = "short:4";
        QCOMPARE(simulation.start(session), 0);
        QVERIFY(messages.wasShown(M::Error, 0, 4));
        QVERIFY(!simulation.outputsStillFreed());
        const ConfigImage meter = ReadBack(session);
        QCOMPARE((QList<int>{meter.DigOut[0], meter.DigOut[1]}), (QList<int>{5, 70}));
    }

    void brightnessActsOnTheMeterAtOnce() {
        QVERIFY(Meter({"--digout", "128,128"}));
        QVERIFY(OpenBrightness(session));
        QCOMPARE(Brightness(session), 8);
        session.read.Display = uint8_t(session.read.Display | 0x30); // a refresh time the write must keep
        const ConfigImage konfBefore = session.edited;
        QVERIFY(CmSelBright(session, 12));
        QCOMPARE(int(session.read.Display), 0x3C);
        QVERIFY(std::memcmp(&session.edited, &konfBefore, sizeof session.edited) == 0);
        CloseBrightness();
        // The display and a switched output survive a configuration read.
        QCOMPARE(simulation.start(session), 1);
        QVERIFY(simulation.switchOutput(session, 1, 1));
        QCOMPARE(simulation.end(session, 1), 1);
        QCOMPARE(int(ReadBack(session).Display), 0x3C);
        QCOMPARE(Outputs(), QString("1 off, 2 on"));
    }
};

QTEST_GUILESS_MAIN(ConfigTransferTest)
#include "configtransfer_test.moc"
