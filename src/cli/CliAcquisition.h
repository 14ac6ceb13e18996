// What the acquisition commands of zaro-cli share: open the link like a panel does,
// print one line per shown value, parse the numbers of the ticked boxes.
#pragma once

#include "values/DisplayScale.h"

#include <QJsonArray>
#include <QJsonObject>

#include <QStringList>
#include <QVector>

struct MeterSession;

// Opens the link and reads the configuration; its units and columns go into scale.
// 0 when nothing is open.
int OpenForValues(MeterSession& session, DisplayScale& scale);
// name TAB text TAB unit, to stdout.
void PrintValue(const QString& name, const QString& text, const QString& unit);

// The values of a command: each printed as a line at once, or (--json) gathered into
// the "values" list of the document that Finish prints.
class ValueOutput {
  public:
    explicit ValueOutput(bool json) : json_(json) {}
    // The field text of value as the scale shows it, with the unit the panel shows.
    void Add(const QString& name, const Value& value, const DisplayScale& scale, const QString& shownUnit);
    void Add(const QString& name, const Value& value, const DisplayScale& scale) {
        Add(name, value, scale, scale.Unit(value.quantity));
    }
    // A value whose number and text are made elsewhere (energy registers, harmonics).
    void Add(const QString& name, double si, const QString& siUnit, Validity validity, const QString& text,
             const QString& shownUnit);
    bool Json() const { return json_; }
    // Prints {"command": command, "values": [...], more...} when gathering.
    void Finish(const QString& command, const QJsonObject& more = {});

  private:
    bool json_;
    QJsonArray values_;
};
// Parses "--all" or repeated "FLAG K" (K in 1..count); false with a usage message set.
// ticked[k - 1] is set for each K; --all ticks 1..count.
bool ParseTicks(const QStringList& args, const QStringList& flags, int count, QVector<QVector<bool>>& ticked,
                QString& why);
// Ends a command: closes the link, 0 or 1 by the device operation's result.
int FinishDevice(int ok);
