#include "link/Connection.h"

int32_t CommPort = 1;
std::string CommPortPath;
int32_t CommType = 0;
int32_t Baudrate = 3;
int32_t Parity = 0;
int32_t DeviceAddr = 247;
int32_t RTSFlow = 1;
int32_t AutoPortClose = 1;
int32_t RecTimeout = 200;

int32_t TCPPort = 502;
int32_t GatewayIndex = 0;
int32_t TCPDevAddr = 247;
char GatewayIP[kMaxGateways][16] = {};
int32_t DevicesTCP[kMaxGateways][32] = {};

int32_t LM57Index = 0;

char Devtype[8] = {};
