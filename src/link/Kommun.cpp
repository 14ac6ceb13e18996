#include "link/Kommun.h"

#include "link/Connection.h"
#include "link/LinkBusyScope.h"
#include "link/TCP_Komm.h"
#include "platform/Messages.h"
#include "platform/SerialPort.h"
#include "platform/TimeBase.h"

#include <cstring>

// The meter's register map as the program knows it.
const uint8_t Rtel[kReadRequests][4] = {
    {0x00, 0x63, 0x00, 66}, // 0 instantaneous values
    {0x00, 0xC7, 0x00, 74}, // 1 min/max
    {0x01, 0x2B, 0x00, 16}, // 2 meters
    {0x01, 0x3F, 0x00, 1},  // 3 meter scaling
    {0x01, 0x5D, 0x00, 30}, // 4 mean values
    {0x01, 0x91, 0x00, 4},  // 5 versions and input ranges
    {0x01, 0x99, 0x00, 3},  // 6 model name
    {0x01, 0xF3, 0x00, 41}, // 7 configuration
    {0x02, 0x18, 0x00, 2},  // 8 display, system, image
    {0x01, 0x8F, 0x00, 1},  // 9 device status
    {0x02, 0x1A, 0x00, 2},  // 10
    {0x03, 0xB5, 0x00, 12}, // 11 logger status
    {0x00, 0x00, 0x00, 0},  // 12 logger data: taken from Log at run time
    {0x00, 0x63, 0x00, 72}, // 13 instantaneous values, ZRM3
    {0x00, 0xC7, 0x00, 84}, // 14 min/max, ZRM3
    {0x01, 0x5D, 0x00, 50}, // 15 mean values, ZRM3
    {0x01, 0x95, 0x00, 1},  // 16 nominal frequency
    {0x01, 0xF3, 0x00, 70}, // 17 configuration, ZRM3
    {0x00, 0xAB, 0x00, 10}, // 18 mean-value trend
    {0x00, 0xB7, 0x00, 4},  // 19 voltage unbalance and THD
    {0x00, 0xBB, 0x00, 3},  // 20 current THD
    {0x02, 0xBB, 0x00, 4},  // 21 their maxima (voltage)
    {0x02, 0xBF, 0x00, 3},  // 22 current THD maxima
    {0x02, 0x57, 0x00, 42}, // 23 voltage harmonics
    {0x02, 0x57, 0x00, 14}, // 24
    {0x02, 0x81, 0x00, 42}, // 25 current harmonics
    {0x02, 0x81, 0x00, 14}, // 26
    {0x02, 0xC2, 0x00, 42}, // 27 voltage harmonics maxima
    {0x02, 0xC2, 0x00, 14}, // 28
    {0x02, 0xEC, 0x00, 42}, // 29 current harmonics maxima
    {0x02, 0xEC, 0x00, 14}, // 30
    {0x01, 0x49, 0x00, 20}, // 31 mean-value min/max
    {0x03, 0x1F, 0x00, 36}, // 32 mean-value trend, ZRM3
    {0x03, 0x47, 0x00, 36}, // 33 mean-value min/max, ZRM3
    {0x01, 0xFB, 0x00, 1},  // 34 bus address and settings
    {0x01, 0xF3, 0x00, 75}, // 35 extended configuration
};

const uint8_t Stel[kWriteRequests][6] = {
    {0x01, 0xAD, 0x00, 1, 2, 9},    // 0 reset min/max
    {0x01, 0xA3, 0x00, 1, 2, 9},    // 1 reset meters
    {0x01, 0x2B, 0x00, 16, 32, 39}, // 2 set meters
    {0x01, 0xF3, 0x00, 41, 82, 89}, // 3 configuration
    {0x02, 0x18, 0x00, 1, 2, 9},    // 4 display brightness
    {0x01, 0x8F, 0x00, 1, 2, 9},    // 5 device status
    {0x03, 0xC9, 0x00, 1, 2, 9},    // 6 logger reset / restart
    {0x03, 0xC9, 0x00, 1, 2, 9},    // 7 restart mean-value interval
    {0x02, 0x19, 0x00, 2, 4, 11},   // 8 simulation
    {0x01, 0xAE, 0x00, 2, 4, 11},   // 9 reset mean values
    {0x02, 0x1C, 0x00, 29, 58, 65}, // 10 configuration, ZRM3
    {0x02, 0x1C, 0x00, 34, 68, 75}, // 11 extended configuration
};

uint8_t SendBuffer[512];
int32_t SndLen;
uint8_t RecBuffer[512];
int32_t RecLen;

uint8_t Measurands[144];
uint8_t MinMax[168];
uint8_t Meters[32];
uint8_t MeterScale[4];
uint8_t DevStatus[4];
uint8_t ResetMinMax[8];
uint8_t ResetMeter[4];
uint8_t PowerInt[100];
uint8_t PowerIntTrnd[20];
uint8_t PowerIntMinMax[40];
uint8_t AvgTrend[76];
uint8_t AvgMinMax[72];
uint8_t UnbU[4], THDU[8], THDI[8];
uint8_t UnbUmax[4], THDUmax[8], THDImax[8];
uint8_t Harm_U[84], Harm_I[84], Harm_Umax[84], Harm_Imax[84];
uint8_t Log[32];
uint8_t LoggerData[256];

int32_t CommPortOpen = 0;
int status = 0;

namespace {

enum Conversion { kNone, kSwap2, kSwap4, kConfig };

// Data start of a read reply and of a write frame's payload.
constexpr int kReplyData = 3;
constexpr int kWritePayload = 7;

// First image byte of the register block 499..573.
constexpr int kImageRegisters = 26;

const double RTS_Timeout[5] = {0.1, 0.05, 0.02, 0.01, 0.01};
const int kBaudRates[5] = {1200, 2400, 4800, 9600, 19200};
constexpr int kAttempts = 4;

int busy = 0;

uint8_t* ImageBytes(ConfigImage& image) {
    return reinterpret_cast<uint8_t*>(&image);
}

bool IsTCP() {
    return CommType == 2 || CommType == 3;
}

uint16_t RegisterCount(int index) {
    return uint16_t(Rtel[index][2] << 8 | Rtel[index][3]);
}

uint16_t LoggerBlockCount() {
    return uint16_t(Log[26] | Log[27] << 8);
}

void Convert(uint8_t* p, int len, Conversion conv) {
    const int step = conv == kSwap4 ? 4 : 2;
    for (int i = 0; i + step <= len; i += step)
        Buff(p + i, step);
}

// Only these words of the image travel as 16-bit numbers; the rest is byte data.
void ConvertConfigWords(uint8_t* wire, int firstImageByte, int len) {
    static const int words[][2] = {{26, 38}, {92, 100}, {106, 108}, {154, 156}};
    for (const auto& w : words)
        for (int b = w[0]; b < w[1]; b += 2)
            if (b >= firstImageByte && b + 2 <= firstImageByte + len) Buff(wire + b - firstImageByte, 2);
}

uint16_t FrameCRC(const uint8_t* p, int n) {
    uint16_t crc = 0xFFFF;
    for (int i = 0; i < n; ++i)
        crc = CRC16(crc, p[i]);
    return crc;
}

uint8_t ReadAddress() {
    switch (CommType) {
    case 1:
        return uint8_t(DeviceAddr);
    case 2:
        return uint8_t(TCPDevAddr);
    default:
        return 255;
    }
}

uint8_t WriteAddress(int broadcast) {
    if (CommType == 0) return 255;
    if (broadcast) return 0;
    return uint8_t(CommType == 1 ? DeviceAddr : TCPDevAddr);
}

void MakeReadFrame(int index) {
    SendBuffer[0] = ReadAddress();
    SendBuffer[1] = 3;
    std::memcpy(SendBuffer + 2, Rtel[index], 4);
    int count = RegisterCount(index);
    if (index == 12) {
        SendBuffer[2] = Log[29];
        SendBuffer[3] = Log[28];
        SendBuffer[4] = 0;
        SendBuffer[5] = Log[26];
        count = LoggerBlockCount();
    }
    const uint16_t crc = FrameCRC(SendBuffer, 6);
    SendBuffer[6] = uint8_t(crc);
    SendBuffer[7] = uint8_t(crc >> 8);
    SndLen = 8;
    RecLen = 2 * count + 5;
}

void CopyWritePayload(ConfigImage& image, int index, uint8_t* p) {
    uint8_t* img = ImageBytes(image);
    switch (index) {
    case 0:
        std::memcpy(p, ResetMinMax, 2);
        Convert(p, 2, kSwap2);
        break;
    case 1:
        std::memcpy(p, ResetMeter, 2);
        Convert(p, 2, kSwap2);
        break;
    case 2:
        std::memcpy(p, Meters, 32);
        Convert(p, 32, kSwap4);
        break;
    case 3:
        std::memcpy(p, img + 26, 82);
        ConvertConfigWords(p, 26, 82);
        break;
    case 4:
        std::memcpy(p, img + 100, 2);
        break;
    case 5:
        std::memcpy(p, DevStatus, 2);
        Convert(p, 2, kSwap2);
        break;
    case 6:
        p[0] = 0x00;
        p[1] = 0x03;
        break;
    case 7:
        p[0] = 0x00;
        p[1] = 0x02;
        break;
    case 8:
        std::memcpy(p, img + 102, 4);
        break;
    case 9:
        std::memcpy(p, ResetMinMax + 2, 4);
        Convert(p, 4, kSwap2);
        break;
    case 10:
        std::memcpy(p, img + 108, 58);
        ConvertConfigWords(p, 108, 58);
        break;
    case 11:
        std::memcpy(p, img + 108, 68);
        ConvertConfigWords(p, 108, 68);
        break;
    }
}

void MakeWriteFrame(ConfigImage& image, int index, int broadcast) {
    const int frameLen = Stel[index][5];
    SendBuffer[0] = WriteAddress(broadcast);
    SendBuffer[1] = 16;
    std::memcpy(SendBuffer + 2, Stel[index], 5);
    CopyWritePayload(image, index, SendBuffer + kWritePayload);
    const uint16_t crc = FrameCRC(SendBuffer, frameLen);
    SendBuffer[frameLen] = uint8_t(crc);
    SendBuffer[frameLen + 1] = uint8_t(crc >> 8);
    SndLen = frameLen + 2;
    RecLen = 8;
}

// A block count beyond LoggerData would overrun it (and over TCP, the 256-byte read).
bool LoggerRequestFits() {
    return LoggerBlockCount() <= (IsTCP() ? kMaxTCPRegisters : int(sizeof LoggerData / 2));
}

// The RS-485 converter sends while RTS is raised; it must turn round before the reply.
bool DrivesRTS() {
    return CommType == 1 && RTSFlow == 1;
}

double RTSDelay() {
    return RTS_Timeout[Baudrate >= 0 && Baudrate < 5 ? Baudrate : 3];
}

// The converter needs its turnaround time before the reply; a broadcast gets no reply
// but needs the same silence, or the next frame runs together with it on the bus.
void SendAndTurnRound(bool broadcast) {
    SerialWrite(SendBuffer, SndLen);
    WaitUntilSent();
    const bool turnConverter = DrivesRTS() && SerialDrivesRTS();
    if (turnConverter || broadcast) Delay(RTSDelay());
    if (turnConverter) SerialSetRTS(false);
}

std::string PortPath() {
    if (!CommPortPath.empty()) return CommPortPath;
    if (CommPort < 1) return {};
    return "/dev/ttyS" + std::to_string(CommPort - 1);
}

int OpenSerial() {
    if (CommPortOpen == 1) return 1;
    int baud = 9600, stop = 1;
    SerialParity parity = kParityEven;
    if (CommType == 1) {
        baud = kBaudRates[Baudrate >= 0 && Baudrate < 5 ? Baudrate : 3];
        static const SerialParity parities[4] = {kParityNone, kParityEven, kParityOdd, kParityNone};
        const int p = Parity >= 0 && Parity < 4 ? Parity : 0;
        parity = parities[p];
        stop = p == 3 ? 1 : 2;
    }
    const int rc = SerialOpen(PortPath(), baud, parity, stop);
    if (rc == -6 || rc == -7 || rc == -2) {
        Error(0, 0);
        return 0;
    }
    if (rc != 0) {
        Error(0, 1);
        return 0;
    }
    // Handshake stays off (the port opens without flow control); RTS rests raised.
    if (DrivesRTS()) SerialSetRTS(true);
    CommPortOpen = 1;
    return 1;
}

int TransactTCP(int showErrors, int broadcast) {
    MakeTCPProtocol();
    if (!TCPDataTransmission(showErrors, broadcast)) return 0;
    if (!broadcast) DecodeTCPProtocol();
    return 1;
}

} // namespace

uint16_t CRC16(uint16_t crc, uint8_t byte) {
    crc ^= byte;
    for (int i = 0; i < 8; ++i)
        crc = (crc & 1) ? uint16_t((crc >> 1) ^ 0xA001) : uint16_t(crc >> 1);
    return crc;
}

void Buff(uint8_t* pointer, int mode) {
    std::swap(pointer[0], pointer[1]);
    if (mode == 4) std::swap(pointer[2], pointer[3]);
}

void MakeProtocol(int kind, ConfigImage& image, int index, int, int broadcast) {
    if (kind == 3)
        MakeReadFrame(index);
    else
        MakeWriteFrame(image, index, broadcast);
}

std::vector<std::span<uint8_t>> ReadDestinations(ConfigImage& image, int index) {
    uint8_t* img = ImageBytes(image);
    switch (index) {
    case 0:
    case 13:
        return {Measurands};
    case 1:
    case 14:
        return {MinMax};
    case 2:
        return {Meters};
    case 3:
        return {MeterScale};
    case 4:
    case 15:
        return {PowerInt};
    case 5:
        return {{img + 18, 8}};
    case 6:
        return {{reinterpret_cast<uint8_t*>(Devtype), sizeof Devtype}};
    case 7:
        return {{img + 26, 82}};
    case 8:
        return {{img + 100, 3}};
    case 9:
        return {DevStatus};
    case 11:
        return {Log};
    case 12:
        return {LoggerData};
    case 16:
        return {{img + 108, 1}};
    case 17:
        return {{img + 26, 140}};
    case 18:
        return {PowerIntTrnd};
    case 19:
        return {UnbU, THDU};
    case 20:
        return {THDI};
    case 21:
        return {UnbUmax, THDUmax};
    case 22:
        return {THDImax};
    case 23:
    case 24:
        return {Harm_U};
    case 25:
    case 26:
        return {Harm_I};
    case 27:
    case 28:
        return {Harm_Umax};
    case 29:
    case 30:
        return {Harm_Imax};
    case 31:
        return {PowerIntMinMax};
    case 32:
        return {AvgTrend};
    case 33:
        return {AvgMinMax};
    case 34:
        return {{img + 42, 2}};
    case 35:
        return {{img + 26, 150}};
    default:
        return {};
    }
}

void DistributeReply(ConfigImage& image, int index) {
    uint8_t* d = RecBuffer + kReplyData;
    uint8_t* img = ImageBytes(image);
    const int len = index == 12 ? 2 * LoggerBlockCount() : 2 * RegisterCount(index);
    switch (index) {
    case 6:
        std::memcpy(Devtype, d, 6);
        Devtype[4] = 0;
        image.Model = std::memcmp(Devtype, "ZRM3", 4) == 0 ? 1 : 0;
        return;
    case 8:
        std::memcpy(img + 100, d, 3);
        return;
    case 10:
        return;
    case 16:
        img[108] = d[1];
        return;
    case 19:
    case 21:
        Convert(d, 8, kSwap2);
        std::memcpy(index == 19 ? UnbU : UnbUmax, d, 2);
        std::memcpy(index == 19 ? THDU : THDUmax, d + 2, 6);
        return;
    case 34:
        std::memcpy(img + 42, d, 2);
        return;
    case 7:
    case 17:
    case 35:
        ConvertConfigWords(d, kImageRegisters, len);
        std::memcpy(img + kImageRegisters, d, size_t(len));
        return;
    case 5:
        Convert(d, len, kSwap2);
        std::memcpy(img + 18, d, size_t(len));
        return;
    }
    static const Conversion conv[kReadRequests] = {
        kSwap4, kSwap4, kSwap4, kSwap2, kSwap4, kSwap2,  kNone,  kConfig, kNone,  kSwap2, kNone,  kSwap2,
        kSwap4, kSwap4, kSwap4, kSwap4, kNone,  kConfig, kSwap4, kSwap2,  kSwap2, kSwap2, kSwap2, kSwap2,
        kSwap2, kSwap2, kSwap2, kSwap2, kSwap2, kSwap2,  kSwap2, kSwap4,  kSwap4, kSwap4, kNone,  kConfig};
    const std::span<uint8_t> dest = ReadDestinations(image, index).front();
    const int n = std::min<int>(len, int(dest.size()));
    Convert(d, n, conv[index]);
    std::memcpy(dest.data(), d, size_t(n));
}

int CheckReply(int n) {
    if (n != RecLen || RecLen < 3 || RecLen > int(sizeof RecBuffer)) return 0;
    const uint16_t crc = FrameCRC(RecBuffer, RecLen - 2);
    return RecBuffer[RecLen - 2] == uint8_t(crc) && RecBuffer[RecLen - 1] == uint8_t(crc >> 8) ? 1 : -1;
}

int InitInterface(int) {
    LinkBusyScope guard; // connecting lets timers run, like a transaction
    status = IsTCP() ? InitTCPConnection() : OpenSerial();
    return status;
}

int CloseInterface() {
    if (!IsTCP() && AutoPortClose == 1) {
        CommPortOpen = 0;
        SerialClose();
    }
    return 1;
}

int WaitUntilSent() {
    SerialWaitUntilSent();
    return 1;
}

int DataTransmission(int showErrors, int broadcast) {
    LinkBusyScope guard;
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        // Bytes still arriving from an earlier attempt must not pass for this reply.
        SerialFlush();
        SendAndTurnRound(broadcast);
        if (broadcast) {
            if (DrivesRTS()) SerialSetRTS(true);
            return 1;
        }
        const int n = SerialRead(RecBuffer, RecLen, RecTimeout);
        if (DrivesRTS()) SerialSetRTS(true);
        const int check = CheckReply(n);
        if (check == 1) return 1;
        if (attempt == kAttempts) {
            if (showErrors) Error(0, n == 0 ? 2 : 4);
            return 0;
        }
        if (check == 0) Delay(CommType == 0 ? 0.6 : 0.05);
    }
    return 0;
}

int Read(ConfigImage& image, int index, int showErrors) {
    if (busy || index < 0 || index >= kReadRequests) return 0; // a tick during a transaction
    LinkBusyScope guard;
    if (index == 12 && !LoggerRequestFits()) return status = 0;
    MakeProtocol(3, image, index, showErrors, 0);
    const int ok = IsTCP() ? TransactTCP(showErrors, 0) : DataTransmission(showErrors, 0);
    if (!ok) return status = 0;
    DistributeReply(image, index);
    return status = 1;
}

int Write(ConfigImage& image, int index, int showErrors, int broadcast) {
    if (busy || index < 0 || index >= kWriteRequests) return 0;
    LinkBusyScope guard;
    MakeProtocol(10, image, index, showErrors, broadcast);
    DataAvailable = 0;
    status = IsTCP() ? TransactTCP(showErrors, broadcast) : DataTransmission(showErrors, broadcast);
    return status;
}

int Diagnose(int, int address) {
    if (busy || !SerialIsOpen()) return 0;
    LinkBusyScope guard;
    SendBuffer[0] = uint8_t(address);
    SendBuffer[1] = 8;
    SendBuffer[2] = 0x00;
    SendBuffer[3] = 0x00;
    SendBuffer[4] = 0xAA;
    SendBuffer[5] = 0x55;
    const uint16_t crc = FrameCRC(SendBuffer, 6);
    SendBuffer[6] = uint8_t(crc);
    SendBuffer[7] = uint8_t(crc >> 8);
    SndLen = RecLen = 8;
    SerialFlush();
    SendAndTurnRound(false);
    const int n = SerialRead(RecBuffer, 8, RecTimeout);
    if (DrivesRTS()) SerialSetRTS(true);
    return CheckReply(n) == 1 ? 1 : 0;
}

LinkBusyScope::LinkBusyScope() {
    ++busy;
}
LinkBusyScope::~LinkBusyScope() {
    --busy;
}

bool LinkBusy() {
    return busy > 0;
}
