// The one door to the meter: request tables, RTU frames and the transaction engine.
// One request is in flight at a time; the shared buffers rely on that.
#pragma once

#include "link/ConfigImageLayout.h"

#include <cstdint>
#include <span>
#include <vector>

// Read table: start hi, start lo, count hi, count lo, as on the wire.
constexpr int kReadRequests = 36;
constexpr int kWriteRequests = 12;
extern const uint8_t Rtel[kReadRequests][4];
// Write table: start hi, start lo, count hi, count lo, byte count, frame length w/o CRC.
extern const uint8_t Stel[kWriteRequests][6];

extern uint8_t SendBuffer[512];
extern int32_t SndLen;
extern uint8_t RecBuffer[512];
extern int32_t RecLen;

// Data blocks filled by reads or sent by writes; layouts belong to their owners.
extern uint8_t Measurands[144];
extern uint8_t MinMax[168];
extern uint8_t Meters[32];
extern uint8_t MeterScale[4];
extern uint8_t DevStatus[4];
extern uint8_t ResetMinMax[8];
extern uint8_t ResetMeter[4];
extern uint8_t PowerInt[100];
extern uint8_t PowerIntTrnd[20];
extern uint8_t PowerIntMinMax[40];
extern uint8_t AvgTrend[76];
extern uint8_t AvgMinMax[72];
extern uint8_t UnbU[4], THDU[8], THDI[8];
extern uint8_t UnbUmax[4], THDUmax[8], THDImax[8];
extern uint8_t Harm_U[84], Harm_I[84], Harm_Umax[84], Harm_Imax[84];
extern uint8_t Log[32];
extern uint8_t LoggerData[256];

extern int32_t CommPortOpen;
extern int status; // result of the last device operation: 1 success, 0 failure

uint16_t CRC16(uint16_t crc, uint8_t byte);
void Buff(uint8_t* pointer, int mode); // mode 2: swap 2 bytes; mode 4: swap 0<->1 and 2<->3
void MakeProtocol(int kind, ConfigImage& image, int index, int showErrors, int broadcast);

int InitInterface(int port);
int CloseInterface();
int WaitUntilSent();
int DataTransmission(int showErrors, int broadcast);
int Read(ConfigImage& image, int index, int showErrors);
int Write(ConfigImage& image, int index, int showErrors, int broadcast);
int Diagnose(int port, int address);

// Checks a serial reply of n bytes in RecBuffer against RecLen: 1 good, 0 wrong
// length, -1 wrong CRC.
int CheckReply(int n);
// Converts the good reply in RecBuffer and copies it to read request index's
// destination (image for the configuration requests).
void DistributeReply(ConfigImage& image, int index);
// Where read request index leaves its data, whole blocks in memory order (request 10
// keeps nothing; 19 and 21 fill two blocks).
std::vector<std::span<uint8_t>> ReadDestinations(ConfigImage& image, int index);

// True while a transaction or a connect is running. A timer tick that arrives then
// (the TCP wait and the serial wait both let timers run) must skip its poll instead
// of starting a second transaction on the shared buffers; Read, Write and Diagnose
// called meanwhile return 0 without sending.
bool LinkBusy();
