// Draws the profile graph panel on synthetic records of both loggers in both styles:
//   profile_screenshot FOLDER     writes profile-{meter,module}-{lines,bars}.png
// (scripts/screenshots.sh runs it)
#include "ProfileSamples.h"

#include "platform/TimeBase.h"
#include "profiles/gui/ProfilePanel.h"
#include "shell/ZARO.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <cstdio>

namespace {

MeterLog meterLog;
ModuleLog moduleLog;

bool Shoot(bool module, bool bars, int ticked, const QString& path) {
    QWidget logger;
    ShowProfilePanel(&logger, module ? nullptr : &meterLog, module ? &moduleLog : nullptr, true);
    Panels().loadProfile->resize(1366, 768);
    for (int c = 0; c < ticked; ++c)
        Panels().loadProfile->findChild<QCheckBox*>(QString("Chan_%1").arg(c))->setChecked(true);
    Panels().loadProfile->findChild<QCheckBox*>(bars ? "StyleBars" : "StyleLines")->setChecked(true);
    Panels().loadProfile->findChild<QPushButton*>("Prev")->click(); // a whole day
    QCoreApplication::processEvents();
    const bool saved = Panels().loadProfile->grab().save(path);
    Panels().loadProfile->findChild<QPushButton*>("Close")->click();
    QCoreApplication::processEvents();
    return saved;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: profile_screenshot FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    FillMeterSample(meterLog.device, meterLog.records, 4, 3 * 96, 900,
                    CalendarSecondsFromLocal({2026, 3, 10, 14, 0, 0}));
    meterLog.deviceActive = true;
    FillModuleSample(moduleLog, 23, 3 * 96, 15, CalendarSecondsFromLocal({2026, 6, 2, 18, 0, 0}));
    moduleLog.Shown = 1;
    bool ok = true;
    for (bool module : {false, true})
        for (bool bars : {false, true}) {
            const QString name = QString("profile-%1-%2.png").arg(module ? "module" : "meter", bars ? "bars" : "lines");
            ok = Shoot(module, bars, module ? 6 : 4, out.filePath(name)) && ok;
            std::printf("%s\n", qPrintable(out.filePath(name)));
        }
    return ok ? 0 : 1;
}
