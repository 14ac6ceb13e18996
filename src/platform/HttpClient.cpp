#include "platform/HttpClient.h"

#include <QEventLoop>
#include <QTcpSocket>
#include <QTimer>
#include <algorithm>

namespace {

// Room for the status line and header lines beside the body.
constexpr qsizetype kHeaderAllowance = 16 * 1024;

bool Digits(const QByteArray& s) {
    return !s.isEmpty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool HasStatusLine(const QByteArray& raw) {
    return raw.startsWith("HTTP/");
}

// What the header of a reply with a status line tells.
struct ReplyHead {
    int status = 0;
    qsizetype bodyStart = 0;
    qsizetype contentLength = -1; // -1: the body runs to the close
};

// False when the header is not complete or not sound.
bool ParseHead(const QByteArray& raw, ReplyHead& head) {
    const qsizetype headerEnd = raw.indexOf("\r\n\r\n");
    if (headerEnd < 0) return false;
    const QList<QByteArray> lines = raw.left(headerEnd).split('\n');
    const QList<QByteArray> fields = lines[0].trimmed().split(' ');
    if (fields.size() < 2 || fields[1].size() != 3 || !Digits(fields[1])) return false;
    head.status = fields[1].toInt();
    head.bodyStart = headerEnd + 4;
    head.contentLength = -1;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon < 0) continue;
        const QByteArray name = lines[i].left(colon).trimmed().toLower();
        const QByteArray value = lines[i].mid(colon + 1).trimmed();
        if (name == "content-length") {
            // Lengths that disagree leave no way to tell where the body ends.
            const qsizetype n = Digits(value) && value.size() <= 12 ? value.toLongLong() : -1;
            if (n < 0 || (head.contentLength >= 0 && n != head.contentLength)) return false;
            head.contentLength = n;
        } else if (name == "transfer-encoding" && value.toLower() != "identity") {
            return false; // the body would be framed, not the file itself
        }
    }
    return true;
}

} // namespace

HttpOutcome ParseHttpReply(const QByteArray& raw, int& status, QByteArray& body) {
    if (raw.isEmpty()) return HttpOutcome::Garbled;
    if (!HasStatusLine(raw)) {
        status = 200;
        body = raw;
        return HttpOutcome::Ok;
    }
    ReplyHead head;
    if (!ParseHead(raw, head)) return HttpOutcome::Garbled;
    const qsizetype available = raw.size() - head.bodyStart;
    if (head.contentLength > available) return HttpOutcome::Garbled; // cut short
    status = head.status;
    body = raw.mid(head.bodyStart, head.contentLength); // -1: all of it
    return HttpOutcome::Ok;
}

HttpReply HttpGet(const std::string& host, int port, const std::string& path, const HttpLimits& limits) {
    // Connection: close, as the reply is read to the end of the connection.
    const QByteArray request =
        "GET " + QByteArray::fromStdString(path) + " HTTP/1.1\r\nHost: " + QByteArray::fromStdString(host) +
        (port != 80 ? ":" + QByteArray::number(port) : "") + "\r\nConnection: close\r\n\r\n";
    HttpReply reply;
    QTcpSocket socket;
    QEventLoop loop;
    QTimer phase, total; // phase: connect, then write, then silence between reads
    phase.setSingleShot(true);
    total.setSingleShot(true);
    QByteArray raw;
    bool connected = false, sent = false, done = false;
    qsizetype whole = -1;       // the reply's size, once its header tells
    bool headerSettled = false; // read, or too far in to come
    auto finish = [&](HttpOutcome outcome) {
        if (done) return; // the first verdict stands
        done = true;
        reply.outcome = outcome;
        loop.quit();
    };
    auto take = [&] {
        raw += socket.read(limits.maxBody + kHeaderAllowance + 1 - raw.size());
        if (raw.size() > limits.maxBody + kHeaderAllowance) finish(HttpOutcome::TooLarge);
        // A peer that keeps the connection open is done once its Content-Length is in.
        if (!headerSettled && HasStatusLine(raw)) {
            ReplyHead head;
            const bool parsed = ParseHead(raw, head);
            headerSettled = parsed || raw.contains("\r\n\r\n") || raw.size() > kHeaderAllowance;
            if (parsed && head.contentLength > limits.maxBody) finish(HttpOutcome::TooLarge);
            if (parsed && head.contentLength >= 0) whole = head.bodyStart + head.contentLength;
        }
        if (whole >= 0 && raw.size() >= whole) finish(HttpOutcome::Ok);
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
