#include "config/ConfigDiff.h"

#include "config/ConfigFile.h"
#include "config/ConfigSettings.h"
#include "config/ConfigTransfer.h"
#include "link/DeviceLink.h"
#include "platform/Messages.h"
#include "platform/Translate.h"
#include "settings/INI_File.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <bit>

namespace {

// The ratios as the meter will keep them: an edited 20000.4 V is the meter's 20 kV.
ConfigImage AsMeterHoldsIt(const ConfigImage& image) {
    ConfigImage c = image;
    SetupInputData(&c);
    RestoreInputData(&c);
    return c;
}

// "(+3, −1)": pages that join and leave the set.
QString PageChange(const ConfigImage& from, const ConfigImage& to, int set) {
    const uint8_t* a = set ? from.User : from.Loop;
    const uint8_t* b = set ? to.User : to.Loop;
    int added = 0, removed = 0;
    for (int k = 0; k < 22; ++k) {
        added += std::popcount(unsigned(b[k] & ~a[k] & 0xFF));
        removed += std::popcount(unsigned(a[k] & ~b[k] & 0xFF));
    }
    return QString::fromUtf8("+%1, \u2212%2").arg(added).arg(removed);
}

bool SameSet(const ConfigImage& a, const ConfigImage& b, int set) {
    return std::equal(set ? a.User : a.Loop, (set ? a.User : a.Loop) + 22, set ? b.User : b.Loop);
}

const Translator Tr{"ConfigDiff"};

// A configuration file the user picks; false when cancelled or unreadable.
bool PickFile(const std::string& startPath, ConfigImage& image, QString& name) {
    const std::string path = FileSelectPopup(false, EditorCaptionText(kCapOpenTitle), "*.ZRC", startPath);
    if (path.empty() || !LoadConfigFile(path, image)) return false;
    name = QFileInfo(QString::fromStdString(path)).fileName();
    return true;
}

void ShowComparison(const QString& from, const QString& to, const std::vector<ConfigDifference>& diffs) {
    const QString what = from + QString::fromUtf8(" \u2192 ") + to;
    const QString verdict =
        diffs.empty() ? Tr("The configurations are the same.") : Tr("Settings that differ: %1").arg(diffs.size());
    ShowDetails(Tr("Compare configurations"), what + "\n" + verdict, DifferenceRows(diffs));
}

} // namespace

void CmCompareFiles(MeterSession& session) {
    ConfigImage a{}, b{};
    QString nameA, nameB;
    if (!PickFile(session.configFile, a, nameA) || !PickFile(session.configFile, b, nameB)) return;
    ShowComparison(nameA, nameB, CompareConfigurations(a, b, CurrentMessageSink().numberLocale()));
}

void CmCompareWithMeter(MeterSession& session) {
    ConfigImage file{};
    QString name;
    if (!PickFile(session.configFile, file, name) || !InitInterface()) return;
    const int ok = ReadConfiguration(session, 0);
    CloseInterface();
    if (ok)
        ShowComparison(
            Tr("Meter"), name,
            CompareConfigurations(MeterConfiguration(session), file, CurrentMessageSink().numberLocale()));
}

std::vector<ConfigDifference> CompareConfigurations(const ConfigImage& from, const ConfigImage& to,
                                                    const QLocale& locale) {
    const ConfigImage a = AsMeterHoldsIt(from);
    const ConfigImage b = AsMeterHoldsIt(to);
    const bool extended = a.Model == 1 && b.Model == 1;
    std::vector<ConfigDifference> diffs;
    for (const ConfigSetting& s : AllConfigSettings()) {
        if (s.extendedOnly && !extended) continue;
        const QString x = SettingValue(s, a, locale);
        QString y = SettingValue(s, b, locale);
        if (s.pageSet) {
            if (SameSet(a, b, s.index)) continue;
            y += " (" + PageChange(a, b, s.index) + ")";
        } else if (x == y) {
            continue;
        }
        diffs.push_back({SettingName(s), x, y});
    }
    return diffs;
}

QStringList DifferenceRows(const std::vector<ConfigDifference>& diffs) {
    QStringList rows;
    for (const ConfigDifference& d : diffs)
        rows << d.setting + '\t' + d.from + '\t' + d.to;
    return rows;
}
