// Modbus/TCP transactions against zaro-sim as gateway and as module, end to end. The
// engine's retries, time-out, discarding of stale replies and the simulator's faults
// are tested on the transport seam in link_engine_test; the busy guard against a timer
// tick inside a transaction sits above the transports (link_serial_test). Below, the
// simulated gateway itself on raw frames: broadcast and a dropped connection (its unit
// rules and the module are checked against third-party masters in the integration tests).
// Last, the module's log over HTTP: from zaro-sim and from peers that misbehave in-process.
#include "SimProcess.h"
#include "config/ConfigImage.h"
#include "config/MeterSession.h"
#include "link/Connection.h"
#include "link/DeviceLink.h"
#include "link/ModbusTcp.h"
#include "logger/Logger57.h"
#include "netmodules/KnownDevices.h"
#include "platform/HttpClient.h"
#include "platform/Messages.h"
#include "platform/ProgramFiles.h"
#include "settings/INI_File.h"

#include <QtNetwork>
#include <QtTest>

namespace {

QByteArray Request(uint16_t tid, uint8_t unit, const QByteArray& pduHex) {
    const QByteArray pdu = QByteArray::fromHex(pduHex);
    QByteArray f;
    f.append(char(tid >> 8)).append(char(tid & 0xFF)).append(2, '\0');
    f.append(char(0)).append(char(pdu.size() + 1)).append(char(unit)).append(pdu);
    return f;
}

// Reads until want bytes came or nothing arrives for quietMs.
QByteArray Receive(QTcpSocket& s, int want, int quietMs = 500) {
    QByteArray got = s.readAll();
    while (got.size() < want && s.waitForReadyRead(quietMs))
        got += s.readAll();
    return got;
}

QByteArray Transact(QTcpSocket& s, const QByteArray& request, int want, int quietMs = 500) {
    s.write(request);
    s.flush();
    return Receive(s, want, quietMs);
}

// Answers every connection with reply; closes afterwards unless told to keep it open.
struct Peer {
    QTcpServer server;
    QByteArray reply;
    bool close = true;
    QByteArray request;

    Peer() {
        server.listen(QHostAddress::LocalHost);
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            QTcpSocket* s = server.nextPendingConnection();
            QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
                request += s->readAll();
                if (!request.endsWith("\r\n\r\n")) return;
                s->write(reply);
                if (close) s->disconnectFromHost();
            });
        });
    }
    int port() const { return server.serverPort(); }
};

const char* const kSample = ZARO_SOURCE_DIR "/fuzz/corpus/modulelog_fuzz/sample.LF3";

} // namespace

class LinkTcpTest : public QObject {
    Q_OBJECT
    MeterSession session;
    Connection& connection = session.connection; // the one the link talks over

    std::unique_ptr<SimProcess> sim; // one per test: its log counts that test's requests
    ScriptedMessages messages;
    KnownDevices devices;
    ModuleLog log;

    void startGateway(const QStringList& extra = {}) {
        QVERIFY2(sim->start(QStringList{"--gateway", "5,9", "--verbose"} + extra), qPrintable(sim->output()));
        connection.kind = 2;
        connection.gatewayIndex = 0;
        qstrncpy(devices.gateways[0].record.IP, qPrintable(sim->host()), sizeof(NetbiterRecord::IP));
        connection.gatewayTcpPort = sim->tcpPort();
        connection.gatewayUnitAddress = 5;
    }

    void startModule(const QStringList& extra = {}) {
        QVERIFY2(sim->start(QStringList{"--module", "--unit", "247", "--verbose"} + extra),
                 qPrintable(sim->output()));
        connection.kind = 3;
        connection.moduleIndex = 0;
        qstrncpy(devices.modules[0].IP, qPrintable(sim->host()), sizeof devices.modules[0].IP);
        connection.moduleTcpPort = sim->tcpPort();
        connection.gatewayUnitAddress = 247;
    }

    void useModuleAt(int port) {
        qstrncpy(devices.modules[0].IP, "127.0.0.1", sizeof devices.modules[0].IP);
        connection.moduleIndex = 0;
        connection.moduleHttpPort = port;
    }

    int requests(const QString& frameStart) {
        sim->stop();
        int n = 0;
        for (const QString& line : sim->output().split('\n'))
            if (line.startsWith("zaro-sim: request") &&
                line.mid(36).startsWith(frameStart)) // after the header
                ++n;
        return n;
    }

  private slots:
    void initTestCase() { UseSession(session); }
    void init() {
        sim = std::make_unique<SimProcess>();
        SetMessageSink(&messages);
        messages.clear();
        connection.replyTimeoutMs = 200;
        devices.gateways.resize(1);
        devices.modules.resize(1);
        UseKnownDevices(&devices);
    }
    void cleanup() {
        CloseTCPConnection(kCloseAllTCP);
        sim.reset();
        SetMessageSink(nullptr);
    }
    void cleanupTestCase() { RemoveModuleWorkfile(log); }

    void readsAndWritesThroughGateway() {
        startGateway();
        QCOMPARE(InitInterface(), 1);
        QCOMPARE(Read(session.read, kReadModelName, 1), 1);
        QCOMPARE(Write(session.read, kWriteRestartInterval, 1, 0), 1);
        QCOMPARE(Write(session.read, kWriteRestartInterval, 1, 1),
                 1); // a broadcast does not wait for a reply
        QCOMPARE(Read(session.read, kReadDevStatus, 1), 1);
        QVERIFY(messages.shown.empty());
        QCOMPARE(QByteArray(ReportedModel(), 4), QByteArray("ZRM3"));
        QCOMPARE(int(TCPSlotConnected(0)), 1);
        QCOMPARE(requests("00 10 03 c9"), 1);
    }

    void connectionRefused() {
        for (const auto& [commType, number] : {std::pair{2, 11}, std::pair{3, 2}}) { // gateway, module
            messages.clear();
            connection.kind = commType;
            connection.gatewayIndex = connection.moduleIndex = 0;
            qstrncpy(devices.gateways[0].record.IP, "127.0.0.1", sizeof devices.gateways[0].record.IP);
            qstrncpy(devices.modules[0].IP, "127.0.0.1", sizeof devices.modules[0].IP);
            connection.gatewayTcpPort = connection.moduleTcpPort = 1; // nothing listens there
            QCOMPARE(InitInterface(), 0);
            QCOMPARE(messages.shown, (std::vector<ScriptedMessages::Shown>{{MessageType::Error, 8, number}}));
            QCOMPARE(int(TCPSlotConnected(0)), 0);
        }
    }

    void moduleReadsAt255AndWritesToTheMeter() {
        startModule();
        QCOMPARE(InitInterface(), 1);
        QCOMPARE(Read(session.read, kReadDevStatus, 1), 1);
        QCOMPARE(Write(session.read, kWriteRestartInterval, 1, 0), 1);
        QVERIFY(messages.shown.empty());
        QCOMPARE(requests("ff 03 01 8f"), 1);
        QCOMPARE(requests("f7 10 03 c9"), 1);
    }

    void simulatedGatewayBroadcastAndDrop() {
        QVERIFY(sim->start({"--gateway", "5,9", "--listen", "127.0.0.1:0"}));
        QTcpSocket s;
        s.connectToHost(sim->host(), quint16(sim->tcpPort()));
        QVERIFY(s.waitForConnected(3000));

        // A broadcast (unit 0) reaches both meters without a reply.
        QVERIFY(Transact(s, Request(2, 0, "100214000102162e"), 12, 150).isEmpty());
        QCOMPARE(Transact(s, Request(3, 9, "0302140001"), 11).mid(9).toHex(), QByteArray("162e"));

        sim->command("fault drop");
        s.write(Request(9, 5, "0301910001"));
        QVERIFY(s.waitForDisconnected(2000));
        // The server still takes new connections.
        QTcpSocket again;
        again.connectToHost(sim->host(), quint16(sim->tcpPort()));
        QVERIFY(again.waitForConnected(3000));
        QCOMPARE(Transact(again, Request(10, 9, "0301910001"), 11).size(), 11);
        QVERIFY(sim->stopClean());
    }

    // The simulated module's log and its oddities (storing and opening it again: gui/logger57_test).
    void downloads() {
        QVERIFY(sim->start({"--module", "--http-port", "0", "--log-sequences", "3", "--log-records", "20"}));
        useModuleAt(sim->httpPort());
        QCOMPARE(CmReadLoggerData57(session, log), 1);
        QCOMPARE(messages.shown.size(), size_t(0));
        QCOMPARE(log.NumLogSeq, 3);
        QCOMPARE(log.Shown, 3);
        QCOMPARE(log.Dev57[1].NumRec, 19u); // the record the module missed
        QCOMPARE(log.Dev57[1].IntervalMin, uint16_t(15));
        QVERIFY(log.Dev57[2].Stop < log.Dev57[2].Start + 19 * 900); // its clock went back an hour
        const LogSequence& last = log.Dev57[3];
        QCOMPARE(log.LogStamp[last.FirstStamp + 18],
                 log.LogStamp[last.FirstStamp + 19]); // repeated stamp
        QVERIFY(sim->stopClean());
    }

    // The status comes from the status line; a failed download leaves the decoded log
    // and the file it came from as they were.
    void refusals_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("close");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("argument");
        QTest::newRow("404 page naming 200")
            << QByteArray("HTTP/1.1 404 Not Found\r\n\r\n<p>200 OK</p>") << true << 5 << "HTTP_404_NOT_FOUND";
        QTest::newRow("unlisted 418") << QByteArray("HTTP/1.1 418 Teapot\r\n\r\n") << true << 5 << "HTTP 418";
        QTest::newRow("no blank line") << QByteArray("HTTP/1.1 200 OK\r\n") << true << 4 << "";
        QTest::newRow("short of its Content-Length")
            << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 40\r\n\r\n\x70\x00") << true << 4 << "";
        QTest::newRow("chunked") << QByteArray(
                                        "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n1\r\n\x70\r\n")
                                 << true << 4 << "";
        QTest::newRow("nothing") << QByteArray() << true << 4 << "";
        QTest::newRow("never closes") << QByteArray("HTTP/1.1 200 OK\r\n\r\n\x70") << false << 2 << "";
        QTest::newRow("over 4 MiB") << QByteArray("HTTP/1.1 200 OK\r\n\r\n") +
                                           QByteArray((4 << 20) + 1, '\x70')
                                    << true << 3 << "";
        QTest::newRow("damaged log") << QByteArray("HTTP/1.1 200 OK\r\n\r\n\x70\x00\x41") << true << 1
                                     << "Invalid structure of logger data";
    }

    void refusals() {
        QFETCH(QByteArray, reply);
        QFETCH(bool, close);
        const std::string before = log.SourceFile;
        const int sequences = log.NumLogSeq;
        Peer peer;
        peer.reply = reply;
        peer.close = close;
        useModuleAt(peer.port());
        QCOMPARE(CmReadLoggerData57(session, log), 0);
        QCOMPARE(peer.request, "GET /log.dat HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(peer.port()) +
                                   "\r\nConnection: close\r\n\r\n");
        QCOMPARE(messages.shown.size(), size_t(1));
        QCOMPARE(messages.shown[0].kind, 17);
        QTEST(messages.shown[0].number, "number");
        QTEST(QString::fromStdString(messages.shown[0].argument), "argument");
        QCOMPARE(log.SourceFile, before);
        QCOMPARE(log.NumLogSeq, sequences);
    }

    // A 200 whose header holds "404" is a log like any other, and so is a reply without
    // any status line; a reply is complete with its Content-Length, and what follows is
    // no part of the log.
    void acceptedReplies() {
        QByteArray body;
        QVERIFY(ReadWholeFile(kSample, body));
        const QByteArray length = "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
        for (const auto& [head, close] :
             {std::pair{QByteArray("HTTP/1.1 200 OK\r\nX-Note: 404\r\n\r\n"), true},
              std::pair{QByteArray(), true}, std::pair{"HTTP/1.1 200 OK\r\n" + length + "\r\n", false}}) {
            Peer peer;
            peer.reply = head + body + "\r\n\r\nmore";
            peer.close = close;
            useModuleAt(peer.port());
            QCOMPARE(CmReadLoggerData57(session, log), 1);
            QCOMPARE(messages.shown.size(), size_t(0));
            QByteArray stored;
            QVERIFY(ReadWholeFile(log.SourceFile, stored));
            QCOMPARE(stored, close ? body + "\r\n\r\nmore" : body);
        }
    }
};

QTEST_GUILESS_MAIN(LinkTcpTest)
#include "link_tcp_test.moc"
