// RTU slave on the master side of a pseudo-terminal. The client (the program, mbpoll,
// pymodbus) opens the slave device like a serial port.
#include "Simulator.h"

#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

void (*SimPollCommands)() = [] {};

int64_t SimNowMs() {
    static QElapsedTimer clock;
    if (!clock.isValid()) clock.start();
    return clock.elapsed();
}

void SimTrace(const SimTiming& timing, const char* what, const QByteArray& frame) {
    if (timing.verbose) std::fprintf(stderr, "zaro-sim: %s %s\n", what, frame.toHex(' ').constData());
}

namespace {

struct Outgoing {
    QByteArray data;
    int sent = 0;
    int64_t startMs = 0; // when the first byte begins on the wire
};

Simulator* sim = nullptr;
int masterFd = -1;
int slaveKeepFd = -1; // keeps the line up while no client has the device open
bool busMode = false;
QString linkName;
QSocketNotifier* notifier = nullptr;
QTimer* gapTimer = nullptr;
QTimer* pumpTimer = nullptr;
QByteArray inbuf;
int64_t frameStartMs = 0;
QList<Outgoing> outgoing;

double ByteMs() {
    return sim->timing.baud > 0 ? 11000.0 / sim->timing.baud : 0.0;
}

// Writes what is due of every queued reply; paced replies leave byte by byte.
void Pump() {
    const int64_t now = SimNowMs();
    for (int i = 0; i < outgoing.size();) {
        Outgoing& o = outgoing[i];
        int due = int(o.data.size());
        if (ByteMs() > 0) due = std::min(due, int((now - o.startMs) / ByteMs()));
        if (now >= o.startMs && due > o.sent) {
            const ssize_t n = ::write(masterFd, o.data.constData() + o.sent, size_t(due - o.sent));
            if (n > 0) o.sent += int(n);
        }
        if (o.sent >= o.data.size())
            outgoing.removeAt(i);
        else
            ++i;
    }
    if (outgoing.isEmpty())
        pumpTimer->stop();
    else if (!pumpTimer->isActive())
        pumpTimer->start();
}

void Queue(const QByteArray& data, int64_t startMs) {
    SimTrace(sim->timing, "reply", data);
    outgoing.append(Outgoing{data, 0, startMs});
    Pump();
}

void Respond(const QByteArray& request) {
    const int address = uint8_t(request[0]);
    const int64_t now = SimNowMs();
    const QByteArray pdu = request.mid(1, request.size() - 3);
    if (address == 0) {
        if (busMode) SimBroadcastPdu(sim->meters, pdu, now);
        return;
    }
    SimMeter* m = SimFindMeter(sim->meters, busMode ? address : 255);
    if (!m || (!busMode && address != 255)) return; // nobody there: silence
    if (m->missFirst && m->requests++ == 0) return;
    SimPollCommands();
    SimFault fault;
    const bool faulty = SimTakeFault(sim->faults, address, fault);
    // The reply starts after the request's own wire time and the turnaround.
    int64_t start =
        std::max(now, frameStartMs + int64_t(request.size() * ByteMs())) + sim->timing.turnaroundMs;
    QByteArray reply;
    reply.append(char(address));
    if (faulty && fault.kind == FaultKind::Exception) {
        SimAnswerPdu(*m, pdu, now); // the meter saw it; it just says no
        reply.append(char(uint8_t(pdu[0]) | 0x80));
        reply.append(char(fault.param));
    } else {
        reply.append(SimAnswerPdu(*m, pdu, now));
    }
    if (faulty && fault.kind == FaultKind::OtherUnit) reply[0] = char(address == 255 ? 254 : address + 1);
    SimAppendCrc(reply);
    const SimFaultShape shape{int(reply.size()) - 1, 0x5A, 50 + int64_t(reply.size() / 2 * ByteMs())};
    for (const SimReplyPart& part : SimFaultyReply(faulty ? &fault : nullptr, reply, shape))
        Queue(part.data, start + part.delayMs);
}

// Takes every complete frame from the front of the buffer. A frame whose CRC does not
// match loses its first byte, so a request behind line noise is still found.
void Parse(bool gapSeen) {
    while (!inbuf.isEmpty()) {
        int len = SimRtuRequestLength(inbuf);
        if (len == -1) len = gapSeen ? int(inbuf.size()) : 0; // unknown function: up to the gap
        if (len == 0 || len > 260) {
            if (len > 260 || (gapSeen && inbuf.size() > 0)) inbuf.clear(); // incomplete at the gap
            return;
        }
        if (inbuf.size() < len) {
            if (gapSeen)
                inbuf.remove(0, 1); // the gap ended it short: look for a later start
            else
                return;
            continue;
        }
        const QByteArray frame = inbuf.left(len);
        const uint16_t crc = SimCrc(frame.constData(), len - 2);
        if (len >= 4 && uint8_t(frame[len - 2]) == (crc & 0xFF) && uint8_t(frame[len - 1]) == (crc >> 8)) {
            SimTrace(sim->timing, "request", frame);
            inbuf.remove(0, len);
            Respond(frame);
        } else {
            SimTrace(sim->timing, "discarded byte of", frame);
            inbuf.remove(0, 1);
        }
    }
}

void OnReadable() {
    char buf[512];
    const ssize_t n = ::read(masterFd, buf, sizeof buf);
    if (n <= 0) return; // EIO while no client is attached cannot happen: we hold the slave
    if (inbuf.isEmpty()) frameStartMs = SimNowMs();
    inbuf.append(buf, int(n));
    Parse(false);
    if (!inbuf.isEmpty()) gapTimer->start(std::max(5, int(3.5 * ByteMs() + 0.5)));
}

} // namespace

bool SimSerialStart(Simulator& simulator, bool bus, const QString& linkPath, QString& ptyPath,
                    QString& error) {
    sim = &simulator;
    busMode = bus;
    masterFd = posix_openpt(O_RDWR | O_NOCTTY);
    if (masterFd < 0 || grantpt(masterFd) != 0 || unlockpt(masterFd) != 0) {
        error = QStringLiteral("cannot create a pseudo-terminal: %1")
                    .arg(QString::fromLocal8Bit(strerror(errno)));
        return false;
    }
    ptyPath = QString::fromLocal8Bit(ptsname(masterFd));
    slaveKeepFd = ::open(ptsname(masterFd), O_RDWR | O_NOCTTY);
    // Raw line: no echo of our replies, no line editing of the master's requests.
    termios t{};
    if (tcgetattr(masterFd, &t) == 0) {
        cfmakeraw(&t);
        cfsetispeed(&t, B9600);
        cfsetospeed(&t, B9600);
        tcsetattr(masterFd, TCSANOW, &t);
    }
    fcntl(masterFd, F_SETFL, fcntl(masterFd, F_GETFL) | O_NONBLOCK);
    if (!linkPath.isEmpty()) {
        ::unlink(linkPath.toLocal8Bit().constData());
        if (::symlink(ptsname(masterFd), linkPath.toLocal8Bit().constData()) != 0) {
            error = QStringLiteral("cannot create the link %1: %2")
                        .arg(linkPath, QString::fromLocal8Bit(strerror(errno)));
            return false;
        }
        linkName = linkPath;
    }
    notifier = new QSocketNotifier(masterFd, QSocketNotifier::Read);
    QObject::connect(notifier, &QSocketNotifier::activated, &OnReadable);
    gapTimer = new QTimer;
    gapTimer->setSingleShot(true);
    gapTimer->setTimerType(Qt::PreciseTimer);
    QObject::connect(gapTimer, &QTimer::timeout, [] { Parse(true); });
    pumpTimer = new QTimer;
    pumpTimer->setInterval(1);
    pumpTimer->setTimerType(Qt::PreciseTimer);
    QObject::connect(pumpTimer, &QTimer::timeout, &Pump);
    return true;
}

void SimSerialStop() {
    if (!linkName.isEmpty()) ::unlink(linkName.toLocal8Bit().constData());
    linkName.clear();
}
