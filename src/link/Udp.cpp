#include "link/Udp.h"

#include "platform/TimeBase.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <cstdio>
#include <vector>

namespace {

const UdpTransport kRealUdp = {
    UdpSocketOpen,
    UdpSocketSend,
    UdpSocketReceiveFrom,
    UdpSocketIsOwnSender,
    UdpSocketClose,
    [] { return int64_t(Timer() * 1000.0); },
    [](int ms) { Delay(ms / 1000.0); },
};

const UdpTransport* udp = &kRealUdp;

int MsLeft(int64_t end) {
    return int(std::clamp<int64_t>(end - udp->nowMs(), 0, INT32_MAX));
}

// System error numbers in the numbering the error texts use.
int SocketErrorNumber(int e) {
    switch (e) {
    case 0:
        return 0;
    case EMFILE:
    case ENFILE:
    case ENOMEM:
        return 10024;
    case EINPROGRESS:
    case EALREADY:
        return 10036;
    case ENOBUFS:
        return 10055;
    case ENOTSOCK:
    case EBADF:
        return 10038;
    case EMSGSIZE:
        return 10040;
    case EADDRINUSE:
        return 10048;
    case EADDRNOTAVAIL:
        return 10049;
    case ENETDOWN:
        return 10050;
    case ENETUNREACH:
        return 10051;
    case ECONNABORTED:
        return 10053;
    case ECONNRESET:
        return 10054;
    case ESHUTDOWN:
    case EPIPE:
        return 10058;
    case ETIMEDOUT:
    case EAGAIN:
        return 10060;
    case ECONNREFUSED:
        return 10061;
    case EHOSTUNREACH:
        return 10065;
    case EACCES:
        return 10013;
    case EINVAL:
        return 10022;
    default:
        return e;
    }
}

} // namespace

const UdpTransport* SetUdpTransport(const UdpTransport* transport) {
    const UdpTransport* previous = udp;
    udp = transport ? transport : &kRealUdp;
    return previous;
}

int UDPOpen(int localPort, int& socket, bool shared) {
    return SocketErrorNumber(udp->open(localPort, socket, shared));
}

int UDPWrite(int socket, const void* data, int length, uint32_t address, int port) {
    return SocketErrorNumber(udp->send(socket, data, length, address, port));
}

int UDPRead(int socket, void* buffer, int size, int timeoutMs) {
    UdpDatagram got;
    const int e = udp->receive(socket, buffer, size, timeoutMs, got);
    if (e == EMSGSIZE) return SocketErrorNumber(e);
    return e == 0 ? 0 : 1;
}

int UDPReadAnswer(int socket, void* buffer, int size, int timeoutMs, int& length) {
    const int64_t end = udp->nowMs() + std::max(timeoutMs, 0);
    for (;;) {
        UdpDatagram got;
        const int e = udp->receive(socket, buffer, size, MsLeft(end), got);
        if (e != 0 && e != EMSGSIZE) return 1;
        if (udp->isOwnSender(socket, got.sender, got.senderPort)) continue;
        length = got.length;
        return SocketErrorNumber(e);
    }
}

int UDPClose(int socket) {
    udp->close(socket);
    return 0;
}

void UDPPause(int ms) {
    udp->pauseMs(ms);
}

const char* UDPErrorString(int error) {
    switch (error) {
    case 0:
        return "No Error.";
    case 10024:
        return "Not Enough Available Socket Resources.";
    case 10036:
    case 10055:
        return "Another Windows Socket Operation is in Progress.";
    case 10038:
        return "Not a Socket.";
    case 10040:
        return "The data was to large to fit in the specified buffer and has been truncated.";
    case 10048:
        return "Socket address is already in use.";
    case 10050:
        return "The network subsystem has failed.";
    case 10053:
        return "The connection has been aborted";
    case 10054:
        return "The connection was reset by the remote site.";
    case 10058:
        return "The Socket has been Shutdown.";
    case 10060:
        return "The connection timed out.";
    }
    static char error_string[64];
    std::snprintf(error_string, sizeof error_string, "Unknown System Error %i", error);
    return error_string;
}

UdpExchange UDPScan(int port, const void* request, int length, int answerSize, int quietMs,
                    const std::function<void(const char*, int)>& take, int& error) {
    int sock = -1;
    error = UDPOpen(0, sock);
    if (error) return UdpExchange::OpenFailed;
    error = UDPWrite(sock, request, length, INADDR_BROADCAST, port);
    if (error) {
        UDPClose(sock);
        return UdpExchange::WriteFailed;
    }
    const int64_t end = udp->nowMs() + kUdpScanLimitMs;
    std::vector<char> answer(size_t(std::max(answerSize, 1)));
    bool any = false;
    while (MsLeft(end) > 0) {
        int got = 0;
        if (UDPReadAnswer(sock, answer.data(), int(answer.size()), std::min(quietMs, MsLeft(end)), got) == 1)
            break;
        any = true;
        take(answer.data(), got);
    }
    UDPClose(sock);
    return any ? UdpExchange::Answered : UdpExchange::NoAnswer;
}

UdpExchange UDPBroadcastAndAwait(int port, const void* message, int length, int answerSize, int timeoutMs,
                                 const std::function<bool(const char*, int)>& confirms, int& error) {
    int sock = -1;
    error = UDPOpen(port, sock, true);
    if (error) return UdpExchange::OpenFailed;
    error = UDPWrite(sock, message, length, INADDR_BROADCAST, port);
    if (error) {
        UDPClose(sock);
        return UdpExchange::WriteFailed;
    }
    const int64_t end = udp->nowMs() + std::max(timeoutMs, 0);
    std::vector<char> answer(size_t(std::max(answerSize, 1)));
    bool confirmed = false;
    while (!confirmed && MsLeft(end) > 0) {
        int got = 0;
        if (UDPReadAnswer(sock, answer.data(), int(answer.size()), MsLeft(end), got) == 1) break;
        confirmed = confirms(answer.data(), got);
    }
    UDPClose(sock);
    return confirmed ? UdpExchange::Answered : UdpExchange::NoAnswer;
}
