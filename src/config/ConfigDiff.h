// What changes between two configuration images, setting by setting, in the user's
// language: before a send (meter -> what will be written) and between files.
#pragma once

#include "config/ConfigImage.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <vector>

struct MeterSession;

struct ConfigDifference {
    QString setting, from, to;
};

// Both images are taken as the meter would hold them (the ratios through the meter's
// mantissa/exponent form). Settings of the extended model count only when both are one.
// Numbers are written as locale writes them.
std::vector<ConfigDifference> CompareConfigurations(const ConfigImage& from, const ConfigImage& to,
                                                    const QLocale& locale);

// One "setting<TAB>from<TAB>to" row per difference: zaro-cli prints them, the windows
// show them as a table of three columns.
QStringList DifferenceRows(const std::vector<ConfigDifference>& diffs);

// Menu commands: two *.ZRC files, or a *.ZRC file against the connected meter (what
// sending the file would change). The differences go to an information popup.
void CmCompareFiles(MeterSession& session);
void CmCompareWithMeter(MeterSession& session);
