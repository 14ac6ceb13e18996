#include "platform/UdpSocket.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <algorithm>
#include <cerrno>
#include <ifaddrs.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

int UdpSocketOpen(int localPort, int& sock, bool shared) {
    sock = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (sock < 0) return errno;
    const int yes = 1;
    if (shared && ::setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes) < 0) {
        const int e = errno;
        ::close(sock);
        sock = -1;
        return e;
    }
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_addr.s_addr = htonl(INADDR_ANY);
    local.sin_port = htons(uint16_t(localPort));
    const int on = 1;
    if (::bind(sock, reinterpret_cast<sockaddr*>(&local), sizeof local) < 0 ||
        ::setsockopt(sock, SOL_SOCKET, SO_BROADCAST, &on, sizeof on) < 0) {
        const int e = errno;
        ::close(sock);
        sock = -1;
        return e;
    }
    return 0;
}

int UdpSocketSend(int sock, const void* data, int length, uint32_t address, int port) {
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr.s_addr = address;
    to.sin_port = htons(uint16_t(port));
    if (::sendto(sock, data, size_t(std::max(length, 0)), 0, reinterpret_cast<sockaddr*>(&to), sizeof to) < 0)
        return errno;
    return 0;
}

int UdpSocketReceiveFrom(int sock, void* buffer, int size, int timeoutMs, UdpDatagram& got) {
    QDeadlineTimer deadline(std::max(timeoutMs, 0));
    for (;;) {
        pollfd p{sock, POLLIN, 0};
        const int slice = int(std::min<qint64>(20, deadline.remainingTime()));
        const int r = ::poll(&p, 1, slice);
        if (r < 0 && errno != EINTR) return errno;
        if (r > 0) {
            // MSG_TRUNC gives the datagram's whole length: a cut one is an error.
            sockaddr_in from{};
            socklen_t fromLen = sizeof from;
            const ssize_t n = ::recvfrom(sock, buffer, size_t(std::max(size, 0)), MSG_TRUNC,
                                         reinterpret_cast<sockaddr*>(&from), &fromLen);
            if (n < 0) return errno;
            got.length = int(std::min<ssize_t>(n, std::max(size, 0)));
            got.sender = from.sin_addr.s_addr;
            got.senderPort = ntohs(from.sin_port);
            return n > size ? EMSGSIZE : 0;
        }
        if (deadline.hasExpired()) return ETIMEDOUT;
        if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

void UdpSocketClose(int sock) {
    ::close(sock);
}

bool UdpSocketIsOwnSender(int sock, uint32_t sender, int senderPort) {
    sockaddr_in local{};
    socklen_t len = sizeof local;
    if (::getsockname(sock, reinterpret_cast<sockaddr*>(&local), &len) < 0 ||
        ntohs(local.sin_port) != senderPort)
        return false;
    if ((ntohl(sender) >> 24) == 127) return true;
    ifaddrs* list = nullptr;
    if (::getifaddrs(&list) < 0) return false;
    bool own = false;
    for (ifaddrs* a = list; a && !own; a = a->ifa_next)
        own = a->ifa_addr && a->ifa_addr->sa_family == AF_INET &&
              reinterpret_cast<sockaddr_in*>(a->ifa_addr)->sin_addr.s_addr == sender;
    ::freeifaddrs(list);
    return own;
}
