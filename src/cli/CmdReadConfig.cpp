#include "cli/Cli.h"
#include "cli/CliJson.h"

#include "config/ConfigFile.h"
#include "config/ConfigTransfer.h"
#include "platform/ProgramFiles.h"
#include "settings/INI_File.h"

#include <QCoreApplication>
#include <QTranslator>

// The file's header words are the editor's captions in the language of the settings.
void InstallSettingsLanguage(QTranslator& translator) {
    static const char* const codes[] = {"de", "en", "nl", "fr"};
    if (Language < 0 || Language > 3) return;
    const QString dir = QString::fromStdString(DataDir()) + "/translations";
    if (translator.load(QString("zaro_") + codes[Language], dir))
        QCoreApplication::installTranslator(&translator);
}

int CmdReadConfig(MeterSession& session, const QStringList& arguments) {
    QStringList args = arguments;
    const bool json = TakeJsonFlag(args);
    if (args.size() != 1) return UsageError("read-config takes one FILE");
    QTranslator translator;
    InstallSettingsLanguage(translator);
    if (!ReceiveConfiguration(session)) return kExitDeviceFailed;
    if (!SaveConfigFile(session, args[0].toStdString())) return kExitDeviceFailed;
    // Only once the file is there: a script takes the document for a saved file.
    if (json) PrintJson({{"command", "read-config"}, {"file", args[0]}, {"saved", true}});
    return kExitOk;
}
