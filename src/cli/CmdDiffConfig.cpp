#include "cli/Cli.h"

#include "config/ConfigDiff.h"
#include "config/ConfigFile.h"
#include "config/ConfigTransfer.h"

#include <QTranslator>
#include <cstdio>

// Exit 0 when equal, 3 when the configurations differ: scripts can tell the two apart
// from a failure (1) without parsing the lines.
int CmdDiffConfig(const QStringList& args) {
    constexpr int kExitDifferent = 3;
    const bool meter = !args.isEmpty() && args[0] == "--meter";
    if (args.size() != 2) return UsageError("diff-config takes A.ZRC B.ZRC, or --meter FILE");
    QTranslator translator;
    InstallSettingsLanguage(translator);
    ConfigImage from{}, to{};
    if (meter) {
        if (!ReceiveConfiguration()) return kExitDeviceFailed;
        from = Konf;
    } else if (!LoadConfigFile(args[0].toStdString(), from)) {
        return kExitDeviceFailed;
    }
    if (!LoadConfigFile(args[1].toStdString(), to)) return kExitDeviceFailed;
    const QStringList rows = DifferenceRows(CompareConfigurations(from, to));
    for (const QString& row : rows)
        std::printf("%s\n", qUtf8Printable(row));
    return rows.isEmpty() ? kExitOk : kExitDifferent;
}
