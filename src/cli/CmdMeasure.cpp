#include "cli/Cli.h"

#include "acquisition/Acquisition.h"
#include "acquisition/MeasDecode.h"
#include "link/DeviceLink.h"
#include "platform/TimeBase.h"

#include <cstdio>

namespace {

// One line per value the panel shows for this system: name, shown text, unit.
void PrintValues() {
    QByteArray out;
    for (int r = 0; r < MeasRowCount(); ++r) {
        if (!MeasRowVisible(r)) continue;
        const int k = MeasRowClass(r);
        const MeasText shown = JudgeMeas(r, MeasurandValue(r), Skalierung[k], Stellen[k], kInstantValues);
        out += QByteArray(MeasCaption(r)) + '\t' + shown.text.toLatin1() + '\t' + Einh[k] + '\n';
    }
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    std::fflush(stdout);
}

} // namespace

// Reads the instantaneous values once, or N times 2 s apart (blocks separated by an
// empty line). Stops at the first failed read.
int CmdMeasure(const QStringList& args) {
    int repeat = 1;
    if (args.size() == 2 && args[0] == "--repeat") {
        if (!ParseInt(args[1], 1, 1000000, repeat)) return UsageError("--repeat takes a count of 1 or more");
    } else if (!args.isEmpty()) {
        return UsageError("measure takes only [--repeat N]");
    }
    if (!OpenAcquisition()) return kExitDeviceFailed;
    InitAnzeige();
    anschl_ix = AnschlIx(Lese);
    int rc = kExitOk;
    for (int i = 0; i < repeat; ++i) {
        const double started = Timer();
        if (!Read(Lese, MeasRequest(), 1)) {
            rc = kExitDeviceFailed;
            break;
        }
        if (i > 0) std::fputs("\n", stdout);
        PrintValues();
        if (i + 1 < repeat) Delay(std::max(0.0, 2.0 - (Timer() - started)));
    }
    CloseInterface();
    return rc;
}
