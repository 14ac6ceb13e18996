// Modbus/TCP client connections. Each connection has a callback that is told about
// arriving data and about the peer closing; it runs whenever events are processed.
#pragma once

#include <cstdint>
#include <string>

enum TcpEvent { TCP_DATAREADY = 1, TCP_DISCONNECT = 2 };

using TcpCallback = int (*)(int handle, int event, int error, void* callbackData);

// Connects to host, a dotted IPv4 address (names are not looked up), within timeoutMs
// while the windows keep repainting (no user input). Returns a handle (>= 0) or a
// negative code.
int ConnectToTCPServer(const std::string& host, int port, TcpCallback callback, int timeoutMs);
// Returns the bytes written (all of them, or fewer / below 0 on failure).
int ClientTCPWrite(int handle, const uint8_t* data, int n, int timeoutMs);
// Reads up to n bytes, waiting up to timeoutMs for the first of them when none are
// queued. Returns the count (0 on time-out) or -1 when the connection is gone.
int ClientTCPRead(int handle, uint8_t* buffer, int n, int timeoutMs);
// Discards whatever bytes are queued for reading.
void ClientTCPDiscardInput(int handle);
// Waits up to timeoutMs for data on the connection and delivers it to the callback.
void ClientTCPWaitForData(int handle, int timeoutMs);
int DisconnectFromTCPServer(int handle);
