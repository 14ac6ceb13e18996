// Draws the page editor, the simulation panel and the brightness popup with a sample
// configuration and saves their pictures:
//   frontpanels_screenshot DIR [LANGUAGE]   -> DIR/pages-L.png, simulation-L.png, brightness-L.png
#include "config/ConfigImage.h"
#include "config/MeterSession.h"
#include "config/gui/BrightnessPopup.h"
#include "config/gui/DispModePanel.h"
#include "config/gui/SimulationPanel.h"
#include "platform/Messages.h"
#include "settings/INI_File.h"

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTranslator>
#include <QWidget>
#include <cstdio>

namespace {

bool Save(QWidget* w, const QString& file) {
    w->show();
    QCoreApplication::processEvents(); // let the layouts follow the texts
    const bool ok = w->grab().save(file);
    std::printf("%s\n", qPrintable(file));
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    MeterSession session;
    QApplication app(argc, argv);
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: frontpanels_screenshot DIR [LANGUAGE]\n");
        return 2;
    }
    QTemporaryDir dir; // never the user's settings
    SettingsDir = dir.path().toStdString();
    ScriptedMessages messages;
    SetMessageSink(&messages);
    const QString language = argc == 3 ? argv[2] : "en";
    QTranslator translator;
    if (!translator.load("zaro_" + language, QString(ZARO_BIN_DIR) + "/translations")) {
        std::fprintf(stderr, "no translation %s\n", qPrintable(language));
        return 1;
    }
    QCoreApplication::installTranslator(&translator);
    const QString out = QString::fromLocal8Bit(argv[1]) + "/%1-" + language + ".png";

    // An extended meter on a four-wire system with its default page sets, in the loop mode.
    session.edited = ConfigImage{};
    session.edited.Model = 1;
    session.edited.MaxU = 500;
    session.edited.MaxI = 500;
    InitNewConfiguration(session);
    session.edited.DispMode = 2 | (3 << 3);
    session.read = session.edited;

    QWidget pages;
    pages.resize(1366, 820);
    QWidget* editor = CreateDispModePanel(session, &pages);
    editor->resize(pages.size());
    InitDispModeSel(session);
    bool ok = Save(&pages, out.arg("pages"));

    QWidget sim;
    QWidget* panel = CreateSimulationPanel(session, &sim);
    InitSimulation();
    sim.resize(panel->sizeHint());
    ok = Save(&sim, out.arg("simulation")) && ok;

    QDialog* popup = CreateBrightnessPopup(session, nullptr);
    ok = Save(popup, out.arg("brightness")) && ok;
    delete popup;
    return ok ? 0 : 1;
}
