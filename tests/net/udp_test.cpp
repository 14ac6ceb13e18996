// The UDP layer on loopback.
#include "link/Udp.h"

#include <QElapsedTimer>
#include <QtTest>
#include <arpa/inet.h>

class UdpTest : public QObject {
    Q_OBJECT
  private slots:
    void secondSocketOnAPortInUse() {
        int a = -1, b = -1;
        QCOMPARE(UDPOpen(47001, a), 0);
        const int e = UDPOpen(47001, b);
        QCOMPARE(e, 10048);
        QCOMPARE(QString(UDPErrorString(e)), QString("Socket address is already in use."));
        UDPClose(a);
    }

    void readTimesOut() {
        int s = -1;
        QCOMPARE(UDPOpen(0, s), 0);
        char buf[16];
        QElapsedTimer t;
        t.start();
        QCOMPARE(UDPRead(s, buf, sizeof buf, 500), 1);
        QVERIFY(t.elapsed() >= 450);
        UDPClose(s);
    }

    void datagramArrives() {
        int rx = -1, tx = -1;
        QCOMPARE(UDPOpen(47002, rx), 0);
        QCOMPARE(UDPOpen(0, tx), 0);
        const char msg[] = "ping";
        QCOMPARE(UDPWrite(tx, msg, 4, inet_addr("127.0.0.1"), 47002), 0);
        char buf[16] = {};
        QCOMPARE(UDPRead(rx, buf, sizeof buf, 2000), 0);
        QCOMPARE(QByteArray(buf), QByteArray("ping"));
        // A datagram longer than the buffer is cut, and that is said.
        const QByteArray longer(24, 'x');
        QCOMPARE(UDPWrite(tx, longer.constData(), int(longer.size()), inet_addr("127.0.0.1"), 47002), 0);
        const int cut = UDPRead(rx, buf, sizeof buf, 2000);
        QCOMPARE(cut, 10040);
        QVERIFY(QString(UDPErrorString(cut)).contains("truncated"));
        // Broadcasts are allowed; only inside the private namespace, where they stay on loopback.
        if (qEnvironmentVariable("ZARO_IN_NETNS") != "1")
            QSKIP("broadcast is sent only inside the test netns");
        QCOMPARE(UDPWrite(tx, msg, 4, inet_addr("255.255.255.255"), 47002), 0); // netns loopback only
        QCOMPARE(UDPRead(rx, buf, sizeof buf, 2000), 0);
        UDPClose(rx);
        UDPClose(tx);
    }
};

QTEST_GUILESS_MAIN(UdpTest)
#include "udp_test.moc"
