// zaro-sim: stands in for meters, an RS-485 bus, a gateway or a module, so that the
// program and its tests have a device to talk to. stdout carries only the ready line.
#include "SimFront.h"
#include "Simulator.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QStringList>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <unistd.h>

namespace {

const char* const kUsage =
    "usage: zaro-sim MODE [options]\n"
    "modes:\n"
    "  --rs232                      one meter (address 255) on a new pseudo-terminal\n"
    "  --rs485 A,B,...              an RS-485 bus with meters at these addresses (1..247);\n"
    "                               silence elsewhere, address 0 is broadcast\n"
    "  --gateway A,B,...            Modbus/TCP gateway with meters at these units;\n"
    "                               other units get exception 11, unit 0 is broadcast\n"
    "  --module                     LANMOD57 module: its meter answers at --unit and\n"
    "                               reads at unit 255; writes at 255 get exception 11\n"
    "options:\n"
    "  --listen IP:PORT             TCP address (default 127.0.0.1:0, 0 = any free port)\n"
    "  --unit N                     address of the module's meter (default 247)\n"
    "  --udp-devices N              gateways or modules answering UDP scans (default 1;\n"
    "                               the first is the one at --listen, the others follow it)\n"
    "  --link PATH                  also make PATH a symbolic link to the pseudo-terminal\n"
    "  --model std|zrm3             meter model (default zrm3)\n"
    "  --fw N --ext N               firmware and second version x100 (default 412, 121)\n"
    "  --rated-i 1|5                current input range in A (default 5)\n"
    "  --max-u V                    voltage input range in V (default 500)\n"
    "  --system CODE                network system 0,1,2,3,4,19,20 (default 4)\n"
    "  --vt PRIM/SEC --ct PRIM/SEC  transformer ratios (default 400/400 and 100/rated-i)\n"
    "  --digout F1,F2               functions of the digital outputs: 0-63 limit, 64-127\n"
    "                               pulse, 128 free (default 128,128)\n"
    "  --log-records N              records in the logger at start (default 96)\n"
    "  --log-gaps R,...             those records (0 = newest) follow an interruption\n"
    "  --logger-values V            instead: the logger reports V values (beyond its memory\n"
    "                               means full) and holds as many as fit\n"
    "  --logger-gaps A,...          gap markers: register addresses (up to 10)\n"
    "  --logger-channels N          log N channels: power channels, then mean values\n"
    "  --logger-mode stop|overwrite what the logger does when full\n"
    "  --http-port N                the module's web server with \"/log.dat\" (default 80;\n"
    "                               0 = any free port, added to the ready line)\n"
    "  --log-sequences N            sequences in the module's log (default 3), each of\n"
    "                               --log-records records\n"
    "  --log-file PATH              the module serves this file as its log instead\n"
    "  --baud N                     pace serial replies at N baud, 11 bits per byte\n"
    "  --turnaround MS              pause before every reply\n"
    "  --miss-first ADDR            the meter at ADDR ignores its first request\n"
    "  --fault SPEC                 inject a fault (repeatable, see below)\n"
    "  --seed N                     seed of the measurement random walk\n"
    "  --meter-scale E              energy registers count 10^E Wh (default: by rated power)\n"
    "  --mean-codes C,...           measurand codes of the free mean values (zrm3; 255 = none)\n"
    "  --wiring SPEC                a wiring fault of every meter (repeatable; N, M 1..3):\n"
    "                               reversed-ct:N   current channel N reversed\n"
    "                               swapped-ct:N,M  channels N and M carry each other's current\n"
    "                               missing-u:N     voltage channel N not connected\n"
    "                               ct-ratio:X      another CT than configured: currents,\n"
    "                                               powers and energies read X times the\n"
    "                                               real ones\n"
    "  --keep-running               do not quit at the end of standard input\n"
    "  --verbose                    log every frame on stderr\n"
    "Meters on a bus, behind a gateway or a module move to the address written into\n"
    "their configuration (register 507, high byte), as a real meter does.\n"
    "Prints one line once ready: \"PTY <device>\" or \"TCP <ip> <port>\" (with --http-port 0:\n"
    "\"TCP <ip> <port> <http port>\").\n"
    "Standard input takes one command per line: \"fault SPEC\", \"fault clear\", \"quit\",\n"
    "\"status\" (outputs and display brightness of every meter on stderr);\n"
    "its end quits (unless --keep-running).\n";

char linkToRemove[4096]; // plain bytes: the signal handler may only unlink()

void OnSignal(int) {
    if (linkToRemove[0]) ::unlink(linkToRemove);
    _exit(0);
}

bool ParseList(const QString& text, QList<int>& out) {
    for (const QString& part : text.split(',', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int a = part.trimmed().toInt(&ok);
        if (!ok || a < 1 || a > 247 || out.contains(a)) return false;
        out << a;
    }
    return !out.isEmpty();
}

bool ParseRatio(const QString& text, double& prim, double& sec) {
    const QStringList p = text.split('/');
    bool ok1 = false, ok2 = false;
    if (p.size() == 2) {
        prim = p[0].toDouble(&ok1);
        sec = p[1].toDouble(&ok2);
    }
    return ok1 && ok2 && prim > 0 && sec > 0 && prim < 1e7 && sec < 1e4;
}

int Usage(const QString& why) {
    std::fprintf(stderr, "zaro-sim: %s\n%s", qPrintable(why), kUsage);
    return 2;
}

void Command(Simulator& sim, const QString& line) {
    const QString l = line.trimmed();
    if (l.isEmpty()) return;
    if (l == "quit") {
        QCoreApplication::quit();
        return;
    }
    if (l == "status") {
        for (const SimMeter& m : sim.meters)
            std::fprintf(stderr, "zaro-sim: meter %d: %s\n", m.address, qPrintable(SimFrontText(m)));
        return;
    }
    if (l == "fault clear") {
        sim.faults.clear();
        return;
    }
    if (l.startsWith("fault ")) {
        SimFault f;
        QString error;
        if (SimParseFault(l.mid(6), f, error))
            sim.faults.append(f);
        else
            std::fprintf(stderr, "zaro-sim: %s\n", qPrintable(error));
        return;
    }
    std::fprintf(stderr, "zaro-sim: unknown command \"%s\"\n", qPrintable(l));
}

Simulator* commanded = nullptr; // the simulator the control lines on stdin address
QByteArray stdinPending;
bool stdinOpen = true;
bool keepRunning = false;

// Reads what stdin has now without blocking; returns false at its end.
void DrainStdin() {
    while (stdinOpen) {
        pollfd p{STDIN_FILENO, POLLIN, 0};
        if (::poll(&p, 1, 0) <= 0) return;
        char buf[512];
        const ssize_t got = ::read(STDIN_FILENO, buf, sizeof buf);
        if (got <= 0) {
            stdinOpen = false;
            if (!keepRunning) QCoreApplication::quit();
            return;
        }
        stdinPending.append(buf, int(got));
        int nl;
        while ((nl = int(stdinPending.indexOf('\n'))) >= 0) {
            Command(*commanded, QString::fromLocal8Bit(stdinPending.left(nl)));
            stdinPending.remove(0, nl + 1);
        }
    }
}

QSocketNotifier* stdinNotifier = nullptr;

void WatchStdin(Simulator& sim) {
    commanded = &sim;
    stdinNotifier = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(stdinNotifier, &QSocketNotifier::activated, [] {
        DrainStdin();
        if (!stdinOpen) stdinNotifier->setEnabled(false);
    });
    SimPollCommands = &DrainStdin;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    enum { None, Rs232, Rs485, Gateway, Module } mode = None;
    QList<int> addresses;
    Simulator sim;
    SimMeterSetup setup;
    QString listen = "127.0.0.1:0", link;
    int unit = 247, missFirst = -1, udpDevices = 1, httpPort = -1;
    bool ctGiven = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        auto value = [&](QString& out) {
            if (i + 1 >= args.size()) return false;
            out = args[++i];
            return true;
        };
        auto number = [&](int& out, int lo, int hi) {
            QString v;
            bool ok = false;
            if (value(v)) out = v.toInt(&ok);
            return ok && out >= lo && out <= hi;
        };
        QString v;
        if (a == "--help" || a == "-h") {
            std::printf("%s\n%s", kUsage, SimFaultHelp());
            return 0;
        } else if (a == "--rs232") {
            mode = Rs232;
        } else if (a == "--rs485" || a == "--gateway") {
            mode = a == "--rs485" ? Rs485 : Gateway;
            if (!value(v) || !ParseList(v, addresses)) return Usage("bad address list for " + a);
        } else if (a == "--module") {
            mode = Module;
        } else if (a == "--listen") {
            if (!value(listen)) return Usage("--listen needs IP:PORT");
        } else if (a == "--unit") {
            if (!number(unit, 1, 247)) return Usage("--unit needs 1..247");
        } else if (a == "--udp-devices") {
            if (!number(udpDevices, 1, 256)) return Usage("--udp-devices needs 1..256");
        } else if (a == "--link") {
            if (!value(link)) return Usage("--link needs a path");
        } else if (a == "--model") {
            if (!value(v) || (v != "std" && v != "zrm3")) return Usage("--model is std or zrm3");
            setup.zrm3 = v == "zrm3";
        } else if (a == "--fw") {
            if (!number(setup.fw, 0, 32767)) return Usage("bad --fw");
        } else if (a == "--ext") {
            if (!number(setup.ext, 0, 32767)) return Usage("bad --ext");
        } else if (a == "--rated-i") {
            if (!number(setup.ratedI, 1, 5) || (setup.ratedI != 1 && setup.ratedI != 5))
                return Usage("--rated-i is 1 or 5");
        } else if (a == "--max-u") {
            if (!number(setup.maxU, 1, 32767)) return Usage("bad --max-u");
        } else if (a == "--system") {
            if (!number(setup.system, 0, 31)) return Usage("bad --system");
        } else if (a == "--vt") {
            if (!value(v) || !ParseRatio(v, setup.vtPrim, setup.vtSec)) return Usage("--vt needs PRIM/SEC");
        } else if (a == "--ct") {
            if (!value(v) || !ParseRatio(v, setup.ctPrim, setup.ctSec)) return Usage("--ct needs PRIM/SEC");
            ctGiven = true;
        } else if (a == "--digout") {
            const QStringList f = value(v) ? v.split(',') : QStringList();
            bool ok1 = false, ok2 = false;
            if (f.size() == 2) {
                setup.digOut[0] = f[0].toInt(&ok1);
                setup.digOut[1] = f[1].toInt(&ok2);
            }
            if (!ok1 || !ok2 || setup.digOut[0] < 0 || setup.digOut[0] > 255 || setup.digOut[1] < 0 ||
                setup.digOut[1] > 255)
                return Usage("--digout needs two functions 0..255");
        } else if (a == "--log-records") {
            if (!number(setup.logRecords, 0, kLogCapacity)) return Usage("bad --log-records");
            sim.moduleLog.records = setup.logRecords;
        } else if (a == "--http-port") {
            if (!number(httpPort, 0, 65535)) return Usage("--http-port needs 0..65535");
        } else if (a == "--log-sequences") {
            if (!number(sim.moduleLog.sequences, 1, 255)) return Usage("--log-sequences needs 1..255");
        } else if (a == "--log-file") {
            if (!value(sim.moduleLog.file)) return Usage("--log-file needs a path");
        } else if (a == "--log-gaps") {
            QList<int> gaps;
            if (!value(v)) return Usage("--log-gaps needs record numbers");
            for (const QString& g : v.split(',', Qt::SkipEmptyParts)) {
                bool ok = false;
                gaps << g.toInt(&ok);
                if (!ok || gaps.last() < 0 || gaps.size() > 10)
                    return Usage("--log-gaps takes up to 10 record numbers");
            }
            setup.logGaps = gaps;
        } else if (a == "--logger-values") {
            if (!number(setup.logValues, 0, 65535)) return Usage("bad --logger-values");
        } else if (a == "--logger-channels") {
            if (!number(setup.logChannelCount, 1, 14)) return Usage("--logger-channels takes 1..14");
        } else if (a == "--logger-mode") {
            if (!value(v) || (v != "stop" && v != "overwrite"))
                return Usage("--logger-mode is stop or overwrite");
            setup.logStopMode = v == "stop" ? 1 : 0;
        } else if (a == "--logger-gaps") {
            QList<int> regs;
            if (!value(v)) return Usage("--logger-gaps needs register addresses");
            for (const QString& g : v.split(',', Qt::SkipEmptyParts)) {
                bool ok = false;
                regs << g.toInt(&ok);
                if (!ok || regs.last() < 1 || regs.last() > 65535 || regs.size() > 10)
                    return Usage("--logger-gaps takes up to 10 register addresses");
            }
            setup.logGapRegisters = regs;
        } else if (a == "--baud") {
            if (!number(sim.timing.baud, 50, 4000000)) return Usage("bad --baud");
        } else if (a == "--turnaround") {
            if (!number(sim.timing.turnaroundMs, 0, 600000)) return Usage("bad --turnaround");
        } else if (a == "--miss-first") {
            if (!number(missFirst, 1, 255)) return Usage("bad --miss-first");
        } else if (a == "--fault") {
            SimFault f;
            QString error;
            if (!value(v) || !SimParseFault(v, f, error))
                return Usage(error.isEmpty() ? "--fault needs a SPEC" : error);
            sim.faults.append(f);
        } else if (a == "--seed") {
            int seed = 0;
            if (!number(seed, 0, 0x7FFFFFFF)) return Usage("bad --seed");
            setup.seed = uint32_t(seed);
        } else if (a == "--meter-scale") {
            if (!number(setup.meterScale, -32768, 32767)) return Usage("bad --meter-scale");
        } else if (a == "--mean-codes") {
            if (!value(v)) return Usage("--mean-codes needs codes");
            for (const QString& c : v.split(',', Qt::SkipEmptyParts)) {
                bool ok = false;
                setup.meanCodes << c.toInt(&ok);
                if (!ok || setup.meanCodes.last() < 0 || setup.meanCodes.last() > 255 || setup.meanCodes.size() > 9)
                    return Usage("--mean-codes takes up to 9 codes of 0..255");
            }
        } else if (a == "--wiring") {
            QString error;
            if (!value(v) || !SimParseWiring(v, setup.wiring, error))
                return Usage(error.isEmpty() ? "--wiring needs a SPEC" : error);
        } else if (a == "--keep-running") {
            keepRunning = true;
        } else if (a == "--verbose") {
            sim.timing.verbose = true;
        } else {
            return Usage("unknown option " + a);
        }
    }
    if (mode == None) return Usage("choose --rs232, --rs485, --gateway or --module");
    if (!ctGiven) setup.ctSec = setup.ratedI;

    if (mode == Rs232) addresses = {255};
    if (mode == Module) addresses = {unit};
    const int64_t now = SimNowMs();
    for (int address : addresses) {
        setup.address = address;
        setup.seed = setup.seed * 31 + uint32_t(address);
        SimMeter m;
        SimMeterInit(m, setup, now);
        m.missFirst = address == missFirst;
        m.addressFromConfig = mode != Rs232;
        sim.meters.push_back(std::move(m));
    }

    QString error;
    QString ready;
    if (mode == Rs232 || mode == Rs485) {
        QString pty;
        if (!SimSerialStart(sim, mode == Rs485, link, pty, error)) {
            std::fprintf(stderr, "zaro-sim: %s\n", qPrintable(error));
            return 1;
        }
        const QByteArray l = link.toLocal8Bit();
        if (l.size() < int(sizeof linkToRemove))
            std::memcpy(linkToRemove, l.constData(), size_t(l.size()) + 1);
        ready = "PTY " + pty;
    } else {
        const int colon = int(listen.lastIndexOf(':'));
        const QHostAddress host(listen.left(colon));
        bool ok = false;
        const int port = listen.mid(colon + 1).toInt(&ok);
        if (colon < 0 || host.isNull() || !ok || port < 0 || port > 65535)
            return Usage("bad --listen " + listen);
        quint16 bound = 0;
        if (!SimTcpStart(sim, mode == Module, host, quint16(port), bound, error)) {
            std::fprintf(stderr, "zaro-sim: cannot listen on %s: %s\n", qPrintable(listen),
                         qPrintable(error));
            return 1;
        }
        ready = QStringLiteral("TCP %1 %2").arg(host.toString()).arg(bound);
        if (!SimUdpStart(sim, mode == Module, host, udpDevices, error)) // the TCP side still serves
            std::fprintf(stderr, "zaro-sim: no UDP discovery: %s\n", qPrintable(error));
        if (mode == Module) {
            // Port 80 may be taken or need privileges: without an explicit port the
            // module's Modbus/TCP still runs.
            quint16 http = 0;
            if (SimHttpStart(sim, host, quint16(httpPort < 0 ? 80 : httpPort), http, error)) {
                if (httpPort == 0) ready += QStringLiteral(" %1").arg(http);
            } else if (httpPort >= 0) {
                std::fprintf(stderr, "zaro-sim: cannot serve HTTP: %s\n", qPrintable(error));
                return 1;
            } else {
                std::fprintf(stderr, "zaro-sim: no web server on port 80: %s\n", qPrintable(error));
            }
        }
    }
    std::signal(SIGTERM, OnSignal);
    std::signal(SIGINT, OnSignal);
    std::signal(SIGPIPE, SIG_IGN);
    WatchStdin(sim);
    std::printf("%s\n", qPrintable(ready));
    std::fflush(stdout);
    const int rc = app.exec();
    SimSerialStop();
    return rc;
}
