#include "cli/Cli.h"

#include "config/ConfigImage.h"
#include "config/ConfigTransfer.h"
#include "link/Connection.h"

#include <cstdio>
#include <cstring>

int CmdVersion(const QStringList& args) {
    if (!args.isEmpty()) return UsageError("version takes no arguments");
    if (!ReadVersionInfo()) return kExitDeviceFailed;
    const QString model =
        EscapeControls(QString::fromUtf8(Devtype, qsizetype(strnlen(Devtype, sizeof Devtype))));
    std::printf("%s %s %s\n", qUtf8Printable(model), qPrintable(VersionText(Lese.FwVersion)),
                qPrintable(VersionText(Lese.ExtVersion)));
    return kExitOk;
}
