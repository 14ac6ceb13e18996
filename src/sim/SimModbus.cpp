#include "SimModbus.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <cstdio>

uint16_t SimCrc(const char* data, int len) {
    uint16_t crc = 0xFFFF;
    for (int i = 0; i < len; ++i) {
        crc ^= uint8_t(data[i]);
        for (int b = 0; b < 8; ++b)
            crc = (crc & 1) ? uint16_t((crc >> 1) ^ 0xA001) : uint16_t(crc >> 1);
    }
    return crc;
}

void SimAppendCrc(QByteArray& frame) {
    const uint16_t crc = SimCrc(frame.constData(), int(frame.size()));
    frame.append(char(crc & 0xFF));
    frame.append(char(crc >> 8));
}

int SimRtuRequestLength(const QByteArray& buf) {
    if (buf.size() < 2) return 0;
    switch (uint8_t(buf[1])) {
    case 3:
    case 8:
        return 8;
    case 16:
        return buf.size() < 7 ? 0 : 9 + uint8_t(buf[6]);
    default:
        return -1;
    }
}

SimMeter* SimFindMeter(std::vector<SimMeter>& meters, int address) {
    for (SimMeter& m : meters)
        if (m.address == address) return &m;
    return nullptr;
}

namespace {

QByteArray Exception(uint8_t function, int code) {
    QByteArray r;
    r.append(char(function | 0x80));
    r.append(char(code));
    return r;
}

int Word(const QByteArray& pdu, int at) {
    return (uint8_t(pdu[at]) << 8) | uint8_t(pdu[at + 1]);
}

// Decodes a function-16 PDU; returns an exception code when it is malformed.
int WriteRequest(const QByteArray& pdu, int& start, QVector<uint16_t>& values) {
    if (pdu.size() < 6) return kExIllegalValue;
    start = Word(pdu, 1);
    const int count = Word(pdu, 3);
    const int bytes = uint8_t(pdu[5]);
    if (count < 1 || count > 123 || bytes != 2 * count || pdu.size() != 6 + bytes) return kExIllegalValue;
    values.resize(count);
    for (int k = 0; k < count; ++k)
        values[k] = uint16_t(Word(pdu, 6 + 2 * k));
    return 0;
}

} // namespace

QByteArray SimAnswerPdu(SimMeter& m, const QByteArray& pdu, int64_t nowMs) {
    if (pdu.isEmpty()) return {};
    const uint8_t function = uint8_t(pdu[0]);
    if (function == 3) {
        if (pdu.size() != 5) return Exception(function, kExIllegalValue);
        QVector<uint16_t> regs;
        const int ex = SimMeterRead(m, Word(pdu, 1), Word(pdu, 3), regs, nowMs);
        if (ex) return Exception(function, ex);
        QByteArray r;
        r.append(char(3));
        r.append(char(2 * regs.size()));
        for (uint16_t v : regs) {
            r.append(char(v >> 8));
            r.append(char(v & 0xFF));
        }
        return r;
    }
    if (function == 16) {
        int start = 0;
        QVector<uint16_t> values;
        int ex = WriteRequest(pdu, start, values);
        if (!ex) ex = SimMeterWrite(m, start, values, nowMs);
        if (ex) return Exception(function, ex);
        return pdu.left(5);
    }
    if (function == 8) {
        // Diagnostics: only "return query data" (sub-function 0), echoed unchanged.
        if (pdu.size() < 3 || Word(pdu, 1) != 0) return Exception(function, kExIllegalFunction);
        return pdu;
    }
    return Exception(function, kExIllegalFunction);
}

void SimBroadcastPdu(std::vector<SimMeter>& meters, const QByteArray& pdu, int64_t nowMs) {
    if (pdu.isEmpty() || uint8_t(pdu[0]) != 16) return;
    int start = 0;
    QVector<uint16_t> values;
    if (WriteRequest(pdu, start, values)) return;
    for (SimMeter& m : meters)
        SimMeterWrite(m, start, values, nowMs);
}

// ---- faults ------------------------------------------------------------------------------------

const char* SimFaultHelp() {
    return "Fault SPEC: KIND[:PARAM][:COUNT][@ADDR]  (a blank may stand for a colon)\n"
           "  applies to the next COUNT requests (default 1) that would be answered,\n"
           "  only to requests for address/unit ADDR when @ADDR is given. KIND:\n"
           "    silence        no reply\n"
           "    short          the reply is cut to half its length\n"
           "    badcrc         the reply's CRC is wrong (over TCP: its function code is wrong)\n"
           "    exception:CODE Modbus exception reply with CODE (e.g. exception:2, exception:11)\n"
           "    otherunit      the reply comes from another address / unit\n"
           "    late:MS        the reply is held back MS milliseconds; later requests are\n"
           "                   answered meanwhile, so it may arrive after the master gave up\n"
           "    garbage        random bytes of the reply's length instead of the reply\n"
           "    split          the reply goes out in two parts with a 50 ms pause between\n"
           "    drop           TCP: the connection is closed instead of replying (serial: silence)\n"
           "    splitat:N      the reply goes out in two parts, its first N bytes and 50 ms later the rest\n"
           "    dribble:MS     the reply goes out one byte every MS milliseconds\n"
           "    close          TCP: the reply, then the connection is closed (serial: the reply)\n"
           "    absent:UNIT    TCP: exception 11 (target device failed to respond) from the\n"
           "                   gateway itself, with UNIT in the unit byte (serial: silence)\n"
           "  The module's web server counts a download as a request for the module's meter and\n"
           "  takes silence, short, late, garbage, split, drop, splitat, dribble, close and:\n"
           "    nostatus       the log alone, without status line and header\n"
           "    trailing:N     N bytes beyond the Content-Length follow the log\n"
           "    shortlength:N  the Content-Length is N bytes short of the log\n"
           "    storm:MS       UDP: the scan reply is sent again every MS milliseconds for a minute\n"
           "    refuse         UDP: a configuration is answered \"ERROR: refused\" and not taken\n"
           "  UDP devices count from 1 for @ADDR; silence, short, late, garbage, split and\n"
           "  dribble shape their replies as above.\n"
           "  Examples: --fault silence:3   --fault exception:11@5   stdin: \"fault late:700\"\n"
           "  stdin \"fault clear\" forgets every pending fault.\n";
}

bool SimParseFault(const QString& spec, SimFault& fault, QString& error) {
    QString text = spec.trimmed();
    fault = SimFault();
    const int at = int(text.indexOf('@'));
    if (at >= 0) {
        bool ok = false;
        fault.address = text.mid(at + 1).trimmed().toInt(&ok);
        if (!ok || fault.address < 0 || fault.address > 255) {
            error = QStringLiteral("bad address in fault \"%1\"").arg(spec);
            return false;
        }
        text = text.left(at);
    }
    const QStringList parts = text.split(QRegularExpression(QStringLiteral("[:\\s]+")), Qt::SkipEmptyParts);
    if (parts.isEmpty()) {
        error = QStringLiteral("empty fault");
        return false;
    }
    static const struct {
        const char* name;
        FaultKind kind;
        bool param;
    } kinds[] = {{"silence", FaultKind::Silence, false},     {"short", FaultKind::Short, false},
                 {"badcrc", FaultKind::BadCrc, false},       {"exception", FaultKind::Exception, true},
                 {"otherunit", FaultKind::OtherUnit, false}, {"late", FaultKind::Late, true},
                 {"garbage", FaultKind::Garbage, false},     {"split", FaultKind::Split, false},
                 {"drop", FaultKind::Drop, false},           {"splitat", FaultKind::SplitAt, true},
                 {"dribble", FaultKind::Dribble, true},      {"close", FaultKind::Close, false},
                 {"absent", FaultKind::Absent, true},        {"nostatus", FaultKind::NoStatus, false},
                 {"trailing", FaultKind::Trailing, true},    {"shortlength", FaultKind::ShortLength, true},
                 {"storm", FaultKind::Storm, true},          {"refuse", FaultKind::Refuse, false}};
    int next = 1;
    bool known = false;
    for (const auto& k : kinds) {
        if (parts[0].compare(QLatin1String(k.name), Qt::CaseInsensitive) != 0) continue;
        known = true;
        fault.kind = k.kind;
        if (k.param) {
            bool ok = false;
            fault.param = parts.value(1).toInt(&ok);
            const int limit = k.kind == FaultKind::Exception || k.kind == FaultKind::Absent ? 255 : 600000;
            if (!ok || fault.param < 0 || fault.param > limit) {
                error = QStringLiteral("fault \"%1\" needs a number after %2:").arg(spec, parts[0]);
                return false;
            }
            next = 2;
        }
    }
    if (!known) {
        error = QStringLiteral("unknown fault kind \"%1\"").arg(parts[0]);
        return false;
    }
    if (parts.size() > next) {
        bool ok = false;
        fault.count = parts[next].toInt(&ok);
        if (!ok || fault.count < 1 || parts.size() > next + 1) {
            error = QStringLiteral("bad count in fault \"%1\"").arg(spec);
            return false;
        }
    }
    return true;
}

QList<SimReplyPart> SimFaultyReply(const SimFault* fault, QByteArray reply, const SimFaultShape& shape) {
    if (!fault) return {{reply, 0}};
    switch (fault->kind) {
    case FaultKind::Silence:
    case FaultKind::Drop:
    case FaultKind::Absent: // the TCP door answers it itself
        return {};
    case FaultKind::Short:
        reply.truncate(reply.size() / 2);
        break;
    case FaultKind::BadCrc:
        reply[shape.spoiledByte] = char(reply[shape.spoiledByte] ^ shape.spoilMask);
        break;
    case FaultKind::Late:
        return {{reply, fault->param}};
    case FaultKind::Garbage:
        for (char& c : reply)
            c = char(QRandomGenerator::global()->bounded(256));
        break;
    case FaultKind::Split:
        return {{reply.left(reply.size() / 2), 0}, {reply.mid(reply.size() / 2), shape.splitGapMs}};
    case FaultKind::SplitAt:
        return {{reply.left(fault->param), 0}, {reply.mid(fault->param), 50}};
    case FaultKind::Dribble: {
        QList<SimReplyPart> parts;
        for (int i = 0; i < reply.size(); ++i)
            parts.append({reply.mid(i, 1), int64_t(i) * fault->param});
        return parts;
    }
    default:
        break;
    }
    return {{reply, 0}};
}

bool SimTakeFault(QList<SimFault>& faults, int address, SimFault& fault, SimDoor door) {
    for (int i = 0; i < faults.size(); ++i) {
        SimFault& f = faults[i];
        if (f.address >= 0 && f.address != address) continue;
        const bool http = f.kind == FaultKind::NoStatus || f.kind == FaultKind::Trailing ||
                          f.kind == FaultKind::ShortLength;
        const bool modbus = f.kind == FaultKind::BadCrc || f.kind == FaultKind::Exception ||
                            f.kind == FaultKind::OtherUnit || f.kind == FaultKind::Absent;
        const bool udp = f.kind == FaultKind::Storm || f.kind == FaultKind::Refuse;
        if ((door != SimDoor::Http && http) || (door != SimDoor::Modbus && modbus) || (door != SimDoor::Udp && udp))
            continue;
        fault = f;
        static const char* const names[] = {
            "silence", "short",   "badcrc",  "exception", "otherunit", "late",     "garbage",  "split",
            "drop",    "splitat", "dribble", "close",     "absent",    "nostatus", "trailing", "shortlength",
            "storm",   "refuse"};
        std::fprintf(stderr, "zaro-sim: fault %s applied to a request for %d\n", names[int(f.kind)], address);
        if (--f.count <= 0) faults.removeAt(i);
        return true;
    }
    return false;
}
