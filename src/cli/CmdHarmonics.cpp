#include "cli/Cli.h"
#include "cli/CliAcquisition.h"
#include "cli/CliJson.h"

#include "acquisition/Acquisition.h"
#include "acquisition/HarmDecode.h"
#include "config/ConfigImage.h"
#include "link/DeviceLink.h"
#include "platform/Messages.h"

#include <cstdio>

namespace {

bool ParseKind(const QStringList& args, int& kind) {
    if (args.size() != 1 || (args[0] != "voltage" && args[0] != "current")) return false;
    kind = args[0] == "voltage" ? kHarmVoltage : kHarmCurrent;
    return true;
}

// Harmonics exist on the extended model only; the link is closed otherwise.
int OpenHarmonics(MeterSession& session) {
    if (!OpenAcquisition(session)) return 0;
    if (session.read.Model == 1) return 1;
    Error(7, 10);
    CloseInterface();
    return 0;
}

// The table as one list: "U1 2" .. "U1 15", "U1 THD" per row, then "unbalance" and
// "unbalance max" where the panel shows them.
void PrintHarmonicsJson(int kind, int net) {
    QJsonArray values;
    auto add = [&values](const QString& name, float percent) {
        values.append(
            JsonValue(name, double(percent), "%", Validity::Ok, HarmCellText(percent, QLocale::c())));
    };
    for (int r = 0; r < HarmRowCount(net); ++r) {
        const QString caption = QString::fromLatin1(HarmRowCaption(kind, net, r)) + ' ';
        for (int c = 0; c < kHarmColumns; ++c)
            add(caption + (c == kHarmColumns - 1 ? QStringLiteral("THD") : QString::number(c + 2)),
                HarmCell(kind, r, c));
    }
    if (HarmShowsUnbalance(kind, net)) {
        add("unbalance", HarmUnbalance(false));
        add("unbalance max", HarmUnbalance(true));
    }
    PrintJson({{"command", "harmonics"},
               {"kind", kind == kHarmVoltage ? "voltage" : "current"},
               {"values", values}});
}

} // namespace

// One line per table row: caption, orders 2-15 and THD; voltage on a 4-wire system adds
// "unbalance NOW MAX".
int CmdHarmonics(MeterSession& session, const QStringList& arguments) {
    QStringList args = arguments;
    const bool json = TakeJsonFlag(args);
    int kind = 0;
    if (!ParseKind(args, kind)) return UsageError("harmonics takes voltage or current");
    if (!OpenHarmonics(session)) return kExitDeviceFailed;
    const int net = NetworkClass(session.read);
    if (!ReadHarmonics(session, kind, net)) return FinishDevice(0);
    if (json) {
        PrintHarmonicsJson(kind, net);
        return FinishDevice(1);
    }
    for (int r = 0; r < HarmRowCount(net); ++r) {
        QByteArray line = HarmRowCaption(kind, net, r);
        for (int c = 0; c < kHarmColumns; ++c)
            line += '\t' + HarmCellText(HarmCell(kind, r, c), QLocale::c()).toLatin1();
        std::printf("%s\n", line.constData());
    }
    if (HarmShowsUnbalance(kind, net))
        std::printf("unbalance\t%s\t%s\n", qPrintable(HarmCellText(HarmUnbalance(false), QLocale::c())),
                    qPrintable(HarmCellText(HarmUnbalance(true), QLocale::c())));
    return FinishDevice(1);
}

int CmdResetHarmonics(MeterSession& session, const QStringList& args) {
    int kind = 0;
    if (!ParseKind(args, kind)) return UsageError("reset-harmonics takes voltage or current");
    if (!OpenHarmonics(session)) return kExitDeviceFailed;
    return FinishDevice(SendHarmReset(session, kind));
}
