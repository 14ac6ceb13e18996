// The one serial port of the program. Waiting for bytes keeps the windows repainting
// but takes no user input, so timer ticks may run meanwhile (see LinkBusy()).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum SerialParity { kParityNone = 0, kParityEven = 1, kParityOdd = 2 };

// Opens the device at path with 8 data bits. Returns 0, or the serial library's code:
// -2 invalid port name, -6 no such port, -7 port cannot be opened, -1 configuring failed.
int SerialOpen(const std::string& path, int baud, SerialParity parity, int stopBits);
void SerialClose();
bool SerialIsOpen();
int SerialOpenCount(); // opens since the program started: lets tests see reopening

// Queues n bytes; returns the count accepted.
int SerialWrite(const uint8_t* data, int n);
// Returns once every queued byte has left the port.
void SerialWaitUntilSent();
// Reads what has arrived, up to n bytes; when nothing has, waits up to waitMs for it.
// Returns the count read (0..n), or -1 when the port is closed (also by a callback
// during the wait).
int SerialReadSome(uint8_t* buffer, int n, int waitMs);
// Discards unread input and unsent output.
void SerialFlush();
// Raises or clears RTS. A port that cannot drive RTS (a pseudo-terminal) ignores it.
void SerialSetRTS(bool on);
// False once the open port refused RTS: there is then no converter to turn round.
bool SerialDrivesRTS();

// The serial devices this machine has (/dev/ttyS*, ttyUSB*, ttyACM*), sorted.
std::vector<std::string> AvailableSerialPorts();
