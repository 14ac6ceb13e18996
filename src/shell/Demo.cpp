#include "shell/Demo.h"

#include "platform/Translate.h"
#include "shell/Shell.h"
#include "shell/ZARO.h"

#include "config/ConfigImage.h"
#include "config/ConfigTransfer.h"
#include "platform/ChildProcess.h"
#include "platform/Messages.h"
#include "platform/ProgramFiles.h"
#include "settings/INI_File.h"

#include <QCoreApplication>

namespace {

// The simulated feeder: 20 kV / 100 V, 100 A / 5 A, four-wire system, three days of
// logger records (15-minute interval); energies count while it runs.
const char* const kDemoSimulatorArgs[] = {"--rs232",   "--model", "zrm3",    "--system",      "4",   "--vt",
                                          "20000/100", "--ct",    "100/5",   "--log-records", "288", nullptr};

constexpr int kSimulatorStartMs = 10000;

ChildProcess simulator;
std::string demoFolder;

const Translator Tr{"Demo"};

bool Fail(const QString& why) {
    StopDemo();
    ShowInfo(Tr("Demo"), Tr("The simulated meter could not be started: %1").arg(why));
    return false;
}

// The user's settings, read without rewriting anything, then pointed at the simulator
// and written into a fresh folder.
bool WriteDemoSettings(MeterSession& session, const QString& pty) {
    SettingsDir = DefaultSettingsDir();
    KnownDevices& devices = ShellDevices();
    LoadAllSettings(devices, session, false);
    // A demo that was killed could not remove its folder: the next one does.
    RemoveStaleTemporaryFolders("demo");
    demoFolder = CreateTemporaryFolder("demo");
    if (demoFolder.empty()) return false;
    SettingsDir = demoFolder;
    Connection& connection = session.connection;
    SelectInterface(connection, kRS232, connection.gatewayIndex, connection.moduleIndex);
    connection.serialPort = 0; // no /dev/ttyS device: the path says where
    connection.serialPath = pty.toStdString();
    connection.closePortAfterUse = 0;
    session.edited.Model = 1;
    return NewINIFile(session) && NewINIFileTCP(devices, connection) && NewDevINIFile(devices, connection);
}

bool StartDemo(const QString& program, const QStringList& wiringFaults) {
    if (program.isEmpty())
        return Fail(Tr("zaro-sim was found neither beside the program nor in /usr/bin."));
    QStringList args;
    for (const char* const* a = kDemoSimulatorArgs; *a; ++a) args << QString::fromLatin1(*a);
    for (const QString& fault : wiringFaults)
        args << QStringLiteral("--wiring") << fault;
    QString line, error;
    if (!StartChildProcess(simulator, program, args, kSimulatorStartMs, line, error))
        return Fail(QStringLiteral("%1: %2").arg(program, error));
    // The simulator names its pseudo-terminal once its meter listens.
    if (!line.startsWith(QLatin1String("PTY "))) return Fail(QStringLiteral("%1: %2").arg(program, line));
    if (!WriteDemoSettings(ShellSession(), line.mid(4)))
        return Fail(Tr("the demo settings could not be written."));
    return true;
}

} // namespace

int StartDemoSession(const QString& program, const QStringList& wiringFaults, double splashSeconds) {
    if (!StartDemo(program, wiringFaults)) return 0;
    if (!StartZaro(splashSeconds, demoFolder)) return 0;
    CmRecFromDev(ShellSession());
    return 1;
}

void StopDemo() {
    StopChildProcess(simulator);
    RemoveFolder(demoFolder);
    demoFolder.clear();
}

bool DemoActive() {
    return !demoFolder.empty();
}

QString MainWindowTitle() {
    if (!DemoActive()) return QStringLiteral("ZARO");
    return QStringLiteral("ZARO \u2014 ") + Tr("Demo \u2014 simulated meter");
}

int CmTryDemo() {
    if (!StartProgramCopy({QStringLiteral("--demo")}))
        ShowInfo(Tr("Demo"), Tr("The program could not be started a second time."));
    return 0;
}
