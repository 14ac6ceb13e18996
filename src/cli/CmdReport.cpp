#include "cli/Cli.h"
#include "cli/CliJson.h"

#include "commissioning/CommissioningRecord.h"
#include "platform/ProgramFiles.h"

#include <QCoreApplication>
#include <QTranslator>
#include <cstdio>
#include <utility>

// The commissioning record of the meter as a PDF file, in the language asked for
// (English unless --language says otherwise).
int CmdReport(MeterSession& session, const QStringList& arguments) {
    QStringList args = arguments;
    const bool json = TakeJsonFlag(args);
    RecordDetails details;
    QString out, language = QStringLiteral("en");
    const std::pair<const char*, QString*> valued[] = {{"--out", &out},
                                                       {"--site", &details.site},
                                                       {"--technician", &details.technician},
                                                       {"--note", &details.note},
                                                       {"--language", &language}};
    for (int i = 0; i < args.size(); ++i) {
        QString* target = nullptr;
        for (const auto& [name, value] : valued)
            if (args[i] == QLatin1String(name)) target = value;
        if (!target) return UsageError("unexpected argument " + args[i]);
        if (i + 1 >= args.size()) return UsageError(args[i] + " needs a value");
        *target = args[++i];
    }
    if (!out.endsWith(".pdf", Qt::CaseInsensitive)) return UsageError("report needs --out FILE.pdf");
    static const QStringList languages{"de", "en", "nl", "fr"};
    if (!languages.contains(language)) return UsageError("--language takes de, en, nl or fr");
    QTranslator translator;
    if (translator.load("zaro_" + language, QString::fromStdString(DataDir()) + "/translations"))
        QCoreApplication::installTranslator(&translator);

    CommissioningRecord record;
    if (!ReadCommissioningRecord(session, details, record)) return kExitDeviceFailed;
    if (!WriteCommissioningRecord(record, out.toStdString(), QLocale(language))) return kExitDeviceFailed;
    if (json)
        PrintJson({{"command", "report"}, {"file", out}});
    else
        std::printf("%s\n", qPrintable(out));
    return kExitOk;
}
