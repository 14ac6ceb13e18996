#!/usr/bin/python3
# A third-party Modbus/TCP gateway (pymodbus) with one ZRM3 meter per installation case:
# unit k holds the instantaneous values of the k-th CASE, computed here from phasors apart
# from zaro-sim. usage: installation_slave.py PORT CASE...
# CASE is SYSTEM[/FAULT+FAULT...], SYSTEM 3 or 4, FAULT as zaro-sim's --wiring takes it.
import cmath
import logging
import math
import struct
import sys

from pymodbus.datastore import ModbusSequentialDataBlock, ModbusServerContext, ModbusSlaveContext
from pymodbus.server import StartTcpServer
from pymodbus.transaction import ModbusSocketFramer

# The installation: 400 V between lines, a 100 A CT loaded to about half, a little
# unbalanced, power factors about 0.9 lagging.
PHASE_U = [231.0, 230.0, 229.5]
LOAD_I = [50.0, 47.0, 53.0]
LOAD_PF = [0.90, 0.91, 0.89]
FREQUENCY = 50.02


def channels(faults):
    # Phase k at -120° x k; its current lags its voltage by acos(PF).
    turn = [cmath.rect(1, -2 * math.pi / 3 * k) for k in range(3)]
    u = [PHASE_U[k] * turn[k] for k in range(3)]
    i = [LOAD_I[k] * turn[k] * cmath.rect(1, -math.acos(LOAD_PF[k])) for k in range(3)]
    for fault in faults:
        kind, _, arg = fault.partition(":")
        if kind == "reversed-ct":
            n = int(arg) - 1
            i[n] = -i[n]
        elif kind == "swapped-ct":
            n, m = (int(x) - 1 for x in arg.split(","))
            i[n], i[m] = i[m], i[n]
        elif kind == "missing-u":
            u[int(arg) - 1] = 0j
        elif kind == "ct-ratio":
            i = [c * float(arg) for c in i]
        else:
            sys.exit(f"unknown fault {fault}")
    return u, i


def rows(system, faults):
    """The 36 rows of the instantaneous block, as MeasurandValue numbers them."""
    u, i = channels(faults)
    r = [0.0] * 36
    line = [abs(u[k] - u[(k + 1) % 3]) for k in range(3)]
    current = [abs(c) for c in i]
    power = [u[k] * i[k].conjugate() for k in range(3)]
    r[4:7] = line
    r[8:11] = current
    r[11:15] = [current[0]] + current  # the slow currents have settled
    r[28] = FREQUENCY
    r[33] = sum(line) / 3
    r[34] = sum(current) / 3
    if system == 4:
        apparent = [abs(u[k]) * current[k] for k in range(3)]
        r[0:4] = [abs(u[0])] + [abs(v) for v in u]
        r[7] = current[0]
        r[15] = abs(sum(i))
        r[16:19] = [s.real for s in power]
        r[20:23] = [s.imag for s in power]
        r[24:27] = apparent
        # Without a voltage a meter has no angle and shows 1.
        r[29:32] = [power[k].real / apparent[k] if apparent[k] else 1.0 for k in range(3)]
        r[19], r[23], r[27] = sum(r[16:19]), sum(r[20:23]), sum(apparent)
        r[35] = 0.9
    else:
        # Three wires: the total against the star point of the three voltage inputs.
        total = sum(power)
        r[0], r[7] = line[0], current[0]
        r[19], r[23], r[27] = total.real, total.imag, math.sqrt(3) * r[33] * r[34]
    r[32] = r[19] / r[27] if r[27] else 1.0
    return r


def meter(case):
    system, _, faults = case.partition("/")
    system = int(system)
    regs = [0] * 1000
    # Identification: firmware 4.12, 5 A, 500 V, nominal 50 Hz, model ZRM3.
    regs[401:406] = [412, 121, 500, 500, 2]
    regs[409:412] = [0x5A52, 0x4D33, 0x2020]
    # Configuration: 400 V / 400 V, 100 A / 5 A, the network system, no free mean values.
    regs[499:508] = [100, 100, 400, 400, 100, 500, 0x0000, 0x00FE, 0x010B]
    regs[536:541] = [0x0800 | system, 0x0080, 0x800F, 0, 0x0210]
    regs[564:574] = [0xFFFF] * 10
    for k, value in enumerate(rows(system, faults.split("+") if faults else [])):
        # 32-bit values travel low register first, each register high byte first.
        bits = struct.unpack("<I", struct.pack("<f", value))[0]
        regs[99 + 2 * k] = bits & 0xFFFF
        regs[100 + 2 * k] = bits >> 16
    regs[399] = 0x0004
    return ModbusSlaveContext(hr=ModbusSequentialDataBlock(0, regs), zero_mode=True)


logging.disable(logging.CRITICAL)
units = {k + 1: meter(case) for k, case in enumerate(sys.argv[2:])}
StartTcpServer(context=ModbusServerContext(slaves=units, single=False), framer=ModbusSocketFramer,
               address=("127.0.0.1", int(sys.argv[1])))
