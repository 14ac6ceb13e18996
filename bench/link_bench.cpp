// Times the link's reads against zaro-sim.
//   link_bench serial PTY READS      request 13 over RS-232 (9600 baud, even parity)
//   link_bench tcp HOST PORT READS   request 17 through a gateway, unit 5
// Prints "seconds_per_read S".
#include "config/ConfigImage.h"
#include "config/MeterSession.h"
#include "link/Connection.h"
#include "link/DeviceLink.h"
#include "link/ModbusTcp.h"
#include "netmodules/KnownDevices.h"
#include "platform/Messages.h"
#include "platform/TimeBase.h"
#include "settings/INI_File.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    MeterSession session;
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    ConsoleMessages console(false);
    SetMessageSink(&console);
    Connection& connection = session.connection; // the one the link talks over
    UseSession(session);
    KnownDevices devices;
    int index = 0, reads = 0;
    if (a.size() == 4 && a[1] == "serial") {
        connection.kind = 0;
        connection.serialPath = a[2].toStdString();
        connection.replyTimeoutMs = 1000;
        connection.closePortAfterUse = 0;
        index = 13;
        reads = a[3].toInt();
    } else if (a.size() == 5 && a[1] == "tcp") {
        connection.kind = 2;
        connection.gatewayIndex = 0;
        qstrncpy(devices.gateways.emplace_back().record.IP, qPrintable(a[2]), sizeof(NetbiterRecord::IP));
        UseKnownDevices(&devices);
        connection.gatewayTcpPort = a[3].toInt();
        connection.gatewayUnitAddress = 5;
        index = 17;
        reads = a[4].toInt();
    } else {
        std::fprintf(stderr, "usage: link_bench serial PTY READS | tcp HOST PORT READS\n");
        return 2;
    }
    if (!InitInterface() || !Read(session.read, index, 1)) return 1; // connect and warm up
    const double start = Timer();
    for (int i = 0; i < reads; ++i)
        if (!Read(session.read, index, 1)) return 1;
    std::printf("seconds_per_read %.6f\n", (Timer() - start) / reads);
    CloseTCPConnection(kCloseAllTCP);
    return 0;
}
