#include "cli/Cli.h"
#include "cli/CliAcquisition.h"
#include "cli/CliJson.h"

#include "acquisition/Acquisition.h"
#include "acquisition/MinMaxDecode.h"
#include "link/DeviceLink.h"

// Every extreme the min/max panel shows for the meter's system and model.
int CmdMinMax(MeterSession& session, const QStringList& arguments) {
    QStringList args = arguments;
    ValueOutput out(TakeJsonFlag(args));
    if (!args.isEmpty()) return UsageError("minmax takes no arguments");
    DisplayScale scale;
    if (!OpenForValues(session, scale)) return kExitDeviceFailed;
    if (!Read(session.read, MinMaxRequest(session), 1)) return FinishDevice(0);
    for (int r = 0; r < MinMaxRowCount(session); ++r)
        if (MinMaxRowVisible(session, r, scale))
            out.Add(MinMaxCaption(session, r), MinMaxValue(session, r), scale);
    out.Finish("minmax");
    return FinishDevice(1);
}
// The panel's reset with boxes K ticked (1..8, 9 = UNE maximum on the extended model).
int CmdResetMinMax(MeterSession& session, const QStringList& args) {
    QVector<QVector<bool>> ticked;
    QString why;
    if (!ParseTicks(args, {"--box"}, kMinMaxBoxesZrm3, ticked, why)) return UsageError("reset-minmax " + why);
    if (!OpenAcquisition(session)) return kExitDeviceFailed;
    if (ticked[0][8] && MinMaxBoxCount(session) < kMinMaxBoxesZrm3 && !args.contains("--all")) {
        CloseInterface();
        return UsageError("reset-minmax: box 9 exists on the ZRM3 only");
    }
    bool boxes[kMinMaxBoxesZrm3];
    std::copy(ticked[0].cbegin(), ticked[0].cend(), boxes);
    return FinishDevice(SendMinMaxReset(session, MinMaxResetWord(boxes, MinMaxBoxCount(session))));
}
