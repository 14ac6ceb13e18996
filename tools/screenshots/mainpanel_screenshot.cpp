// Draws the main panel with a sample configuration and saves a picture of it:
//   mainpanel_screenshot FILE.png [LANGUAGE]     (scripts/screenshots.sh runs it)
#include "config/ConfigImage.h"
#include "config/EditorRefresh.h"
#include "config/gui/MainPanel.h"
#include "platform/Messages.h"
#include "settings/INI_File.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTranslator>
#include <QWidget>
#include <cstdio>
#include <cstring>

namespace {

// An extended model with its interface option behind a module, both outputs in use
// and the loggers on: every group of the panel has something to show.
void SampleConfiguration() {
    Konf = ConfigImage{};
    Konf.MaxU = 500;
    Konf.MaxI = 500;
    Konf.Model = 1;
    Konf.Interface = 1;
    ConnectionInUse().kind = 3;
    InitNewConfiguration();
    Konf.UrPrim = 20000.0f;
    Konf.UrSec = 100;
    Konf.IrPrim = 100.0f;
    Konf.IrSec = 5.0f;
    Konf.DigOut[0] = 12;
    Konf.LimitOn[0] = 4800;
    Konf.LimitOff[0] = 5000;
    Konf.DigOut[1] = 0x4D;
    Konf.MeanMeas[0] = 6;
    Konf.Mean_Log = 1;
    Konf.Logger = 0x0C00;
    Konf.MinMaxLogger[0] = 81;
    std::strcpy(Konf.Description, "Feeder 3, switchboard B");
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: mainpanel_screenshot FILE.png [LANGUAGE]\n");
        return 2;
    }
    QTemporaryDir dir; // the panel may store settings: never the user's
    SettingsDir = dir.path().toStdString();
    ScriptedMessages messages; // a popup would wait for a click that never comes
    SetMessageSink(&messages);
    QTranslator translator;
    if (argc == 3) {
        const QString folder = QString(ZARO_BIN_DIR) + "/translations";
        if (!translator.load(QString("zaro_") + argv[2], folder)) {
            std::fprintf(stderr, "no translation %s in %s\n", argv[2], qPrintable(folder));
            return 1;
        }
        QCoreApplication::installTranslator(&translator);
    }
    QWidget window;
    window.resize(1366, 768);
    QWidget* panel = CreateMainPanel(&window);
    panel->resize(1366, 768);
    window.show();
    SampleConfiguration();
    ActivateObjects();
    ShowAll();
    QCoreApplication::processEvents(); // let the layouts follow the new texts
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
