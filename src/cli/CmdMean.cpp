#include "cli/Cli.h"
#include "cli/CliAcquisition.h"

#include "acquisition/Acquisition.h"
#include "acquisition/MeanDecode.h"
#include "link/DeviceLink.h"

namespace {

// Column names of the power rows: base model, extended model.
const char* const kBaseColumns[3] = {"now", "last", "max"};
const char* const kZrm3Intervals[5] = {"now", "-1", "-2", "-3", "-4"};
const char* const kFreeColumns[4] = {"mean", "trend", "max", "min"};

void PrintPowerRows() {
    const bool zrm3 = Lese.Model == 1;
    for (int q = 0; q < kPowerMeans; ++q) {
        const QString name = QString::fromLatin1(MeanPowerName(q)) + ' ';
        const QString unit = Einh[MeanPowerClass(q)];
        const int groups = zrm3 ? 5 : 3;
        for (int g = 0; g < groups; ++g)
            PrintValue(name + (zrm3 ? kZrm3Intervals[g] : kBaseColumns[g]),
                       PowerMeanText(BlockFloat(PowerInt, g * kPowerMeans + q)).text, unit);
        if (!zrm3) continue;
        PrintValue(name + "trend", PowerMeanText(BlockFloat(PowerIntTrnd, q)).text, unit);
        PrintValue(name + "max", PowerExtremeText(q).text, unit);
        PrintValue(name + "min", PowerExtremeText(q + kPowerMeans).text, unit);
    }
}

void PrintFreeRows() {
    for (int i = 0; i < kFreeMeans; ++i) {
        const int code = MeanFreeCode(i);
        if (code == kNoMeasurand) continue;
        const int klass = code >= 58 ? int(kReactivePower) : MeanCodeClass(code);
        for (int w = 0; w < 4; ++w)
            PrintValue(MeanCodeName(code) + ' ' + kFreeColumns[w], FreeMeanText(i, w).text, Einh[klass]);
    }
}

} // namespace

// Every value of the mean-value panel of this model.
int CmdMean(const QStringList& args) {
    if (!args.isEmpty()) return UsageError("mean takes no arguments");
    if (!OpenForValues()) return kExitDeviceFailed;
    if (Lese.Model == 1) DropInvalidMeanCodes();
    const int ok = ReadPowerMeans() && (!AnyFreeMean() || ReadFreeMeans());
    if (!ok) return FinishDevice(0);
    PrintPowerRows();
    PrintFreeRows();
    return FinishDevice(1);
}

// The panel's reset: --min K / --max K tick row K (1-5 power rows, 6-14 free rows).
int CmdResetMean(const QStringList& args) {
    QVector<QVector<bool>> ticked;
    QString why;
    if (!ParseTicks(args, {"--min", "--max"}, 14, ticked, why)) return UsageError("reset-mean " + why);
    if (!OpenAcquisition()) return kExitDeviceFailed;
    if (Lese.Model == 1) DropInvalidMeanCodes();
    bool minT[14], maxT[14];
    for (int k = 0; k < 14; ++k) {
        // The base model has no free rows.
        minT[k] = ticked[0][k] && (k < kPowerMeans || Lese.Model == 1);
        maxT[k] = ticked[1][k] && (k < kPowerMeans || Lese.Model == 1);
    }
    uint16_t minima, maxima;
    MeanResetWords(minT, maxT, minima, maxima);
    return FinishDevice(SendMeanReset(minima, maxima));
}
