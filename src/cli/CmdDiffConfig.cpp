#include "cli/Cli.h"
#include "cli/CliJson.h"

#include "config/ConfigDiff.h"
#include "config/ConfigFile.h"
#include "config/ConfigTransfer.h"

#include <QTranslator>
#include <cstdio>

// Exit 0 when equal, 3 when the configurations differ: scripts can tell the two apart
// from a failure (1) without parsing the lines.
int CmdDiffConfig(MeterSession& session, const QStringList& arguments) {
    QStringList args = arguments;
    const bool json = TakeJsonFlag(args);
    constexpr int kExitDifferent = 3;
    const bool meter = !args.isEmpty() && args[0] == "--meter";
    if (args.size() != 2) return UsageError("diff-config takes A.ZRC B.ZRC, or --meter FILE");
    QTranslator translator;
    InstallSettingsLanguage(translator);
    ConfigImage from{}, to{};
    if (meter) {
        if (!ReceiveConfiguration(session)) return kExitDeviceFailed;
        from = session.edited;
    } else if (!LoadConfigFile(args[0].toStdString(), from)) {
        return kExitDeviceFailed;
    }
    if (!LoadConfigFile(args[1].toStdString(), to)) return kExitDeviceFailed;
    const std::vector<ConfigDifference> diffs = CompareConfigurations(from, to, QLocale::c());
    if (json) {
        QJsonArray differences;
        for (const ConfigDifference& d : diffs)
            differences.append(QJsonObject{{"setting", d.setting}, {"from", d.from}, {"to", d.to}});
        PrintJson({{"command", "diff-config"}, {"equal", diffs.empty()}, {"differences", differences}});
        return diffs.empty() ? kExitOk : kExitDifferent;
    }
    const QStringList rows = DifferenceRows(diffs);
    for (const QString& row : rows)
        std::printf("%s\n", qUtf8Printable(row));
    return rows.isEmpty() ? kExitOk : kExitDifferent;
}
