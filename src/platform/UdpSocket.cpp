#include "platform/UdpSocket.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <algorithm>
#include <cerrno>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

int UdpSocketOpen(int localPort, int& sock) {
    sock = ::socket(AF_INET, SOCK_DGRAM, 0);
    if (sock < 0) return errno;
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

int UdpSocketReceive(int sock, void* buffer, int size, int timeoutMs) {
    QDeadlineTimer deadline(std::max(timeoutMs, 0));
    for (;;) {
        pollfd p{sock, POLLIN, 0};
        const int slice = int(std::min<qint64>(20, deadline.remainingTime()));
        const int r = ::poll(&p, 1, slice);
        if (r < 0 && errno != EINTR) return errno;
        if (r > 0) {
            // MSG_TRUNC gives the datagram's whole length: a cut one is an error.
            const ssize_t n = ::recv(sock, buffer, size_t(std::max(size, 0)), MSG_TRUNC);
            if (n < 0) return errno;
            return n > size ? EMSGSIZE : 0;
        }
        if (deadline.hasExpired()) return ETIMEDOUT;
        if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

void UdpSocketClose(int sock) {
    ::close(sock);
}
