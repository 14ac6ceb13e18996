// UDP datagrams for the discovery and set-up of gateways and modules. Results are
// socket error numbers in the Windows Sockets numbering the texts are keyed by.
#pragma once

#include <cstdint>

int UDPOpen(int localPort, int& socket); // 0 or an error number
int UDPWrite(int socket, const void* data, int length, uint32_t addressNetworkOrder, int port);
// 0 datagram, 10040 a datagram cut to size, 1 time-out or another error
int UDPRead(int socket, void* buffer, int size, int timeoutMs);
int UDPClose(int socket); // 0
const char* UDPErrorString(int error);
