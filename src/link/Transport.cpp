#include "link/Transport.h"

#include "platform/TimeBase.h"

namespace {

const LinkTransport kRealTransport = {
    SerialOpen,
    SerialClose,
    SerialIsOpen,
    SerialWrite,
    SerialWaitUntilSent,
    SerialReadSome,
    SerialFlush,
    SerialSetRTS,
    SerialDrivesRTS,
    ConnectToTCPServer,
    ClientTCPWrite,
    ClientTCPRead,
    ClientTCPDiscardInput,
    ClientTCPWaitForData,
    DisconnectFromTCPServer,
    [] { return int64_t(Timer() * 1000.0); },
    [](int ms) { Delay(ms / 1000.0); },
};

const LinkTransport* current = &kRealTransport;

} // namespace

const LinkTransport* SetLinkTransport(const LinkTransport* transport) {
    const LinkTransport* previous = current;
    current = transport ? transport : &kRealTransport;
    return previous;
}

const LinkTransport& Wire() {
    return *current;
}
