// Reference client for the Modbus/TCP benchmark: libmodbus reads the registers of
// request 17 (start 499, count 70) K times and prints the elapsed seconds. Our own
// link is timed against the same zaro-sim in the same run, and compared with this.
#include <modbus.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: libmodbus_client HOST PORT UNIT K [START COUNT]\n");
        return 2;
    }
    const int port = std::atoi(argv[2]), unit = std::atoi(argv[3]), k = std::atoi(argv[4]);
    const int start = argc > 5 ? std::atoi(argv[5]) : 499;
    const int count = argc > 6 ? std::atoi(argv[6]) : 70;
    if (port <= 0 || unit < 0 || unit > 255 || k <= 0 || count <= 0 || count > MODBUS_MAX_READ_REGISTERS) {
        std::fprintf(stderr, "libmodbus_client: bad arguments\n");
        return 2;
    }
    modbus_t* ctx = modbus_new_tcp(argv[1], port);
    if (!ctx || modbus_set_slave(ctx, unit) != 0 || modbus_connect(ctx) != 0) {
        std::fprintf(stderr, "libmodbus_client: cannot connect: %s\n", modbus_strerror(errno));
        if (ctx) modbus_free(ctx);
        return 1;
    }
    uint16_t regs[MODBUS_MAX_READ_REGISTERS];
    const auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < k; ++i) {
        if (modbus_read_registers(ctx, start, count, regs) != count) {
            std::fprintf(stderr, "libmodbus_client: read %d failed: %s\n", i, modbus_strerror(errno));
            modbus_close(ctx);
            modbus_free(ctx);
            return 1;
        }
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - t0;
    std::printf("%.6f\n", elapsed.count());
    modbus_close(ctx);
    modbus_free(ctx);
    return 0;
}
