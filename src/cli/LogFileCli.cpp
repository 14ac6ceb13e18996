#include "cli/LogFileCli.h"

#include "cli/CliJson.h"
#include "logger/LogData.h"
#include "logger/Logger.h"
#include "logger/Logger57.h"
#include "logger/Logger57Decode.h"
#include "platform/TimeBase.h"

bool OpenLogFile(MeterSession& session, const QString& path, MeterLog& meterLog, ModuleLog& moduleLog,
                 bool& module, QString& usage) {
    module = path.endsWith(".lf3", Qt::CaseInsensitive);
    if (!module && !path.endsWith(".zrd", Qt::CaseInsensitive)) {
        usage = "the logger file must be a *.ZRD or a *.LF3";
        return false;
    }
    if (module) return OpenLoggerFile57(session, moduleLog, path.toStdString()) == 1;
    meterLog.deviceActive = false;
    return ReadZrdFile(path, meterLog.file, meterLog.records);
}

UnitToSi SiUnitOf(const QString& text) {
    QString t = text.trimmed();
    if (t.startsWith('[') && t.endsWith(']')) t = t.mid(1, t.size() - 2).trimmed();
    static const char* const kBase[] = {"varh", "Wh", "var", "VA", "W", "V", "A", "Hz", "%"};
    for (const char* base : kBase)
        if (t == QLatin1String(base)) return {t, 1.0};
    static const struct {
        QChar prefix;
        double factor;
    } kPrefixes[] = {{'k', 1e3}, {'M', 1e6}, {'G', 1e9}, {'m', 1e-3}};
    for (const auto& p : kPrefixes)
        for (const char* base : kBase)
            if (t.size() > 1 && t[0] == p.prefix && t.mid(1) == QLatin1String(base)) return {t.mid(1), p.factor};
    return {t, 1.0};
}

QString IsoLocalTime(uint32_t seconds) {
    const LocalTime t = LocalFromCalendarSeconds(seconds);
    return QString::asprintf("%04u-%02u-%02uT%02u:%02u:%02u", t.year, t.month, t.day, t.hour, t.minute, t.second);
}

QJsonObject ChannelJson(const QString& name, const QString& siUnit, const JsonExtreme* minimum,
                        const JsonExtreme* maximum) {
    QJsonObject channel{{"name", name}, {"unit", siUnit}};
    const auto put = [&](const char* key, const char* timeKey, const JsonExtreme* e) {
        channel[key] = e ? JsonValue(name, e->si, siUnit, Validity::Ok, e->text)
                         : JsonValue(name, 0.0, siUnit, Validity::NoExtreme, QString());
        channel[timeKey] = e ? QJsonValue(IsoLocalTime(e->time)) : QJsonValue(QJsonValue::Null);
    };
    put("minimum", "minimumTime", minimum);
    put("maximum", "maximumTime", maximum);
    return channel;
}

bool ChooseSequence(const ModuleLog& log, int given, int& sequence) {
    sequence = given ? given : NewestUsableSequence(log);
    if (sequence < 1 || sequence > log.NumLogSeq) return false;
    const LogSequence& s = log.Dev57[size_t(sequence)];
    return s.NumChan != 0 && s.NumRec != 0;
}
