// The texts of one translation context (a panel, a file of texts) in the language the
// user chose: each file names its context once, `const Translator Tr{"MainPanel"};`,
// and marks its texts with QT_TRANSLATE_NOOP under that context.
#pragma once

#include <QString>

struct Translator {
    const char* context;
    QString operator()(const char* text) const;
};
