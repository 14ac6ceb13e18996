// Arbitrary bytes as the reply to a random read request, through the serial check or
// the Modbus/TCP classification, and on to the distribution into the data blocks.
// Input: byte 0 request index, byte 1 flags (bits 0-1 interface kind, bit 2 repair
// the CRC so the distribution runs on arbitrary data), byte 2 logger block count,
// then the reply; its last bytes also fill the image that write frames are built from.
#include "config/ConfigImage.h"
#include "config/MeterSession.h"
#include "link/DeviceLink.h"
#include "link/ModbusTcp.h"
#include "settings/INI_File.h"

#include <algorithm>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    static MeterSession session;
    UseSession(session);
    const int index = data[0] % kReadRequests;
    session.connection.kind = data[1] & 3;
    const bool tcp = IsTcpKind(session.connection.kind);
    const bool repairCRC = data[1] & 4;
    // Request 12 takes its size from the logger status; Read refuses what does not fit, so do we.
    session.blocks.loggerStatus[26] = uint8_t(data[2] % (tcp ? kMaxTCPRegisters + 1 : 129));
    session.blocks.loggerStatus[27] = 0;
    const uint8_t* reply = data + 3;
    const int n = int(std::min<size_t>(size - 3, tcp ? 256 : sizeof RecBuffer));

    std::memcpy(&session.edited, reply, std::min<size_t>(size_t(n), sizeof session.edited));
    MakeProtocol(10, session.edited, data[0] % kWriteRequests, 0, data[1] >> 7);
    if (tcp) MakeTCPProtocol();

    MakeProtocol(3, session.read, index, 0, 0);
    std::memset(RecBuffer, 0, sizeof RecBuffer);
    std::memcpy(RecBuffer, reply, size_t(n));
    if (tcp) {
        MakeTCPProtocol();
        if (ClassifyTCPReply(n) != 1) return 0;
        DecodeTCPProtocol();
    } else {
        if (repairCRC && n == RecLen && n >= 3) {
            uint16_t crc = 0xFFFF;
            for (int i = 0; i < n - 2; ++i)
                crc = CRC16(crc, RecBuffer[i]);
            RecBuffer[n - 2] = uint8_t(crc);
            RecBuffer[n - 1] = uint8_t(crc >> 8);
        }
        if (CheckReply(n) != 1) return 0;
    }
    DistributeReply(session.read, index);
    return 0;
}
