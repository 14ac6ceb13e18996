#include "link/Connection.h"

int32_t CommPort = kDefaultCommPort;
std::string CommPortPath;
int32_t CommType = kDefaultCommType;
int32_t Baudrate = kDefaultBaudrate;
int32_t Parity = kDefaultParity;
int32_t DeviceAddr = kDefaultDeviceAddr;
int32_t RTSFlow = kDefaultRTSFlow;
int32_t AutoPortClose = kDefaultAutoPortClose;
int32_t RecTimeout = kDefaultRecTimeout;

int32_t TCPPort = kDefaultTCPPort;
int32_t GatewayIndex = 0;
int32_t TCPDevAddr = kDefaultTCPDevAddr;

int32_t LM57Index = 0;

char Devtype[8] = {};

int32_t MeterAddressInUse() {
    return CommType == kRS485 ? DeviceAddr : TCPDevAddr;
}
