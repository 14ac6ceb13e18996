// The connection the link talks over and the meter at its other end. Each program's
// owner (the shell, zaro-cli, a test) keeps one; the settings files, the interface
// dialog and zaro-cli's options fill it, and the link reads the one handed to it.

#pragma once

#include "link/CommKind.h"

#include <cstdint>
#include <string>

constexpr int kMaxGateways = 256;

// What the program last learnt of the meter at the other end, for the window to show.
// The link notes every exchange; the configuration reads add model and firmware.
struct MeterContact {
    std::string place;         // where the meter answered or failed last (MeterPlace)
    bool online = false;       // the last exchange there was answered
    uint32_t lastAnswerAt = 0; // calendar seconds of the last good exchange there; 0 none
    std::string model;         // as the meter named itself; empty until read
    int firmware = 0;          // 312 = 3.12; 0 until read
};

// The members' initialisers are what the link uses until the settings files are read,
// and what those fall back to.
struct Connection {
    // Serial line
    int32_t serialPort = 1;     // 1..16 for /dev/ttyS(n-1); 0 for another device in serialPath
    std::string serialPath;     // Linux device path chosen for the port; empty = /dev/ttyS(serialPort-1)
    int32_t kind = kRS232;      // a CommKind
    int32_t baudIndex = 3;      // index into 1200, 2400, 4800, 9600, 19200
    int32_t formatIndex = 0;    // RS-485 character format index 0..3
    int32_t meterAddress = 247; // RS-485 address of the meter in use
    int32_t rtsFlow = 1;
    int32_t closePortAfterUse = 1;
    int32_t replyTimeoutMs = 200;
    // Highest address the RS-485 and gateway searches probe: 32 or 247.
    int32_t highestSearchAddress = 32;

    // Modbus/TCP gateways
    int32_t gatewayTcpPort = 502;
    int32_t gatewayIndex = 0;         // place in the known gateways
    int32_t gatewayUnitAddress = 247; // meter behind the gateway (255: a module's own meter)

    // LANMOD57 module in use (the modules themselves: netmodules/LANMOD57.h)
    int32_t moduleIndex = 0; // place in the known modules
    // Port of the module's Modbus/TCP service. 502 on every real module; tests and
    // zaro-cli --tcp-port point it at a simulator.
    int32_t moduleTcpPort = 502;
    // Port of the module's web server, which hands out its logger file.
    int32_t moduleHttpPort = 80;

    // 1 once a meter has answered over these settings: the window then stops offering
    // the first steps. Kept in ZARO.ini.
    int32_t meterAnswered = 0;
    MeterContact contact;
};

// The link talks over this connection from now on. The owner hands it over before the
// first transaction and keeps it while the link may use it; nullptr: the defaults.
void UseConnection(Connection* connection);
// The connection the link talks over, for the layers that ask which interface is in
// use and the network functions that change the gateway or module in use.
Connection& ConnectionInUse();

// The bus address of the meter in use: meterAddress on RS-485, gatewayUnitAddress
// behind a gateway (and as the unit a module is asked for).
int32_t MeterAddressInUse(const Connection& connection);

// Where the link would reach the meter now: the interface kind, the port or the gateway
// or module, and the address. Answers noted for one place say nothing of another.
std::string MeterPlace(const Connection& connection);
// The link notes each exchange with the meter in connection.contact, then calls the
// observer (one at a time; nullptr none) so a window can show it at once.
void NoteExchange(Connection& connection, bool answered);
void ObserveExchanges(void (*observer)());

// Makes kind, gateway and module the interface of connection. When it is the link's,
// a change of any of them closes every Modbus/TCP connection (ModbusTcp.cpp); the next
// connect does the same for a change the settings files made.
void SelectInterface(Connection& connection, int kind, int gateway, int module);
