#include "cli/Cli.h"

#include "config/ConfigImage.h"
#include "link/DeviceLink.h"
#include "settings/INI_File.h"

#include <cstdio>

// Issues one read request and prints what it left in its destination, in memory
// order after conversion: two hex digits a byte, separated by blanks.
int CmdRead(MeterSession& session, const QStringList& args) {
    int index = 0;
    if (args.size() != 1 || !ParseInt(args[0], 0, kReadRequests - 1, index))
        return UsageError(QString("read takes one request index 0..%1").arg(kReadRequests - 1));
    if (!InitInterface()) return kExitDeviceFailed;
    const int ok = Read(session.read, index, 1);
    CloseInterface();
    if (!ok) return kExitDeviceFailed;
    QByteArray line;
    for (const auto& block : ReadDestinations(session.read, index))
        for (uint8_t b : block)
            line += QByteArray::number(b, 16).rightJustified(2, '0') + ' ';
    line.chop(1);
    std::printf("%s\n", line.constData());
    return kExitOk;
}
