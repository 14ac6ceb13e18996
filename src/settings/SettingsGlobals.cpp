#include "settings/INI_File.h"

int32_t Language = 1;
int32_t CommPort = 1;
std::string CommPortPath;
int32_t CommType = 0;
int32_t Baudrate = 3;
int32_t Parity = 0;
int32_t DeviceAddr = 247;
int32_t RTSFlow = 1;
int32_t AutoPortClose = 1;
int32_t RecTimeout = 200;
int32_t Devices485[32] = {};

int32_t NumGateways = 0;
int32_t TCPPort = 502;
int32_t GatewayIndex = 0;
int32_t TCPDevAddr = 247;
char GatewayIP[kMaxGateways][16] = {};
char GatewayMAC[kMaxGateways][18] = {};
char GatewayName[kMaxGateways][30] = {};
int32_t DevicesTCP[kMaxGateways][32] = {};

int32_t Num57 = 0;
int32_t LM57Index = 0;
char MAC57[kMaxModules][18] = {};
char IP57[kMaxModules][16] = {};
char Gateway57[kMaxModules][16] = {};
char Sub57[kMaxModules][16] = {};
char DHCP57[kMaxModules][3] = {};
char Name57[kMaxModules][33] = {};

std::string SettingsDir;
