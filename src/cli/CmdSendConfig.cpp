#include "cli/Cli.h"

#include "config/ConfigFile.h"
#include "config/ConfigTransfer.h"
#include "link/DeviceLink.h"
#include "platform/Messages.h"

int SendConfiguration(MeterSession& session) {
    const int sent = CmSendConfig(session);
    if (sent && session.transfer.outcome == TransferOutcome::SendUnchanged)
        Notify(QStringLiteral("The meter already holds this configuration; nothing was sent."));
    return sent;
}

int CmdSendConfig(MeterSession& session, const QStringList& args) {
    QStringList rest = args;
    // "send-config FILE --yes" reads naturally; accept the flag after the file too.
    auto* console = dynamic_cast<ConsoleMessages*>(&CurrentMessageSink());
    if (rest.removeAll("--yes") > 0 && console) console->yes = true;
    if (rest.removeAll("--no-backup") > 0 && console) console->sendWithoutBackup = true;
    if (rest.size() != 1) return UsageError("send-config takes one FILE");
    // The interface stays the one chosen for this run; only the configuration comes
    // from the file.
    if (!LoadConfigFile(rest[0].toStdString(), session.edited)) return kExitDeviceFailed;
    return SendConfiguration(session) ? kExitOk : kExitDeviceFailed;
}
