#include "SimLine.h"

#include "SimMeter.h"
#include "SimModbus.h"
#include "link/Transport.h"

#include <QFile>
#include <filesystem>
#include <map>

namespace {

struct State {
    int64_t now = 1000;
    bool bus = false;
    bool open = false;
    std::multimap<int64_t, uint8_t> incoming; // reply bytes by the time they arrive
    QList<SimLine::Request> written;
    std::vector<SimMeter> meters; // by address
    QList<SimFault> faults;
} line;

constexpr int kReplyAfterMs = 5;

void Answer(const QByteArray& request) {
    line.written.append({line.now, request});
    if (request.size() < 4) return;
    const uint16_t crc = SimCrc(request.constData(), int(request.size()) - 2);
    if (uint8_t(request[request.size() - 2]) != (crc & 0xFF) || uint8_t(request.back()) != (crc >> 8)) return;
    const int address = uint8_t(request[0]);
    const QByteArray pdu = request.mid(1, request.size() - 3);
    if (address == 0) {
        if (line.bus) SimBroadcastPdu(line.meters, pdu, line.now);
        return;
    }
    SimMeter* m = SimFindMeter(line.meters, line.bus ? address : 255);
    if (!m || (!line.bus && address != 255)) return;
    if (m->missFirst && m->requests++ == 0) return;
    SimFault fault;
    const bool faulty = SimTakeFault(line.faults, address, fault);
    QByteArray reply(1, char(address));
    if (faulty && fault.kind == FaultKind::Exception) {
        SimAnswerPdu(*m, pdu, line.now);
        reply.append(char(uint8_t(pdu[0]) | 0x80)).append(char(fault.param));
    } else {
        reply.append(SimAnswerPdu(*m, pdu, line.now));
    }
    if (faulty && fault.kind == FaultKind::OtherUnit) reply[0] = char(address == 255 ? 254 : address + 1);
    SimAppendCrc(reply);
    const SimFaultShape shape{int(reply.size()) - 1, 0x5A, 50};
    for (const SimReplyPart& part : SimFaultyReply(faulty ? &fault : nullptr, reply, shape))
        for (char c : part.data)
            line.incoming.emplace(line.now + kReplyAfterMs + part.delayMs, uint8_t(c));
}

int ReadSome(uint8_t* buffer, int n, int waitMs) {
    if (!line.open) return -1;
    if (line.incoming.empty() || line.incoming.begin()->first > line.now + waitMs) {
        line.now += waitMs;
        return 0;
    }
    line.now = std::max(line.now, line.incoming.begin()->first);
    int got = 0;
    while (got < n && !line.incoming.empty() && line.incoming.begin()->first <= line.now) {
        buffer[got++] = line.incoming.begin()->second;
        line.incoming.erase(line.incoming.begin());
    }
    return got;
}

const LinkTransport kSimTransport = {
    .serialOpen = [](const std::string& path, int, SerialParity, int) {
        std::error_code ec;
        if (!std::filesystem::exists(path, ec)) return -2;
        line.open = true;
        return 0;
    },
    .serialClose = [] { line.open = false; },
    .serialIsOpen = [] { return line.open; },
    .serialWrite = [](const uint8_t* data, int n) {
        Answer(QByteArray(reinterpret_cast<const char*>(data), n));
        return n;
    },
    .serialWaitUntilSent = [] {},
    .serialReadSome = ReadSome,
    .serialFlush = [] { line.incoming.erase(line.incoming.begin(), line.incoming.upper_bound(line.now)); },
    .serialSetRTS = [](bool) {},
    .serialDrivesRTS = [] { return false; },
    // No network on this line: a connection is refused.
    .tcpConnect = [](const std::string&, int, TcpCallback, int) { return -1; },
    .tcpWrite = [](int, const uint8_t*, int, int) { return -1; },
    .tcpRead = [](int, uint8_t*, int, int) { return -1; },
    .tcpDiscardInput = [](int) {},
    .tcpWaitForData = [](int, int) {},
    .tcpDisconnect = [](int) { return 0; },
    .nowMs = [] { return line.now; },
    .pauseMs = [](int ms) { line.now += ms; },
};

} // namespace

SimLine::SimLine(const QStringList& args) {
    line = State{};
    SimMeterSetup setup;
    QList<int> addresses{255};
    int missFirst = -1;
    bool ok = true, ctGiven = false;
    for (int i = 0; i < args.size() && ok; ++i) {
        const QString& a = args[i];
        if (a == "--rs232") continue;
        if (i + 1 >= args.size()) {
            ok = false;
            break;
        }
        const QString v = args[++i];
        if (a == "--rs485") {
            line.bus = true;
            addresses.clear();
            for (const QString& s : v.split(','))
                addresses << s.toInt();
        } else if (a == "--model") {
            setup.zrm3 = v == "zrm3";
        } else if (a == "--fw") {
            setup.fw = v.toInt();
        } else if (a == "--ext") {
            setup.ext = v.toInt();
        } else if (a == "--rated-i") {
            setup.ratedI = v.toInt();
        } else if (a == "--system") {
            setup.system = v.toInt();
        } else if (a == "--digout" && v.split(',').size() == 2) {
            setup.digOut[0] = v.split(',')[0].toInt();
            setup.digOut[1] = v.split(',')[1].toInt();
        } else if (a == "--meter-scale") {
            setup.meterScale = v.toInt();
        } else if (a == "--mean-codes") {
            for (const QString& c : v.split(','))
                setup.meanCodes << c.toInt();
        } else if (a == "--vt" || a == "--ct") {
            const QStringList r = v.split('/');
            (a == "--vt" ? setup.vtPrim : setup.ctPrim) = r.value(0).toDouble();
            (a == "--vt" ? setup.vtSec : setup.ctSec) = r.value(1).toDouble();
            ctGiven = ctGiven || a == "--ct";
        } else if (a == "--fault") {
            ok = fault(v);
        } else if (a == "--miss-first") {
            missFirst = v.toInt();
        } else {
            ok = false;
        }
    }
    if (!ctGiven) setup.ctSec = setup.ratedI;
    for (int address : addresses) {
        setup.address = address;
        setup.seed = setup.seed * 31 + uint32_t(address);
        SimMeter m;
        SimMeterInit(m, setup, line.now);
        m.missFirst = address == missFirst;
        m.addressFromConfig = line.bus;
        line.meters.push_back(std::move(m));
    }
    node = dir.path() + "/tty";
    QFile file(node);
    valid = ok && dir.isValid() && file.open(QIODevice::WriteOnly);
    SetLinkTransport(&kSimTransport);
}

SimLine::~SimLine() {
    SetLinkTransport(nullptr);
    line.meters.clear();
    line.faults.clear();
}

bool SimLine::fault(const QString& spec) {
    SimFault f;
    QString error;
    if (!SimParseFault(spec, f, error)) return false;
    line.faults.append(f);
    return true;
}

QList<SimLine::Request> SimLine::requests() const {
    return line.written;
}
