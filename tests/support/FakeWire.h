// Bytes that arrive at times of a clock that moves only while the link waits, and the
// one Modbus/TCP connection the link holds over them, as the transports show them to
// the link: what the scripted line of the link tests and SimLine share.
#pragma once

#include "platform/TcpClient.h"

#include <QByteArray>
#include <algorithm>
#include <cstdint>
#include <map>

struct FakeWire {
    int64_t now = 0;
    std::multimap<int64_t, uint8_t> incoming; // bytes by the time they arrive
    TcpCallback callback = nullptr;           // of the Modbus/TCP connection
    int64_t closesAt = -1;                    // when the peer closes the connection

    void due(int64_t at, const QByteArray& bytes) {
        for (char c : bytes)
            incoming.emplace(at, uint8_t(c));
    }
    // Moves the clock to the next byte due within waitMs, or by waitMs; true when a byte is due.
    bool waitForBytes(int waitMs) {
        if (incoming.empty() || incoming.begin()->first > now + waitMs) {
            now += waitMs;
            return false;
        }
        now = std::max(now, incoming.begin()->first);
        return true;
    }
    int take(uint8_t* buffer, int n) {
        int got = 0;
        while (got < n && !incoming.empty() && incoming.begin()->first <= now) {
            buffer[got++] = incoming.begin()->second;
            incoming.erase(incoming.begin());
        }
        return got;
    }
    void flush() { incoming.erase(incoming.begin(), incoming.upper_bound(now)); }
    bool peerClosedBy(int64_t t) const { return closesAt >= 0 && closesAt <= t; }

    // Modbus/TCP as the socket shows it: what has arrived, waiting only when nothing has;
    // arriving data and the peer's close announced to the connection's callback.
    int tcpRead(uint8_t* buffer, int n, int timeoutMs) {
        if (incoming.empty() || incoming.begin()->first > now) waitForBytes(timeoutMs);
        return take(buffer, n);
    }
    void tcpWaitForData(int handle, int timeoutMs) {
        const int64_t until = now + timeoutMs;
        if (waitForBytes(timeoutMs)) {
            callback(handle, TCP_DATAREADY, 0, nullptr);
        } else if (peerClosedBy(until)) {
            now = std::max(now - timeoutMs, closesAt);
            callback(handle, TCP_DISCONNECT, 0, nullptr);
        }
    }
    void tcpDiscardInput(int handle) {
        flush();
        if (peerClosedBy(now)) callback(handle, TCP_DISCONNECT, 0, nullptr);
    }
};
