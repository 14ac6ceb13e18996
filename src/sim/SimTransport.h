// The simulator's two doors: RTU on a pseudo-terminal and Modbus/TCP.
#pragma once

#include "SimModbus.h"

#include <QHostAddress>
#include <QString>
#include <cstdint>

struct Simulator;

struct SimTiming {
    int baud = 0;         // 0 = replies leave at once; else paced at 11 bits per byte
    int turnaroundMs = 0; // pause between the end of a request and the reply
    bool verbose = false; // frames on stderr
};

int64_t SimNowMs(); // monotonic milliseconds

// RS-232 (one meter at 255) or RS-485 bus (the simulator's meters) on a new pty.
// linkPath, when not empty, becomes a symbolic link to the pty's device. The doors keep
// the simulator: it must outlive them.
bool SimSerialStart(Simulator& sim, bool bus, const QString& linkPath, QString& ptyPath, QString& error);
void SimSerialStop();

// Gateway (units = the meters' addresses) or module (reads at unit 255 go to its meter).
bool SimTcpStart(Simulator& sim, bool module, const QHostAddress& address, quint16 port, quint16& boundPort,
                 QString& error);

// The Modbus/TCP door's answer to one request (header onward) of a gateway or a module,
// sent the turnaround time after it; both ends may close the connection.
struct SimTcpAnswer {
    QList<SimReplyPart> parts;
    bool dropAtOnce = false; // closed without an answer ("drop")
    bool closeAfter = false; // closed behind the last part ("close")
};
SimTcpAnswer SimAnswerTcp(Simulator& sim, const QByteArray& request, bool module, int64_t nowMs);

// The gateway's (port 3250) or module's (port 5001) UDP discovery and set-up, for count
// devices; device i claims the address first + i. The port is shared with other sockets.
bool SimUdpStart(Simulator& sim, bool module, const QHostAddress& first, int count, QString& error);

// Takes the control lines already waiting on stdin. Called before every request is
// answered, so a "fault" line written before the request applies to it.
extern void (*SimPollCommands)();

// Logs one frame on stderr when timing says verbose.
void SimTrace(const SimTiming& timing, const char* what, const QByteArray& frame);
