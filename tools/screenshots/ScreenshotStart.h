// The start the screenshot tools share: their two arguments, settings of this run only,
// scripted messages, and the main window in the language asked for, sized as a
// 1366 x 768 screen.
#pragma once

#include "platform/Messages.h"
#include "shell/ZARO.h"

#include <QMainWindow>
#include <QString>
#include <QTemporaryDir>
#include <cstdio>

struct ScreenshotRun {
    QString target;              // the file or folder to draw into
    QString language = "en";     // de, en, nl or fr
    QTemporaryDir settings;      // removed when the run ends
    ScriptedMessages messages;
};

// false (after saying why on stderr) when the arguments are wrong or the window did not start.
inline bool StartScreenshotRun(ScreenshotRun& run, int argc, char** argv, const char* usage) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s\n", usage);
        return false;
    }
    run.target = QString::fromLocal8Bit(argv[1]);
    if (argc == 3) run.language = QString::fromLocal8Bit(argv[2]);
    SetMessageSink(&run.messages);
    SetResourceDir(ZARO_BIN_DIR); // translations of the build
    if (!StartZaro(0.0, run.settings.path().toStdString())) return false;
    const QString& l = run.language;
    ChangeLanguage(l == "de" ? 0 : l == "nl" ? 2 : l == "fr" ? 3 : 1);
    MainWindow()->resize(1366, 768);
    return true;
}
