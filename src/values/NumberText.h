// Numbers as text: in the user's language where a person reads them, with the point
// where files and scripts read them. The one home of decimal separators; callers hand
// over the locale, so the same formatter serves a panel (the chosen language) and
// zaro-cli or a file (the point).
#pragma once

#include <QLocale>
#include <QString>

// The locale of a UI language (0 German, 1 English, 2 Dutch, 3 French): its decimal
// separator, no group separators (a field shows 152418,4, not 152.418,4).
QLocale LanguageLocale(int language);

// What files, settings, zaro-cli output and the saved communication log use.
inline QLocale PointLocale() {
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return c;
}

// Fixed-point text with the locale's separator; a value that rounds to zero never
// shows as "-0.0".
QString FixedText(double value, int decimals, const QLocale& locale);

// A number as files and records hold it ("-12.5", padded or not) written the way locale
// writes numbers; marker words and other texts pass unchanged.
QString PointNumberInLocale(const QString& text, const QLocale& locale);
