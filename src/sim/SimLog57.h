// The module's web server: "log.dat" over HTTP, built from the meter's logger records
// or taken from a given file. Written from the file's element layout alone.
#pragma once

#include "SimMeter.h"

#include <QByteArray>
#include <QHostAddress>
#include <QString>
#include <cstdint>

struct SimLog57Setup {
    int sequences = 3;   // sequences in the log
    int records = 96;    // records per sequence
    QString file;        // served instead when set
    int64_t endUnix = 0; // time of the newest record (seconds since 1970); 0 = now
};

// The log as the module writes it: sequence 1 leaves out one record and gives no
// interval, the middle sequence puts its clock back an hour, the last repeats a stamp.
QByteArray SimModuleLogFile(const SimMeter& m, const SimLog57Setup& setup);

// Serves GET /log.dat on address:port (0 = any free port; the bound one in boundPort),
// from the simulator's module log and its first meter.
struct Simulator;
bool SimHttpStart(Simulator& sim, const QHostAddress& address, quint16 port, quint16& boundPort,
                  QString& error);
