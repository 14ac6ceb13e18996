// Opens the min/max, meters, mean-value and harmonics panels against zaro-sim in the main
// window and saves a picture of each, and of the question before an energy reset:
//   acqpanels_screenshot FOLDER [LANGUAGE]     (scripts/screenshots.sh runs it)
// writes FOLDER/minmax-1366-LANG.png (a 1366 x 768 screen), meters-LANG.png, mean-LANG.png,
// harmonics-LANG.png and reset-question-LANG.png (answered Cancel: the meter keeps its registers).
#include "ScreenshotStart.h"
#include "SimProcess.h"

#include "acquisition/gui/HarmDisp.h"
#include "acquisition/gui/MeanDisp.h"
#include "acquisition/gui/MeasDisp.h"
#include "acquisition/gui/MeterDisp.h"
#include "acquisition/gui/MinMaxDisp.h"
#include "link/DeviceLink.h"
#include "platform/Messages.h"
#include "platform/gui/DialogMessages.h"
#include "settings/INI_File.h"
#include "shell/Shell.h"
#include "shell/ZARO.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

namespace {

// Lets the first poll arrive and the layouts settle.
void Settle(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

// Ticks two registers of the open meters panel, presses Reset and saves the question
// that comes up, then cancels it.
bool SaveResetQuestion(const QString& file) {
    QWidget* panel = Panels().meters;
    if (!panel) return false;
    for (const char* box : {"meterReset_0", "meterReset_4"})
        panel->findChild<QCheckBox*>(box)->setChecked(true);
    DialogMessages dialogs([] { return static_cast<QWidget*>(MainWindow()); });
    MessageSink* before = SetMessageSink(&dialogs);
    bool saved = false;
    QObject scope; // no grab after this function has returned, should no question come up
    QTimer::singleShot(300, &scope, [&] {
        auto* question = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!question) return;
        saved = question->grab().save(file);
        question->reject();
    });
    panel->findChild<QPushButton*>("reset")->click();
    SetMessageSink(before);
    return saved;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ScreenshotRun run;
    if (!StartScreenshotRun(run, argc, argv, "acqpanels_screenshot FOLDER [LANGUAGE]")) return 2;
    const QString folder = run.target;
    const QString lang = run.language;
    SimProcess sim;
    if (!sim.start({"--rs232", "--model", "zrm3", "--system", "4", "--vt", "20000/100", "--ct", "100/5",
                    "--mean-codes", "25,0,6,40,255,51,255,255,255"})) {
        std::fprintf(stderr, "zaro-sim did not start: %s\n", qPrintable(sim.output()));
        return 1;
    }
    ShellConnection().kind = 0;
    ShellConnection().serialPath = sim.ptyPath().toStdString();
    ShellConnection().closePortAfterUse = 1;
    const struct {
        const char* name;
        int (*open)(MeterSession&);
        int (*close)();
    } panels[] = {{"measurements", CmMeasDisplay, CmCloseAcquisition},
                  {"minmax-1366", CmMinMaxDisplay, CmCloseMinMax}, // the widest: it shows the fit
                  {"meters", CmMetersDisplay, CmMeterDone},
                  {"mean", CmMeanValueDisplay, CmMeanDone},
                  {"harmonics", CmVoltageHarmonics, CmCloseHarmonics}};
    int rc = 0;
    for (const auto& p : panels) {
        p.open(ShellSession());
        Settle(1500);
        const QString file = QStringLiteral("%1/%2-%3.png").arg(folder, p.name, lang);
        if (!MainWindow()->grab().save(file)) rc = 1;
        std::printf("%s\n", qPrintable(file));
        if (p.open == CmMetersDisplay) {
            const QString question = QStringLiteral("%1/reset-question-%2.png").arg(folder, lang);
            if (!SaveResetQuestion(question)) rc = 1;
            std::printf("%s\n", qPrintable(question));
        }
        p.close();
        Settle(100);
    }
    sim.stop();
    EndZaro();
    return run.messages.shown.empty() ? rc : 1;
}
