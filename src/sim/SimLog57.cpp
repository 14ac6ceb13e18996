#include "SimLog57.h"

#include "Simulator.h"

#include <QDateTime>
#include <QFile>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>

namespace {

Simulator* sim = nullptr;

constexpr int kIntervalSeconds = 900;
constexpr qsizetype kMaxRequestBytes = 8192;

// Channels: a maximum first, so the columns of both lists are tested on every download.
const uint8_t kCodes[] = {70 /*Umax*/, 2 /*U1N*/, 9 /*I1*/,  13 /*P*/,
                          22 /*Q*/,    43 /*F*/,  44 /*PF*/, 98 /*Umin*/};

QByteArray Element(uint8_t id, const QByteArray& content) {
    QByteArray out(1, char(id));
    const qsizetype n = content.size();
    if (n < 0x80) {
        out += char(n);
    } else {
        out += char(0x84); // four length bytes, most significant first
        for (int shift = 24; shift >= 0; shift -= 8)
            out += char((n >> shift) & 0xFF);
    }
    return out + content;
}

// Constructed without a length: its elements, then an end of contents.
QByteArray List(uint8_t id, const QByteArray& elements) {
    return QByteArray(1, char(id)) + '\0' + elements + QByteArray(2, '\0');
}

QByteArray Le32(uint32_t v) {
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = char((v >> (8 * i)) & 0xFF);
    return b;
}

QByteArray Float(float f) {
    uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    return Le32(bits);
}

// Power and reactive power of record r from the meter's logger memory (cycled).
void LoggedPower(const SimMeter& m, int r, float& p, float& q) {
    const int n = m.logChannels;
    const int records = n ? int(m.logMem.size()) / n : 0;
    p = 1500.f;
    q = 400.f;
    if (records == 0) return;
    const size_t at = size_t(r % records) * size_t(n);
    p = m.logMem[at];
    if (n > 1) q = m.logMem[at + 1];
}

QByteArray Record(const SimMeter& m, int r, uint32_t stamp) {
    float p, q;
    LoggedPower(m, r, p, q);
    const float u = 230.f + 2.f * std::sin(float(r) / 7.f);
    const float pf = 0.93f;
    const float values[] = {
        u + 3.f, u, std::fabs(p) / (3.f * u * pf), p, q, 50.f + 0.02f * std::sin(float(r)), pf, u - 3.f};
    QByteArray content = Element(0x80, Le32(stamp));
    for (int k = 0; k < int(std::size(values)); ++k)
        content += Element(uint8_t(0x81 + k), Float(values[k]));
    return Element(0x30, content);
}

QByteArray Sequence(const SimMeter& m, int index, int count, const SimLog57Setup& setup, int64_t end) {
    const bool first = index == 0, last = index == count - 1, middle = index == count / 2 && !first && !last;
    QByteArray body = Element(0x44, QByteArray(reinterpret_cast<const char*>(kCodes), sizeof kCodes));
    if (!first) body += Element(0x45, QByteArray(1, char(kIntervalSeconds / 60)));
    int64_t t = end - int64_t(setup.records - 1) * kIntervalSeconds;
    for (int r = 0; r < setup.records; ++r, t += kIntervalSeconds) {
        if (first && r == setup.records / 2) continue; // a record the module missed
        int64_t stamp = t;
        if (middle && r >= setup.records / 2) stamp -= 3600; // the clock was put back
        if (last && r == 1) stamp -= kIntervalSeconds;       // the same stamp as the record before
        body += Record(m, index * setup.records + r, uint32_t(stamp));
    }
    return List(0x63, body);
}

QByteArray LogFileBody() {
    if (!sim->moduleLog.file.isEmpty()) {
        QFile f(sim->moduleLog.file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    return SimModuleLogFile(sim->meters.front(), sim->moduleLog);
}

// The reply to request; the HTTP faults (nostatus, trailing, shortlength) shape it here.
QByteArray Reply(const QByteArray& request, const SimFault* fault) {
    const QList<QByteArray> line = request.left(request.indexOf("\r\n")).split(' ');
    if (line.size() < 2 || line[0] != "GET" || line[1] != "/log.dat")
        return "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
    const QByteArray body = LogFileBody();
    const auto is = [fault](FaultKind kind) { return fault && fault->kind == kind; };
    if (is(FaultKind::NoStatus)) return body;
    const qsizetype length =
        is(FaultKind::ShortLength) ? std::max<qsizetype>(0, body.size() - fault->param) : body.size();
    QByteArray reply = "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nContent-Length: " +
                       QByteArray::number(length) + "\r\nConnection: close\r\n\r\n" + body;
    if (is(FaultKind::Trailing)) reply += QByteArray(fault->param, '\0');
    return reply;
}

// Writes data after delayMs; the last part closes the connection: the client reads to the close.
void SendPart(QPointer<QTcpSocket> s, const QByteArray& data, int64_t delayMs, bool last) {
    QTimer::singleShot(std::chrono::milliseconds(delayMs), s, [s, data, last] {
        if (!s || s->state() != QAbstractSocket::ConnectedState) return;
        s->write(data);
        if (last) s->disconnectFromHost();
    });
}

void Serve(QTcpSocket* s) {
    auto pending = std::make_shared<QByteArray>();
    QObject::connect(s, &QTcpSocket::readyRead, s, [s, pending] {
        *pending += s->readAll();
        if (pending->size() > kMaxRequestBytes) {
            s->abort();
            return;
        }
        if (!pending->contains("\r\n\r\n")) return;
        SimTrace(sim->timing, "http request", pending->left(pending->indexOf("\r\n")));
        SimPollCommands();
        SimFault fault;
        const bool faulty = SimTakeFault(sim->faults, sim->meters.front().address, fault, SimDoor::Http);
        const QByteArray reply = Reply(*pending, faulty ? &fault : nullptr);
        pending->clear();
        if (faulty && fault.kind == FaultKind::Drop) {
            s->disconnectFromHost();
            return;
        }
        const SimFaultShape shape{0, 0, 50}; // no CRC to spoil
        const QList<SimReplyPart> parts = SimFaultyReply(faulty ? &fault : nullptr, reply, shape);
        for (const SimReplyPart& part : parts)
            SendPart(s, part.data, part.delayMs, &part == &parts.back());
    });
    QObject::connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
}

} // namespace

QByteArray SimModuleLogFile(const SimMeter& m, const SimLog57Setup& setup) {
    const int64_t now = setup.endUnix ? setup.endUnix : QDateTime::currentSecsSinceEpoch();
    const int64_t newest = now / kIntervalSeconds * kIntervalSeconds;
    const int64_t span = int64_t(setup.records + 4) * kIntervalSeconds;
    QByteArray body = Element(0x41, QByteArray("\x00\x30\x11\x57\x00", 5) + char(m.address));
    body += Element(0x42, "ZARO-SIM " + QByteArray::number(m.address));
    for (int s = 0; s < setup.sequences; ++s)
        body += Sequence(m, s, setup.sequences, setup, newest - int64_t(setup.sequences - 1 - s) * span);
    return List(0x70, body);
}

bool SimHttpStart(Simulator& simulator, const QHostAddress& address, quint16 port, quint16& boundPort,
                  QString& error) {
    sim = &simulator;
    auto* server = new QTcpServer;
    if (!server->listen(address, port)) {
        error = server->errorString();
        delete server;
        return false;
    }
    boundPort = server->serverPort();
    QObject::connect(server, &QTcpServer::newConnection, server, [server] {
        while (QTcpSocket* s = server->nextPendingConnection())
            Serve(s);
    });
    return true;
}
