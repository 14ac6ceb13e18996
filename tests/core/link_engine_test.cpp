// The serial and Modbus/TCP transaction engines on a scripted line and a clock that
// only moves when the link waits: retries, the pause before a retry, the reply
// time-out, the RS-485 turnaround and the draining of late replies, to the millisecond.
#include "FakeWire.h"
#include "config/ConfigImage.h"
#include "config/MeterSession.h"
#include "link/Connection.h"
#include "link/DeviceLink.h"
#include "link/ModbusTcp.h"
#include "link/Transport.h"
#include "netmodules/Gateway.h"
#include "netmodules/KnownDevices.h"
#include "platform/Messages.h"
#include "settings/INI_File.h"
#include "settings/SearchAddress.h"

#include <QtTest>
#include <deque>
#include <map>

// What the meter (or the gateway before it) does with one frame it receives.
enum class Meter {
    Silent,
    Good,
    Short,
    BadCRC,
    OtherUnit,
    Absent,
    AbsentGatewayUnit, // exception 11 with the gateway's own unit
    PathUnavailable,   // exception 10
    Refuses,           // exception 1: the meter does not take the request
    Echo,              // the request itself, as function 8 answers
    Twice,
    ThenClose, // the gateway closes the connection after its answer (afterMs later)
    Hangup,    // it closes without an answer
};
struct Answer {
    Meter meter = Meter::Good;
    int afterMs = 5;
    int gapMs = 0;   // > 0: the reply comes one byte at a time, this far apart
    int splitAt = 0; // > 0: the reply comes in two parts, gapMs apart
};
struct SerialCase {
    int commType;
    QList<Answer> answers;
    int ok, error; // number of the error pair shown; -1 none
    QList<int> pauses;
    int elapsedMs;
    bool quiet = false;
};
struct TcpCase {
    int commType;
    QList<Answer> answers;
    int ok, errorKind, errorNumber; // of the error pair shown; kind -1: none
    QString argument;               // of the text
    bool kept;
    int elapsedMs;
};
Q_DECLARE_METATYPE(SerialCase)
Q_DECLARE_METATYPE(TcpCase)

namespace {

// The scripted line: bytes are due at a time of the fake clock and can be read from then on.
struct Line : FakeWire {
    Line() {}                  // with a constructor of its own, GCC sees the reset wire as initialised
    std::deque<Answer> script; // one answer per frame written; none left = silence
    std::vector<QByteArray> written;
    std::vector<int> pauses;
    std::vector<bool> rts; // RTS changes, when the port drives RTS
    bool open = false;
    bool drivesRTS = false;
    int connects = 0;
} line;

QByteArray WithCRC(QByteArray frame) {
    uint16_t crc = 0xFFFF;
    for (char c : frame)
        crc = CRC16(crc, uint8_t(c));
    return frame.append(char(crc & 0xFF)).append(char(crc >> 8));
}

// The reply to a read request: every register holds the request's start register, so
// replies to different requests differ.
QByteArray ReplyTo(const QByteArray& request, Meter meter) {
    const int count = uint8_t(request[4]) << 8 | uint8_t(request[5]);
    QByteArray reply = request.left(2) + char(2 * count) + request.mid(2, 2).repeated(count);
    reply = WithCRC(reply);
    if (meter == Meter::BadCRC) reply[reply.size() - 1] = char(reply.back() ^ 0xFF);
    if (meter == Meter::Short) reply.chop(1);
    return reply;
}

// The same over Modbus/TCP: the header echoed, no CRC.
QByteArray TcpReplyTo(const QByteArray& request, Meter meter) {
    const QByteArray unit = request.mid(6, 1), function = request.mid(7, 1);
    QByteArray pdu;
    if (meter == Meter::Echo) return request;
    if (meter == Meter::Absent || meter == Meter::AbsentGatewayUnit) {
        pdu = QByteArray(1, char(function[0] | 0x80)) + char(11); // the gateway's target did not respond
    } else if (meter == Meter::PathUnavailable || meter == Meter::Refuses) {
        pdu = QByteArray(1, char(function[0] | 0x80)) + char(meter == Meter::Refuses ? 1 : 10);
    } else {
        const int count = uint8_t(request[10]) << 8 | uint8_t(request[11]);
        pdu = function + char(2 * count) + request.mid(8, 2).repeated(count);
    }
    const QByteArray to = meter == Meter::OtherUnit           ? QByteArray(1, char(unit[0] + 1))
                          : meter == Meter::AbsentGatewayUnit ? QByteArray(1, char(0xFE))
                                                              : unit;
    return request.left(4) + char(0) + char(pdu.size() + 1) + to + pdu;
}

// Schedules the reply; gives the time its last byte is due.
int64_t Schedule(const QByteArray& reply, const Answer& a) {
    int64_t due = line.now;
    for (int i = 0; i < reply.size(); ++i) {
        due = line.now + a.afterMs + (a.splitAt ? (i >= a.splitAt) * a.gapMs : i * a.gapMs);
        line.due(due, reply.mid(i, 1));
    }
    return due;
}

// Records a frame and schedules the meter's answer to it. A gateway that has closed
// the connection takes nothing more from it.
void Hear(const QByteArray& frame, bool tcp) {
    line.written.push_back(frame);
    if (tcp && line.closesAt >= 0) return;
    if (line.script.empty()) return;
    const Answer a = line.script.front();
    line.script.pop_front();
    if (a.meter == Meter::Silent) return;
    if (a.meter == Meter::Hangup) {
        line.closesAt = line.now + a.afterMs;
        return;
    }
    const QByteArray reply = tcp ? TcpReplyTo(frame, a.meter) : ReplyTo(frame, a.meter);
    const int64_t last = Schedule(reply, a);
    if (a.meter == Meter::Twice) Schedule(reply, {Meter::Good, a.afterMs + 5});
    if (a.meter == Meter::ThenClose) line.closesAt = last + a.afterMs;
}

int Write(const uint8_t* data, int n) {
    Hear(QByteArray(reinterpret_cast<const char*>(data), n), false);
    return n;
}

int ReadSome(uint8_t* buffer, int n, int waitMs) {
    if (!line.open) return -1;
    return line.waitForBytes(waitMs) ? line.take(buffer, n) : 0;
}

int TcpConnect(const std::string&, int, TcpCallback callback, int) {
    line.open = true;
    line.callback = callback;
    line.closesAt = -1;
    return ++line.connects;
}

int TcpWrite(int, const uint8_t* data, int n, int) {
    Hear(QByteArray(reinterpret_cast<const char*>(data), n), true);
    return n;
}

int TcpRead(int, uint8_t* buffer, int n, int timeoutMs) {
    return line.open ? line.tcpRead(buffer, n, timeoutMs) : -1;
}

// A closed connection announces nothing more.
void TcpWaitForData(int handle, int timeoutMs) {
    if (line.open)
        line.tcpWaitForData(handle, timeoutMs);
    else
        line.waitForBytes(timeoutMs);
}

void TcpDiscardInput(int handle) {
    if (line.open)
        line.tcpDiscardInput(handle);
    else
        line.flush();
}

const LinkTransport kScriptedLine = {
    [](const std::string&, int, SerialParity, int) {
        line.open = true;
        return 0;
    },
    [] { line.open = false; },
    [] { return line.open; },
    Write,
    [] {},
    ReadSome,
    [] { line.flush(); },
    [](bool on) {
        if (line.drivesRTS) line.rts.push_back(on);
    },
    [] { return line.open && line.drivesRTS; },
    TcpConnect,
    TcpWrite,
    TcpRead,
    TcpDiscardInput,
    TcpWaitForData,
    [](int) {
        line.open = false;
        line.incoming.clear();
        return 0;
    },
    [] { return line.now; },
    [](int ms) {
        line.pauses.push_back(ms);
        line.now += ms;
    },
};

} // namespace

class LinkEngineTest : public QObject {
    Q_OBJECT
    MeterSession session;
    Connection& connection = session.connection; // the one the link talks over

    ScriptedMessages messages;
    KnownDevices devices;

    // Reads the device status with the given answers of the meter; the clock starts at 0.
    int readStatus(const QList<Answer>& answers, int showErrors) {
        line.script.assign(answers.begin(), answers.end());
        if (!InitInterface()) return -1;
        const int ok = Read(session.read, kReadDevStatus, showErrors);
        CloseInterface();
        return ok;
    }

    // The one error pair shown, with the argument of its text; kind < 0: none.
    static std::vector<ScriptedMessages::Shown> Shown(int kind, int number = 0,
                                                      const QString& argument = {}) {
        if (kind < 0) return {};
        return {{MessageType::Error, kind, number, argument.toStdString()}};
    }

  private slots:
    void initTestCase() { UseSession(session); }
    void init() {
        line = Line{};
        SetLinkTransport(&kScriptedLine);
        SetMessageSink(&messages);
        messages.clear();
        connection.kind = 1;
        connection.meterAddress = 3;
        connection.baudIndex = 3;
        connection.formatIndex = 0;
        connection.rtsFlow = 0;
        connection.replyTimeoutMs = 100;
        connection.closePortAfterUse = 1;
        devices = KnownDevices{};
        devices.gateways.resize(2);
        devices.modules.resize(1);
        UseKnownDevices(&devices);
    }
    void cleanup() {
        UseKnownDevices(nullptr);
        CloseCommPort();
        CloseTCPConnection(kCloseAllTCP);
        SetLinkTransport(nullptr);
        SetMessageSink(nullptr);
    }

    // Four attempts; a reply of the wrong length (silence too) is retried after the
    // line has settled, a wrong CRC at once. Asked to be quiet, a failure shows nothing.
    void attempts_data() {
        QTest::addColumn<SerialCase>("c");
        const Answer silent{Meter::Silent}, good{Meter::Good}, shortReply{Meter::Short},
            badCRC{Meter::BadCRC};
        const QList<Answer> silence{silent, silent, silent, silent};
        QTest::newRow("answered") << SerialCase{1, {good}, 1, -1, {}, 5};
        QTest::newRow("third attempt answered")
            << SerialCase{1, {silent, silent, good}, 1, -1, {50, 50}, 100 + 50 + 100 + 50 + 5};
        QTest::newRow("silence") << SerialCase{1, silence, 0, 2, {50, 50, 50}, 4 * 100 + 3 * 50};
        QTest::newRow("silence, quietly")
            << SerialCase{1, silence, 0, -1, {50, 50, 50}, 4 * 100 + 3 * 50, true};
        QTest::newRow("late reply is silence")
            << SerialCase{1, {Answer{Meter::Good, 150}, good}, 1, -1, {50}, 100 + 50 + 5};
        QTest::newRow("wrong CRC retried at once") << SerialCase{1, {badCRC, good}, 1, -1, {}, 5 + 5};
        QTest::newRow("wrong CRC") << SerialCase{1, {badCRC, badCRC, badCRC, badCRC}, 0, 4, {}, 4 * 5};
        QTest::newRow("short reply") << SerialCase{
            1, {shortReply, shortReply, shortReply, shortReply}, 0, 4, {50, 50, 50}, 4 * (5 + 100) + 3 * 50};
        QTest::newRow("RS-232 settles longer")
            << SerialCase{0, {shortReply, good}, 1, -1, {600}, 5 + 100 + 600 + 5};
    }
    void attempts() {
        QFETCH(SerialCase, c);
        connection.kind = c.commType;
        std::memset(session.blocks.deviceStatus, 0x5A, sizeof session.blocks.deviceStatus);
        QCOMPARE(readStatus(c.answers, c.quiet ? 0 : 1), c.ok);
        QCOMPARE(int(line.written.size()), c.ok ? int(c.answers.size()) : 4);
        QCOMPARE(QList<int>(line.pauses.begin(), line.pauses.end()), c.pauses);
        QCOMPARE(int(line.now), c.elapsedMs);
        // Silence names what was tried: device, address, baud rate, format, time-out.
        QCOMPARE(messages.shown, Shown(c.error < 0 ? -1 : 0, c.error,
                                       c.error == 2 ? "/dev/ttyS0, 3, 9600, 8N2, 100 ms" : ""));
        QCOMPARE(session.blocks.deviceStatus[0] == 0x5A, !c.ok); // a failed read keeps what the block had
    }

    // The time-out runs from the last byte that arrived: a slow line delivers a long
    // reply, a pause longer than the time-out ends the attempt, and so does a reply that
    // keeps dribbling. The status reply has 7 bytes: the last arrives 6 gaps after the
    // first. An attempt lasts at most the time-out, the reply's 9 ms at 9600 baud and 100 ms.
    void replyTimeout() {
        const struct {
            int gapMs, attempts, elapsedMs;
        } cases[] = {{30, 1, 5 + 6 * 30}, {120, 2, 5 + 100 + 50 + 5}, {60, 2, 100 + 9 + 100 + 50 + 5}};
        for (const auto& c : cases) {
            init();
            QCOMPARE(readStatus({{Meter::Good, 5, c.gapMs}, {Meter::Good}}, 1), 1);
            QCOMPARE(int(line.written.size()), c.attempts);
            QCOMPARE(int(line.now), c.elapsedMs);
            cleanup();
        }
    }

    // A reply that came too late for its request must not answer the next one.
    void lateReplyIsDrainedBeforeTheNextRequest() {
        QCOMPARE(readStatus({{Meter::Good, 250}, {Meter::Good}}, 1), 1);
        line.now += 400; // the late reply is in the input queue now
        line.script = {Answer{}};
        QCOMPARE(InitInterface(), 1);
        QCOMPARE(Read(session.read, kReadMeterScale, 1), 1);
        CloseInterface();
        QCOMPARE(QByteArray(reinterpret_cast<char*>(session.blocks.energyScale), 2).toHex(),
                 QByteArray("3f01"));
        QCOMPARE(QByteArray(reinterpret_cast<char*>(session.blocks.deviceStatus), 2).toHex(),
                 QByteArray("8f01"));
        QVERIFY(messages.shown.empty());
    }

    // The RS-485 converter sends while RTS is raised and needs its turnaround time
    // before the reply; a broadcast waits as long, though no reply comes.
    void turnaround() {
        const QList<bool> raised{true, false, true};
        const struct {
            int rtsFlow;
            bool drivesRTS;
            int baudrate;
            bool broadcast;
            QList<int> pauses;
            QList<bool> rts;
        } cases[] = {
            {1, true, 3, false, {10}, raised},  // at 9600 baud
            {1, true, 0, false, {100}, raised}, // at 1200 baud
            {1, false, 3, false, {}, {}},       // a port without RTS
            {0, true, 3, false, {}, {}},        // no converter flow
            {0, true, 1, true, {50}, {}},       // broadcast
            {1, true, 3, true, {10}, raised},   // broadcast through the converter
        };
        for (const auto& c : cases) {
            init();
            connection.rtsFlow = c.rtsFlow;
            connection.baudIndex = c.baudrate;
            line.drivesRTS = c.drivesRTS;
            line.script = {Answer{}};
            QCOMPARE(InitInterface(), 1);
            QCOMPARE(c.broadcast ? Write(session.read, kWriteRestartInterval, 1, 1)
                                 : Read(session.read, kReadDevStatus, 1),
                     1);
            CloseInterface();
            QCOMPARE(QList<int>(line.pauses.begin(), line.pauses.end()), c.pauses);
            QCOMPARE(QList<bool>(line.rts.begin(), line.rts.end()), c.rts);
            QCOMPARE(int(line.written.size()), 1);
            cleanup();
        }
    }

    // Modbus/TCP: a reply that is not for the request is retried up to three times;
    // silence ends after two seconds and closes the connection; an absent unit ends
    // at once and keeps it for the next unit. A reply may come in any number of
    // segments. The messages name the device in use.
    void tcpAttempts_data() {
        QTest::addColumn<TcpCase>("c");
        const Answer good{Meter::Good}, other{Meter::OtherUnit};
        const int gateway = kGateway, module = kModule;
        const char *theGateway = "The gateway", *theModule = "The LANMOD57 module";
        QTest::newRow("answered") << TcpCase{gateway, {good}, 1, -1, 0, "", true, 5};
        QTest::newRow("two replies of another unit, then the right one")
            << TcpCase{gateway, {other, other, good}, 1, -1, 0, "", true, 15};
        QTest::newRow("three replies of another unit")
            << TcpCase{gateway, {other, other, other}, 0, 8, 14, theGateway, false, 15};
        QTest::newRow("three replies of another unit to the module")
            << TcpCase{module, {other, other, other}, 0, 8, 14, theModule, false, 15};
        QTest::newRow("silence") << TcpCase{gateway, {Answer{Meter::Silent}}, 0, 9, 16, "", false, 2000};
        QTest::newRow("silence of the module")
            << TcpCase{module, {Answer{Meter::Silent}}, 0, 8, 14, theModule, false, 2000};
        QTest::newRow("late reply") << TcpCase{gateway, {Answer{Meter::Good, 2300}}, 0, 9, 16, "", false,
                                               2000};
        QTest::newRow("absent unit") << TcpCase{gateway, {Answer{Meter::Absent}}, 0, 10, 2, "", true, 5};
        QTest::newRow("absent unit, the gateway's own unit in the reply")
            << TcpCase{gateway, {Answer{Meter::AbsentGatewayUnit}}, 0, 10, 2, "", true, 5};
        QTest::newRow("one byte a segment")
            << TcpCase{gateway, {Answer{Meter::Good, 5, 10}}, 1, -1, 0, "", true, 5 + 10 * 10};
        QTest::newRow("split after 9 bytes")
            << TcpCase{gateway, {Answer{Meter::Good, 5, 30, 9}}, 1, -1, 0, "", true, 35};
        QTest::newRow("peer closes without an answer")
            << TcpCase{gateway, {Answer{Meter::Hangup, 40}}, 0, 8, 15, theGateway, false, 40};
    }
    void tcpAttempts() {
        QFETCH(TcpCase, c);
        useGateway();
        if (c.commType == kModule) useModule();
        line.script.assign(c.answers.begin(), c.answers.end());
        QCOMPARE(InitInterface(), 1);
        QCOMPARE(Read(session.read, kReadDevStatus, 1), c.ok);
        QCOMPARE(int(line.written.size()), int(c.answers.size()));
        QCOMPARE(int(line.now), c.elapsedMs);
        QCOMPARE(int(TCPSlotConnected(0)), c.kept ? 1 : 0);
        QCOMPARE(messages.shown, Shown(c.errorKind, c.errorNumber, c.argument));
        if (!c.argument.isEmpty())
            QVERIFY(MessageTextEnglish(MessageType::Error, c.errorKind, c.errorNumber, qPrintable(c.argument))
                        .startsWith(c.argument + " "));
    }

    // A gateway that takes one request a connection: each request finds the connection
    // closed, reconnects and gets its answer; when the close crosses the next request
    // (no idle time between them), that request goes again on a new connection.
    void tcpGatewayClosingAfterEveryAnswer() {
        for (const auto& [idleMs, frames] : {std::pair{50, 5}, std::pair{0, 9}}) {
            init();
            useGateway();
            line.script = std::deque<Answer>(5, Answer{Meter::ThenClose});
            QCOMPARE(InitInterface(), 1);
            for (int i = 0; i < 5; ++i) {
                QCOMPARE(Read(session.read, kReadDevStatus, 1), 1);
                line.now += idleMs;
            }
            QCOMPARE(line.connects, 5);
            QCOMPARE(int(line.written.size()), frames);
            QVERIFY(messages.shown.empty());
            cleanup();
        }
    }

    // The slots are shared: a change of interface kind, gateway or module (through
    // SelectInterface, or by the settings) must not send the next request down the
    // connection made for the one before.
    void tcpChangeOfInterfaceReconnects() {
        const struct {
            int kind, gateway;
            bool selected;
            QByteArray unit; // of the second request
        } cases[] = {{kModule, 0, true, "ff"}, {kGateway, 1, true, "05"}, {kModule, 0, false, "ff"}};
        for (const auto& c : cases) {
            init();
            useGateway();
            useModuleRecord();
            qstrncpy(devices.gateways[1].record.IP, "gateway 2", sizeof devices.gateways[1].record.IP);
            line.script = {Answer{}, Answer{}};
            QCOMPARE(InitInterface(), 1);
            QCOMPARE(Read(session.read, kReadDevStatus, 1), 1);
            if (c.selected) {
                SelectInterface(connection, c.kind, c.gateway, connection.moduleIndex);
                QVERIFY(!line.open); // closed at once
            } else {
                connection.kind = c.kind;
            }
            QCOMPARE(Read(session.read, kReadDevStatus, 1), 1);
            QCOMPARE(line.connects, 2);
            QCOMPARE(line.written.back().mid(6, 1).toHex(), c.unit);
            QVERIFY(messages.shown.empty());
            cleanup();
        }
    }

    // Bytes that arrive while no request waits (here a second copy of a reply) are
    // thrown away before the next request goes out.
    void tcpStaleReplyIsDiscardedBeforeTheNextRequest() {
        useGateway();
        line.script = {Answer{Meter::Twice}, Answer{}};
        QCOMPARE(InitInterface(), 1);
        QCOMPARE(Read(session.read, kReadDevStatus, 1), 1);
        line.now += 100; // the copy has arrived
        QCOMPARE(Read(session.read, kReadMeterScale, 1), 1);
        QCOMPARE(QByteArray(reinterpret_cast<char*>(session.blocks.energyScale), 2).toHex(),
                 QByteArray("3f01"));
        QVERIFY(messages.shown.empty());
    }

    // The search behind a gateway: any exception answers a probe (no meter to be had
    // there) and the search goes on; only silence ends it.
    void tcpMeterSearch() {
        useGateway();
        devices.gateways.resize(1);
        connection.highestSearchAddress = 32;
        line.script = {Answer{Meter::PathUnavailable}, Answer{Meter::Refuses}, Answer{Meter::Echo},
                       Answer{Meter::Absent}, Answer{Meter::Silent}};
        QCOMPARE(SearchGatewayDevices(devices, connection.highestSearchAddress), 0);
        QCOMPARE(int(line.written.size()), 5);
        const int32_t* units = devices.gateways[0].units;
        QCOMPARE(QList<int>(units, units + 2), QList<int>({3, 0}));
        QCOMPARE(messages.shown, Shown(9, 16));
    }

  private:
    void useGateway() {
        SelectInterface(connection, kGateway, 0, 0);
        qstrncpy(devices.gateways[0].record.IP, "gateway", sizeof devices.gateways[0].record.IP);
        connection.gatewayUnitAddress = 5;
    }
    void useModuleRecord() { qstrncpy(devices.modules[0].IP, "module", sizeof devices.modules[0].IP); }
    void useModule() {
        SelectInterface(connection, kModule, 0, 0);
        useModuleRecord();
    }
};

QTEST_GUILESS_MAIN(LinkEngineTest)
#include "link_engine_test.moc"
