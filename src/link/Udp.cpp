#include "link/Udp.h"

#include "platform/UdpSocket.h"

#include <algorithm>
#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

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

int UDPOpen(int localPort, int& socket, bool shared) {
    return SocketErrorNumber(UdpSocketOpen(localPort, socket, shared));
}

int UDPWrite(int socket, const void* data, int length, uint32_t address, int port) {
    return SocketErrorNumber(UdpSocketSend(socket, data, length, address, port));
}

int UDPRead(int socket, void* buffer, int size, int timeoutMs) {
    const int e = UdpSocketReceive(socket, buffer, size, timeoutMs);
    if (e == EMSGSIZE) return SocketErrorNumber(e);
    return e == 0 ? 0 : 1;
}

int UDPReadAnswer(int socket, void* buffer, int size, int timeoutMs, int& length) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
    for (;;) {
        UdpDatagram got;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
        const int e = UdpSocketReceiveFrom(socket, buffer, size, int(std::max<int64_t>(left, 0)), got);
        if (e != 0 && e != EMSGSIZE) return 1;
        if (UdpSocketIsOwnSender(socket, got.sender, got.senderPort)) continue;
        length = got.length;
        return SocketErrorNumber(e);
    }
}

int UDPClose(int socket) {
    UdpSocketClose(socket);
    return 0;
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

UdpExchange UDPBroadcastAndAwait(int port, const void* message, int length, int answerSize, int timeoutMs,
                                 int& error) {
    int sock = -1;
    error = UDPOpen(port, sock, true);
    if (error) return UdpExchange::OpenFailed;
    error = UDPWrite(sock, message, length, INADDR_BROADCAST, port);
    if (error) {
        UDPClose(sock);
        return UdpExchange::WriteFailed;
    }
    std::vector<char> answer(size_t(std::max(answerSize, 1)));
    int got = 0;
    const int e = UDPReadAnswer(sock, answer.data(), int(answer.size()), timeoutMs, got);
    UDPClose(sock);
    return e == 1 ? UdpExchange::NoAnswer : UdpExchange::Answered;
}
