#include "link/ModbusTcp.h"

#include "link/CommLog.h"
#include "link/DeviceLink.h"
#include "link/LinkBusyScope.h"
#include "link/LinkConnection.h"
#include "link/Transport.h"
#include "netmodules/KnownDevices.h"
#include "platform/Messages.h"
#include "platform/TcpClient.h"
#include "platform/TimeBase.h"

#include <QtGlobal>
#include <algorithm>
#include <cstring>
#include <string>

namespace {

// Per slot: the handle of its connection, and whether it is open.
int32_t slotHandle[kTCPSlots];
bool slotConnected[kTCPSlots];

// Reply state, set by the receive callback: 0 none yet, 1 valid reply in RecBuffer,
// -4 peer closed, -7 invalid reply, -11 exception 11 (target device did not respond).
int32_t replyState = 0;

constexpr int kHeader = 6;
constexpr int kLengthField = 4; // MBAP length: the bytes after it, from the unit on
constexpr int kReadLimit = 256;
constexpr int kExceptionReplyLen = 9;
constexpr int kConnectTimeoutMs = 5000;
constexpr int kWriteTimeoutMs = 2000;
constexpr int kReplyTimeoutMs = 2000;
constexpr int kBadReplies = 3;

// Set while a transaction waits for its reply: data arriving at any other time is
// stale and must not overwrite RecBuffer.
bool waiting = false;
// Set while the gateway search's probe waits: to it any exception is an answer.
bool probing = false;
int64_t replyDeadline = 0; // on the transport's clock
// The connection in use has answered a request: a gateway that closes after every
// answer may close it just as the next request goes out.
bool answeredBefore = false;
int received = 0; // bytes of the last reply read, for the communication log

// The interface the open connections were made for.
struct Interface {
    int kind, gateway, module;
    bool operator==(const Interface&) const = default;
};
Interface connectedFor{-1, -1, -1};

Interface InUse() {
    return {LinkConnection().kind, LinkConnection().gatewayIndex, LinkConnection().moduleIndex};
}

// The slots are shared by gateways and modules: a connection made for another kind,
// gateway or module would carry the requests to the device chosen before.
void CloseConnectionsOfAnotherInterface() {
    if (InUse() == connectedFor) return;
    CloseTCPConnection(kCloseAllTCP);
    connectedFor = InUse();
}

bool ModuleKind() {
    return LinkConnection().kind == kModule;
}

// Names the device in use in the texts that take one.
const char* DeviceName() {
    return ModuleKind() ? QT_TRANSLATE_NOOP("Messages", "The LANMOD57 module")
                        : QT_TRANSLATE_NOOP("Messages", "The gateway");
}

int SlotInUse() {
    return ModuleKind() ? LinkConnection().moduleIndex : LinkConnection().gatewayIndex;
}

bool ValidSlot(int slot) {
    return slot >= 0 && slot < kTCPSlots;
}

int SlotOfHandle(int handle) {
    for (int i = 0; i < kTCPSlots; ++i)
        if (slotConnected[i] && slotHandle[i] == handle) return i;
    return -1;
}

const KnownDevices* known = nullptr;

template <size_t N> std::string Text(const char (&field)[N]) {
    return std::string(field, strnlen(field, N));
}

int Connect(int slot) {
    const std::string host = ModuleKind() ? ModuleAddress(slot) : GatewayAddress(slot);
    const int port = ModuleKind() ? LinkConnection().moduleTcpPort : LinkConnection().gatewayTcpPort;
    if (host.empty()) return -1;
    return Wire().tcpConnect(host, port, ClientTCPCB, kConnectTimeoutMs);
}

struct WaitingFlag {
    explicit WaitingFlag(bool probe = false) {
        waiting = true;
        probing = probe;
    }
    ~WaitingFlag() { waiting = probing = false; }
};

// 0 still waiting, otherwise the final reply state (time-out gives 0 after the wait).
int WaitForReply(int64_t sentAt, int timeoutMs = kReplyTimeoutMs) {
    const LinkTransport& wire = Wire();
    const int slot = SlotInUse();
    while (replyState == 0 && wire.nowMs() - sentAt < timeoutMs) {
        const int left = int(timeoutMs - (wire.nowMs() - sentAt));
        // Short slices: the windows repaint and timers tick between them.
        if (slotConnected[slot])
            wire.tcpWaitForData(slotHandle[slot], std::max(1, std::min(20, left)));
        else
            wire.pauseMs(std::min(20, left));
    }
    return replyState;
}

FrameOutcome ReplyOutcome(int state) {
    switch (state) {
    case 1:
        return FrameOutcome::Good;
    case 0:
        return FrameOutcome::Timeout;
    case -4:
        return FrameOutcome::Closed;
    case -11:
        return FrameOutcome::Exception;
    default:
        return FrameOutcome::Invalid;
    }
}

int FrameLength(int n) {
    return n < kHeader ? kHeader : kHeader + (RecBuffer[kLengthField] << 8 | RecBuffer[kLengthField + 1]);
}

// Reads one Modbus/TCP frame into RecBuffer, over as many segments as it comes in,
// until its header's length is complete, replyTimeoutMs passes without a byte or the reply
// time-out ends. Gives the count read, or -1 on a read error.
int ReceiveFrame(int handle) {
    const LinkTransport& wire = Wire();
    int n = 0;
    for (int want = kHeader; n < want; want = std::min(FrameLength(n), kReadLimit)) {
        const int64_t left = std::clamp<int64_t>(replyDeadline - wire.nowMs(), 0,
                                                 std::max(LinkConnection().replyTimeoutMs, 0));
        const int r = wire.tcpRead(handle, RecBuffer + n, want - n, int(left));
        if (r < 0) return -1;
        if (r == 0) break;
        n += r;
    }
    return n;
}

} // namespace

void UseKnownDevices(const KnownDevices* devices) {
    known = devices;
}

std::string GatewayAddress(int index) {
    if (!known || index < 0 || size_t(index) >= known->gateways.size()) return {};
    return Text(known->gateways[size_t(index)].record.IP);
}

std::string ModuleAddress(int index) {
    if (!known || index < 0 || size_t(index) >= known->modules.size()) return {};
    return Text(known->modules[size_t(index)].IP);
}

int TCPReplyWaitMs() {
    return kReplyTimeoutMs;
}

int InitTCPConnection() {
    // Connecting processes events; a timer tick must not start a second connect.
    static bool connecting = false;
    if (connecting) return 0;
    CloseConnectionsOfAnotherInterface();
    const int slot = SlotInUse();
    if (ValidSlot(slot) && slotConnected[slot]) return 1;
    LinkBusyScope guard;
    connecting = true;
    const int handle = ValidSlot(slot) ? Connect(slot) : -1;
    connecting = false;
    if (handle < 0) {
        Error(8, ModuleKind() ? 2 : 11);
        return 0;
    }
    slotHandle[slot] = handle;
    slotConnected[slot] = true;
    answeredBefore = false;
    return 1;
}

void SelectInterface(Connection& connection, int kind, int gateway, int module) {
    connection.kind = kind;
    connection.gatewayIndex = gateway;
    connection.moduleIndex = module;
    if (&connection == &LinkConnection()) CloseConnectionsOfAnotherInterface();
}

bool TCPSlotConnected(int slot) {
    return ValidSlot(slot) && slotConnected[slot];
}

void AdoptTCPConnection(int slot, int handle) {
    if (!ValidSlot(slot)) return;
    slotHandle[slot] = handle;
    slotConnected[slot] = true;
}

int CloseTCPConnection(int index) {
    if (index == kCloseAllTCP) {
        for (int i = 0; i < kTCPSlots; ++i)
            CloseTCPConnection(i);
        return 1;
    }
    if (!ValidSlot(index) || !slotConnected[index]) return 1;
    Wire().tcpDisconnect(slotHandle[index]);
    slotConnected[index] = false;
    return 1;
}

void MakeTCPProtocol() {
    const int pdu = SndLen - 2; // unit byte and PDU, without the CRC
    std::memmove(SendBuffer + kHeader, SendBuffer, size_t(pdu));
    SendBuffer[0] = SendBuffer[1] = 0; // transaction identifier
    SendBuffer[2] = SendBuffer[3] = 0; // protocol identifier
    SendBuffer[4] = 0;
    SendBuffer[5] = uint8_t(pdu);
    SndLen += 4;
    RecLen += 4;
}

void DecodeTCPProtocol() {
    std::memmove(RecBuffer, RecBuffer + kHeader, sizeof RecBuffer - kHeader);
}

int SendTCPRequest(int showErrors) {
    const int slot = SlotInUse();
    int written = -1;
    if (ValidSlot(slot) && slotConnected[slot]) {
        // A reply that came too late for an earlier request must not answer this one.
        Wire().tcpDiscardInput(slotHandle[slot]);
        // The peer may have closed while the link was idle: this request reconnects, and
        // that close is no answer to it.
        if (!slotConnected[slot] && InitTCPConnection()) replyState = 0;
    }
    if (ValidSlot(slot) && slotConnected[slot])
        written = Wire().tcpWrite(slotHandle[slot], SendBuffer, SndLen, kWriteTimeoutMs);
    if (written < 1 && showErrors) Error(8, 13);
    return written;
}

int TCPDataTransmission(int showErrors, int broadcast) {
    LinkBusyScope guard;
    int bad = 0;
    bool closeRetried = false;
    for (;;) {
        InitTCPConnection();
        replyState = 0;
        WaitingFlag flag;
        const int written = SendTCPRequest(showErrors);
        const int64_t sentAt = Wire().nowMs();
        replyDeadline = sentAt + kReplyTimeoutMs;
        if (written < SndLen) {
            if (written >= 1 && showErrors) Error(8, 13);
            CloseTCPConnection(kCloseAllTCP);
            return 0;
        }
        const int attempt = bad + (closeRetried ? 2 : 1);
        ReportFrame(true, broadcast ? FrameOutcome::Broadcast : attempt > 1 ? FrameOutcome::Retry : FrameOutcome::Request,
                    attempt, SendBuffer, SndLen);
        if (broadcast) return 1;
        const int state = WaitForReply(sentAt);
        ReportFrame(false, ReplyOutcome(state), attempt, RecBuffer, state == 0 ? 0 : received);
        switch (state) {
        case 1:
            return 1;
        case 0:
            if (showErrors && ModuleKind()) Error(8, 14, DeviceName());
            if (showErrors && !ModuleKind()) Error(9, 16);
            CloseTCPConnection(kCloseAllTCP);
            return 0;
        case -4:
            // A close that crossed the request on a connection that had answered before
            // is that gateway's close after its last answer: it never took the request.
            if (answeredBefore && !closeRetried) {
                closeRetried = true;
                continue;
            }
            if (showErrors) Error(8, 15, DeviceName());
            return 0;
        case -11:
            if (showErrors) Error(10, 2);
            return 0;
        default:
            if (++bad < kBadReplies) continue;
            if (showErrors) Error(8, 14, DeviceName());
            CloseTCPConnection(kCloseAllTCP);
            return 0;
        }
    }
}

int TCPDiagnose(int address) {
    if (LinkBusy()) return 0;
    LinkBusyScope guard;
    const uint8_t probe[] = {0, 0, 0, 0, 0, 6, uint8_t(address), 8, 0x00, 0x00, 0xAA, 0x55};
    std::memcpy(SendBuffer, probe, sizeof probe);
    SndLen = RecLen = int(sizeof probe);
    replyState = 0;
    WaitingFlag flag(true);
    const int timeout = std::max(LinkConnection().replyTimeoutMs, 1);
    const int64_t sentAt = Wire().nowMs();
    replyDeadline = sentAt + timeout;
    if (SendTCPRequest(0) < SndLen) {
        CloseTCPConnection(kCloseAllTCP);
        return -4;
    }
    return WaitForReply(sentAt, timeout);
}

int ClassifyTCPReply(int n) {
    if (n == RecLen && RecBuffer[6] == SendBuffer[6] && RecBuffer[7] == SendBuffer[7]) return 1;
    if (n != kExceptionReplyLen || RecBuffer[7] != (SendBuffer[7] | 0x80)) return -7;
    // Only a gateway sends exception 11, and some put their own unit there.
    if (RecBuffer[8] == 11) return -11;
    return RecBuffer[6] == SendBuffer[6] ? 0 : -7;
}

int ClientTCPCB(int handle, int event, int, void*) {
    const int slot = SlotOfHandle(handle);
    if (event == TCP_DISCONNECT) {
        if (slot >= 0) {
            Wire().tcpDisconnect(handle);
            slotConnected[slot] = false;
        }
        // A peer that closes right after its answer has answered.
        if (slot == SlotInUse() && replyState == 0) replyState = -4;
        return 0;
    }
    if (event != TCP_DATAREADY) return 0;
    if (!waiting || slot != SlotInUse() || replyState != 0) {
        Wire().tcpDiscardInput(handle);
        return 0;
    }
    const int n = ReceiveFrame(handle);
    received = std::max(n, 0);
    if (n < 0) {
        replyState = -7;
        return 0;
    }
    int state = ClassifyTCPReply(n);
    // Another exception (path unavailable, function 8 refused): the gateway or a device
    // answered the probe, and no meter is to be had at that address.
    if (state == 0 && probing) state = -11;
    if (state == 0) return 0; // another exception: the transaction ends by time-out
    replyState = state;
    answeredBefore = answeredBefore || state == 1 || state == -11;
    return 0;
}
