#include "platform/HttpClient.h"

#include <QEventLoop>
#include <QTcpSocket>
#include <QTimer>
#include <algorithm>

namespace {

// Room for the status line and header lines beside the body.
constexpr qsizetype kHeaderAllowance = 16 * 1024;

bool ThreeDigits(const QByteArray& s) {
    return s.size() == 3 && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

HttpOutcome ParseHttpReply(const QByteArray& raw, int& status, QByteArray& body) {
    const qsizetype headerEnd = raw.indexOf("\r\n\r\n");
    if (headerEnd < 0) return HttpOutcome::NoHeaderEnd;
    const QByteArray line = raw.left(raw.indexOf("\r\n"));
    const QList<QByteArray> fields = line.split(' ');
    if (!line.startsWith("HTTP/") || fields.size() < 2 || !ThreeDigits(fields[1]))
        return HttpOutcome::NoHeaderEnd;
    status = fields[1].toInt();
    body = raw.mid(headerEnd + 4);
    return HttpOutcome::Ok;
}

HttpReply HttpGet(const std::string& host, int port, const QByteArray& request, const HttpLimits& limits) {
    HttpReply reply;
    QTcpSocket socket;
    QEventLoop loop;
    QTimer phase, total; // phase: connect, then write, then silence between reads
    phase.setSingleShot(true);
    total.setSingleShot(true);
    QByteArray raw;
    bool connected = false, sent = false, done = false;
    auto finish = [&](HttpOutcome outcome) {
        if (done) return; // the first verdict stands
        done = true;
        reply.outcome = outcome;
        loop.quit();
    };
    auto take = [&] {
        raw += socket.read(limits.maxBody + kHeaderAllowance + 1 - raw.size());
        if (raw.size() > limits.maxBody + kHeaderAllowance) finish(HttpOutcome::TooLarge);
        phase.start(limits.idleMs);
    };
    QObject::connect(&socket, &QTcpSocket::connected, [&] {
        connected = true;
        phase.start(limits.writeMs);
        socket.write(request);
    });
    QObject::connect(&socket, &QTcpSocket::bytesWritten, [&] {
        if (socket.bytesToWrite() > 0) return;
        sent = true;
        phase.start(limits.idleMs);
    });
    QObject::connect(&socket, &QTcpSocket::readyRead, take);
    QObject::connect(&socket, &QTcpSocket::disconnected, [&] {
        take();
        finish(sent ? HttpOutcome::Ok : HttpOutcome::SendFailed);
    });
    QObject::connect(&socket, &QTcpSocket::errorOccurred, [&](QAbstractSocket::SocketError e) {
        if (e == QAbstractSocket::RemoteHostClosedError) return; // the orderly end: disconnected follows
        finish(!connected ? HttpOutcome::ConnectFailed
               : !sent    ? HttpOutcome::SendFailed
                          : HttpOutcome::ReadFailed);
    });
    QObject::connect(&phase, &QTimer::timeout, [&] {
        finish(!connected ? HttpOutcome::ConnectFailed
               : !sent    ? HttpOutcome::SendFailed
                          : HttpOutcome::TimedOut);
    });
    QObject::connect(&total, &QTimer::timeout, [&] { finish(HttpOutcome::TimedOut); });

    phase.start(limits.connectMs);
    total.start(limits.totalMs);
    socket.connectToHost(QString::fromStdString(host), quint16(port));
    if (!done) loop.exec(QEventLoop::ExcludeUserInputEvents);
    socket.disconnect(); // no callbacks while the socket goes away
    socket.abort();
    if (reply.outcome != HttpOutcome::Ok) return reply;
    reply.outcome = ParseHttpReply(raw, reply.status, reply.body);
    if (reply.outcome == HttpOutcome::Ok && reply.body.size() > limits.maxBody) {
        reply.outcome = HttpOutcome::TooLarge;
        reply.body.clear();
    }
    return reply;
}
