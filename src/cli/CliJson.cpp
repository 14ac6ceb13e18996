#include "cli/CliJson.h"

#include <QJsonDocument>
#include <cmath>
#include <cstdio>

bool TakeJsonFlag(QStringList& args) {
    return args.removeAll(QStringLiteral("--json")) > 0;
}

QJsonObject JsonValue(const QString& name, double value, const QString& unit, Validity validity,
                      const QString& text) {
    // JSON has no NaN or infinity: such a number is never written as valid.
    Validity status = validity;
    if (status == Validity::Ok && !std::isfinite(value)) status = Validity::Overload;
    const bool valid = status == Validity::Ok;
    return QJsonObject{{"name", name},
                       {"value", valid ? QJsonValue(value) : QJsonValue(QJsonValue::Null)},
                       {"unit", unit},
                       {"status", QString::fromLatin1(ValidityName(status))},
                       {"text", text}};
}

void PrintJson(const QJsonObject& document) {
    const QByteArray bytes = QJsonDocument(document).toJson(QJsonDocument::Indented);
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}
