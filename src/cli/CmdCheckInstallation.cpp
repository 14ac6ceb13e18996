#include "cli/Cli.h"
#include "cli/CliJson.h"

#include "acquisition/Acquisition.h"
#include "acquisition/MeasDecode.h"
#include "commissioning/InstallationCheck.h"
#include "link/DeviceLink.h"

#include <QLocale>
#include <cstdio>

namespace {

constexpr int kExitCheckFailed = 3;

QJsonObject JsonFinding(MeterSession& session, const InstallationSnapshot& snapshot,
                        const DisplayScale& scale, const InstallationFinding& finding, const QLocale& c) {
    QJsonArray values;
    for (int row : finding.rows) {
        if (row < 0 || row >= int(snapshot.values.size())) continue;
        const Value& value = snapshot.values[size_t(row)];
        values.append(JsonValue(QString::fromLatin1(MeasCaption(session, row)), value.si,
                                QString::fromLatin1(SiUnit(value.quantity)), value.validity,
                                scale.FieldText(value)));
    }
    return QJsonObject{
        {"check", QString::fromLatin1(CheckKindName(finding.kind))},
        {"verdict", QString::fromLatin1(VerdictName(finding.verdict))},
        {"phases", QJsonArray::fromStringList(PhaseNames(finding.phases).split(", ", Qt::SkipEmptyParts))},
        {"sentence", FindingSentence(finding, c)},
        {"values", values}};
}

} // namespace

// Reads the instantaneous values a few times and judges the wiring: one line per check
// (name, verdict, sentence), or one JSON document. Exit 3 when a check fails, so that a
// script can stop a commissioning on it.
int CmdCheckInstallation(MeterSession& session, const QStringList& arguments) {
    QStringList args = arguments;
    const bool json = TakeJsonFlag(args);
    if (!args.isEmpty()) return UsageError("check-installation takes no arguments");
    if (!OpenAcquisition(session)) return kExitDeviceFailed;
    InstallationSnapshot snapshot;
    const bool read = ReadInstallationSnapshot(session, snapshot, 1);
    CloseInterface();
    if (!read) return kExitDeviceFailed;
    const std::vector<InstallationFinding> findings = CheckInstallation(snapshot);
    // Scripts read the lines: numbers in the sentences with a decimal point, whatever
    // the environment's language.
    const QLocale c = QLocale::c();
    if (json) {
        const DisplayScale scale = DisplayScaleFor(session.read);
        QJsonArray checks;
        for (const auto& f : findings)
            checks.append(JsonFinding(session, snapshot, scale, f, c));
        PrintJson({{"command", "check-installation"}, {"checks", checks}});
    } else {
        QByteArray out;
        for (const auto& f : findings)
            out += QByteArray(CheckKindName(f.kind)) + '\t' + VerdictName(f.verdict) + '\t' +
                   FindingSentence(f, c).toUtf8() + '\n';
        std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
        std::fflush(stdout);
    }
    return WorstVerdict(findings) == Verdict::Fail ? kExitCheckFailed : kExitOk;
}
