#include "cli/Cli.h"

int CmdRead(const QStringList&) { return kExitUsage; }
