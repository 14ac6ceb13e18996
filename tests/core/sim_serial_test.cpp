// zaro-sim on its pseudo-terminal, driven byte by byte: bus addressing, broadcast,
// resynchronisation after line noise, injected faults and reply pacing.
#include "SimModbus.h"
#include "SimProcess.h"

#include <QElapsedTimer>
#include <QtTest>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

QByteArray Frame(const QByteArray& hex)
{
    QByteArray f = QByteArray::fromHex(hex);
    SimAppendCrc(f);
    return f;
}

bool CrcOk(const QByteArray& f)
{
    if (f.size() < 4) return false;
    const uint16_t crc = SimCrc(f.constData(), int(f.size() - 2));
    return uint8_t(f[f.size() - 2]) == (crc & 0xFF) && uint8_t(f[f.size() - 1]) == (crc >> 8);
}

class Line {
public:
    ~Line()
    {
        if (fd >= 0) ::close(fd);
    }
    bool open(const QString& path)
    {
        fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd < 0) return false;
        termios t{};
        tcgetattr(fd, &t);
        cfmakeraw(&t);
        tcsetattr(fd, TCSANOW, &t);
        return true;
    }
    // Reads until want bytes came or nothing more arrives for quietMs.
    QByteArray receive(int want, int quietMs = 300)
    {
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
    QByteArray transact(const QByteArray& request, int want, int quietMs = 300)
    {
        if (::write(fd, request.constData(), size_t(request.size())) != ssize_t(request.size())) return "write failed";
        return receive(want, quietMs);
    }

private:
    int fd = -1;
};

} // namespace

class SimSerialTest : public QObject {
    Q_OBJECT
private slots:
    void busAddressesBroadcastAndMissFirst()
    {
        SimProcess sim;
        QVERIFY(sim.start({"--rs485", "3,17", "--miss-first", "3"}));
        Line line;
        QVERIFY(line.open(sim.ptyPath()));
        const QByteArray read3 = Frame("0303019100" "04");
        QVERIFY(line.transact(read3, 13, 200).isEmpty()); // its first request ever goes unanswered
        const QByteArray reply = line.transact(read3, 13);
        QCOMPARE(reply.size(), 13);
        QVERIFY(CrcOk(reply));
        QCOMPARE(reply.left(3).toHex(), QByteArray("030308"));
        QVERIFY(line.transact(Frame("0403019100" "04"), 13, 150).isEmpty()); // nobody at 4

        // A broadcast write reaches every meter and nobody answers.
        QVERIFY(line.transact(Frame("0010021400010204d2"), 8, 150).isEmpty());
        QCOMPARE(line.transact(Frame("0303021400" "01"), 7).mid(3, 2).toHex(), QByteArray("04d2"));
        QCOMPARE(line.transact(Frame("1103021400" "01"), 7).mid(3, 2).toHex(), QByteArray("04d2"));
        // The echo of function 8 comes back unchanged.
        const QByteArray echo = Frame("11080000aa55");
        QCOMPARE(line.transact(echo, 8).toHex(), echo.toHex());
        QVERIFY(sim.stopClean());
    }

    void noiseBeforeAFrameIsSkipped()
    {
        SimProcess sim;
        QVERIFY(sim.start({"--rs232"}));
        Line line;
        QVERIFY(line.open(sim.ptyPath()));
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

    void injectedFaults()
    {
        SimProcess sim;
        QVERIFY(sim.start({"--rs485", "5,6", "--fault", "short@5", "--fault", "badcrc@5", "--fault", "otherunit@5"}));
        Line line;
        QVERIFY(line.open(sim.ptyPath()));
        const QByteArray read5 = Frame("0503006300" "42"); // request 0: 137-byte reply
        QCOMPARE(line.transact(read5, 137).size(), 68);
        QByteArray r = line.transact(read5, 137);
        QCOMPARE(r.size(), 137);
        QVERIFY(!CrcOk(r));
        r = line.transact(read5, 137);
        QVERIFY(CrcOk(r));
        QCOMPARE(uint8_t(r[0]), uint8_t(6));
        QVERIFY(CrcOk(line.transact(read5, 137))); // the faults are used up

        sim.command("fault exception:2:2@6"); // set at run time, for two requests
        QCOMPARE(line.transact(Frame("0603019100" "04"), 5).toHex(), Frame("068302").toHex());
        QCOMPARE(line.transact(Frame("0603019100" "04"), 5).toHex(), Frame("068302").toHex());
        QCOMPARE(line.transact(Frame("0603019100" "04"), 13).size(), 13);

        QVERIFY(sim.stopClean());
    }

    void repliesArePacedAtTheBaudRate()
    {
        SimProcess sim;
        QVERIFY(sim.start({"--rs232", "--baud", "9600", "--turnaround", "10"}));
        Line line;
        QVERIFY(line.open(sim.ptyPath()));
        QElapsedTimer t;
        t.start();
        const QByteArray r = line.transact(Frame("ff0300630048"), 149, 500); // request 13
        QCOMPARE(r.size(), 149);
        QVERIFY(CrcOk(r));
        // 157 bytes of 11 bits at 9600 baud plus the turnaround: at least 190 ms.
        QVERIFY2(t.elapsed() >= 185, qPrintable(QString::number(t.elapsed())));
    }

    void linkAndQuitAtEndOfInput()
    {
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
