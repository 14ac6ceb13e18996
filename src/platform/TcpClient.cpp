#include "platform/TcpClient.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QHostAddress>
#include <QSignalBlocker>
#include <QTcpSocket>
#include <map>

namespace {

std::map<int, QTcpSocket*> sockets;
std::map<int, TcpCallback> callbacks;
int nextHandle = 1;

QTcpSocket* Socket(int handle) {
    auto it = sockets.find(handle);
    return it == sockets.end() ? nullptr : it->second;
}

void LetWindowsRepaint() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

// Four decimal numbers 0..255 joined by dots. Devices report their addresses, and
// what they report is never handed to the name resolver.
bool DottedAddress(const std::string& text, QHostAddress& address) {
    quint32 value = 0;
    int parts = 0, digits = 0, part = 0;
    for (const char c : text + '.') {
        if (c == '.') {
            if (digits == 0 || ++parts > 4) return false;
            value = value << 8 | quint32(part);
            digits = part = 0;
        } else if (c >= '0' && c <= '9') {
            part = part * 10 + (c - '0');
            ++digits;
            if (part > 255) return false;
        } else {
            return false;
        }
    }
    if (parts != 4) return false;
    address = QHostAddress(value);
    return true;
}

} // namespace

int ConnectToTCPServer(const std::string& host, int port, TcpCallback callback, int timeoutMs) {
    QHostAddress address;
    if (!DottedAddress(host, address)) return -1;
    auto* s = new QTcpSocket;
    s->connectToHost(address, quint16(port));
    QDeadlineTimer deadline(timeoutMs);
    while (s->state() != QAbstractSocket::ConnectedState && s->state() != QAbstractSocket::UnconnectedState &&
           !deadline.hasExpired()) {
        s->waitForConnected(int(std::min<qint64>(20, deadline.remainingTime())));
        LetWindowsRepaint();
    }
    if (s->state() != QAbstractSocket::ConnectedState) {
        delete s;
        return -1;
    }
    const int handle = nextHandle++;
    sockets[handle] = s;
    callbacks[handle] = callback;
    QObject::connect(s, &QTcpSocket::readyRead, s,
                     [handle, callback] { callback(handle, TCP_DATAREADY, 0, nullptr); });
    QObject::connect(s, &QTcpSocket::disconnected, s,
                     [handle, callback] { callback(handle, TCP_DISCONNECT, 0, nullptr); });
    return handle;
}

int ClientTCPWrite(int handle, const uint8_t* data, int n, int timeoutMs) {
    QTcpSocket* s = Socket(handle);
    if (!s || s->state() != QAbstractSocket::ConnectedState) return -1;
    const qint64 w = s->write(reinterpret_cast<const char*>(data), n);
    if (w < 0) return -1;
    s->flush(); // out now, without waiting for the event loop
    QDeadlineTimer deadline(timeoutMs);
    while (s->bytesToWrite() > 0 && !deadline.hasExpired())
        if (!s->waitForBytesWritten(int(std::min<qint64>(20, deadline.remainingTime()))) &&
            s->state() != QAbstractSocket::ConnectedState)
            return -1;
    return s->bytesToWrite() > 0 ? int(w - s->bytesToWrite()) : int(w);
}

int ClientTCPRead(int handle, uint8_t* buffer, int n, int timeoutMs) {
    QTcpSocket* s = Socket(handle);
    if (!s) return -1;
    if (s->bytesAvailable() == 0 && timeoutMs > 0 && s->state() == QAbstractSocket::ConnectedState)
        s->waitForReadyRead(timeoutMs);
    const qint64 r = s->read(reinterpret_cast<char*>(buffer), n);
    return r < 0 ? -1 : int(r);
}

void ClientTCPDiscardInput(int handle) {
    QTcpSocket* s = Socket(handle);
    if (!s) return;
    {
        // Also what the system holds but the socket has not fetched yet; no callbacks
        // for bytes that are thrown away.
        const QSignalBlocker quiet(s);
        while (s->waitForReadyRead(0))
            s->readAll();
        s->readAll();
    }
    if (s->state() == QAbstractSocket::UnconnectedState) {
        const TcpCallback callback = callbacks[handle];
        callback(handle, TCP_DISCONNECT, 0, nullptr);
    }
}

void ClientTCPWaitForData(int handle, int timeoutMs) {
    QTcpSocket* s = Socket(handle);
    if (s && s->state() == QAbstractSocket::ConnectedState && s->waitForReadyRead(timeoutMs)) return;
    LetWindowsRepaint(); // between slices without data only: a reply is not held up
}

int DisconnectFromTCPServer(int handle) {
    QTcpSocket* s = Socket(handle);
    if (!s) return 0;
    sockets.erase(handle);
    callbacks.erase(handle);
    // Deleting it later: this may run inside one of its own signals.
    s->disconnect();
    s->abort();
    s->deleteLater();
    return 0;
}
