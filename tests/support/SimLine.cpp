#include "SimLine.h"

#include "FakeWire.h"
#include "SimMeter.h"
#include "SimModbus.h"
#include "SimTransport.h"
#include "Simulator.h"
#include "link/Transport.h"

#include <QFile>
#include <cstring>
#include <filesystem>

namespace {

struct State : FakeWire {
    State() { now = 1000; }
    bool bus = false;
    bool open = false;
    bool tcp = false, module = false; // a gateway or a module on Modbus/TCP
    int connection = 0;               // handle of the open connection; 0 none
    int connects = 0;
    QList<SimLine::Request> written;
    Simulator sim; // the meters on the line and their faults
    QList<float> held; // instantaneous rows answered instead of the meter's
} line;

constexpr int kReplyAfterMs = 5;

constexpr int kInstantaneousFirst = 99; // two registers per row, low half first

// Replaces the instantaneous rows a function 3 reply carries by the held ones.
void HoldValues(const QByteArray& pdu, QByteArray& reply) {
    if (pdu.size() < 5 || pdu[0] != 0x03 || reply.size() < 3 || uint8_t(reply[1]) != 0x03) return;
    const int start = uint8_t(pdu[1]) << 8 | uint8_t(pdu[2]);
    const int count = (int(reply.size()) - 3) / 2;
    for (int k = 0; k < count; ++k) {
        const int reg = start + k - kInstantaneousFirst;
        if (reg < 0 || reg / 2 >= line.held.size()) continue;
        uint32_t bits;
        std::memcpy(&bits, &line.held[reg / 2], 4);
        const uint16_t word = reg % 2 == 0 ? uint16_t(bits & 0xFFFF) : uint16_t(bits >> 16);
        reply[3 + 2 * k] = char(word >> 8);
        reply[4 + 2 * k] = char(word & 0xFF);
    }
}

void Answer(const QByteArray& request) {
    line.written.append({line.now, request});
    if (request.size() < 4) return;
    const uint16_t crc = SimCrc(request.constData(), int(request.size()) - 2);
    if (uint8_t(request[request.size() - 2]) != (crc & 0xFF) || uint8_t(request.back()) != (crc >> 8)) return;
    const int address = uint8_t(request[0]);
    const QByteArray pdu = request.mid(1, request.size() - 3);
    if (address == 0) {
        if (line.bus) SimBroadcastPdu(line.sim.meters, pdu, line.now);
        return;
    }
    SimMeter* m = SimFindMeter(line.sim.meters, line.bus ? address : 255);
    if (!m || (!line.bus && address != 255)) return;
    if (m->missFirst && m->requests++ == 0) return;
    SimFault fault;
    const bool faulty = SimTakeFault(line.sim.faults, address, fault);
    QByteArray reply(1, char(address));
    if (faulty && fault.kind == FaultKind::Exception) {
        SimAnswerPdu(*m, pdu, line.now);
        reply.append(char(uint8_t(pdu[0]) | 0x80)).append(char(fault.param));
    } else {
        reply.append(SimAnswerPdu(*m, pdu, line.now));
    }
    if (!line.held.isEmpty()) HoldValues(pdu, reply);
    if (faulty && fault.kind == FaultKind::OtherUnit) reply[0] = char(address == 255 ? 254 : address + 1);
    SimAppendCrc(reply);
    const SimFaultShape shape{int(reply.size()) - 1, 0x5A, 50};
    for (const SimReplyPart& part : SimFaultyReply(faulty ? &fault : nullptr, reply, shape))
        line.due(line.now + kReplyAfterMs + part.delayMs, part.data);
}

int ReadSome(uint8_t* buffer, int n, int waitMs) {
    if (!line.open) return -1;
    return line.waitForBytes(waitMs) ? line.take(buffer, n) : 0;
}

// Modbus/TCP: the door of zaro-sim's gateway or module.
int TcpConnect(const std::string&, int, TcpCallback callback, int) {
    if (!line.tcp) return -1;
    line.incoming.clear();
    line.callback = callback;
    line.closesAt = -1;
    return line.connection = ++line.connects;
}

int TcpWrite(int handle, const uint8_t* data, int n, int) {
    if (handle != line.connection) return -1;
    const QByteArray request(reinterpret_cast<const char*>(data), n);
    line.written.append({line.now, request});
    if (line.peerClosedBy(line.now) || n < 8) return n;
    const SimTcpAnswer answer = SimAnswerTcp(line.sim, request, line.module, line.now);
    if (answer.dropAtOnce) line.closesAt = line.now;
    int64_t last = line.now;
    for (const SimReplyPart& part : answer.parts)
        line.due(last = line.now + kReplyAfterMs + part.delayMs, part.data);
    if (answer.closeAfter) line.closesAt = last;
    return n;
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
    .serialFlush = [] { line.flush(); },
    .serialSetRTS = [](bool) {},
    .serialDrivesRTS = [] { return false; },
    .tcpConnect = TcpConnect,
    .tcpWrite = TcpWrite,
    .tcpRead =
        [](int handle, uint8_t* buffer, int n, int timeoutMs) {
            return handle == line.connection ? line.tcpRead(buffer, n, timeoutMs) : -1;
        },
    .tcpDiscardInput =
        [](int handle) {
            if (handle == line.connection)
                line.tcpDiscardInput(handle);
            else
                line.flush();
        },
    .tcpWaitForData =
        [](int handle, int timeoutMs) {
            if (handle == line.connection) line.tcpWaitForData(handle, timeoutMs);
        },
    .tcpDisconnect =
        [](int handle) {
            if (handle == line.connection) {
                line.connection = 0;
                line.incoming.clear();
            }
            return 0;
        },
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
        if (a == "--module") {
            line.tcp = line.module = true;
            addresses = {247};
            continue;
        }
        if (i + 1 >= args.size()) {
            ok = false;
            break;
        }
        const QString v = args[++i];
        if (a == "--unit") {
            addresses = {v.toInt()};
        } else if (a == "--rs485" || a == "--gateway") {
            line.bus = a == "--rs485";
            line.tcp = a == "--gateway";
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
        } else if (a == "--logger-values") {
            setup.logValues = v.toInt();
        } else if (a == "--logger-channels") {
            setup.logChannelCount = v.toInt();
        } else if (a == "--logger-mode") {
            setup.logStopMode = v == "stop" ? 1 : 0;
        } else if (a == "--logger-gaps") {
            for (const QString& g : v.split(','))
                setup.logGapRegisters << g.toInt();
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
        m.addressFromConfig = line.bus || line.tcp;
        line.sim.meters.push_back(std::move(m));
    }
    node = dir.path() + "/tty";
    QFile file(node);
    valid = ok && dir.isValid() && file.open(QIODevice::WriteOnly);
    SetLinkTransport(&kSimTransport);
}

SimLine::~SimLine() {
    SetLinkTransport(nullptr);
    line.sim.meters.clear();
    line.sim.faults.clear();
}

bool SimLine::fault(const QString& spec) {
    SimFault f;
    QString error;
    if (!SimParseFault(spec, f, error)) return false;
    line.sim.faults.append(f);
    return true;
}

int SimLine::connections() const {
    return line.connects;
}

void SimLine::holdValues(const QList<float>& rows) {
    line.held = rows;
}

void SimLine::clearFaults() {
    line.sim.faults.clear();
}

QList<SimLine::Request> SimLine::requests() const {
    return line.written;
}
