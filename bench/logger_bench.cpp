// Times a whole logger read against zaro-sim: the status request and every block.
//   logger_bench serial PTY          RS-232 (9600 baud, even parity)
//   logger_bench tcp HOST PORT       through a gateway, unit 5
// Prints "seconds S records R".
#include "acquisition/Acquisition.h"
#include "config/MeterSession.h"
#include "link/Connection.h"
#include "link/DeviceLink.h"
#include "link/ModbusTcp.h"
#include "logger/Logger.h"
#include "netmodules/KnownDevices.h"
#include "platform/Messages.h"
#include "platform/TimeBase.h"
#include "settings/INI_File.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv) {
    MeterSession session;
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    ConsoleMessages console(false);
    SetMessageSink(&console);
    Connection& connection = session.connection; // the one the link talks over
    UseSession(session);
    KnownDevices devices;
    if (a.size() == 3 && a[1] == "serial") {
        connection.kind = 0;
        connection.serialPath = a[2].toStdString();
    } else if (a.size() == 4 && a[1] == "tcp") {
        connection.kind = 2;
        connection.gatewayIndex = 0;
        qstrncpy(devices.gateways.emplace_back().record.IP, qPrintable(a[2]), sizeof(NetbiterRecord::IP));
        UseKnownDevices(&devices);
        connection.gatewayTcpPort = a[3].toInt();
        connection.gatewayUnitAddress = 5;
    } else {
        std::fprintf(stderr, "usage: logger_bench serial PTY | tcp HOST PORT\n");
        return 2;
    }
    connection.replyTimeoutMs = 1000;
    connection.closePortAfterUse = 0;
    if (!OpenAcquisition(session)) return 1;
    LogSource device;
    LoggerRecords records;
    DescribeMeterLogger(session, device);
    LoggerReadHooks hooks;
    hooks.newest = CalendarSecondsNow(); // nothing is asked
    const double start = Timer();
    if (ReadLoggerRecords(session, device, records, nullptr, hooks) != LoggerRead::Done) return 1;
    std::printf("seconds %.6f records %d\n", Timer() - start, int(records.size()));
    CloseTCPConnection(kCloseAllTCP);
    return 0;
}
