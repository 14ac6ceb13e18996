#include "cli/Cli.h"
#include "cli/CliAcquisition.h"
#include "cli/CliJson.h"

#include "acquisition/Acquisition.h"
#include "acquisition/MeterDecode.h"
#include "config/ConfigImage.h"
#include "link/DeviceLink.h"

#include <cmath>
#include <cstdio>

namespace {

int OpenMeters(MeterSession& session, MeterScaling& scaling) {
    if (!OpenAcquisition(session)) return 0;
    if (ReadMeterScaling(session, scaling)) return 1;
    CloseInterface();
    return 0;
}

} // namespace

// The eight registers as the panel shows them, and the lit tariff.
int CmdMeters(MeterSession& session, const QStringList& arguments) {
    QStringList args = arguments;
    ValueOutput out(TakeJsonFlag(args));
    if (!args.isEmpty()) return UsageError("meters takes no arguments");
    MeterScaling scaling{};
    if (!OpenMeters(session, scaling)) return kExitDeviceFailed;
    if (!Read(session.read, kReadMeters, 1) || !Read(session.read, kReadDevStatus, 1)) return FinishDevice(0);
    for (int r = 0; r < kMeterRows; ++r) {
        const uint32_t count = MeterCount(r);
        out.Add(MeterCaption(session, r), MeterEnergy(count, scaling), MeterUnit(r, 0), Validity::Ok,
                MeterText(count, scaling), MeterUnit(r, scaling.prefix));
    }
    const int tariff = ActiveTariff(DevStatusWord());
    if (out.Json())
        out.Finish("meters", {{"tariff", tariff}});
    else
        std::printf("tariff\t%d\n", tariff);
    return FinishDevice(1);
}

int CmdResetMeters(MeterSession& session, const QStringList& args) {
    QVector<QVector<bool>> ticked;
    QString why;
    if (!ParseTicks(args, {"--row"}, kMeterRows, ticked, why)) return UsageError("reset-meters " + why);
    bool rows[kMeterRows];
    std::copy(ticked[0].cbegin(), ticked[0].cend(), rows);
    if (!OpenAcquisition(session)) return kExitDeviceFailed;
    return FinishDevice(SendMeterReset(session, MeterResetWord(rows)));
}

// Presets register ROW (1..8) to VALUE in the unit the panel shows.
int CmdSetMeter(MeterSession& session, const QStringList& args) {
    int row = 0;
    bool ok = false;
    const double value = args.value(1).toDouble(&ok);
    if (args.size() != 2 || !ParseInt(args[0], 1, kMeterRows, row) || !ok || !std::isfinite(value) ||
        value < 0)
        return UsageError("set-meter takes ROW (1..8) and a VALUE of 0 or more");
    MeterScaling scaling{};
    if (!OpenMeters(session, scaling)) return kExitDeviceFailed;
    if (value > scaling.fieldMax) {
        CloseInterface();
        return UsageError(QStringLiteral("set-meter: this meter takes at most %1")
                              .arg(scaling.fieldMax, 0, 'f', scaling.decimals));
    }
    bool set[kMeterRows] = {};
    double values[kMeterRows] = {};
    set[row - 1] = true;
    values[row - 1] = value;
    return FinishDevice(SendMeterSet(session, scaling, set, values));
}

int CmdToggleTariff(MeterSession& session, const QStringList& args) {
    if (!args.isEmpty()) return UsageError("toggle-tariff takes no arguments");
    if (!OpenAcquisition(session)) return kExitDeviceFailed;
    return FinishDevice(SendTariffToggle(session));
}
