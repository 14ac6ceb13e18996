// What the acquisition commands of zaro-cli share: open the link like a panel does,
// print one line per shown value, parse the numbers of the ticked boxes.
#pragma once

#include <QStringList>
#include <QVector>

// Opens the link, reads the configuration and prepares units and columns (InitAnzeige);
// 0 when nothing is open.
int OpenForValues();
// name TAB text TAB unit, to stdout.
void PrintValue(const QString& name, const QString& text, const QString& unit);
// Parses "--all" or repeated "FLAG K" (K in 1..count); false with a usage message set.
// ticked[k - 1] is set for each K; --all ticks 1..count.
bool ParseTicks(const QStringList& args, const QStringList& flags, int count, QVector<QVector<bool>>& ticked,
                QString& why);
// Ends a command: closes the link, 0 or 1 by the device operation's result.
int FinishDevice(int ok);
