// Modbus/TCP server: a gateway with meters behind it, or the meter's own module.
#include "Simulator.h"

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <map>

namespace {

constexpr int kExGatewayTarget = 11; // gateway target device failed to respond

QTcpServer* server = nullptr;
Simulator* sim = nullptr;
bool moduleMode = false;

QByteArray Mbap(const QByteArray& request, uint8_t unit, const QByteArray& pdu) {
    QByteArray r = request.left(4); // transaction and protocol identifiers echoed
    const int len = int(pdu.size()) + 1;
    r.append(char(len >> 8));
    r.append(char(len & 0xFF));
    r.append(char(unit));
    r.append(pdu);
    return r;
}

// close: the connection is closed right behind the data (fault "close").
void Send(QPointer<QTcpSocket> s, const QByteArray& data, int delayMs, bool close = false) {
    auto go = [s, data, close] {
        if (!s || s->state() != QAbstractSocket::ConnectedState) return;
        SimTrace(sim->timing, "reply", data);
        s->write(data);
        s->flush();
        if (close) s->disconnectFromHost();
    };
    if (delayMs <= 0)
        go();
    else
        QTimer::singleShot(delayMs, Qt::PreciseTimer, s, go);
}

// The meter a unit reaches, or nullptr when the unit is absent.
SimMeter* Target(int unit, uint8_t function) {
    if (!moduleMode) return SimFindMeter(sim->meters, unit);
    SimMeter& own = sim->meters.front();
    if (unit == own.address) return &own;
    // The module itself answers reads at 255 from its meter; writes need the meter's address.
    if (unit == 255 && function != 16) return &own;
    return nullptr;
}

void Respond(QTcpSocket* socket, const QByteArray& request) {
    const int64_t now = SimNowMs();
    const uint8_t unit = uint8_t(request[6]);
    const QByteArray pdu = request.mid(7);
    if (pdu.isEmpty()) return;
    if (unit == 0) {
        SimBroadcastPdu(sim->meters, pdu, now);
        return;
    }
    SimMeter* m = Target(unit, uint8_t(pdu[0]));
    if (m && m->missFirst && m->requests++ == 0) return;
    SimPollCommands();
    SimFault fault;
    const bool faulty = SimTakeFault(sim->faults, unit, fault);
    QByteArray answer;
    if (!m) {
        answer.append(char(uint8_t(pdu[0]) | 0x80));
        answer.append(char(kExGatewayTarget));
    } else {
        answer = SimAnswerPdu(*m, pdu, now);
    }
    if (faulty && fault.kind == FaultKind::Exception) {
        answer = QByteArray();
        answer.append(char(uint8_t(pdu[0]) | 0x80));
        answer.append(char(fault.param));
    }
    QByteArray reply = Mbap(
        request, faulty && fault.kind == FaultKind::OtherUnit ? uint8_t(unit == 255 ? 254 : unit + 1) : unit,
        answer);
    if (faulty && fault.kind == FaultKind::Drop) {
        socket->disconnectFromHost();
        return;
    }
    QPointer<QTcpSocket> s(socket);
    if (faulty && fault.kind == FaultKind::Absent) { // the gateway's own answer, its own unit
        const char exception[2] = {char(uint8_t(pdu[0]) | 0x80), char(kExGatewayTarget)};
        Send(s, Mbap(request, uint8_t(fault.param), QByteArray(exception, 2)), int(sim->timing.turnaroundMs));
        return;
    }
    const SimFaultShape shape{7, 0x40, 50}; // the function code
    const QList<SimReplyPart> parts = SimFaultyReply(faulty ? &fault : nullptr, reply, shape);
    for (const SimReplyPart& part : parts)
        Send(s, part.data, int(sim->timing.turnaroundMs + part.delayMs),
             faulty && fault.kind == FaultKind::Close && &part == &parts.back());
}

std::map<QTcpSocket*, QByteArray> buffers; // requests received in part, per connection

void OnReadable(QTcpSocket* socket) {
    QByteArray& buf = buffers[socket];
    buf.append(socket->readAll());
    while (buf.size() >= 7 && socket->state() == QAbstractSocket::ConnectedState) {
        const int len = (uint8_t(buf[4]) << 8) | uint8_t(buf[5]);
        if (len < 2 || len > 254 || buf[2] != 0 || buf[3] != 0) { // not Modbus/TCP: give up on it
            SimTrace(sim->timing, "bad header", buf);
            buf.clear();
            socket->disconnectFromHost();
            return;
        }
        if (buf.size() < 6 + len) return;
        const QByteArray frame = buf.left(6 + len);
        buf.remove(0, 6 + len);
        SimTrace(sim->timing, "request", frame);
        Respond(socket, frame); // may close the connection (fault "drop")
    }
}

void OnConnection() {
    while (QTcpSocket* socket = server->nextPendingConnection()) {
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket] { OnReadable(socket); });
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QObject::destroyed, [socket] { buffers.erase(socket); });
    }
}

} // namespace

bool SimTcpStart(Simulator& simulator, bool module, const QHostAddress& address, quint16 port,
                 quint16& boundPort, QString& error) {
    sim = &simulator;
    moduleMode = module;
    server = new QTcpServer;
    if (!server->listen(address, port)) {
        error = server->errorString();
        return false;
    }
    boundPort = server->serverPort();
    QObject::connect(server, &QTcpServer::newConnection, &OnConnection);
    return true;
}
