// The serial and Modbus/TCP transaction engines on a scripted line and a clock that
// only moves when the link waits: retries, the pause before a retry, the reply
// time-out, the RS-485 turnaround and the draining of late replies, to the millisecond.
#include "FakeWire.h"
#include "SimLine.h"
#include "config/ConfigImage.h"
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
Q_DECLARE_METATYPE(Answer)

namespace {

// The scripted line: bytes are due at a time of the fake clock and can be read from then on.
struct Line : FakeWire {
    Line() {} // with a constructor of its own, GCC sees the reset wire as initialised
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

    Connection connection; // the one the link talks over

    ScriptedMessages messages;
    KnownDevices devices;

    // Reads the device status with the given answers of the meter; the clock starts at 0.
    int readStatus(const QList<Answer>& answers, int showErrors) {
        line.script.assign(answers.begin(), answers.end());
        if (!InitInterface()) return -1;
        const int ok = Read(Lese, kReadDevStatus, showErrors);
        CloseInterface();
        return ok;
    }

  private slots:
    void initTestCase() { UseConnection(&connection); }
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
    // line has settled, a wrong CRC at once.
    void attempts_data() {
        QTest::addColumn<int>("commType");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<int>("ok");
        QTest::addColumn<int>("error"); // number of the error pair shown; -1 none
        QTest::addColumn<QList<int>>("pauses");
        QTest::addColumn<int>("elapsedMs");
        const Answer silent{Meter::Silent}, good{Meter::Good}, shortReply{Meter::Short},
            badCRC{Meter::BadCRC};
        QTest::newRow("answered") << 1 << QList{good} << 1 << -1 << QList<int>{} << 5;
        QTest::newRow("third attempt answered")
            << 1 << QList{silent, silent, good} << 1 << -1 << QList{50, 50} << 100 + 50 + 100 + 50 + 5;
        QTest::newRow("silence") << 1 << QList{silent, silent, silent, silent} << 0 << 2 << QList{50, 50, 50}
                                 << 4 * 100 + 3 * 50;
        QTest::newRow("late reply is silence")
            << 1 << QList{Answer{Meter::Good, 150}, good} << 1 << -1 << QList{50} << 100 + 50 + 5;
        QTest::newRow("wrong CRC retried at once")
            << 1 << QList{badCRC, good} << 1 << -1 << QList<int>{} << 5 + 5;
        QTest::newRow("wrong CRC") << 1 << QList{badCRC, badCRC, badCRC, badCRC} << 0 << 4 << QList<int>{}
                                   << 4 * 5;
        QTest::newRow("short reply") << 1 << QList{shortReply, shortReply, shortReply, shortReply} << 0 << 4
                                     << QList{50, 50, 50} << 4 * (5 + 100) + 3 * 50;
        QTest::newRow("RS-232 settles longer")
            << 0 << QList{shortReply, good} << 1 << -1 << QList{600} << 5 + 100 + 600 + 5;
    }
    void attempts() {
        QFETCH(int, commType);
        QFETCH(QList<Answer>, answers);
        QFETCH(int, ok);
        QFETCH(int, error);
        QFETCH(QList<int>, pauses);
        QFETCH(int, elapsedMs);
        connection.kind = commType;
        std::memset(DevStatus, 0x5A, sizeof DevStatus);
        QCOMPARE(readStatus(answers, 1), ok);
        QCOMPARE(int(line.written.size()), ok ? int(answers.size()) : 4);
        QCOMPARE(QList<int>(line.pauses.begin(), line.pauses.end()), pauses);
        QCOMPARE(int(line.now), elapsedMs);
        const std::vector<ScriptedMessages::Shown> shown =
            error < 0 ? std::vector<ScriptedMessages::Shown>{}
                      : std::vector<ScriptedMessages::Shown>{{MessageType::Error, 0, error}};
        QCOMPARE(messages.shown, shown);
        QCOMPARE(DevStatus[0] == 0x5A, !ok); // a failed read keeps what the block had
    }

    void failureIsQuietWhenAsked() {
        QCOMPARE(readStatus({{Meter::Silent}, {Meter::Silent}, {Meter::Silent}, {Meter::Silent}}, 0), 0);
        QVERIFY(messages.shown.empty());
    }

    // The time-out runs from the last byte that arrived: a slow line delivers a long
    // reply, a pause longer than the time-out ends the attempt, and so does a reply that
    // keeps dribbling.
    void replyTimeout_data() {
        QTest::addColumn<int>("gapMs");
        QTest::addColumn<int>("attempts");
        QTest::addColumn<int>("elapsedMs");
        // The status reply has 7 bytes: the last arrives 6 gaps after the first. An
        // attempt lasts at most the time-out, the reply's 9 ms at 9600 baud and 100 ms.
        QTest::newRow("bytes closer than the time-out") << 30 << 1 << 5 + 6 * 30;
        QTest::newRow("a gap longer than the time-out") << 120 << 2 << 5 + 100 + 50 + 5;
        QTest::newRow("a dribble longer than the reply could take") << 60 << 2 << 100 + 9 + 100 + 50 + 5;
    }
    void replyTimeout() {
        QFETCH(int, gapMs);
        QFETCH(int, attempts);
        QFETCH(int, elapsedMs);
        QCOMPARE(readStatus({{Meter::Good, 5, gapMs}, {Meter::Good}}, 1), 1);
        QCOMPARE(int(line.written.size()), attempts);
        QCOMPARE(int(line.now), elapsedMs);
    }

    // A reply that came too late for its request must not answer the next one.
    void lateReplyIsDrainedBeforeTheNextRequest() {
        QCOMPARE(readStatus({{Meter::Good, 250}, {Meter::Good}}, 1), 1);
        line.now += 400; // the late reply is in the input queue now
        line.script = {Answer{}};
        QCOMPARE(InitInterface(), 1);
        QCOMPARE(Read(Lese, kReadMeterScale, 1), 1);
        CloseInterface();
        QCOMPARE(QByteArray(reinterpret_cast<char*>(MeterScale), 2).toHex(), QByteArray("3f01"));
        QCOMPARE(QByteArray(reinterpret_cast<char*>(DevStatus), 2).toHex(), QByteArray("8f01"));
        QVERIFY(messages.shown.empty());
    }

    // The RS-485 converter sends while RTS is raised and needs its turnaround time
    // before the reply; a broadcast waits as long, though no reply comes.
    void turnaround_data() {
        QTest::addColumn<int>("rtsFlow");
        QTest::addColumn<bool>("drivesRTS");
        QTest::addColumn<int>("baudrate");
        QTest::addColumn<bool>("broadcast");
        QTest::addColumn<QList<int>>("pauses");
        QTest::addColumn<QList<bool>>("rts");
        QTest::newRow("turned round at 9600")
            << 1 << true << 3 << false << QList{10} << QList{true, false, true};
        QTest::newRow("turned round at 1200")
            << 1 << true << 0 << false << QList{100} << QList{true, false, true};
        QTest::newRow("port without RTS") << 1 << false << 3 << false << QList<int>{} << QList<bool>{};
        QTest::newRow("no converter flow") << 0 << true << 3 << false << QList<int>{} << QList<bool>{};
        QTest::newRow("broadcast") << 0 << true << 1 << true << QList{50} << QList<bool>{};
        QTest::newRow("broadcast through the converter")
            << 1 << true << 3 << true << QList{10} << QList{true, false, true};
    }
    void turnaround() {
        QFETCH(int, rtsFlow);
        QFETCH(bool, drivesRTS);
        QFETCH(int, baudrate);
        QFETCH(bool, broadcast);
        QFETCH(QList<int>, pauses);
        QFETCH(QList<bool>, rts);
        connection.rtsFlow = rtsFlow;
        connection.baudIndex = baudrate;
        line.drivesRTS = drivesRTS;
        line.script = {Answer{}};
        QCOMPARE(InitInterface(), 1);
        QCOMPARE(broadcast ? Write(Lese, kWriteRestartInterval, 1, 1) : Read(Lese, kReadDevStatus, 1), 1);
        CloseInterface();
        QCOMPARE(QList<int>(line.pauses.begin(), line.pauses.end()), pauses);
        QCOMPARE(QList<bool>(line.rts.begin(), line.rts.end()), rts);
        QCOMPARE(int(line.written.size()), 1);
    }

    // Modbus/TCP: a reply that is not for the request is retried up to three times;
    // silence ends after two seconds and closes the connection; an absent unit ends
    // at once and keeps it for the next unit. A reply may come in any number of
    // segments. The messages name the device in use.
    void tcpAttempts_data() {
        QTest::addColumn<int>("commType");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<int>("ok");
        QTest::addColumn<int>("errorKind"); // of the error pair shown; -1 none
        QTest::addColumn<int>("errorNumber");
        QTest::addColumn<QString>("argument"); // of the text
        QTest::addColumn<bool>("kept");
        QTest::addColumn<int>("elapsedMs");
        const Answer good{Meter::Good}, other{Meter::OtherUnit};
        const int gateway = kGateway, module = kModule;
        const QString theGateway = "The gateway", theModule = "The LANMOD57 module";
        QTest::newRow("answered") << gateway << QList{good} << 1 << -1 << 0 << "" << true << 5;
        QTest::newRow("two replies of another unit, then the right one")
            << gateway << QList{other, other, good} << 1 << -1 << 0 << "" << true << 15;
        QTest::newRow("three replies of another unit")
            << gateway << QList{other, other, other} << 0 << 8 << 14 << theGateway << false << 15;
        QTest::newRow("three replies of another unit to the module")
            << module << QList{other, other, other} << 0 << 8 << 14 << theModule << false << 15;
        QTest::newRow("silence") << gateway << QList{Answer{Meter::Silent}} << 0 << 9 << 16 << "" << false
                                 << 2000;
        QTest::newRow("silence of the module")
            << module << QList{Answer{Meter::Silent}} << 0 << 8 << 14 << theModule << false << 2000;
        QTest::newRow("late reply") << gateway << QList{Answer{Meter::Good, 2300}} << 0 << 9 << 16 << ""
                                    << false << 2000;
        QTest::newRow("absent unit") << gateway << QList{Answer{Meter::Absent}} << 0 << 10 << 2 << "" << true
                                     << 5;
        QTest::newRow("absent unit, the gateway's own unit in the reply")
            << gateway << QList{Answer{Meter::AbsentGatewayUnit}} << 0 << 10 << 2 << "" << true << 5;
        QTest::newRow("one byte a segment")
            << gateway << QList{Answer{Meter::Good, 5, 10}} << 1 << -1 << 0 << "" << true << 5 + 10 * 10;
        QTest::newRow("split after 9 bytes")
            << gateway << QList{Answer{Meter::Good, 5, 30, 9}} << 1 << -1 << 0 << "" << true << 35;
        QTest::newRow("peer closes without an answer")
            << gateway << QList{Answer{Meter::Hangup, 40}} << 0 << 8 << 15 << theGateway << false << 40;
    }
    void tcpAttempts() {
        QFETCH(int, commType);
        QFETCH(QList<Answer>, answers);
        QFETCH(int, ok);
        QFETCH(int, errorKind);
        QFETCH(int, errorNumber);
        QFETCH(QString, argument);
        QFETCH(bool, kept);
        QFETCH(int, elapsedMs);
        useGateway();
        if (commType == kModule) useModule();
        line.script.assign(answers.begin(), answers.end());
        QCOMPARE(InitInterface(), 1);
        QCOMPARE(Read(Lese, kReadDevStatus, 1), ok);
        QCOMPARE(int(line.written.size()), int(answers.size()));
        QCOMPARE(int(line.now), elapsedMs);
        QCOMPARE(int(TCPSlotConnected(0)), kept ? 1 : 0);
        const std::vector<ScriptedMessages::Shown> shown =
            errorKind < 0 ? std::vector<ScriptedMessages::Shown>{}
                          : std::vector<ScriptedMessages::Shown>{
                                {MessageType::Error, errorKind, errorNumber, argument.toStdString()}};
        QCOMPARE(messages.shown, shown);
        if (!argument.isEmpty())
            QVERIFY(MessageTextEnglish(MessageType::Error, errorKind, errorNumber, qPrintable(argument))
                        .startsWith(argument + " "));
    }

    // A gateway that takes one request a connection: each request finds the connection
    // closed, reconnects and gets its answer; when the close crosses the next request,
    // that request goes again on a new connection.
    void tcpGatewayClosingAfterEveryAnswer_data() {
        QTest::addColumn<int>("idleMs"); // between the requests
        QTest::addColumn<int>("frames");
        QTest::newRow("close seen before the next request") << 50 << 5;
        QTest::newRow("close crosses the next request") << 0 << 9;
    }
    void tcpGatewayClosingAfterEveryAnswer() {
        QFETCH(int, idleMs);
        QFETCH(int, frames);
        useGateway();
        line.script = std::deque<Answer>(5, Answer{Meter::ThenClose});
        QCOMPARE(InitInterface(), 1);
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(Read(Lese, kReadDevStatus, 1), 1);
            line.now += idleMs;
        }
        QCOMPARE(line.connects, 5);
        QCOMPARE(int(line.written.size()), frames);
        QVERIFY(messages.shown.empty());
    }

    // The slots are shared: a change of interface kind, gateway or module must not send
    // the next request down the connection made for the one before.
    void tcpChangeOfInterfaceReconnects_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("gateway");
        QTest::addColumn<bool>("selected");   // through SelectInterface, or by the settings
        QTest::addColumn<QByteArray>("unit"); // of the second request
        QTest::newRow("gateway to module") << int(kModule) << 0 << true << QByteArray("ff");
        QTest::newRow("another gateway") << int(kGateway) << 1 << true << QByteArray("05");
        QTest::newRow("module set by the settings") << int(kModule) << 0 << false << QByteArray("ff");
    }
    void tcpChangeOfInterfaceReconnects() {
        QFETCH(int, kind);
        QFETCH(int, gateway);
        QFETCH(bool, selected);
        QFETCH(QByteArray, unit);
        useGateway();
        useModuleRecord();
        qstrncpy(devices.gateways[1].record.IP, "gateway 2", sizeof devices.gateways[1].record.IP);
        line.script = {Answer{}, Answer{}};
        QCOMPARE(InitInterface(), 1);
        QCOMPARE(Read(Lese, kReadDevStatus, 1), 1);
        if (selected) {
            SelectInterface(connection, kind, gateway, connection.moduleIndex);
            QVERIFY(!line.open); // closed at once
        } else {
            connection.kind = kind;
        }
        QCOMPARE(Read(Lese, kReadDevStatus, 1), 1);
        QCOMPARE(line.connects, 2);
        QCOMPARE(line.written.back().mid(6, 1).toHex(), unit);
        QVERIFY(messages.shown.empty());
    }

    // Bytes that arrive while no request waits (here a second copy of a reply) are
    // thrown away before the next request goes out.
    void tcpStaleReplyIsDiscardedBeforeTheNextRequest() {
        useGateway();
        line.script = {Answer{Meter::Twice}, Answer{}};
        QCOMPARE(InitInterface(), 1);
        QCOMPARE(Read(Lese, kReadDevStatus, 1), 1);
        line.now += 100; // the copy has arrived
        QCOMPARE(Read(Lese, kReadMeterScale, 1), 1);
        QCOMPARE(QByteArray(reinterpret_cast<char*>(MeterScale), 2).toHex(), QByteArray("3f01"));
        QVERIFY(messages.shown.empty());
    }

    // zaro-sim's gateway in-process, its faults through the Modbus/TCP door: a spoiled
    // reply is tried three times, a late one within the time-out taken; after a closed
    // connection the next request connects anew, after an absent unit the connection
    // serves the next unit.
    void tcpFaultsOfTheSimulatedGateway_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("errorKind"); // of the error pair shown; 0 none
        QTest::addColumn<int>("errorNumber");
        QTest::addColumn<int>("sent");
        QTest::addColumn<int>("connections"); // once unit 9 has been read too
        QTest::newRow("wrong function three times") << "badcrc:3" << 5 << 8 << 14 << 3 << 2;
        QTest::newRow("short three times") << "short:3" << 5 << 8 << 14 << 3 << 2;
        QTest::newRow("late within the time-out") << "late:300" << 5 << 0 << 0 << 1 << 1;
        QTest::newRow("peer closes") << "drop" << 5 << 8 << 15 << 1 << 2;
        QTest::newRow("absent unit") << "" << 7 << 10 << 2 << 1 << 1;
        QTest::newRow("exception 11 with the gateway's own unit") << "absent:0" << 5 << 10 << 2 << 1 << 1;
    }
    void tcpFaultsOfTheSimulatedGateway() {
        QFETCH(QString, fault);
        QFETCH(int, unit);
        QFETCH(int, errorKind);
        QFETCH(int, errorNumber);
        QFETCH(int, sent);
        QFETCH(int, connections);
        SimLine sim(QStringList{"--gateway", "5,9"} +
                    (fault.isEmpty() ? QStringList{} : QStringList{"--fault", fault}));
        QVERIFY(sim.ok());
        useGateway();
        connection.gatewayUnitAddress = unit;
        std::memset(DevStatus, 0x5A, sizeof DevStatus);
        QCOMPARE(InitInterface(), 1);
        QCOMPARE(Read(Lese, kReadDevStatus, 1), errorKind ? 0 : 1);
        QCOMPARE(DevStatus[0] == 0x5A, errorKind != 0);
        std::vector<ScriptedMessages::Shown> shown;
        if (errorKind)
            shown.push_back(
                {MessageType::Error, errorKind, errorNumber, errorKind == 8 ? "The gateway" : ""});
        QCOMPARE(messages.shown, shown);
        connection.gatewayUnitAddress = 9;
        QCOMPARE(Read(Lese, kReadDevStatus, 1), 1);
        QCOMPARE(sim.connections(), connections);
        QCOMPARE(int(sim.requests().size()), sent + 1);
        CloseTCPConnection(kCloseAllTCP);
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
        const std::vector<ScriptedMessages::Shown> silence{{MessageType::Error, 9, 16}};
        QCOMPARE(messages.shown, silence);
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
