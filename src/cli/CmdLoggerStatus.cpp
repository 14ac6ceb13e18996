#include "cli/Cli.h"
#include "cli/CliJson.h"
#include "cli/LogFileCli.h"
#include "cli/LoggerCli.h"

#include "acquisition/Acquisition.h"
#include "link/DeviceLink.h"
#include "logger/Logger.h"

#include <cstdio>

int OpenMeterLogger(MeterSession& session, LogSource& device, const QString& intervalOption) {
    int minutes = 0, seconds = 0;
    if (!intervalOption.isEmpty()) {
        const QStringList p = intervalOption.split(':');
        if (p.size() != 2 || !ParseInt(p[0], 0, 63, minutes) || !ParseInt(p[1], 0, 59, seconds) ||
            minutes * 60 + seconds < 10)
            return UsageError("--interval takes MM:SS of at least 00:10");
    }
    if (!OpenAcquisition(session)) return kExitDeviceFailed;
    const bool ownInterval = DescribeMeterLogger(session, device);
    if (!intervalOption.isEmpty()) {
        SetLoggerInterval(device, minutes, seconds);
    } else if (!ownInterval) {
        CloseInterface();
        return UsageError("the meter has no interval of its own: give --interval MM:SS");
    }
    if (device.NumChan == 0) {
        CloseInterface();
        std::fprintf(stderr, "zaro-cli: the meter's logger records no channels\n");
        return kExitDeviceFailed;
    }
    return kExitOk;
}

bool ParseNewest(const QString& text, uint32_t& seconds) {
    const QStringList p = text.simplified().split(' ');
    return p.size() == 2 && p[0].size() == 8 && p[1].size() == 8 && LoggerTimeFromText(p[0], p[1], seconds);
}

// The logger's state: records, channels, interval, time span, mode and channel list.
int CmdLoggerStatus(MeterSession& session, const QStringList& arguments) {
    QStringList args = arguments;
    const bool json = TakeJsonFlag(args);
    QString interval;
    if (args.size() == 2 && args[0] == "--interval")
        interval = args[1];
    else if (!args.isEmpty())
        return UsageError("logger-status takes only [--interval MM:SS]");
    LogSource device;
    if (int rc = OpenMeterLogger(session, device, interval)) return rc;
    const bool ok = Read(session.read, kReadLoggerStatus, 1);
    CloseInterface();
    if (!ok) return kExitDeviceFailed;
    const LoggerStatus st = LoggerStatusFromLog();
    const int records = std::min<int>(st.values, LoggerCapacity(device.NumChan)) / device.NumChan;
    const char* mode = (session.read.Logger & kLoggerOverwrite) ? "overwrite" : "stop";
    if (json) {
        QJsonArray channels;
        for (int i = 0; i < device.NumChan; ++i)
            channels.append(QJsonObject{{"name", device.ChanName[size_t(i)]},
                                        {"unit", SiUnitOf(device.ChanUnit[size_t(i)]).unit}});
        PrintJson({{"records", records},
                   {"interval", qint64(device.IntervalSeconds)},
                   {"span", qint64(device.IntervalSeconds) * records},
                   {"mode", mode},
                   {"channels", channels}});
        return kExitOk;
    }
    QString out = QString("records\t%1\nchannels\t%2\ninterval\t%3\nspan\t%4\nmode\t%5\n")
                      .arg(records)
                      .arg(device.NumChan)
                      .arg(device.IntervalText, LoggerSpanText(device.IntervalSeconds, records), mode);
    for (int i = 0; i < device.NumChan; ++i)
        out += "channel\t" + EscapeControls(device.ChanName[size_t(i)]) + '\t' +
               EscapeControls(device.ChanUnit[size_t(i)]) + '\n';
    std::fputs(out.toUtf8().constData(), stdout);
    return kExitOk;
}
