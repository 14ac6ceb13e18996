// Draws the installation check panel in the main window (a 1366 x 768 screen) for a meter
// whose current transformer on L2 is mounted the wrong way round, and saves the picture:
//   installation_screenshot FILE [LANGUAGE]     (scripts/screenshots.sh runs it)
// The meter is the simulator's on an in-process line, answering with the values of that
// installation, so the picture needs no serial port.
#include "ScreenshotStart.h"
#include "SimLine.h"
#include "WiringRows.h"

#include "commissioning/gui/InstallationPanel.h"
#include "platform/Messages.h"
#include "shell/Shell.h"
#include "shell/ZARO.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QPushButton>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ScreenshotRun run;
    if (!StartScreenshotRun(run, argc, argv, "installation_screenshot FILE [LANGUAGE]")) return 2;
    const QString file = run.target;

    SimLine line({"--rs232", "--system", "4", "--vt", "400/400", "--ct", "100/5"});
    line.holdValues(FourWireRows(2));
    ShellConnection().kind = 0;
    ShellConnection().serialPath = line.path().toStdString();
    ShellConnection().closePortAfterUse = 1;
    CmInstallationCheck(ShellSession());
    QWidget* panel = Panels().installation;
    if (!panel) return 1;
    // The check runs once the panel is drawn; its reads wait on the line's own clock.
    QElapsedTimer clock;
    clock.start();
    auto* again = panel->findChild<QPushButton*>("again");
    do
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    while (clock.elapsed() < 300 || (!panel->findChild<QWidget*>("findings") && clock.elapsed() < 10000));
    const bool saved = again->isEnabled() && MainWindow()->grab().save(file);
    std::printf("%s\n", qPrintable(file));
    CmCloseInstallation();
    EndZaro();
    return saved && run.messages.shown.empty() ? 0 : 1;
}
