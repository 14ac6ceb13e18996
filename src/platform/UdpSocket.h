// Datagram sockets of the operating system. Results are the system's error numbers
// (errno), 0 for success.
#pragma once

#include <cstdint>

// shared: other sockets (another program, a second window) may be bound to the same
// port at the same time; every one of them gets the broadcasts to it.
int UdpSocketOpen(int localPort, int& socket, bool shared = false);
int UdpSocketSend(int socket, const void* data, int length, uint32_t addressNetworkOrder, int port);
// Waits up to timeoutMs for one datagram; the windows keep repainting meanwhile.
// Returns 0 when one arrived, else the error number (ETIMEDOUT on time-out, EMSGSIZE
// when the datagram was longer than size and was cut). got tells the datagram's length
// (at most size) and its sender.
struct UdpDatagram {
    int length = 0;
    uint32_t sender = 0; // network order
    int senderPort = 0;
};
int UdpSocketReceiveFrom(int socket, void* buffer, int size, int timeoutMs, UdpDatagram& got);
// True when a datagram from sender:senderPort left this very socket: it came from this
// machine (loopback or one of its interface addresses) and from the socket's own port.
bool UdpSocketIsOwnSender(int socket, uint32_t sender, int senderPort);
void UdpSocketClose(int socket);
