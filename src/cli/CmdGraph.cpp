#include "cli/Cli.h"
#include "cli/LogFileCli.h"

#include "logger/LogData.h"
#include "platform/Messages.h"
#include "profiles/ProfileDraw.h"

#include <cstdio>

namespace {

// "1,3,4": channel numbers from 1 in the order of the panel's channel boxes.
bool ParseChannels(const QString& text, ChannelSelection& sel) {
    sel.fill(false);
    for (const QString& part : text.split(',')) {
        int c = 0;
        if (!ParseInt(part.trimmed(), 1, kProfChannels, c)) return false;
        sel[size_t(c - 1)] = true;
    }
    return true;
}

bool ParseSize(const QString& text, QSize& size) {
    const QStringList wh = text.split('x');
    int w = 0, h = 0;
    if (wh.size() != 2 || !ParseInt(wh[0], kSmallestPicture.width(), kLargestPicture.width(), w) ||
        !ParseInt(wh[1], kSmallestPicture.height(), kLargestPicture.height(), h))
        return false;
    size = QSize(w, h);
    return true;
}

} // namespace

// Draws one day of a logger file as the profile panel shows it, into a PNG or a PDF.
int CmdGraph(MeterSession& session, const QStringList& args) {
    ProfileRequest request;
    QString file, out;
    bool channelsGiven = false;
    int given = 0;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == "--day") {
            int day = 0;
            if (!hasValue || !ParseInt(args[++i], 0, 100000, day)) return UsageError("--day takes 0 (newest) or more");
            request.day = day;
        } else if (a == "--channels") {
            if (!hasValue || !ParseChannels(args[++i], request.channels))
                return UsageError("--channels takes a list such as 1,3 (1..23)");
            channelsGiven = true;
        } else if (a == "--sequence") {
            if (!hasValue || !ParseInt(args[++i], 1, kMaxSequences, given))
                return UsageError("--sequence takes a number 1..255");
        } else if (a == "--style") {
            const QString style = hasValue ? args[++i] : QString();
            if (style != "lines" && style != "bars") return UsageError("--style takes lines or bars");
            request.style = style == "bars" ? kStyleBars : kStyleLines;
        } else if (a == "--out") {
            if (!hasValue) return UsageError("--out takes FILE.png or FILE.pdf");
            out = args[++i];
        } else if (a == "--size") {
            if (!hasValue || !ParseSize(args[++i], request.size))
                return UsageError("--size takes WxH from 320x200 to 10000x10000, e.g. 1200x700");
        } else if (file.isEmpty() && !a.startsWith("--")) {
            file = a;
        } else {
            return UsageError("unexpected argument " + a);
        }
    }
    if (file.isEmpty() || out.isEmpty() || !channelsGiven)
        return UsageError("graph needs FILE.ZRD|FILE.LF3, --channels and --out");
    if (!out.endsWith(".png", Qt::CaseInsensitive) && !out.endsWith(".pdf", Qt::CaseInsensitive))
        return UsageError("--out must name a .png or a .pdf file");
    QString usage;
    MeterLog meterLog;
    ModuleLog moduleLog;
    bool module = false;
    if (!OpenLogFile(session, file, meterLog, moduleLog, module, usage))
        return usage.isEmpty() ? kExitDeviceFailed : UsageError(usage);
    request.moduleLog = module ? &moduleLog : nullptr;
    request.meterLog = module ? nullptr : &meterLog;
    if (module) {
        if (!ChooseSequence(moduleLog, given, request.sequence))
            return UsageError("the file has no such sequence with records");
    } else if (given) {
        return UsageError("--sequence belongs to module logger files");
    }
    QString error;
    if (!RenderProfileDay(request, out, error)) {
        if (!error.isEmpty()) std::fprintf(stderr, "zaro-cli: %s\n", qPrintable(error));
        return kExitDeviceFailed;
    }
    std::printf("%s\n", qPrintable(out));
    return kExitOk;
}
