// LANMOD57 extension modules known to the program (their list: KnownDevices.h).
#pragma once

#include <cstdint>

struct ModuleRecord {
    char MAC[18]; // "00-30-11-22-33-44"
    char IP[16];
    char gateway[16];
    char subnet[16];
    char DHCP[3]; // "01" DHCP, "00" fixed address
    char name[33];
    uint8_t found; // 1 = answered the latest scan
};
