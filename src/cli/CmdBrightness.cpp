#include "cli/Cli.h"

#include "config/Brightness.h"

#include <cstdio>

// Prints the meter's display brightness (0-15), after setting it when a value is given.
int CmdBrightness(MeterSession& session, const QStringList& args) {
    int value = 0;
    if (args.size() > 1 || (args.size() == 1 && !ParseInt(args[0], 0, 15, value)))
        return UsageError("brightness takes nothing or a value 0..15");
    if (!OpenBrightness(session)) return kExitDeviceFailed;
    const int ok = args.isEmpty() || CmSelBright(session, value);
    CloseBrightness();
    if (!ok) return kExitDeviceFailed;
    std::printf("%d\n", Brightness(session));
    return kExitOk;
}
