// The simulator's meter model and framing, checked without any transport; then zaro-sim
// on its pseudo-terminal, driven byte by byte: broadcast, resynchronisation after line
// noise, the fault rules and the --link option. Addressing and function 8 are checked against
// third-party masters in the integration tests; the link tests drive every fault kind.
#include "SimMeter.h"
#include "SimModbus.h"
#include "SimProcess.h"

#include <QtTest>
#include <bit>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

SimMeter MakeMeter(bool zrm3) {
    SimMeterSetup s;
    s.zrm3 = zrm3;
    s.vtPrim = 20000; // a 20 kV line: the energy counters move fast
    s.vtSec = 100;
    s.address = 7;
    SimMeter m;
    SimMeterInit(m, s, 0);
    return m;
}

QVector<uint16_t> Read(SimMeter& m, int start, int count, int64_t now = 1000) {
    QVector<uint16_t> out;
    return SimMeterRead(m, start, count, out, now) == 0 ? out : QVector<uint16_t>();
}

uint32_t U32(const QVector<uint16_t>& regs, int index) // low register first
{
    return uint32_t(regs[2 * index]) | (uint32_t(regs[2 * index + 1]) << 16);
}

float Float(const QVector<uint16_t>& regs, int index) {
    return std::bit_cast<float>(U32(regs, index));
}

// A meter of 400 V and a 100 A CT in network system `system`, wired as specs say.
SimMeter Wired(const QStringList& specs, int system = 4) {
    SimMeterSetup s;
    s.system = system;
    QString error;
    for (const QString& spec : specs)
        if (!SimParseWiring(spec, s.wiring, error)) qFatal("%s", qPrintable(error));
    SimMeter m;
    SimMeterInit(m, s, 0);
    return m;
}

// The instantaneous block by row (U1N is row 1, P1 row 16, PF1 row 29, ...).
QVector<float> Rows(SimMeter& m, int64_t now = 1000) {
    const QVector<uint16_t> regs = Read(m, 99, 72, now);
    QVector<float> rows;
    for (int k = 0; k < 36; ++k)
        rows << Float(regs, k);
    return rows;
}

bool Near(double a, double b, double relative = 1e-4) {
    return std::fabs(a - b) <= relative * std::max(std::fabs(a), std::fabs(b));
}

QByteArray Frame(const QByteArray& hex) {
    QByteArray f = QByteArray::fromHex(hex);
    SimAppendCrc(f);
    return f;
}

bool CrcOk(const QByteArray& f) {
    return f.size() >= 4 && Frame(f.chopped(2).toHex()) == f;
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

class SimModelTest : public QObject {
    Q_OBJECT
  private slots:
    void busMeterMovesToTheAddressWritten() {
        SimMeter m = MakeMeter(true);
        QCOMPARE(Read(m, 507, 1)[0] >> 8, 7);
        const uint16_t bus = Read(m, 507, 1)[0] & 0xFF;
        QCOMPARE(SimMeterWrite(m, 507, {uint16_t(0x0C00 | bus)}, 1000), 0);
        QCOMPARE(m.address, 7); // only a meter on a bus follows its register
        m.addressFromConfig = true;
        QCOMPARE(SimMeterWrite(m, 507, {uint16_t(0x0C00 | bus)}, 1000), 0);
        QCOMPARE(m.address, 12);
        QCOMPARE(SimMeterWrite(m, 507, {uint16_t(0xF800 | bus)}, 1000), 0); // 248 is no bus address
        QCOMPARE(m.address, 12);
    }

    void refusedWriteLeavesNothing() {
        SimMeter m = MakeMeter(false);
        const QVector<uint16_t> before = Read(m, 499, 41);
        QCOMPARE(SimMeterWrite(m, 538, {1, 2, 3}, 1000), kExIllegalAddress);
        QCOMPARE(Read(m, 499, 41), before);
    }

    void energyOnlyGrowsAndResetClears() {
        SimMeter m = MakeMeter(true);
        uint32_t previous = U32(Read(m, 299, 16, 0), 0);
        for (int k = 1; k <= 30; ++k) {
            const uint32_t now = U32(Read(m, 299, 16, k * 10000), 0);
            QVERIFY(now >= previous);
            previous = now;
        }
        QVERIFY(previous > 1523411); // 5 minutes of some 2 MW at 100 Wh a count
        QCOMPARE(SimMeterWrite(m, 419, {0x0001}, 400000), 0);
        const QVector<uint16_t> after = Read(m, 299, 16, 400000);
        QCOMPARE(U32(after, 0), 0u);
        QVERIFY(U32(after, 4) >= 412200u); // other registers untouched
        QCOMPARE(SimMeterWrite(m, 299, {0x5678, 0x1234}, 400000), 0);
        QCOMPARE(U32(Read(m, 299, 2, 400000), 0), 0x12345678u);
    }

    // The installation wired right, against which each fault below is told: the same seed
    // walks the same load, so a faulted meter differs only by its wiring.
    void reversedCtsTurnTheirPhaseAndThenTheEnergyToExport() {
        SimMeter right = Wired({});
        const QVector<float> r = Rows(right);
        SimMeter one = Wired({"reversed-ct:2"});
        const QVector<float> f = Rows(one);
        QVERIFY(f[16] > 0 && f[17] < 0 && f[18] > 0 && f[19] > 0);
        QCOMPARE(f[17], -r[17]);
        QCOMPARE(f[9], r[9]);

        SimMeter all = Wired({"reversed-ct:1", "reversed-ct:2", "reversed-ct:3"});
        QVERIFY(Rows(all)[19] < 0);
        const QVector<uint16_t> before = Read(all, 299, 16, 1000), after = Read(all, 299, 16, 601000);
        QCOMPARE(U32(after, 0), U32(before, 0));        // import T1 stands still
        QVERIFY(U32(after, 2) > U32(before, 2) + 1000); // export T1 counts (Wh)

        SimMeter single = Wired({"reversed-ct:1"}, 0); // one channel: its total turns
        QVERIFY(Rows(single)[19] < 0 && Rows(single)[32] < -0.85f);
    }

    void missingVoltageAndTheLineVoltagesThatFollow_data() {
        QTest::addColumn<int>("system");
        QTest::newRow("4 wires") << 4;
        QTest::newRow("3 wires") << 3;
    }
    void missingVoltageAndTheLineVoltagesThatFollow() {
        QFETCH(int, system);
        SimMeter right = Wired({}, system), missing = Wired({"missing-u:3"}, system);
        const QVector<float> r = Rows(right), f = Rows(missing);
        QCOMPARE(f[10], r[10]); // the current still flows
        QVERIFY(Near(f[4], r[4]));
        // U23 and U31 fall to the phase voltages of L2 and L1: U12 / sqrt(3) on a balanced line.
        QVERIFY(Near(f[5], r[4] / std::sqrt(3.0), 0.02) && Near(f[6], r[4] / std::sqrt(3.0), 0.02));
        if (system == 4) {
            QCOMPARE(QVector<float>({f[3], f[18], f[22], f[26], f[31]}), QVector<float>({0, 0, 0, 0, 1}));
            QVERIFY(Near(f[5], r[2]) && Near(f[6], r[1]));
        }
    }

    void ctRatioScalesCurrentsPowersAndEnergy() {
        SimMeter right = Wired({}), small = Wired({"ct-ratio:0.05"});
        const QVector<float> r = Rows(right), f = Rows(small);
        for (int row : {8, 15, 16, 19, 23, 27})
            QVERIFY2(Near(f[row], 0.05 * r[row]), qPrintable(QString::number(row)));
        QCOMPARE(f[1], r[1]);
        QCOMPARE(f[32], r[32]);
        // Both meters take the same reads, so their loads walk alike.
        auto counted = [](SimMeter& m) {
            const uint32_t from = U32(Read(m, 299, 2, 1000), 0);
            return double(U32(Read(m, 299, 2, 601000), 0) - from);
        };
        const double rightWh = counted(right), smallWh = counted(small);
        QVERIFY(rightWh > 1000 && std::fabs(smallWh - 0.05 * rightWh) <= 2);
    }

    void wiringSpecs() {
        SimWiring w;
        QString error;
        for (const char* good :
             {"reversed-ct:1", "swapped-ct:2,3", "missing-u:3", "ct-ratio:0.05", "ct-ratio:3"})
            QVERIFY2(SimParseWiring(good, w, error), good);
        QCOMPARE((QList<int>{w.currentPhase[0], w.currentPhase[1], w.currentPhase[2]}),
                 (QList<int>{0, 2, 1}));
        QCOMPARE(w.ctFactor, 0.15);
        for (const char* bad :
             {"reversed-ct:0", "reversed-ct:4", "swapped-ct:1,1", "swapped-ct:1", "missing-u", "ct-ratio:0",
              "ct-ratio:-2", "ct-ratio:nan", "ct-ratio:inf", "crossed:1"}) {
            error.clear();
            QVERIFY2(!SimParseWiring(bad, w, error) && !error.isEmpty(), bad);
        }
    }

    void tariffAndSimulationBits() {
        SimMeter m = MakeMeter(true);
        // The status bits under the mask after a write (-1: the write was refused).
        auto after = [&m](uint16_t value, int mask, int reg = 399) {
            return SimMeterWrite(m, reg, {value}, 1000) == 0 ? Read(m, 399, 1)[0] & mask : -1;
        };
        QCOMPARE(Read(m, 399, 1)[0] & 0x0004, 0x0004);
        QCOMPARE(after(0x0800, 0x0004), 0); // apply tariff 2
        QCOMPARE(after(0x0400, 0x0004), 0); // requested, not applied
        QCOMPARE(after(0x0C00, 0x0004), 0x0004);
        QCOMPARE(after(0x0100 | 0x2000, 0x6000), 0x2000); // output 1 on (free)
        // Output 1 gets its limit function back and leaves the simulation's control: "on" is ignored.
        QCOMPARE(after(0x0005, 0x2000, 537), 0);
        QCOMPARE(after(0x0100 | 0x2000, 0x2000), 0);
    }

    void minMaxResetTakesThePresentValue() {
        SimMeter m = MakeMeter(true);
        const float before = Float(Read(m, 199, 84), 1);
        QVERIFY(before > Float(Read(m, 99, 72), 1) * 1.05f);
        QCOMPARE(SimMeterWrite(m, 429, {0x0001}, 2000), 0);
        const float u1 = Float(Read(m, 99, 72, 2000), 1);
        const float after = Float(Read(m, 199, 84, 2000), 1);
        QVERIFY(after >= u1 && after < u1 * 1.01f && after < before);
        QCOMPARE(Read(m, 429, 1)[0], uint16_t(0)); // the reset register reads as zero
    }

    void loggerStatusClearAndRearrangement() {
        SimMeter m = MakeMeter(true); // logs P and Q, 96 records at start
        QCOMPARE(Read(m, 949, 12).mid(1, 2), (QVector<uint16_t>{192, 0})); // values, no interruption recorded
        QVERIFY(Float(Read(m, 999 + 2 * 190, 4), 0) > 0.0f);               // the newest record
        SimMeterSetup gapped;
        gapped.logRecords = 10;
        gapped.logGaps = {0, 9, 10};
        SimMeter g;
        SimMeterInit(g, gapped, 0);
        // 20 values; the newest record holds values 18 and 19, the oldest 0 and 1; there is no record 10.
        QCOMPARE(Read(g, 949, 12).mid(1, 4), (QVector<uint16_t>{20, 999 + 2 * 18 + 1, 999 + 1, 0}));
        QCOMPARE(SimMeterWrite(m, 969, {5}, 1000), kExIllegalValue);
        QCOMPARE(SimMeterWrite(m, 969, {3}, 1000), 0);
        QCOMPARE(Read(m, 949, 12)[1], uint16_t(0));

        SimMeter n = MakeMeter(true);
        QCOMPARE(SimMeterWrite(n, 539, {0x0C00}, 1000), 0); // same channels: kept
        QCOMPARE(Read(n, 950, 1)[0], uint16_t(192));
        QCOMPARE(SimMeterWrite(n, 539, {0x4C00}, 1000), 0); // apparent power added
        QCOMPARE(Read(n, 950, 1)[0], uint16_t(0));
        // A finished interval (15 minutes) adds one record of three values.
        Read(n, 99, 72, 1000);
        Read(n, 99, 72, 15 * 60000 + 1000);
        QCOMPARE(Read(n, 950, 1, 15 * 60000 + 1000)[0], uint16_t(3));
    }

    // Counts 0 and 126, an unknown register, function 6, function 8 sub-function 1, the
    // echo, a wrong byte count, a read-only register, and a good write of 969.
    void pduErrors() {
        const std::pair<const char*, const char*> cases[] = {
            {"0301910000", "8303"},         {"030191007e", "8303"},       {"0300000001", "8302"},
            {"0603c90003", "8601"},         {"080001aa55", "8801"},       {"080000aa55", "080000aa55"},
            {"1003c9000103000300", "9003"}, {"100063000102abcd", "9002"}, {"1003c90001020002", "1003c90001"}};
        for (const auto& [pdu, reply] : cases) {
            SimMeter m = MakeMeter(true);
            QCOMPARE(SimAnswerPdu(m, QByteArray::fromHex(pdu), 1000).toHex(), QByteArray(reply));
        }
    }

    void faultSpecs() {
        const struct {
            const char* spec;
            FaultKind kind;
            int param, count, address;
        } good[] = {{"silence 3", FaultKind::Silence, 0, 3, -1},
                    {"exception:11:2@5", FaultKind::Exception, 11, 2, 5},
                    {"late:700", FaultKind::Late, 700, 1, -1},
                    {"DROP", FaultKind::Drop, 0, 1, -1}};
        SimFault f;
        QString error;
        for (const auto& c : good) {
            QVERIFY2(SimParseFault(c.spec, f, error), c.spec);
            QCOMPARE(f.kind, c.kind);
            QCOMPARE((QList<int>{f.param, f.count, f.address}), (QList<int>{c.param, c.count, c.address}));
        }
        for (const char* bad : {"late", "exception:x", "bogus", "silence:0", "short@300", "split:2:4"}) {
            error.clear();
            QVERIFY2(!SimParseFault(bad, f, error) && !error.isEmpty(), bad);
        }
    }

    void faultCountsAndAddressFilter() {
        QList<SimFault> faults;
        SimFault f;
        QString error;
        for (const char* spec : {"silence:2@5", "garbage"}) {
            QVERIFY(SimParseFault(spec, f, error));
            faults.append(f);
        }
        SimFault got;
        QVERIFY(SimTakeFault(faults, 9, got)); // unit 9 skips the fault meant for 5
        QCOMPARE(got.kind, FaultKind::Garbage);
        QVERIFY(!SimTakeFault(faults, 9, got));
        QVERIFY(SimTakeFault(faults, 5, got));
        QVERIFY(SimTakeFault(faults, 5, got));
        QCOMPARE(got.kind, FaultKind::Silence);
        QVERIFY(!SimTakeFault(faults, 5, got)); // both counts used up
        QVERIFY(faults.isEmpty());
    }

    // ---- zaro-sim on a pseudo-terminal ----

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
        QVERIFY(reply.size() == 13 && CrcOk(reply));
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
        QVERIFY(r.size() == 137 && !CrcOk(r));
        r = line.transact(read5, 137);
        QVERIFY(CrcOk(r) && r[0] == 6);            // another unit's answer
        QVERIFY(CrcOk(line.transact(read5, 137))); // the faults are used up
        QVERIFY(sim.stopClean());
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

QTEST_GUILESS_MAIN(SimModelTest)
#include "sim_model_test.moc"
