#include "cli/Cli.h"

#include "config/OutputSimulation.h"
#include "platform/Messages.h"

#include <cstdio>

// Switches one output for the length of the command: an output with a limit or pulse
// function is freed for it (after --yes) and given its function back before the end.
// Prints one line per output: its number and "on" or "off" after the switch.
int CmdSimulateOutput(MeterSession& session, const QStringList& args) {
    QStringList rest = args;
    auto* console = dynamic_cast<ConsoleMessages*>(&CurrentMessageSink());
    if (rest.removeAll("--yes") > 0 && console) console->yes = true;
    int output = 0;
    if (rest.size() != 2 || !ParseInt(rest[0], 1, 2, output) || (rest[1] != "on" && rest[1] != "off"))
        return UsageError("simulate-output takes 1|2 on|off");
    OutputSimulation simulation;
    if (!simulation.start(session)) return kExitDeviceFailed;
    const int switched = simulation.switchOutput(session, output - 1, rest[1] == "on");
    if (switched)
        for (int i = 0; i < 2; ++i)
            std::printf("%d\t%s\n", i + 1, simulation.outputOn(i) ? "on" : "off");
    if (!simulation.end(session, 1)) {
        std::fprintf(stderr, "zaro-cli: the outputs freed for the simulation could not be given their "
                             "functions back; send the configuration again to restore them.\n");
        return kExitDeviceFailed;
    }
    return switched ? kExitOk : kExitDeviceFailed;
}
