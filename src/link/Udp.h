// UDP datagrams for the discovery and set-up of gateways and modules. Results are
// socket error numbers in the Windows Sockets numbering the texts are keyed by.
#pragma once

#include <cstdint>

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

// A configuration message broadcast from the device port to the device port, and the
// wait for a device's answer (the program's own broadcast does not count). The stage
// that failed, with its error number in error.
enum class UdpExchange { Answered, OpenFailed, WriteFailed, NoAnswer };
UdpExchange UDPBroadcastAndAwait(int port, const void* message, int length, int answerSize, int timeoutMs,
                                 int& error);
const char* UDPErrorString(int error);
