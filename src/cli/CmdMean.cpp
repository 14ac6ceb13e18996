#include "cli/Cli.h"
#include "cli/CliAcquisition.h"
#include "cli/CliJson.h"

#include "acquisition/Acquisition.h"
#include "acquisition/MeanDecode.h"
#include "link/DeviceLink.h"

namespace {

// Column names of the power rows: base model, extended model.
const char* const kBaseColumns[3] = {"now", "last", "max"};
const char* const kZrm3Intervals[5] = {"now", "-1", "-2", "-3", "-4"};
const char* const kFreeColumns[4] = {"mean", "trend", "max", "min"};

// A command runs once: no extreme has been reset in its run.
const MeanResets kNoResets{};

void PrintPowerRows(MeterSession& session, ValueOutput& out, const DisplayScale& scale) {
    const bool zrm3 = session.read.Model == 1;
    for (int q = 0; q < kPowerMeans; ++q) {
        const QString name = QString::fromLatin1(MeanPowerName(session, q)) + ' ';
        // The three powers share one nominal value: their fields read in the active power's unit.
        const QString unit = scale.Unit(MeanPowerClass(q));
        const int groups = zrm3 ? 5 : 3;
        for (int g = 0; g < groups; ++g)
            out.Add(name + (zrm3 ? kZrm3Intervals[g] : kBaseColumns[g]),
                    PowerMeanValue(q, BlockFloat(session.blocks.powerMeans, g * kPowerMeans + q)), scale,
                    unit);
        if (!zrm3) continue;
        out.Add(name + "trend", PowerMeanValue(q, BlockFloat(session.blocks.powerMeanTrend, q)), scale, unit);
        out.Add(name + "max", PowerExtremeValue(kNoResets, q), scale, unit);
        out.Add(name + "min", PowerExtremeValue(kNoResets, q + kPowerMeans), scale, unit);
    }
}

void PrintFreeRows(MeterSession& session, ValueOutput& out, const DisplayScale& scale) {
    for (int i = 0; i < kFreeMeans; ++i) {
        const int code = MeanFreeCode(session, i);
        if (code == kNoMeasurand) continue;
        for (int w = 0; w < 4; ++w)
            out.Add(MeanCodeName(session, code) + ' ' + kFreeColumns[w],
                    FreeMeanValue(session, kNoResets, i, w), scale);
    }
}

} // namespace

// Every value of the mean-value panel of this model.
int CmdMean(MeterSession& session, const QStringList& arguments) {
    QStringList args = arguments;
    ValueOutput out(TakeJsonFlag(args));
    if (!args.isEmpty()) return UsageError("mean takes no arguments");
    DisplayScale scale;
    if (!OpenForValues(session, scale)) return kExitDeviceFailed;
    if (session.read.Model == 1) DropInvalidMeanCodes(session);
    const int ok = ReadPowerMeans(session) && (!AnyFreeMean(session) || ReadFreeMeans(session));
    if (!ok) return FinishDevice(0);
    PrintPowerRows(session, out, scale);
    PrintFreeRows(session, out, scale);
    out.Finish("mean");
    return FinishDevice(1);
}

// The panel's reset: --min K / --max K tick row K (1-5 power rows, 6-14 free rows).
int CmdResetMean(MeterSession& session, const QStringList& args) {
    QVector<QVector<bool>> ticked;
    QString why;
    if (!ParseTicks(args, {"--min", "--max"}, 14, ticked, why)) return UsageError("reset-mean " + why);
    if (!OpenAcquisition(session)) return kExitDeviceFailed;
    if (session.read.Model == 1) DropInvalidMeanCodes(session);
    bool minT[14], maxT[14];
    for (int k = 0; k < 14; ++k) {
        // The base model has no free rows.
        minT[k] = ticked[0][k] && (k < kPowerMeans || session.read.Model == 1);
        maxT[k] = ticked[1][k] && (k < kPowerMeans || session.read.Model == 1);
    }
    uint16_t minima, maxima;
    MeanResetWords(session, minT, maxT, minima, maxima);
    MeanResets resets;
    return FinishDevice(SendMeanReset(session, minima, maxima, resets));
}
