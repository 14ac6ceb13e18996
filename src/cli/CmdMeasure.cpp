#include "cli/Cli.h"
#include "cli/CliJson.h"

#include "acquisition/Acquisition.h"
#include "acquisition/MeasDecode.h"
#include "link/DeviceLink.h"
#include "platform/TimeBase.h"

#include <QJsonArray>
#include <cstdio>

namespace {

// One line per value the panel shows for this system: name, shown text, unit.
void PrintValues(MeterSession& session, const DisplayScale& scale) {
    QByteArray out;
    for (int r = 0; r < MeasRowCount(session); ++r) {
        if (!MeasRowVisible(session, r, scale)) continue;
        const Value value = MeasurandValue(session, r);
        out += QByteArray(MeasCaption(session, r)) + '\t' + scale.FieldText(value).toLatin1() + '\t' +
               scale.Unit(value.quantity).toLatin1() + '\n';
    }
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    std::fflush(stdout);
}

QJsonArray JsonValues(MeterSession& session, const DisplayScale& scale) {
    QJsonArray values;
    for (int r = 0; r < MeasRowCount(session); ++r) {
        if (!MeasRowVisible(session, r, scale)) continue;
        const Value value = MeasurandValue(session, r);
        values.append(JsonValue(QString::fromLatin1(MeasCaption(session, r)), value.si,
                                QString::fromLatin1(SiUnit(value.quantity)), value.validity,
                                scale.FieldText(value)));
    }
    return values;
}

} // namespace

// Reads the instantaneous values once, or N times 2 s apart (blocks separated by an
// empty line; with --json one document whose "blocks" hold each read's values). Stops
// at the first failed read.
int CmdMeasure(MeterSession& session, const QStringList& arguments) {
    QStringList args = arguments;
    const bool json = TakeJsonFlag(args);
    int repeat = 1;
    if (args.size() == 2 && args[0] == "--repeat") {
        if (!ParseInt(args[1], 1, 1000000, repeat)) return UsageError("--repeat takes a count of 1 or more");
    } else if (!args.isEmpty()) {
        return UsageError("measure takes only [--repeat N]");
    }
    if (!OpenAcquisition(session)) return kExitDeviceFailed;
    const DisplayScale scale = DisplayScaleFor(session.read);
    int rc = kExitOk;
    QJsonArray blocks;
    for (int i = 0; i < repeat; ++i) {
        const double started = Timer();
        if (!Read(session.read, MeasRequest(session), 1)) {
            rc = kExitDeviceFailed;
            break;
        }
        if (json) {
            blocks.append(QJsonObject{{"values", JsonValues(session, scale)}});
        } else {
            if (i > 0) std::fputs("\n", stdout);
            PrintValues(session, scale);
        }
        if (i + 1 < repeat) Delay(std::max(0.0, 2.0 - (Timer() - started)));
    }
    CloseInterface();
    // A failed first read leaves no document, as it leaves no lines.
    if (json && !blocks.isEmpty()) PrintJson({{"command", "measure"}, {"blocks", blocks}});
    return rc;
}
