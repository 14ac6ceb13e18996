// What the link needs of the wire and of the clock, as one table of functions. The
// program runs on the real serial port, sockets and clock; tests install a scripted
// table, so the retries, pauses and time-outs of the link run without a line and
// without waiting.
#pragma once

#include "platform/SerialPort.h"
#include "platform/TcpClient.h"

#include <cstdint>
#include <string>

struct LinkTransport {
    // The serial port, as in platform/SerialPort.h, except that reading gives what
    // has arrived (up to n bytes, waiting at most waitMs for the first of them) and
    // -1 once the port is closed: the link owns the reply time-out.
    int (*serialOpen)(const std::string& path, int baud, SerialParity parity, int stopBits);
    void (*serialClose)();
    bool (*serialIsOpen)();
    int (*serialWrite)(const uint8_t* data, int n);
    void (*serialWaitUntilSent)();
    int (*serialReadSome)(uint8_t* buffer, int n, int waitMs);
    void (*serialFlush)();
    void (*serialSetRTS)(bool on);
    bool (*serialDrivesRTS)();

    // Modbus/TCP connections, as in platform/TcpClient.h.
    int (*tcpConnect)(const std::string& host, int port, TcpCallback callback, int timeoutMs);
    int (*tcpWrite)(int handle, const uint8_t* data, int n, int timeoutMs);
    int (*tcpRead)(int handle, uint8_t* buffer, int n, int timeoutMs);
    void (*tcpDiscardInput)(int handle);
    void (*tcpWaitForData)(int handle, int timeoutMs);
    int (*tcpDisconnect)(int handle);

    // Milliseconds since an arbitrary start, and a wait during which the windows repaint.
    int64_t (*nowMs)();
    void (*pauseMs)(int ms);
};

// Installs the table; the previous one is returned. nullptr installs the real one.
const LinkTransport* SetLinkTransport(const LinkTransport* transport);
const LinkTransport& Wire();
