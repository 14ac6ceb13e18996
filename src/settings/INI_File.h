// The three settings files and the program-wide settings they hold; the connection's
// (link/Connection.h) are read into and written from the session handed over.
#pragma once

#include "config/MeterSession.h"
#include "netmodules/KnownDevices.h"

#include <cstdint>
#include <string>

// ZARO.ini
constexpr int32_t kDefaultLanguage = 1;
// COMPort: serial port 1..16, or 0 beside a device path that is none of them.
constexpr int32_t kMaxCommPort = 16;
extern int32_t Language;       // 0 German, 1 English, 2 Dutch, 3 French
extern int32_t Devices485[32]; // addresses found or chosen, ascending, 0 = free

// ZAROTCP.ini holds the gateways of the known devices, ZARODEV.ini the modules.
constexpr int32_t kDefaultNumGateways = 0;

// Folder that holds the three files. Set once at start-up (or by zaro-cli --settings).
extern std::string SettingsDir;

// Reply time-outs outside this range either stall the program or never let a meter
// answer; stored and entered values are brought into it.
constexpr int32_t kMinTimeout = 50;
constexpr int32_t kMaxTimeout = 10000;
int32_t ClampTimeout(int64_t ms);

// The New* routines return 0 when the file could not be written.
// ZARO.ini holds the session's connection and a few fields of its edited configuration.
void LoadINIDefault(MeterSession& session);
int ReadINIFile(MeterSession& session);
int NewINIFile(const MeterSession& session);
void LoadINIDefaultTCP(KnownDevices& devices, Connection& connection);
int ReadINIFileTCP(KnownDevices& devices, Connection& connection);
int NewINIFileTCP(const KnownDevices& devices, const Connection& connection);
void LoadDevINIDefault(KnownDevices& devices, Connection& connection);
int ReadDevINIFile(KnownDevices& devices, Connection& connection);
int NewDevINIFile(const KnownDevices& devices, const Connection& connection);

// The start-up sequence for all three files: defaults, read over them, rewrite when
// reading failed (only when rewriteUnreadable: zaro-cli leaves files alone).
void LoadAllSettings(KnownDevices& devices, MeterSession& session, bool rewriteUnreadable);
