// One meter session: the connection to the meter, the configuration being edited, the
// one last read from the meter and the data blocks the reads leave. Its owner (the main window, zaro-cli's
// main, a test) makes it and hands it by reference to every panel, dialog and command that works on the
// meter.
#pragma once

#include "link/ConfigImageLayout.h"
#include "link/Connection.h"
#include "link/MeterBlocks.h"

#include <cstdint>
#include <string>

// How the last Receive or Send ended; it stands until the next one, New or Open.
enum class TransferOutcome { None, Received, ReceiveFailed, Sent, SendUnchanged, SendFailed, SendCancelled };
struct TransferReport {
    TransferOutcome outcome = TransferOutcome::None;
    uint32_t at = 0;    // calendar seconds
    int address = -1;   // the meter's bus address; -1 point to point
    int errorKind = -1; // the error pair that said why it failed; -1 none
    int errorNumber = -1;
    std::string errorArgument;
};

struct MeterSession {
    Connection connection;
    ConfigImage edited{};   // working copy: editor, files, sending
    ConfigImage read{};     // as last read from the connected meter
    std::string configFile; // configuration file last opened or saved
    MeterBlocks blocks{};   // what the last reads left, for the decoders
    // edited as it was last received, opened, saved or made new (config/ConfigTransfer.h
    // KeepEdits): what differs is unsaved.
    ConfigImage kept{};
    // edited as it was last received from or sent to the meter; valid once one was.
    ConfigImage onMeter{};
    bool onMeterKnown = false;
    TransferReport transfer;
};

// The link works for this session from now on: over its connection, into its blocks.
inline void UseSession(MeterSession& session) {
    UseConnection(&session.connection);
    UseMeterBlocks(&session.blocks);
}
