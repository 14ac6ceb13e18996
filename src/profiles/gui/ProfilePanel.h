// The profile graph panel of both loggers: one day of up to 23 channels against the
// time of day, with day steps, two display styles, zoom band and measuring cursor.
#pragma once

#include <QPointer>

class QWidget;

// Hides the logger panel and shows the graph of its records: the meter logger's active
// source (meterLog) or the shown sequence of the module log (moduleLog). Both stay the
// logger panel's and must outlive the graph; exactly one is given. Closing the graph
// shows the logger panel again and, for records read from the meter (not a file),
// restarts the timers that are direct children of the logger panel.
struct MeterLog;
struct ModuleLog;
void ShowProfilePanel(QWidget* loggerPanel, const MeterLog* meterLog, const ModuleLog* moduleLog,
                      bool fromFile);

// The open graph panel (null when none).
