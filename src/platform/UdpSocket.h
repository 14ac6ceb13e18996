// Datagram sockets of the operating system. Results are the system's error numbers
// (errno), 0 for success.
#pragma once

#include <cstdint>

int UdpSocketOpen(int localPort, int& socket);
int UdpSocketSend(int socket, const void* data, int length, uint32_t addressNetworkOrder, int port);
// Waits up to timeoutMs for one datagram; the windows keep repainting meanwhile.
// Returns 0 when one arrived, else the error number (ETIMEDOUT on time-out, EMSGSIZE
// when the datagram was longer than size and was cut).
int UdpSocketReceive(int socket, void* buffer, int size, int timeoutMs);
void UdpSocketClose(int socket);
