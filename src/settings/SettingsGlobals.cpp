#include "settings/INI_File.h"

int32_t Language = kDefaultLanguage;
int32_t Devices485[32] = {};

int32_t NumGateways = kDefaultNumGateways;
char GatewayMAC[kMaxGateways][18] = {};
char GatewayName[kMaxGateways][30] = {};

int32_t Num57 = 0;
char MAC57[kMaxModules][18] = {};
char IP57[kMaxModules][16] = {};
char Gateway57[kMaxModules][16] = {};
char Sub57[kMaxModules][16] = {};
char DHCP57[kMaxModules][3] = {};
char Name57[kMaxModules][33] = {};

std::string SettingsDir;
