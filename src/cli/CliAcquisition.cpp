#include "cli/CliAcquisition.h"

#include "acquisition/Acquisition.h"
#include "acquisition/MeasDecode.h"
#include "cli/Cli.h"
#include "cli/CliJson.h"
#include "link/DeviceLink.h"

#include <cstdio>

int OpenForValues(MeterSession& session, DisplayScale& scale) {
    if (!OpenAcquisition(session)) return 0;
    scale = DisplayScaleFor(session.read);
    return 1;
}

void PrintValue(const QString& name, const QString& text, const QString& unit) {
    const QByteArray line = (name + '\t' + text + '\t' + unit + '\n').toUtf8();
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
}

void ValueOutput::Add(const QString& name, const Value& value, const DisplayScale& scale,
                      const QString& shownUnit) {
    Add(name, value.si, QString::fromLatin1(SiUnit(value.quantity)), value.validity, scale.FieldText(value),
        shownUnit);
}

void ValueOutput::Add(const QString& name, double si, const QString& siUnit, Validity validity,
                      const QString& text, const QString& shownUnit) {
    if (json_)
        values_.append(JsonValue(name, si, siUnit, validity, text));
    else
        PrintValue(name, text, shownUnit);
}

void ValueOutput::Finish(const QString& command, const QJsonObject& more) {
    if (!json_) return;
    QJsonObject document = more;
    document.insert("command", command);
    document.insert("values", values_);
    PrintJson(document);
}

bool ParseTicks(const QStringList& args, const QStringList& flags, int count, QVector<QVector<bool>>& ticked,
                QString& why) {
    ticked.fill(QVector<bool>(count, false), flags.size());
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == "--all") {
            for (auto& t : ticked)
                t.fill(true);
            continue;
        }
        const int f = int(flags.indexOf(args[i]));
        int k = 0;
        if (f < 0 || i + 1 >= args.size() || !ParseInt(args[i + 1], 1, count, k)) {
            why = QStringLiteral("takes --all or %1 K (K from 1 to %2)")
                      .arg(flags.join(" K, "), QString::number(count));
            return false;
        }
        ticked[f][k - 1] = true;
        ++i;
    }
    return true;
}

int FinishDevice(int ok) {
    std::fflush(stdout);
    CloseInterface();
    return ok ? kExitOk : kExitDeviceFailed;
}
