// The settings of a configuration image as the user knows them: name, and value with
// its unit, worded as the editor shows it. The names come from the editor's captions
// where the editor and the *.ZRC file head the same value, so the three never disagree.
#pragma once

#include "config/ConfigImage.h"

#include <QLocale>
#include <QString>
#include <vector>

struct ConfigSetting {
    const char* name; // English, context "ConfigSettings"; unused when caption is set
    int caption;      // EditorCaption that names the value in the editor and the file, or -1
    bool extendedOnly;
    int index; // output, mean-value row or min/max channel the row stands for
    QString (*value)(const ConfigImage& image, int index, const QLocale& locale);
    bool pageSet; // a page set: a change also counts pages added and removed
};
// Every setting the comparison lists, in the editor's order.
const std::vector<ConfigSetting>& AllConfigSettings();

QString SettingName(const ConfigSetting& setting); // in the current language
// The value of setting in image, as the editor would show it for that image, its
// numbers written as locale writes them.
QString SettingValue(const ConfigSetting& setting, const ConfigImage& image, const QLocale& locale);
// Pages of a page set of image (bit count of Loop or User by index 0 or 1).
int PageCount(const ConfigImage& image, int set);
