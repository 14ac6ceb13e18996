// Modbus framing of the simulator (RTU and TCP), the bus of meters and fault injection.
#pragma once

#include "SimMeter.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <vector>

uint16_t SimCrc(const char* data, int len);
void SimAppendCrc(QByteArray& frame);

// Length of the RTU request at the front of buf: the full length once the function
// tells it, 0 when more bytes are needed to know, -1 for a function without a fixed
// layout (the caller then waits for the inter-frame gap).
int SimRtuRequestLength(const QByteArray& buf);

// The meter of meters at address, or null.
SimMeter* SimFindMeter(std::vector<SimMeter>& meters, int address);

// Answers one PDU (function code onward) for meter m. Returns the reply PDU; an
// exception reply is function | 0x80 and the code.
QByteArray SimAnswerPdu(SimMeter& m, const QByteArray& pdu, int64_t nowMs);
// A broadcast write: every meter takes it, nobody answers.
void SimBroadcastPdu(std::vector<SimMeter>& meters, const QByteArray& pdu, int64_t nowMs);

// ---- faults --------------------------------------------------------------------------------
enum class FaultKind {
    Silence,
    Short,
    BadCrc,
    Exception,
    OtherUnit,
    Late,
    Garbage,
    Split,
    Drop,
    SplitAt,
    Dribble,
    Close,
    Absent,
    NoStatus, // HTTP only
    Trailing,
    ShortLength,
    Storm, // UDP only
    Refuse
};

// Where a request came in: the Modbus doors (serial, TCP), the module's web server or
// the UDP devices. A door takes only the faults that mean something to it.
enum class SimDoor { Modbus, Http, Udp };

struct SimFault {
    FaultKind kind = FaultKind::Silence;
    int param = 0;    // exception code, delay in ms, byte count or unit
    int count = 1;    // requests it still applies to
    int address = -1; // only requests to this address / unit; -1 = any
};

// Parses "KIND[:PARAM][:COUNT][@ADDR]" (a blank may stand for a colon). Returns false
// and an explanation in error for a malformed spec.
bool SimParseFault(const QString& spec, SimFault& fault, QString& error);
// The fault for the next request to address through door, if any; consumes one count of it.
bool SimTakeFault(QList<SimFault>& faults, int address, SimFault& fault, SimDoor door = SimDoor::Modbus);

// How a fault spoils a reply on each door: which byte "badcrc" flips and how (the CRC
// on the serial line; over TCP, which has no CRC, the function code), and how long
// after its first half a "split" reply sends the second.
struct SimFaultShape {
    int spoiledByte;
    uint8_t spoilMask;
    int64_t splitGapMs;
};
struct SimReplyPart {
    QByteArray data;
    int64_t delayMs; // after the reply's normal time
};
// The parts a reply goes out in under fault (nullptr: no fault); none when it is
// withheld ("silence", "drop"). "exception", "otherunit" and "absent" shape the reply
// itself; the TCP door closes the connection after a "close" reply.
QList<SimReplyPart> SimFaultyReply(const SimFault* fault, QByteArray reply, const SimFaultShape& shape);

const char* SimFaultHelp();
