#include "link/LinkConnection.h"

#include "platform/TimeBase.h"

namespace {

Connection* handed = nullptr;

} // namespace

void UseConnection(Connection* connection) {
    handed = connection;
}

Connection& LinkConnection() {
    // Until an owner hands one over the link works with the defaults, never with nothing.
    static Connection defaults;
    return handed ? *handed : defaults;
}

Connection& ConnectionInUse() {
    return LinkConnection();
}

int32_t MeterAddressInUse(const Connection& connection) {
    return connection.kind == kRS485 ? connection.meterAddress : connection.gatewayUnitAddress;
}

namespace {

void (*exchangeObserver)() = nullptr;

} // namespace

std::string MeterPlace(const Connection& connection) {
    std::string where = std::to_string(connection.kind) + ":";
    switch (connection.kind) {
    case kGateway:
        where += "gateway " + std::to_string(connection.gatewayIndex);
        break;
    case kModule:
        where += "module " + std::to_string(connection.moduleIndex);
        break;
    default:
        where += connection.serialPath.empty() ? "port " + std::to_string(connection.serialPort)
                                               : connection.serialPath;
        break;
    }
    if (IsAddressedKind(connection.kind)) where += "@" + std::to_string(MeterAddressInUse(connection));
    return where;
}

void NoteExchange(Connection& connection, bool answered) {
    MeterContact& contact = connection.contact;
    const std::string place = MeterPlace(connection);
    if (contact.place != place) { // another meter: nothing is known of it
        contact = MeterContact{};
        contact.place = place;
    }
    contact.online = answered;
    if (answered) contact.lastAnswerAt = CalendarSecondsNow();
    if (exchangeObserver) exchangeObserver();
}

void ObserveExchanges(void (*observer)()) {
    exchangeObserver = observer;
}
