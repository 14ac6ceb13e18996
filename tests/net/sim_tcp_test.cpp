// zaro-sim as a Modbus/TCP gateway: broadcast and a dropped connection. Unit rules and the
// module are checked against third-party masters in the integration tests.
#include "SimProcess.h"

#include <QTcpSocket>
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

} // namespace

class SimTcpTest : public QObject {
    Q_OBJECT
  private slots:
    void gatewayBroadcastAndDrop() {
        SimProcess sim;
        QVERIFY(sim.start({"--gateway", "5,9", "--listen", "127.0.0.1:0"}));
        QTcpSocket s;
        s.connectToHost(sim.host(), quint16(sim.tcpPort()));
        QVERIFY(s.waitForConnected(3000));

        // A broadcast (unit 0) reaches both meters without a reply.
        QVERIFY(Transact(s, Request(2, 0, "100214000102162e"), 12, 150).isEmpty());
        QCOMPARE(Transact(s, Request(3, 9, "0302140001"), 11).mid(9).toHex(), QByteArray("162e"));

        sim.command("fault drop");
        s.write(Request(9, 5, "0301910001"));
        QVERIFY(s.waitForDisconnected(2000));
        // The server still takes new connections.
        QTcpSocket again;
        again.connectToHost(sim.host(), quint16(sim.tcpPort()));
        QVERIFY(again.waitForConnected(3000));
        QCOMPARE(Transact(again, Request(10, 9, "0301910001"), 11).size(), 11);
        QVERIFY(sim.stopClean());
    }
};

QTEST_GUILESS_MAIN(SimTcpTest)
#include "sim_tcp_test.moc"
