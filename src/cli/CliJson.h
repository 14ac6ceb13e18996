// The machine-readable output of zaro-cli (--json): one JSON document on stdout per
// run. Every value is an object with the number in its SI base unit on the primary
// side, so that a script never parses a display text.
#pragma once

#include "values/Reading.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// Removes "--json" from a command's arguments; true when it was there. The program
// passes a "--json" given before the command on to the command's arguments.
bool TakeJsonFlag(QStringList& args);

// {"name", "value", "unit", "status", "text"}: value is null unless validity is Ok;
// unit is the SI base unit ("V", "A", "W", "var", "VA", "Hz", "Wh", "varh", "%", "" for
// a power factor); text is what the panel shows.
QJsonObject JsonValue(const QString& name, double value, const QString& unit, Validity validity,
                      const QString& text);

// Writes the document, indented, to stdout.
void PrintJson(const QJsonObject& document);
