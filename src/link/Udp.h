// UDP datagrams for the discovery and set-up of gateways and modules. Results are
// socket error numbers in the Windows Sockets numbering the texts are keyed by.
#pragma once

#include "platform/UdpSocket.h"

#include <cstdint>
#include <functional>

// What the exchanges need of the sockets and of the clock, as one table of functions.
// The program runs on the real sockets and clock; tests install a scripted network, so
// that time-outs and deadlines run without a network and without waiting.
struct UdpTransport {
    int (*open)(int localPort, int& socket, bool shared);
    int (*send)(int socket, const void* data, int length, uint32_t addressNetworkOrder, int port);
    int (*receive)(int socket, void* buffer, int size, int timeoutMs, UdpDatagram& got);
    bool (*isOwnSender)(int socket, uint32_t sender, int senderPort);
    void (*close)(int socket);
    int64_t (*nowMs)();      // milliseconds since an arbitrary start
    void (*pauseMs)(int ms); // a wait during which the windows repaint
};
// Installs the table; the previous one is returned. nullptr installs the real one.
const UdpTransport* SetUdpTransport(const UdpTransport* transport);

// 0 or an error number. shared: the port may be bound by others at the same time (the
// gateways' and modules' own ports, where the program's broadcasts also arrive).
int UDPOpen(int localPort, int& socket, bool shared = false);
int UDPWrite(int socket, const void* data, int length, uint32_t addressNetworkOrder, int port);
// 0 datagram, 10040 a datagram cut to size, 1 time-out or another error
int UDPRead(int socket, void* buffer, int size, int timeoutMs);
// As UDPRead; length tells how many bytes came, and a datagram that this socket sent
// itself (its own broadcast, back from the network) is skipped: it answers nothing.
int UDPReadAnswer(int socket, void* buffer, int size, int timeoutMs, int& length);
int UDPClose(int socket); // 0
// Waits ms on the transport's clock (a device coming back after a change).
void UDPPause(int ms);

// The longest a discovery scan listens, however many keep answering: a device (or
// anything else) that never falls silent must not hold the program.
constexpr int kUdpScanLimitMs = 3000;

// The stage an exchange ended in; with OpenFailed and WriteFailed the error number in
// error.
enum class UdpExchange { Answered, OpenFailed, WriteFailed, NoAnswer };

// A discovery scan: the request broadcast from a free local port to the device port,
// then every answer of at most answerSize bytes handed to take, until none comes for
// quietMs or kUdpScanLimitMs have passed. Answered when anything came.
UdpExchange UDPScan(int port, const void* request, int length, int answerSize, int quietMs,
                    const std::function<void(const char* data, int length)>& take, int& error);

// A configuration message broadcast from the device port to the device port, and the
// wait of at most timeoutMs for an answer that confirms it: anything else that arrives
// meanwhile (another program's datagram, a refusal) is no answer.
UdpExchange UDPBroadcastAndAwait(int port, const void* message, int length, int answerSize, int timeoutMs,
                                 const std::function<bool(const char* data, int length)>& confirms,
                                 int& error);
const char* UDPErrorString(int error);
