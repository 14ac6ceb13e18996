// The RS-485 address search and the address selection of the interface dialog,
// without widgets: the dialog and zaro-cli share them.
#pragma once

#include "link/Connection.h"

#include <cstdint>
#include <functional>
#include <string>

constexpr int kMaxBusAddress = 247;
constexpr int kMaxSelected = 32;

// Probes 1..highestAddress (32 or 247) on the RS-485 port of the link's connection with
// the echo function and keeps the first 32 that answer in Devices485; found, when
// given, counts them. probing(address) runs before each probe so that a window can
// show the address and repaint. Returns 1 when
// the search ran to its end. When the port cannot be opened the error is shown,
// nothing is changed and -1 is returned; when the port vanishes during the search the
// error is shown, what was found so far is kept and 0 is returned. Storing the result
// is the caller's (not after -1): the dialog keeps every setting, zaro-cli only the
// addresses.
int SearchAddress(int highestAddress, const std::function<void(int address)>& probing = {},
                  int* found = nullptr);

// Takes the ticked addresses (ticked[a - 1] for address a) in ascending order, at most
// 32, into Devices485; the first becomes the connection's meterAddress.
void GetRS485DeviceSelection(const bool (&ticked)[kMaxBusAddress], Connection& connection);

// The port number COMPort keeps beside the device path: n for /dev/ttyS(n-1), the
// device the link opens for port n without a path; 0 for any other device.
int32_t PortNumberOf(const std::string& device);

// The time-out field in seconds as milliseconds: truncated, then brought into
// kMinTimeout..kMaxTimeout so that 0 or a negative entry neither spins nor stalls.
int32_t TimeoutFromSeconds(double seconds);
