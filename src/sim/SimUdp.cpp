// Discovery and network set-up over UDP: the gateway's (port 3250, "key = value;"
// texts) and the LANMOD57 module's (port 5001, 75-character records). Written from the
// datagram layouts alone, like the rest of the simulator. Each simulated device keeps
// the settings it is sent, so that the next scan shows them. Faults make a device a
// hostile peer: one that never stops answering, sends garbage or refuses its settings.
#include "Simulator.h"

#include <QTimer>
#include <QUdpSocket>
#include <QVector>

namespace {

struct NetDevice {
    QByteArray mac; // 12 hex digits
    QHostAddress ip, subnet, gateway;
    bool dhcp = false;
    QByteArray name;
};

QVector<NetDevice> devices;
Simulator* sim = nullptr;
bool moduleMode = false;
QUdpSocket* listener = nullptr; // on the device port, shared with whoever else binds it
QUdpSocket* replier = nullptr;  // answers leave from here, so the listener can tell them apart
QByteArray gatewayPassword = "qorvi";

constexpr quint16 kGatewayPort = 3250;
constexpr quint16 kModulePort = 5001;
constexpr int kModuleRecord = 75;

QByteArray GatewayMac(const NetDevice& d) {
    QByteArray text;
    for (int i = 0; i < 12; i += 2)
        text += (i ? "-" : "") + d.mac.mid(i, 2);
    return text;
}

QByteArray GatewayReply(const NetDevice& d) {
    return "Device = Netbiter; Type = gateway; Firmware = 1.0; MAC = " + GatewayMac(d) +
           "; IP = " + d.ip.toString().toLatin1() + "; SN = " + d.subnet.toString().toLatin1() +
           "; GW = " + d.gateway.toString().toLatin1() + "; DHCP = " + (d.dhcp ? "ON" : "OFF") +
           "; Password = set; HN = " + d.name + "; DNS1 = 0.0.0.0; DNS2 = 0.0.0.0;" + QByteArray(1, '\0');
}

QByteArray Hex(const QHostAddress& a) {
    return QByteArray::number(a.toIPv4Address(), 16).rightJustified(8, '0').toUpper();
}

QByteArray ModuleRecord(const NetDevice& d) {
    QByteArray r = d.mac + " " + (d.dhcp ? "01" : "00") + " " + Hex(d.ip) + " " + Hex(d.subnet) + " " +
                   Hex(d.gateway) + " " + d.name.left(32).leftJustified(32, ' ');
    return r;
}

// A DHCP server of the simulation hands out these.
QHostAddress LeasedAddress(int index) {
    return QHostAddress(QHostAddress(QStringLiteral("127.0.1.1")).toIPv4Address() + quint32(index));
}

NetDevice* ByMac(const QByteArray& mac) {
    for (NetDevice& d : devices)
        if (d.mac == mac.toUpper()) return &d;
    return nullptr;
}

// Loopback senders share the device port with the listener; a loopback broadcast
// reaches every socket on it.
void Answer(const QByteArray& data, const QHostAddress& to, quint16 port) {
    const bool local = to.isLoopback();
    SimTrace(sim->timing, "udp reply", data);
    replier->writeDatagram(data, local ? QHostAddress(QStringLiteral("127.255.255.255")) : to, port);
}

// The kind of the fault the next reply of a device (counted from 1) would take.
bool NextFaultIs(int device, FaultKind kind) {
    for (const SimFault& f : sim->faults)
        if (f.address < 0 || f.address == device) return f.kind == kind;
    return false;
}

// The reply of a device as its fault, if any, shapes it: each part a datagram of its
// own. A refusal waits for the configuration it refuses.
void Reply(int device, const QByteArray& data, const QHostAddress& to, quint16 port, int64_t afterMs = 0) {
    SimFault fault;
    const bool faulty =
        !NextFaultIs(device, FaultKind::Refuse) && SimTakeFault(sim->faults, device, fault, SimDoor::Udp);
    if (faulty && fault.kind == FaultKind::Storm) { // again and again, for a minute
        const int everyMs = std::max(fault.param, 10);
        auto* timer = new QTimer(replier);
        QObject::connect(timer, &QTimer::timeout, timer,
                         [timer, data, to, port, left = 60000 / everyMs]() mutable {
                             Answer(data, to, port);
                             if (--left <= 0) timer->deleteLater();
                         });
        timer->start(everyMs);
    }
    const SimFaultShape shape{0, 0x20, 50};
    for (const SimReplyPart& part : SimFaultyReply(faulty ? &fault : nullptr, data, shape))
        QTimer::singleShot(int(afterMs + part.delayMs), replier,
                           [part = part.data, to, port] { Answer(part, to, port); });
}

// Devices answer a scan each on its own, not all in the same instant: a burst of
// hundreds of datagrams would overrun any receiver's socket buffer.
void AnswerScan(QByteArray (*reply)(const NetDevice&), const QHostAddress& to, quint16 port) {
    for (int i = 0; i < devices.size(); ++i)
        Reply(i + 1, reply(devices[i]), to, port, i / 20);
}

// A device with the fault "refuse" answers a configuration with a refusal and keeps
// its settings; true when it did.
bool Refused(const NetDevice& d, const QHostAddress& to, quint16 port) {
    const int device = int(&d - devices.data()) + 1;
    SimFault fault;
    if (!NextFaultIs(device, FaultKind::Refuse) || !SimTakeFault(sim->faults, device, fault, SimDoor::Udp))
        return false;
    Answer(QByteArray("ERROR: refused") + '\0', to, port);
    return true;
}

// "key = value;" of a configuration message.
QByteArray Value(const QByteArray& message, const QByteArray& key) {
    const int at = int(message.indexOf(key));
    if (at < 0) return {};
    const int start = at + int(key.size());
    const int end = int(message.indexOf(';', start));
    return message.mid(start, end < 0 ? -1 : end - start).trimmed();
}

void GatewayMessage(const QByteArray& m, const QHostAddress& from, quint16 port) {
    if (m.startsWith("Module Scan")) {
        AnswerScan(GatewayReply, from, port);
        return;
    }
    if (!m.startsWith("Configure: ")) return;
    NetDevice* d = ByMac(Value(m, "Configure:").replace("-", ""));
    if (!d || Value(m, "Password:") != gatewayPassword) return; // a wrong password gets no answer
    if (Refused(*d, from, port)) return;
    const QHostAddress ip(QString::fromLatin1(Value(m, "IP =")));
    const QHostAddress sn(QString::fromLatin1(Value(m, "SN =")));
    const QHostAddress gw(QString::fromLatin1(Value(m, "GW =")));
    if (ip.isNull() || sn.isNull() || gw.isNull()) return;
    d->ip = ip;
    d->subnet = sn;
    d->gateway = gw;
    d->dhcp = Value(m, "DHCP =") == "ON";
    d->name = Value(m, "HN =");
    Reply(int(d - devices.data()) + 1, GatewayReply(*d), from, port);
}

bool HexAddress(const QByteArray& text, QHostAddress& a) {
    bool ok = false;
    const quint32 v = text.toUInt(&ok, 16);
    if (ok) a = QHostAddress(v);
    return ok && text.size() == 8;
}

void ModuleMessage(const QByteArray& m, const QHostAddress& from, quint16 port) {
    if (m == "001234C7FFFF") {
        AnswerScan(ModuleRecord, from, port);
        return;
    }
    if (m.size() != kModuleRecord) return;
    NetDevice* d = ByMac(m.left(12));
    QHostAddress ip, sn, gw;
    if (!d || !HexAddress(m.mid(16, 8), ip) || !HexAddress(m.mid(25, 8), sn) || !HexAddress(m.mid(34, 8), gw))
        return;
    if (Refused(*d, from, port)) return;
    d->dhcp = m.mid(13, 2) == "01";
    d->ip = d->dhcp ? LeasedAddress(int(d - devices.data())) : ip;
    d->subnet = sn;
    d->gateway = gw;
    d->name = m.mid(43).trimmed();
    Reply(int(d - devices.data()) + 1, ModuleRecord(*d), from, port);
}

void Receive() {
    SimPollCommands(); // a "fault" line written before the request applies to it
    while (listener->hasPendingDatagrams()) {
        QHostAddress from;
        quint16 port = 0;
        QByteArray data(int(listener->pendingDatagramSize()), '\0');
        listener->readDatagram(data.data(), data.size(), &from, &port);
        if (from.isLoopback() && port == replier->localPort()) continue; // our own answer
        SimTrace(sim->timing, "udp request", data);
        if (moduleMode)
            ModuleMessage(data, from, port);
        else
            GatewayMessage(data, from, port);
    }
}

} // namespace

bool SimUdpStart(Simulator& simulator, bool module, const QHostAddress& first, int count, QString& error) {
    sim = &simulator;
    moduleMode = module;
    for (int i = 0; i < count; ++i) {
        NetDevice d;
        d.mac = (module ? "001234C7" : "003011F0") +
                QByteArray::number(0x0A1B + i, 16).toUpper().rightJustified(4, '0');
        d.ip = QHostAddress(first.toIPv4Address() + quint32(i));
        d.subnet = QHostAddress(QStringLiteral("255.0.0.0"));
        d.gateway = QHostAddress(QStringLiteral("127.0.0.254"));
        d.name = (module ? "sim-module-" : "sim-gateway-") + QByteArray::number(i + 1);
        devices.append(d);
    }
    listener = new QUdpSocket;
    replier = new QUdpSocket;
    const quint16 port = module ? kModulePort : kGatewayPort;
    if (!listener->bind(QHostAddress::AnyIPv4, port,
                        QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint) ||
        !replier->bind(QHostAddress::AnyIPv4, 0)) {
        error = listener->errorString();
        return false;
    }
    QObject::connect(listener, &QUdpSocket::readyRead, Receive);
    return true;
}
