#include "values/NumberText.h"

#include <algorithm>

QLocale LanguageLocale(int language) {
    static const QLocale::Language kLanguages[] = {QLocale::German, QLocale::English, QLocale::Dutch,
                                                   QLocale::French};
    static const QLocale::Territory kTerritories[] = {QLocale::Germany, QLocale::UnitedKingdom,
                                                      QLocale::Netherlands, QLocale::France};
    const int l = language >= 0 && language < 4 ? language : 1;
    QLocale locale(kLanguages[l], kTerritories[l]);
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

QString FixedText(double value, int decimals, const QLocale& locale) {
    QString text = locale.toString(value, 'f', decimals);
    const QString minus = locale.negativeSign();
    if (text.startsWith(minus) && std::all_of(text.cbegin() + minus.size(), text.cend(), [&](QChar c) {
            return c == u'0' || QString(c) == locale.decimalPoint();
        }))
        text.remove(0, minus.size());
    return text;
}

QString PointNumberInLocale(const QString& text, const QLocale& locale) {
    const QString point = locale.decimalPoint();
    if (point == u".") return text;
    bool number = false;
    QLocale::c().toDouble(text.trimmed(), &number);
    if (!number) return text;
    QString shown = text;
    return shown.replace(u'.', point);
}
