#include "link/LinkConnection.h"

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
