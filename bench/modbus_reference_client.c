/* The reference for the Modbus/TCP benchmark: libmodbus reading what request 17 reads
 * (70 holding registers from 499, unit 5), in a tight loop.
 *   modbus_reference_client HOST PORT READS   prints "seconds_per_read S" */
#include <modbus.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

static double Now(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec + t.tv_nsec / 1e9;
}

int main(int argc, char** argv)
{
    if (argc != 4) {
        fprintf(stderr, "usage: modbus_reference_client HOST PORT READS\n");
        return 2;
    }
    const int reads = atoi(argv[3]);
    modbus_t* ctx = modbus_new_tcp(argv[1], atoi(argv[2]));
    uint16_t regs[125];
    if (!ctx || modbus_set_slave(ctx, 5) != 0 || modbus_connect(ctx) != 0) return 1;
    if (modbus_read_registers(ctx, 499, 70, regs) != 70) return 1;
    const double start = Now();
    for (int i = 0; i < reads; ++i)
        if (modbus_read_registers(ctx, 499, 70, regs) != 70) return 1;
    printf("seconds_per_read %.6f\n", (Now() - start) / reads);
    modbus_close(ctx);
    modbus_free(ctx);
    return 0;
}
