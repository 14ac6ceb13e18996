// The kinds of interface to the meter, as a Connection holds them (and the settings file
// stores them).
#pragma once

enum CommKind : int {
    kRS232 = 0,   // one meter on a serial line
    kRS485 = 1,   // a bus of meters on a serial line, by address
    kGateway = 2, // Modbus/TCP to a gateway, meters behind it by address
    kModule = 3,  // Modbus/TCP to a network module built into the meter
};

inline bool IsSerialKind(int kind) {
    return kind == kRS232 || kind == kRS485;
}
inline bool IsTcpKind(int kind) {
    return kind == kGateway || kind == kModule;
}
// The kinds that choose one meter of several by its bus address.
inline bool IsAddressedKind(int kind) {
    return kind == kRS485 || kind == kGateway;
}
