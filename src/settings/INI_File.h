// The three settings files and the program-wide settings they hold (the link's own
// among them: link/Connection.h).
#pragma once

#include "link/Connection.h"

#include <cstdint>
#include <string>

// ZARO.ini
constexpr int32_t kDefaultLanguage = 1;
// COMPort: serial port 1..16, or 0 beside a device path that is none of them.
constexpr int32_t kMaxCommPort = 16;
extern int32_t Language;       // 0 German, 1 English, 2 Dutch, 3 French
extern int32_t Devices485[32]; // addresses found or chosen, ascending, 0 = free

// ZAROTCP.ini
constexpr int32_t kDefaultNumGateways = 0;
extern int32_t NumGateways;
extern char GatewayMAC[kMaxGateways][18];
extern char GatewayName[kMaxGateways][30];

// ZARODEV.ini
constexpr int kMaxModules = 256;
extern int32_t Num57;
extern char MAC57[kMaxModules][18];
extern char IP57[kMaxModules][16];
extern char Gateway57[kMaxModules][16];
extern char Sub57[kMaxModules][16];
extern char DHCP57[kMaxModules][3];
extern char Name57[kMaxModules][33];

// Folder that holds the three files. Set once at start-up (or by zaro-cli --settings).
extern std::string SettingsDir;

// Reply time-outs outside this range either stall the program or never let a meter
// answer; stored and entered values are brought into it.
constexpr int32_t kMinTimeout = 50;
constexpr int32_t kMaxTimeout = 10000;
int32_t ClampTimeout(int64_t ms);

// The New* routines return 0 when the file could not be written.
void LoadINIDefault();
int ReadINIFile();
int NewINIFile();
void LoadINIDefaultTCP();
int ReadINIFileTCP();
int NewINIFileTCP();
void LoadDevINIDefault();
int ReadDevINIFile();
int NewDevINIFile();

// The start-up sequence for all three files: defaults, read over them, rewrite when
// reading failed (only when rewriteUnreadable: zaro-cli leaves files alone);
// copies the modules into the module records.
void LoadAllSettings(bool rewriteUnreadable);
