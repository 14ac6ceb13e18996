// One meter session: the connection to the meter, the configuration being edited, the
// one last read from the meter and the data blocks the reads leave. Its owner (the main window, zaro-cli's
// main, a test) makes it and hands it by reference to every panel, dialog and command that works on the
// meter.
#pragma once

#include "link/ConfigImageLayout.h"
#include "link/Connection.h"
#include "link/MeterBlocks.h"

#include <string>

struct MeterSession {
    Connection connection;
    ConfigImage edited{};   // working copy: editor, files, sending
    ConfigImage read{};     // as last read from the connected meter
    std::string configFile; // configuration file last opened or saved
    MeterBlocks blocks{};   // what the last reads left, for the decoders
};

// The link works for this session from now on: over its connection, into its blocks.
inline void UseSession(MeterSession& session) {
    UseConnection(&session.connection);
    UseMeterBlocks(&session.blocks);
}
