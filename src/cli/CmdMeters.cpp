#include "cli/Cli.h"
#include "cli/CliAcquisition.h"

#include "acquisition/Acquisition.h"
#include "acquisition/MeterDecode.h"
#include "config/ConfigImage.h"
#include "link/DeviceLink.h"

#include <cmath>
#include <cstdio>

namespace {

int OpenMeters() {
    if (!OpenAcquisition()) return 0;
    if (ReadMeterScaling()) return 1;
    CloseInterface();
    return 0;
}

} // namespace

// The eight registers as the panel shows them, and the lit tariff.
int CmdMeters(const QStringList& args) {
    if (!args.isEmpty()) return UsageError("meters takes no arguments");
    if (!OpenMeters()) return kExitDeviceFailed;
    if (!Read(Lese, kReadMeters, 1) || !Read(Lese, kReadDevStatus, 1)) return FinishDevice(0);
    for (int r = 0; r < kMeterRows; ++r)
        PrintValue(MeterCaption(r), MeterText(MeterCount(r), MeterScalingNow),
                   MeterUnit(r, MeterScalingNow.prefix));
    std::printf("tariff\t%d\n", ActiveTariff(DevStatusWord()));
    return FinishDevice(1);
}

int CmdResetMeters(const QStringList& args) {
    QVector<QVector<bool>> ticked;
    QString why;
    if (!ParseTicks(args, {"--row"}, kMeterRows, ticked, why)) return UsageError("reset-meters " + why);
    bool rows[kMeterRows];
    std::copy(ticked[0].cbegin(), ticked[0].cend(), rows);
    if (!OpenAcquisition()) return kExitDeviceFailed;
    return FinishDevice(SendMeterReset(MeterResetWord(rows)));
}

// Presets register ROW (1..8) to VALUE in the unit the panel shows.
int CmdSetMeter(const QStringList& args) {
    int row = 0;
    bool ok = false;
    const double value = args.value(1).toDouble(&ok);
    if (args.size() != 2 || !ParseInt(args[0], 1, kMeterRows, row) || !ok || !std::isfinite(value) ||
        value < 0)
        return UsageError("set-meter takes ROW (1..8) and a VALUE of 0 or more");
    if (!OpenMeters()) return kExitDeviceFailed;
    if (value > MeterScalingNow.fieldMax) {
        CloseInterface();
        return UsageError(QStringLiteral("set-meter: this meter takes at most %1")
                              .arg(MeterScalingNow.fieldMax, 0, 'f', MeterScalingNow.decimals));
    }
    bool set[kMeterRows] = {};
    double values[kMeterRows] = {};
    set[row - 1] = true;
    values[row - 1] = value;
    return FinishDevice(SendMeterSet(set, values));
}

int CmdToggleTariff(const QStringList& args) {
    if (!args.isEmpty()) return UsageError("toggle-tariff takes no arguments");
    if (!OpenAcquisition()) return kExitDeviceFailed;
    return FinishDevice(SendTariffToggle());
}
