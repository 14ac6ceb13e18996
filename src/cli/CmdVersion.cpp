#include "cli/Cli.h"
#include "cli/CliJson.h"

#include "config/ConfigImage.h"
#include "config/ConfigTransfer.h"
#include "link/DeviceLink.h"

#include <cstdio>
#include <cstring>

int CmdVersion(MeterSession& session, const QStringList& arguments) {
    QStringList args = arguments;
    const bool json = TakeJsonFlag(args);
    if (!args.isEmpty()) return UsageError("version takes no arguments");
    if (!ReadVersionInfo(session)) return kExitDeviceFailed;
    const QString type =
        QString::fromUtf8(ReportedModel(), qsizetype(strnlen(ReportedModel(), sizeof ReportedModel())));
    if (json) {
        // JSON escapes control characters itself: the model goes as the meter sent it.
        PrintJson({{"command", "version"},
                   {"model", type},
                   {"firmware", VersionText(session.read.FwVersion)},
                   {"extension", VersionText(session.read.ExtVersion)}});
        return kExitOk;
    }
    const QString model = EscapeControls(type);
    std::printf("%s %s %s\n", qUtf8Printable(model), qPrintable(VersionText(session.read.FwVersion)),
                qPrintable(VersionText(session.read.ExtVersion)));
    return kExitOk;
}
