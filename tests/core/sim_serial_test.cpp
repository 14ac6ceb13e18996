// zaro-sim on its pseudo-terminal, driven byte by byte: broadcast, resynchronisation after
// line noise, the fault rules and reply pacing. Addressing and function 8 are checked against
// third-party masters in the integration tests; the link tests drive every fault kind.
#include "SimModbus.h"
#include "SimProcess.h"

#include <QElapsedTimer>
#include <QtTest>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

QByteArray Frame(const QByteArray& hex) {
    QByteArray f = QByteArray::fromHex(hex);
    SimAppendCrc(f);
    return f;
}

bool CrcOk(const QByteArray& f) {
    if (f.size() < 4) return false;
    const uint16_t crc = SimCrc(f.constData(), int(f.size() - 2));
    return uint8_t(f[f.size() - 2]) == (crc & 0xFF) && uint8_t(f[f.size() - 1]) == (crc >> 8);
}

class Line {
  public:
    ~Line() {
        if (fd >= 0) ::close(fd);
    }
    // Starts the simulator and opens its pseudo-terminal raw.
    bool open(SimProcess& sim, const QStringList& args) {
        if (!sim.start(args)) return false;
        fd = ::open(sim.ptyPath().toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd < 0) return false;
        termios t{};
        tcgetattr(fd, &t);
        cfmakeraw(&t);
        tcsetattr(fd, TCSANOW, &t);
        return true;
    }
    // Reads until want bytes came or nothing more arrives for quietMs.
    QByteArray receive(int want, int quietMs = 300) {
        QByteArray got;
        while (got.size() < want) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, quietMs) <= 0) break;
            char buf[512];
            const ssize_t n = ::read(fd, buf, sizeof buf);
            if (n > 0) got.append(buf, int(n));
        }
        return got;
    }
    QByteArray transact(const QByteArray& request, int want, int quietMs = 300) {
        if (::write(fd, request.constData(), size_t(request.size())) != ssize_t(request.size()))
            return "write failed";
        return receive(want, quietMs);
    }

  private:
    int fd = -1;
};

} // namespace

class SimSerialTest : public QObject {
    Q_OBJECT
  private slots:
    void broadcastReachesEveryMeter() {
        SimProcess sim;
        Line line;
        QVERIFY(line.open(sim, {"--rs485", "3,17"}));
        QVERIFY(line.transact(Frame("0010021400010204d2"), 8, 150).isEmpty()); // nobody answers
        for (const char* read : {"030302140001", "110302140001"})
            QCOMPARE(line.transact(Frame(read), 7).mid(3, 2).toHex(), QByteArray("04d2"));
        QVERIFY(sim.stopClean());
    }

    void noiseBeforeAFrameIsSkipped() {
        SimProcess sim;
        Line line;
        QVERIFY(line.open(sim, {"--rs232"}));
        const QByteArray reply = line.transact(QByteArray::fromHex("0013ff37") + Frame("ff0301910004"), 13);
        QCOMPARE(reply.size(), 13);
        QVERIFY(CrcOk(reply));
        // A frame with a broken CRC is not answered; the next good one is.
        QByteArray bad = Frame("ff0301910004");
        bad[7] = char(bad[7] ^ 1);
        QVERIFY(line.transact(bad, 13, 150).isEmpty());
        QCOMPARE(line.transact(Frame("ff0301910004"), 13).size(), 13);
        QVERIFY(sim.stopClean());
    }

    void injectedFaults() {
        SimProcess sim;
        Line line;
        QVERIFY(line.open(
            sim, {"--rs485", "5,6", "--fault", "short@5", "--fault", "badcrc@5", "--fault", "otherunit@5"}));
        const QByteArray read5 = Frame("050300630042"); // request 0: 137-byte reply
        QCOMPARE(line.transact(read5, 137).size(), 68);
        QByteArray r = line.transact(read5, 137);
        QCOMPARE(r.size(), 137);
        QVERIFY(!CrcOk(r));
        r = line.transact(read5, 137);
        QVERIFY(CrcOk(r));
        QCOMPARE(uint8_t(r[0]), uint8_t(6));
        QVERIFY(CrcOk(line.transact(read5, 137))); // the faults are used up
        QVERIFY(sim.stopClean());
    }

    void repliesArePacedAtTheBaudRate() {
        SimProcess sim;
        Line line;
        QVERIFY(line.open(sim, {"--rs232", "--baud", "9600", "--turnaround", "10"}));
        QElapsedTimer t;
        t.start();
        const QByteArray r = line.transact(Frame("ff0300630048"), 149, 500); // request 13
        QCOMPARE(r.size(), 149);
        QVERIFY(CrcOk(r));
        // 157 bytes of 11 bits at 9600 baud plus the turnaround: at least 190 ms.
        QVERIFY2(t.elapsed() >= 185, qPrintable(QString::number(t.elapsed())));
    }

    void linkAndQuitAtEndOfInput() {
        QTemporaryDir dir;
        const QString link = dir.filePath("meter");
        QProcess p;
        p.start(BinPath("zaro-sim"), {"--rs232", "--link", link});
        QVERIFY(p.waitForReadyRead(5000));
        const QByteArray ready = p.readLine().trimmed();
        QVERIFY(ready.startsWith("PTY /dev/"));
        QCOMPARE(QFileInfo(link).symLinkTarget(), QString::fromLocal8Bit(ready.mid(4)));
        p.closeWriteChannel();
        QVERIFY(p.waitForFinished(3000));
        QCOMPARE(p.exitCode(), 0);
        QVERIFY(!QFileInfo::exists(link));
        QCOMPARE(p.readAllStandardOutput(), QByteArray()); // nothing but the ready line
    }
};

QTEST_GUILESS_MAIN(SimSerialTest)
#include "sim_serial_test.moc"
