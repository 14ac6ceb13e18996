// The module's log over HTTP: from zaro-sim and from peers that misbehave in-process.
#include "SimProcess.h"

#include "link/Connection.h"
#include "link/ModbusTcp.h"
#include "logger/Logger57.h"
#include "netmodules/KnownDevices.h"
#include "platform/HttpClient.h"
#include "platform/Messages.h"
#include "platform/ProgramFiles.h"

#include <QtNetwork>
#include <QtTest>

namespace {

// The connection the link talks over in these tests.
Connection connection;

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

KnownDevices devices;

void UseModuleAt(int port) {
    devices.modules.resize(1);
    qstrncpy(devices.modules[0].IP, "127.0.0.1", sizeof devices.modules[0].IP);
    UseKnownDevices(&devices);
    connection.moduleIndex = 0;
    connection.moduleHttpPort = port;
}

} // namespace

class ModuleLogNetTest : public QObject {
    Q_OBJECT

    ScriptedMessages messages;
    QTemporaryDir dir;
    ModuleLog log;

  private slots:
    void initTestCase() { UseConnection(&connection); }
    void init() {
        SetMessageSink(&messages);
        messages.clear();
    }
    void cleanupTestCase() {
        RemoveModuleWorkfile(log);
        SetMessageSink(nullptr);
    }

    // The simulated module's log: its sequences and oddities, stored and opened again.
    void downloadsStoresAndOpens() {
        SimProcess sim;
        QVERIFY(sim.start({"--module", "--http-port", "0", "--log-sequences", "3", "--log-records", "20"}));
        UseModuleAt(sim.httpPort());
        QCOMPARE(CmReadLoggerData57(log), 1);
        QCOMPARE(messages.shown.size(), size_t(0));
        QCOMPARE(log.NumLogSeq, 3);
        QCOMPARE(log.Shown, 3);
        QCOMPARE(log.Dev57[1].NumRec, 19u); // the record the module missed
        QCOMPARE(log.Dev57[1].IntervalMin, uint16_t(15));
        const LogSequence middle = log.Dev57[2];
        QVERIFY(middle.Stop < middle.Start + 19 * 900); // its clock went back an hour
        const LogSequence& last = log.Dev57[3];
        QCOMPARE(log.LogStamp[last.FirstStamp + 18],
                 log.LogStamp[last.FirstStamp + 19]); // repeated stamp
        QByteArray fetched;
        QVERIFY(ReadWholeFile(log.SourceFile, fetched));

        const std::string lf3 = dir.filePath("copy.LF3").toStdString();
        QCOMPARE(StoreLoggerFile57(log, lf3), 1);
        log = ModuleLog{};
        QCOMPARE(OpenLoggerFile57(log, lf3), 1);
        QCOMPARE(log.SourceFile, lf3);
        QCOMPARE(log.NumLogSeq, 3);
        QCOMPARE(log.Dev57[2].Stop, middle.Stop);
        QByteArray stored;
        QVERIFY(ReadWholeFile(lf3, stored));
        QCOMPARE(stored, fetched);
        QVERIFY(sim.stopClean());
    }

    // The status comes from the status line; a failed download leaves the decoded log
    // and the file it came from as they were.
    void refusals_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("close");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("argument");
        QTest::newRow("404 page naming 200") << QByteArray("HTTP/1.1 404 Not Found\r\n\r\n<p>200 OK</p>")
                                             << true << 17 << 5 << "HTTP_404_NOT_FOUND";
        QTest::newRow("unlisted 418")
            << QByteArray("HTTP/1.1 418 Teapot\r\n\r\n") << true << 17 << 5 << "HTTP 418";
        QTest::newRow("no blank line") << QByteArray("HTTP/1.1 200 OK\r\n") << true << 17 << 4 << "";
        QTest::newRow("short of its Content-Length")
            << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 40\r\n\r\n\x70\x00") << true << 17 << 4 << "";
        QTest::newRow("chunked") << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n1\r\n\x70\r\n")
                                 << true << 17 << 4 << "";
        QTest::newRow("nothing") << QByteArray() << true << 17 << 4 << "";
        QTest::newRow("never closes") << QByteArray("HTTP/1.1 200 OK\r\n\r\n\x70") << false << 17 << 2 << "";
        QTest::newRow("over 4 MiB") << QByteArray("HTTP/1.1 200 OK\r\n\r\n") +
                                           QByteArray((4 << 20) + 1, '\x70')
                                    << true << 17 << 3 << "";
        QTest::newRow("damaged log") << QByteArray("HTTP/1.1 200 OK\r\n\r\n\x70\x00\x41") << true << 17 << 1
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
        UseModuleAt(peer.port());
        QCOMPARE(CmReadLoggerData57(log), 0);
        QCOMPARE(peer.request, "GET /log.dat HTTP/1.1\r\nHost: 127.0.0.1:" + QByteArray::number(peer.port()) +
                                   "\r\nConnection: close\r\n\r\n");
        QCOMPARE(messages.shown.size(), size_t(1));
        QTEST(messages.shown[0].kind, "kind");
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
            UseModuleAt(peer.port());
            QCOMPARE(CmReadLoggerData57(log), 1);
            QCOMPARE(messages.shown.size(), size_t(0));
            QByteArray stored;
            QVERIFY(ReadWholeFile(log.SourceFile, stored));
            QCOMPARE(stored, close ? body + "\r\n\r\nmore" : body);
        }
    }
};

QTEST_GUILESS_MAIN(ModuleLogNetTest)
#include "modulelog_net_test.moc"
