#include "cli/Cli.h"

#include "config/ConfigFile.h"
#include "config/ConfigTransfer.h"
#include "config/DispMode.h"
#include "link/DeviceLink.h"
#include "platform/Messages.h"

#include <cstdio>

namespace {

struct PagesOptions {
    QString set; // "loop", "user", or empty: the set of the display mode
    QList<int> toggles;
    QString file;
    bool send = false;
};

int ParsePagesOptions(const QStringList& args, PagesOptions& o) {
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == "--send") {
            o.send = true;
        } else if ((a == "--set" || a == "--file") && i + 1 < args.size()) {
            (a == "--set" ? o.set : o.file) = args[++i];
        } else if (a == "--toggle") {
            int n = 0;
            while (i + 1 < args.size() && ParseInt(args[i + 1], 1, 8 * kPageSetBytes, n)) {
                o.toggles << n;
                ++i;
            }
            if (o.toggles.isEmpty()) return UsageError("--toggle takes page numbers");
        } else {
            return UsageError("pages does not take " + a);
        }
    }
    if (!o.set.isEmpty() && o.set != "loop" && o.set != "user") return UsageError("--set takes loop or user");
    if (!o.toggles.isEmpty() && o.file.isEmpty() && !o.send)
        return UsageError("--toggle changes a --file or the meter's configuration with --send");
    return kExitOk;
}

// One line per offered page: its number, its three lines and 1 when it is in the set.
void PrintPages(MeterSession& session, const uint8_t* set) {
    const PageView v = PageViewOf(session.edited);
    const std::vector<int>& pages = OfferedPages(v.klass, v.inOut);
    for (size_t k = 0; k < pages.size(); ++k) {
        const PageLines lines = CataloguePage(v.klass, pages[k], v.unbalance);
        std::printf("%d\t%s\t%s\t%s\t%d\n", int(k + 1), lines[0].c_str(), lines[1].c_str(), lines[2].c_str(),
                    PageInSet(set, int(k)) ? 1 : 0);
    }
}

} // namespace

// The display pages of a configuration file or of the meter, toggled when asked.
int CmdPages(MeterSession& session, const QStringList& args) {
    QStringList rest = args;
    auto* console = dynamic_cast<ConsoleMessages*>(&CurrentMessageSink());
    if (rest.removeAll("--yes") > 0 && console) console->yes = true;
    PagesOptions o;
    if (int rc = ParsePagesOptions(rest, o)) return rc;
    const int loaded = o.file.isEmpty() ? ReceiveConfiguration(session)
                                        : LoadConfigFile(o.file.toStdString(), session.edited);
    if (!loaded) return kExitDeviceFailed;
    if (!session.edited.Model) {
        std::fprintf(stderr, "zaro-cli: only the ZRM3 model has display pages to choose.\n");
        return kExitDeviceFailed;
    }
    uint8_t* set = o.set.isEmpty()   ? CurrentPageSet(session.edited)
                   : o.set == "user" ? session.edited.User
                                     : session.edited.Loop;
    const int offered = OfferedCount(session.edited);
    for (int n : o.toggles) {
        if (n > offered) return UsageError(QString("this configuration offers pages 1..%1").arg(offered));
        SetPage(set, n - 1, !PageInSet(set, n - 1));
    }
    if (!o.toggles.isEmpty() && !o.file.isEmpty() && !SaveConfigFile(session, o.file.toStdString()))
        return kExitDeviceFailed;
    if (o.send && !SendConfiguration(session)) return kExitDeviceFailed;
    PrintPages(session, set);
    return kExitOk;
}
