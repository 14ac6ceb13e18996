// What the logger commands of zaro-cli share: opening the meter's logger and the
// options that answer the panel's questions.
#pragma once

#include <QString>
#include <cstdint>

struct MeterSession;

// Opens the link, reads the configuration and describes the meter's logger in device,
// the interval from the meter or from intervalOption ("MM:SS", may be empty).
// Returns kExitOk with the link open, or an exit code with it closed.
struct LogSource;
int OpenMeterLogger(MeterSession& session, LogSource& device, const QString& intervalOption);
// "dd.mm.yy hh:mm:ss" as calendar seconds.
bool ParseNewest(const QString& text, uint32_t& seconds);
