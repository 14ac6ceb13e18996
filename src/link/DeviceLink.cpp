#include "link/DeviceLink.h"

#include "link/CommLog.h"
#include "link/LinkBusyScope.h"
#include "link/LinkConnection.h"
#include "link/ModbusTcp.h"
#include "link/Transport.h"
#include "platform/Messages.h"
#include "platform/SerialPort.h"
#include "platform/TimeBase.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

uint8_t SendBuffer[512];
int32_t SndLen;
uint8_t RecBuffer[512];
int32_t RecLen;

namespace {

MeterBlocks* handedBlocks = nullptr;

// First image byte of the register block 499..573.
constexpr int kImageRegisters = 26;

// A whole member of MeterBlocks, or `size` bytes of it from byte `from` on. Macros, as
// offsetof needs the member's name.
#define Mem(member) Part(member, 0, sizeof MeterBlocks{}.member)
#define Part(member, from, size)                                                                             \
    DataBlock {                                                                                              \
        DataBlock::In::MeterBlocks, uint16_t(offsetof(MeterBlocks, member) + (from)), uint16_t(size)         \
    }
constexpr DataBlock Img(size_t byte, size_t n) {
    return {DataBlock::In::Image, uint16_t(byte), uint16_t(n)};
}
template <size_t N> constexpr DataBlock Fixed(const uint8_t (&payload)[N]) {
    return {DataBlock::In::Fixed, 0, uint16_t(N), payload};
}
constexpr DataBlock kNothing{DataBlock::In::Image, 0, 0};

// Payloads of the two writes to register 969.
constexpr uint8_t loggerClearCode[2] = {0x00, 0x03};
constexpr uint8_t restartIntervalCode[2] = {0x00, 0x02};

using enum Conversion;

} // namespace

void UseMeterBlocks(MeterBlocks* blocks) {
    handedBlocks = blocks;
}

MeterBlocks& MeterBlocksInUse() {
    // Until an owner hands some over the link reads into its own.
    static MeterBlocks own{};
    return handedBlocks ? *handedBlocks : own;
}

const char (&ReportedModel())[8] {
    return MeterBlocksInUse().modelName;
}

// Register numbers are the 0-based addresses of the frame. The configuration image
// holds registers 499.. from image byte 26 on, two bytes a register.
const ReadRequestEntry Rtel[kReadRequests] = {
    {99, 66, {Mem(instantaneous)}, Swap4},                       // kReadValues
    {199, 74, {Mem(minMax)}, Swap4},                             // kReadMinMax
    {299, 16, {Mem(energy)}, Swap4},                             // kReadMeters
    {319, 1, {Mem(energyScale)}, Swap2},                         // kReadMeterScale
    {349, 30, {Mem(powerMeans)}, Swap4},                         // kReadMeans
    {401, 4, {Img(offsetof(ConfigImage, FwVersion), 8)}, Swap2}, // kReadVersions
    {409, 3, {Mem(modelName)}, ModelName},                       // kReadModelName
    {499, 41, {Img(kImageRegisters, 82)}, ConfigWords},          // kReadConfig
    {536, 2, {Img(offsetof(ConfigImage, Display), 3)}, None},    // kReadDisplay: the fourth byte is not kept
    {399, 1, {Mem(deviceStatus)}, Swap2},                        // kReadDevStatus
    {538, 2, {kNothing}, None},                                  // kReadUnused10
    {949, 12, {Mem(loggerStatus)}, Swap2},                       // kReadLoggerStatus
    {0, 0, {Mem(loggerRecords)}, Swap4},                         // kReadLoggerData
    {99, 72, {Mem(instantaneous)}, Swap4},                       // kReadValuesM3
    {199, 84, {Mem(minMax)}, Swap4},                             // kReadMinMaxM3
    {349, 50, {Mem(powerMeans)}, Swap4},                         // kReadMeansM3
    {405, 1, {Img(offsetof(ConfigImage, Freq), 1)}, LowByte},    // kReadFrequency
    {499, 70, {Img(kImageRegisters, 140)}, ConfigWords},         // kReadConfigM3
    {171, 10, {Mem(powerMeanTrend)}, Swap4},                     // kReadMeanTrend
    {183, 4, {Mem(voltageUnbalance), Mem(voltageThd)}, FirstWordApart},       // kReadThdU
    {187, 3, {Mem(currentThd)}, Swap2},                                       // kReadThdI
    {699, 4, {Mem(voltageUnbalanceMax), Mem(voltageThdMax)}, FirstWordApart}, // kReadThdUMax
    {703, 3, {Mem(currentThdMax)}, Swap2},                                    // kReadThdIMax
    {599, 42, {Mem(voltageHarmonics)}, Swap2},                                // kReadHarmU
    {599, 14, {Mem(voltageHarmonics)}, Swap2},                                // kReadHarmUShort
    {641, 42, {Mem(currentHarmonics)}, Swap2},                                // kReadHarmI
    {641, 14, {Mem(currentHarmonics)}, Swap2},                                // kReadHarmIShort
    {706, 42, {Mem(voltageHarmonicsMax)}, Swap2},                             // kReadHarmUMax
    {706, 14, {Mem(voltageHarmonicsMax)}, Swap2},                             // kReadHarmUMaxShort
    {748, 42, {Mem(currentHarmonicsMax)}, Swap2},                             // kReadHarmIMax
    {748, 14, {Mem(currentHarmonicsMax)}, Swap2},                             // kReadHarmIMaxShort
    {329, 20, {Mem(powerMeanExtremes)}, Swap4},                               // kReadMeanMinMax
    {799, 36, {Mem(freeMeanTrend)}, Swap4},                                   // kReadAvgTrend
    {839, 36, {Mem(freeMeanExtremes)}, Swap4},                                // kReadAvgMinMax
    {507, 1, {Img(offsetof(ConfigImage, Address), 2)}, None},                 // kReadBusSettings
    {499, 75, {Img(kImageRegisters, 150)}, ConfigWords},                      // kReadConfigExtended
};

const WriteRequestEntry Stel[kWriteRequests] = {
    {429, 1, Part(minMaxReset, 0, 2), Swap2},                     // kWriteResetMinMax
    {419, 1, Part(energyReset, 0, 2), Swap2},                     // kWriteResetMeters
    {299, 16, Mem(energy), Swap4},                                // kWriteMeters
    {499, 41, Img(kImageRegisters, 82), ConfigWords},             // kWriteConfig
    {536, 1, Img(offsetof(ConfigImage, Display), 2), None},       // kWriteDisplay
    {399, 1, Part(deviceStatus, 0, 2), Swap2},                    // kWriteDevStatus
    {969, 1, Fixed(loggerClearCode), None},                       // kWriteLoggerClear
    {969, 1, Fixed(restartIntervalCode), None},                   // kWriteRestartInterval
    {537, 2, Img(offsetof(ConfigImage, Image), 4), None},         // kWriteSimulation
    {430, 2, Part(minMaxReset, 2, 4), Swap2},                     // kWriteResetMeans
    {540, 29, Img(offsetof(ConfigImage, Freq), 58), ConfigWords}, // kWriteConfigM3
    {540, 34, Img(offsetof(ConfigImage, Freq), 68), ConfigWords}, // kWriteConfigExtended
};
#undef Mem
#undef Part

namespace {

// Data start of a read reply and of a write frame's payload.
constexpr int kReplyData = 3;
constexpr int kWritePayload = 7;

const int kTurnaroundMs[5] = {100, 50, 20, 10, 10}; // by baud rate
// A reply of the wrong length may still be dribbling in: the line settles first.
constexpr int kSettleMsRS232 = 600;
constexpr int kSettleMsRS485 = 50;
// Slice of a reply wait after which the windows get their turn.
constexpr int kSliceMs = 20;
const int kBaudRates[5] = {1200, 2400, 4800, 9600, 19200};
constexpr int kAttempts = 4;
constexpr int kBitsPerByte = 11; // start, 8 data, parity or a stop bit, stop (the margin covers a 12th)
constexpr int kWireMarginMs = 100;

int busy = 0;
bool portOpen = false;

uint8_t* ImageBytes(ConfigImage& image) {
    return reinterpret_cast<uint8_t*>(&image);
}

bool IsTCP() {
    return IsTcpKind(LinkConnection().kind);
}

uint16_t LoggerBlockCount() {
    return uint16_t(MeterBlocksInUse().loggerStatus[26] | MeterBlocksInUse().loggerStatus[27] << 8);
}

int ReplyDataLength(int index) {
    return 2 * (index == kReadLoggerData ? LoggerBlockCount() : Rtel[index].count);
}

std::span<uint8_t> Resolve(const DataBlock& block, ConfigImage& image) {
    switch (block.in) {
    case DataBlock::In::MeterBlocks:
        return {reinterpret_cast<uint8_t*>(&MeterBlocksInUse()) + block.offset, block.size};
    case DataBlock::In::Fixed:
        // Only writes name fixed payloads, and they only read from them.
        return {const_cast<uint8_t*>(block.fixed), block.size};
    case DataBlock::In::Image:
        break;
    }
    return {ImageBytes(image) + block.offset, block.size};
}

// Only these words of the image travel as 16-bit numbers; the rest is byte data.
void ConvertConfigWords(uint8_t* wire, int firstImageByte, int len) {
    static const int words[][2] = {{26, 38}, {92, 100}, {106, 108}, {154, 156}};
    for (const auto& w : words)
        for (int b = w[0]; b < w[1]; b += 2)
            if (b >= firstImageByte && b + 2 <= firstImageByte + len) Buff(wire + b - firstImageByte, 2);
}

// Swap2, Swap4 and ConfigWords, the conversions that work in place on len bytes.
void Convert(uint8_t* p, int len, Conversion conv, const DataBlock& block) {
    if (conv == Conversion::ConfigWords) return ConvertConfigWords(p, block.offset, len);
    if (conv != Conversion::Swap2 && conv != Conversion::Swap4) return;
    const int step = conv == Conversion::Swap4 ? 4 : 2;
    int i = 0;
    for (; i + step <= len; i += step)
        Buff(p + i, step);
    // An odd register count (the logger's blocks) leaves one register after the pairs.
    if (i + 2 <= len) Buff(p + i, 2);
}

void PutRegister(uint8_t* p, uint16_t value) {
    p[0] = uint8_t(value >> 8);
    p[1] = uint8_t(value);
}

uint16_t FrameCRC(const uint8_t* p, int n) {
    uint16_t crc = 0xFFFF;
    for (int i = 0; i < n; ++i)
        crc = CRC16(crc, p[i]);
    return crc;
}

uint8_t ReadAddress() {
    switch (LinkConnection().kind) {
    case kRS485:
        return uint8_t(LinkConnection().meterAddress);
    case kGateway:
        return uint8_t(LinkConnection().gatewayUnitAddress);
    default:
        return 255;
    }
}

uint8_t WriteAddress(int broadcast) {
    if (LinkConnection().kind == kRS232) return 255;
    if (broadcast) return 0;
    return uint8_t(MeterAddressInUse(LinkConnection()));
}

void MakeReadFrame(int index) {
    SendBuffer[0] = ReadAddress();
    SendBuffer[1] = 3;
    PutRegister(SendBuffer + 2, Rtel[index].start);
    PutRegister(SendBuffer + 4, Rtel[index].count);
    if (index == kReadLoggerData) {
        SendBuffer[2] = MeterBlocksInUse().loggerStatus[29];
        SendBuffer[3] = MeterBlocksInUse().loggerStatus[28];
        SendBuffer[4] = 0;
        SendBuffer[5] = MeterBlocksInUse().loggerStatus[26];
    }
    const uint16_t crc = FrameCRC(SendBuffer, 6);
    SendBuffer[6] = uint8_t(crc);
    SendBuffer[7] = uint8_t(crc >> 8);
    SndLen = 8;
    RecLen = ReplyDataLength(index) + 5;
}

void MakeWriteFrame(ConfigImage& image, int index, int broadcast) {
    const WriteRequestEntry& w = Stel[index];
    const int payload = 2 * w.count;
    const int frameLen = kWritePayload + payload;
    SendBuffer[0] = WriteAddress(broadcast);
    SendBuffer[1] = 16;
    PutRegister(SendBuffer + 2, w.start);
    PutRegister(SendBuffer + 4, w.count);
    SendBuffer[6] = uint8_t(payload);
    // Converted in the frame: the source block stays in memory order.
    std::memcpy(SendBuffer + kWritePayload, Resolve(w.source, image).data(), size_t(payload));
    Convert(SendBuffer + kWritePayload, payload, w.conversion, w.source);
    const uint16_t crc = FrameCRC(SendBuffer, frameLen);
    SendBuffer[frameLen] = uint8_t(crc);
    SendBuffer[frameLen + 1] = uint8_t(crc >> 8);
    SndLen = frameLen + 2;
    RecLen = 8;
}

// A block count beyond loggerRecords would overrun it (and over TCP, the 256-byte read).
bool LoggerRequestFits() {
    return LoggerBlockCount() <=
           (IsTCP() ? kMaxTCPRegisters : int(sizeof MeterBlocksInUse().loggerRecords / 2));
}

// The RS-485 converter sends while RTS is raised; it must turn round before the reply.
bool DrivesRTS() {
    return LinkConnection().kind == kRS485 && LinkConnection().rtsFlow == 1;
}

int TurnaroundMs() {
    return kTurnaroundMs[LinkConnection().baudIndex >= 0 && LinkConnection().baudIndex < 5
                             ? LinkConnection().baudIndex
                             : 3];
}

// The converter needs its turnaround time before the reply; a broadcast gets no reply
// but needs the same silence, or the next frame runs together with it on the bus.
void SendAndTurnRound(bool broadcast) {
    const LinkTransport& wire = Wire();
    wire.serialWrite(SendBuffer, SndLen);
    WaitUntilSent();
    const bool turnConverter = DrivesRTS() && wire.serialDrivesRTS();
    if (turnConverter || broadcast) wire.pauseMs(TurnaroundMs());
    if (turnConverter) wire.serialSetRTS(false);
}

int LineBaud() {
    return LinkConnection().kind == kRS485
               ? kBaudRates[LinkConnection().baudIndex >= 0 && LinkConnection().baudIndex < 5
                                ? LinkConnection().baudIndex
                                : 3]
               : 9600;
}

// Time n bytes take on the line, rounded up.
int WireTimeMs(int n) {
    return int((int64_t(n) * kBitsPerByte * 1000 + LineBaud() - 1) / LineBaud());
}

// Waits for n bytes; the time-out restarts whenever bytes arrive, so a slow baud rate
// can deliver a long reply while a silent line still gives up after timeoutMs. A meter
// that dribbles its reply still ends the attempt once the reply could have come whole.
int ReadReply(uint8_t* buffer, int n, int timeoutMs) {
    const LinkTransport& wire = Wire();
    int got = 0;
    int64_t deadline = wire.nowMs() + timeoutMs;
    const int64_t last = deadline + WireTimeMs(n) + kWireMarginMs;
    for (;;) {
        const int64_t end = std::min(deadline, last);
        const int64_t left = std::clamp<int64_t>(end - wire.nowMs(), 0, kSliceMs);
        const int r = wire.serialReadSome(buffer + got, n - got, int(left));
        if (r < 0) break;
        if (r > 0) {
            got += r;
            deadline = wire.nowMs() + timeoutMs;
        }
        if (got >= n || wire.nowMs() >= last || (r == 0 && wire.nowMs() >= end)) break;
    }
    return got;
}

void RaiseRTS() {
    if (DrivesRTS()) Wire().serialSetRTS(true);
}

struct LineFormat {
    SerialParity parity = kParityEven; // RS-232: 8E1
    int stopBits = 1;
};

LineFormat LineFormatInUse() {
    LineFormat format;
    if (LinkConnection().kind == kRS485) {
        static const SerialParity parities[4] = {kParityNone, kParityEven, kParityOdd, kParityNone};
        const int p = LinkConnection().formatIndex >= 0 && LinkConnection().formatIndex < 4
                          ? LinkConnection().formatIndex
                          : 0;
        format.parity = parities[p];
        format.stopBits = p == 3 ? 1 : 2;
    }
    return format;
}

int OpenSerial() {
    if (portOpen) return 1;
    const LineFormat format = LineFormatInUse();
    const int rc = Wire().serialOpen(CommDevicePath(), LineBaud(), format.parity, format.stopBits);
    if (rc == -6 || rc == -7 || rc == -2) {
        Error(0, 0);
        return 0;
    }
    if (rc != 0) {
        Error(0, 1);
        return 0;
    }
    // Handshake stays off (the port opens without flow control); RTS rests raised.
    RaiseRTS();
    portOpen = true;
    return 1;
}

FrameOutcome SentOutcome(int broadcast, int attempt) {
    if (broadcast) return FrameOutcome::Broadcast;
    return attempt > 1 ? FrameOutcome::Retry : FrameOutcome::Request;
}

FrameOutcome ReplyOutcome(int n, int check) {
    if (check == 1) return FrameOutcome::Good;
    if (n == 0) return FrameOutcome::Timeout;
    return check < 0 ? FrameOutcome::CrcError : FrameOutcome::WrongLength;
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
    std::vector<std::span<uint8_t>> blocks;
    for (const DataBlock& block : Rtel[index].destination)
        if (block.size) blocks.push_back(Resolve(block, image));
    return blocks;
}

void DistributeReply(ConfigImage& image, int index) {
    const ReadRequestEntry& r = Rtel[index];
    if (!r.destination[0].size) return;
    uint8_t* d = RecBuffer + kReplyData;
    const int len = ReplyDataLength(index);
    const std::span<uint8_t> dest = Resolve(r.destination[0], image);
    switch (r.conversion) {
    case Conversion::ModelName: {
        std::memcpy(dest.data(), d, 6);
        dest[4] = 0;
        image.Model = std::memcmp(dest.data(), "ZRM3", 4) == 0 ? 1 : 0;
        return;
    }
    case Conversion::LowByte:
        dest[0] = d[1];
        return;
    case Conversion::FirstWordApart:
        Convert(d, len, Conversion::Swap2, r.destination[0]);
        std::memcpy(dest.data(), d, 2);
        std::memcpy(Resolve(r.destination[1], image).data(), d + 2, size_t(len - 2));
        return;
    default: {
        const int n = std::min<int>(len, int(dest.size()));
        Convert(d, n, r.conversion, r.destination[0]);
        std::memcpy(dest.data(), d, size_t(n));
    }
    }
}

int CheckReply(int n) {
    if (n != RecLen || RecLen < 3 || RecLen > int(sizeof RecBuffer)) return 0;
    const uint16_t crc = FrameCRC(RecBuffer, RecLen - 2);
    return RecBuffer[RecLen - 2] == uint8_t(crc) && RecBuffer[RecLen - 1] == uint8_t(crc >> 8) ? 1 : -1;
}

int InitInterface() {
    LinkBusyScope guard; // connecting lets timers run, like a transaction
    const int ok = IsTCP() ? InitTCPConnection() : OpenSerial();
    if (!ok) NoteExchange(LinkConnection(), false); // no port, no gateway: no meter either
    return ok;
}

int CloseInterface() {
    if (!IsTCP() && LinkConnection().closePortAfterUse == 1) CloseCommPort();
    return 1;
}

int AddressOfReads() {
    return ReadAddress();
}

std::string TriedConnectionText() {
    const Connection& c = LinkConnection();
    if (IsTCP())
        return (c.kind == kModule ? ModuleAddress(c.moduleIndex) : GatewayAddress(c.gatewayIndex)) + ":" +
               std::to_string(c.kind == kModule ? c.moduleTcpPort : c.gatewayTcpPort) + ", " +
               std::to_string(AddressOfReads()) + ", " + std::to_string(TCPReplyWaitMs()) + " ms";
    const LineFormat format = LineFormatInUse();
    const char parity = "NEO"[format.parity];
    return CommDevicePath() + ", " + std::to_string(AddressOfReads()) + ", " + std::to_string(LineBaud()) +
           ", 8" + parity + std::to_string(format.stopBits) + ", " + std::to_string(c.replyTimeoutMs) + " ms";
}

std::string CommDevicePath() {
    return LinkConnection().serialPath.empty() ? "/dev/ttyS" + std::to_string(LinkConnection().serialPort - 1)
                                               : LinkConnection().serialPath;
}

void CloseCommPort() {
    Wire().serialClose();
    portOpen = false;
}

bool CommPortIsOpen() {
    return portOpen;
}

int WaitUntilSent() {
    Wire().serialWaitUntilSent();
    return 1;
}

int DataTransmission(int showErrors, int broadcast) {
    LinkBusyScope guard;
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        // Bytes still arriving from an earlier attempt must not pass for this reply.
        Wire().serialFlush();
        SendAndTurnRound(broadcast);
        ReportFrame(true, SentOutcome(broadcast, attempt), attempt, SendBuffer, SndLen);
        if (broadcast) {
            RaiseRTS();
            return 1;
        }
        const int n = ReadReply(RecBuffer, RecLen, LinkConnection().replyTimeoutMs);
        RaiseRTS();
        const int check = CheckReply(n);
        ReportFrame(false, ReplyOutcome(n, check), attempt, RecBuffer, n);
        if (check == 1) return 1;
        if (attempt == kAttempts) {
            if (showErrors && n == 0) Error(0, 2, TriedConnectionText().c_str());
            if (showErrors && n != 0) Error(0, 4);
            return 0;
        }
        if (check == 0) Wire().pauseMs(LinkConnection().kind == kRS232 ? kSettleMsRS232 : kSettleMsRS485);
    }
    return 0;
}

int Read(ConfigImage& image, int index, int showErrors) {
    if (busy || index < 0 || index >= kReadRequests) return 0; // a tick during a transaction
    LinkBusyScope guard;
    if (index == kReadLoggerData && !LoggerRequestFits()) return 0;
    MakeProtocol(3, image, index, showErrors, 0);
    const int ok = IsTCP() ? TransactTCP(showErrors, 0) : DataTransmission(showErrors, 0);
    if (ok) DistributeReply(image, index);
    NoteExchange(LinkConnection(), ok != 0);
    return ok ? 1 : 0;
}

int Write(ConfigImage& image, int index, int showErrors, int broadcast) {
    if (busy || index < 0 || index >= kWriteRequests) return 0;
    LinkBusyScope guard;
    MakeProtocol(10, image, index, showErrors, broadcast);
    const int ok = IsTCP() ? TransactTCP(showErrors, broadcast) : DataTransmission(showErrors, broadcast);
    if (!broadcast) NoteExchange(LinkConnection(), ok != 0); // a broadcast gets no answer to judge by
    return ok;
}

int Diagnose(int address) {
    if (busy || !Wire().serialIsOpen()) return 0;
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
    Wire().serialFlush();
    SendAndTurnRound(false);
    ReportFrame(true, FrameOutcome::Request, 1, SendBuffer, SndLen);
    const int n = ReadReply(RecBuffer, 8, LinkConnection().replyTimeoutMs);
    RaiseRTS();
    const int check = CheckReply(n);
    ReportFrame(false, ReplyOutcome(n, check), 1, RecBuffer, n);
    return check == 1 ? 1 : 0;
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
