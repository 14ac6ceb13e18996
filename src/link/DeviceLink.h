// The one door to the meter: request tables, RTU frames and the transaction engine.
// One request is in flight at a time; the shared buffers rely on that.
#pragma once

#include "link/ConfigImageLayout.h"
#include "link/MeterBlocks.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The meter's register map: 36 read requests (function 3) and 12 write requests
// (function 16). Callers name a request by its index in Rtel or Stel.
enum ReadRequest : int {
    kReadValues,       // instantaneous values
    kReadMinMax,       // their min/max
    kReadMeters,       // energy meters
    kReadMeterScale,   // meter scaling
    kReadMeans,        // mean values
    kReadVersions,     // versions and input ranges
    kReadModelName,    // model name; sets the image's model flag
    kReadConfig,       // configuration
    kReadDisplay,      // display, system, image
    kReadDevStatus,    // device status
    kReadUnused10,     // issued by no operation
    kReadLoggerStatus, // logger status
    kReadLoggerData,   // logger blocks: start and count come from Log at run time
    kReadValuesM3,     // instantaneous values, extended model
    kReadMinMaxM3,     // min/max, extended model
    kReadMeansM3,      // mean values, extended model
    kReadFrequency,    // nominal frequency
    kReadConfigM3,     // configuration, extended model
    kReadMeanTrend,    // mean-value trend
    kReadThdU,         // voltage unbalance and THD
    kReadThdI,         // current THD
    kReadThdUMax,      // their maxima
    kReadThdIMax,
    kReadHarmU,      // voltage harmonics, all
    kReadHarmUShort, // voltage harmonics, the first 14
    kReadHarmI,      // current harmonics
    kReadHarmIShort,
    kReadHarmUMax, // voltage harmonics maxima
    kReadHarmUMaxShort,
    kReadHarmIMax, // current harmonics maxima
    kReadHarmIMaxShort,
    kReadMeanMinMax,     // mean-value min/max
    kReadAvgTrend,       // mean-value trend, extended model
    kReadAvgMinMax,      // mean-value min/max, extended model
    kReadBusSettings,    // bus address and settings
    kReadConfigExtended, // extended configuration
};
enum WriteRequest : int {
    kWriteResetMinMax,
    kWriteResetMeters,
    kWriteMeters,
    kWriteConfig,
    kWriteDisplay, // display brightness
    kWriteDevStatus,
    kWriteLoggerClear,     // also restarts the logger after a configuration
    kWriteRestartInterval, // restart of the mean-value interval
    kWriteSimulation,
    kWriteResetMeans,
    kWriteConfigM3,
    kWriteConfigExtended,
};
constexpr int kReadRequests = kReadConfigExtended + 1;
constexpr int kWriteRequests = kWriteConfigExtended + 1;

// A data block of a request: one of the meter blocks the link uses (link/MeterBlocks.h),
// a byte range of the configuration image the request is given (as read or as edited),
// or a fixed payload.
struct DataBlock {
    enum class In : uint8_t { Image, MeterBlocks, Fixed };
    In in;
    uint16_t offset; // in the image or the meter blocks
    uint16_t size;
    const uint8_t* fixed = nullptr;
};

// How register data (big-endian registers) becomes memory order and back.
enum class Conversion : uint8_t {
    None,
    Swap2,          // every register byte-swapped
    Swap4,          // 32-bit quantities, low register first
    ConfigWords,    // only the 16-bit words of the image are swapped
    ModelName,      // 6 characters, byte 4 cut off; the image's model flag follows the name
    LowByte,        // only the low byte of the one register is kept
    FirstWordApart, // swap2; the first register to the first block, the rest to the second
};

struct ReadRequestEntry {
    uint16_t start, count;
    DataBlock destination[2]; // a second block only for FirstWordApart; size 0 = none
    Conversion conversion;
};
struct WriteRequestEntry {
    uint16_t start, count;
    DataBlock source; // 2 x count bytes
    Conversion conversion;
};
extern const ReadRequestEntry Rtel[kReadRequests];
extern const WriteRequestEntry Stel[kWriteRequests];

// The model name the meter reported last (kReadModelName): 4 characters and a
// terminating zero.
const char (&ReportedModel())[8];

extern uint8_t SendBuffer[512];
extern int32_t SndLen;
extern uint8_t RecBuffer[512];
extern int32_t RecLen;

uint16_t CRC16(uint16_t crc, uint8_t byte);
void Buff(uint8_t* pointer, int mode); // mode 2: swap 2 bytes; mode 4: swap 0<->1 and 2<->3
void MakeProtocol(int kind, ConfigImage& image, int index, int showErrors, int broadcast);

int InitInterface();
int CloseInterface(); // closes the serial port only when the settings ask for it
// The serial device the settings name: the chosen path, or /dev/ttyS(n-1) for port n.
std::string CommDevicePath();
// What the link tries to reach, from numbers and names only (no words to translate):
// serial "device, address, baud rate, format, time-out", e.g. "/dev/ttyUSB0, 255, 9600,
// 8E1, 200 ms"; Modbus/TCP "host:port, unit, time-out".
std::string TriedConnectionText();
// The address the reads go to: the RS-485 address, the unit behind a gateway, 255 for
// the one meter on RS-232 or behind a module.
int AddressOfReads();
void CloseCommPort(); // whatever the settings say; TCP connections stay
bool CommPortIsOpen();
int WaitUntilSent();
int DataTransmission(int showErrors, int broadcast);
int Read(ConfigImage& image, int index, int showErrors);
int Write(ConfigImage& image, int index, int showErrors, int broadcast);
int Diagnose(int address);

// Checks a serial reply of n bytes in RecBuffer against RecLen: 1 good, 0 wrong
// length, -1 wrong CRC.
int CheckReply(int n);
// Converts the good reply in RecBuffer and copies it to read request index's
// destination (image for the configuration requests).
void DistributeReply(ConfigImage& image, int index);
// Where read request index leaves its data, whole blocks in memory order (kReadUnused10
// keeps nothing; kReadThdU and kReadThdUMax fill two blocks).
std::vector<std::span<uint8_t>> ReadDestinations(ConfigImage& image, int index);

// True while a transaction or a connect is running. A timer tick that arrives then
// (the TCP wait and the serial wait both let timers run) must skip its poll instead
// of starting a second transaction on the shared buffers; Read, Write and Diagnose
// called meanwhile return 0 without sending.
bool LinkBusy();
