// The profile graph panel of both loggers: one day of up to 23 channels against the
// time of day, with day steps, two display styles, zoom band and measuring cursor.
#pragma once

#include <QPointer>

class QWidget;

// Hides the logger panel and shows the graph of its records: the meter logger's
// (Logsrc, LogRecords) or the module's shown sequence (Log57 and its Shown). Closing the graph
// shows the logger panel again and, for records read from the meter (not a file),
// restarts the timers that are direct children of the logger panel.
void ShowProfilePanel(QWidget* loggerPanel, bool moduleSource, bool fromFile);

// The open graph panel (null when none).
extern QPointer<QWidget> loadprof;
