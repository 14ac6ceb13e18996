// Texts that came from a device or a device's file, made safe for a terminal.
#include "cli/Cli.h"

#include "platform/Messages.h"

QString EscapeControls(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        default:
            // C0, DEL and C1: escape sequences, bells, a line that rewrites the one before.
            if (c.category() == QChar::Other_Control)
                out += QString("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    return out;
}

QString EscapeControls(const char* text) {
    return EscapeControls(QString::fromUtf8(text));
}

int SettingsNotSaved() {
    Error(3, 70);
    return kExitDeviceFailed;
}
