#include "logger/LogData.h"

#include "platform/TimeBase.h"

#include <cmath>

LogSource Dev, File;
LogSource* Logsrc = &File;
LoggerRecords LogRecords;
ModuleLog Log57;
int32_t LogSeq = 0;

RecordTime GetLoggerTimeDate(const LoggerRecords& records, int index)
{
    const uint32_t step = records.timeoffset ? records.timeoffset : 900;
    const LocalTime t = LocalFromCalendarSeconds(records.ref_time - uint32_t(index) * step);
    RecordTime r;
    r.ixdate = QString::asprintf("%02u.%02u.%02u", t.day, t.month, t.year % 100);
    r.ixtime = QString::asprintf("%02u:%02u:%02u", t.hour, t.minute, t.second);
    r.dayoffs = int32_t((t.hour * 3600 + t.minute * 60 + t.second) / step);
    return r;
}

int32_t ProfPoints(uint32_t intervalSeconds)
{
    if (intervalSeconds == 0) intervalSeconds = 900;
    return int32_t(86400.0 / intervalSeconds + 0.5) + 1;
}

bool ValueFromText(const QString& text, double& value)
{
    bool ok = false;
    const QString t = text.trimmed();
    value = t.toDouble(&ok);
    if (!ok) value = QString(t).replace(',', '.').toDouble(&ok);
    return ok && std::isfinite(value);
}

ReadingCheck ModuleCodeCheck(uint8_t code)
{
    if (code == 43) return ReadingCheck::Frequency;
    return code >= 44 && code <= 47 ? ReadingCheck::PowerFactor : ReadingCheck::Plain;
}

QString ModuleValueText(const LogSequence& seq, int k, float v)
{
    const Validity validity = JudgeReading(v, ModuleCodeCheck(seq.Codes[k]));
    if (validity != Validity::Ok)
        return MarkerText(validity, MarkerPlace::Record).rightJustified(kModuleValueWidth);
    const double scale = seq.Scale[k] != 0.0 ? seq.Scale[k] : 1.0;
    const double y = v / scale;
    const int digits = seq.Digits[k] >= 2 && seq.Digits[k] <= 4 ? seq.Digits[k] : 1;
    const QString number = QString::asprintf("%7.*f", digits, y);
    // A number wider than its 7 places would push every later column out of line.
    if (y > 999999.9 || number.size() > 7) return "    undef";
    return "  " + number;
}
