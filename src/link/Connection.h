// The connection the link talks over and the meter at its other end. The settings
// files, the communication panel and zaro-cli's options set these; the link reads them

#pragma once

#include "link/CommKind.h"

#include <cstdint>
#include <string>

// What the link uses until the settings files are read, and what they fall back to.
constexpr int32_t kDefaultCommPort = 1;
constexpr int32_t kDefaultCommType = kRS232;
constexpr int32_t kDefaultBaudrate = 3; // 9600
constexpr int32_t kDefaultParity = 0;
constexpr int32_t kDefaultDeviceAddr = 247;
constexpr int32_t kDefaultRTSFlow = 1;
constexpr int32_t kDefaultAutoPortClose = 1;
constexpr int32_t kDefaultRecTimeout = 200;
constexpr int32_t kDefaultTCPPort = 502;
constexpr int32_t kDefaultTCPDevAddr = 247;

// Serial line
extern int32_t CommPort;         // 1..16 for /dev/ttyS(n-1); 0 for another device in CommPortPath
extern std::string CommPortPath; // Linux device path chosen for the port; empty = /dev/ttyS(CommPort-1)
extern int32_t CommType;         // a CommKind
extern int32_t Baudrate;         // index into 1200, 2400, 4800, 9600, 19200
extern int32_t Parity;           // RS-485 character format index 0..3
extern int32_t DeviceAddr;       // RS-485 address of the meter in use
extern int32_t RTSFlow;
extern int32_t AutoPortClose;
extern int32_t RecTimeout; // ms

// Modbus/TCP gateways
constexpr int kMaxGateways = 256;
extern int32_t TCPPort;
extern int32_t GatewayIndex;
extern int32_t TCPDevAddr;

// The bus address of the meter in use: DeviceAddr on RS-485, TCPDevAddr behind a
// gateway (and as the unit a module is asked for).
int32_t MeterAddressInUse();

// LANMOD57 module in use (the modules themselves: netmodules/LANMOD57.h)
extern int32_t LM57Index;

// Makes kind (CommType), gateway (GatewayIndex) and module (LM57Index) the interface in
// use. A change of any of them closes every Modbus/TCP connection (ModbusTcp.cpp); the
// next connect does the same for a change the settings files made.
void SelectInterface(int kind, int gateway, int module);

// Model name the meter reported: 4 characters and a terminating zero.
extern char Devtype[8];
