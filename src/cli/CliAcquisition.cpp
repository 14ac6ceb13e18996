#include "cli/CliAcquisition.h"

#include "acquisition/Acquisition.h"
#include "acquisition/MeasDecode.h"
#include "cli/Cli.h"
#include "link/DeviceLink.h"

#include <cstdio>

int OpenForValues() {
    if (!OpenAcquisition()) return 0;
    InitAnzeige();
    anschl_ix = AnschlIx(Lese);
    return 1;
}

void PrintValue(const QString& name, const QString& text, const QString& unit) {
    const QByteArray line = (name + '\t' + text + '\t' + unit + '\n').toUtf8();
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
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
