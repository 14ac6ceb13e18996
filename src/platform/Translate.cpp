#include "platform/Translate.h"

#include <QCoreApplication>

QString Translator::operator()(const char* text) const {
    return QCoreApplication::translate(context, text);
}
