#!/usr/bin/python3
# A third-party Modbus slave (pymodbus) holding a ZRM3 meter with known acquisition blocks,
# for checking what zaro-cli shows of them. usage: acquisition_slave.py rtu DEVICE | tcp PORT
# A pseudo-terminal refuses parity settings, so the slave runs without; bytes pass alike.
import logging
import struct
import sys

from pymodbus.datastore import ModbusSequentialDataBlock, ModbusServerContext, ModbusSlaveContext
from pymodbus.server import StartSerialServer, StartTcpServer
from pymodbus.transaction import ModbusRtuFramer, ModbusSocketFramer

regs = [0] * 1000


def put_float(reg, index, value):
    # 32-bit values travel low register first, each register high byte first.
    bits = struct.unpack("<I", struct.pack("<f", value))[0]
    regs[reg + 2 * index] = bits & 0xFFFF
    regs[reg + 2 * index + 1] = bits >> 16


def put_u32(reg, index, value):
    regs[reg + 2 * index] = value & 0xFFFF
    regs[reg + 2 * index + 1] = value >> 16


# Identification: firmware 4.12, 5 A, 500 V, nominal 50 Hz, model ZRM3.
regs[401:406] = [412, 121, 500, 500, 2]
regs[409:412] = [0x5A52, 0x4D33, 0x2020]
# Configuration 499..573: 400 V / 400 V, 100 A / 5 A, 4-wire (system 4), first free mean value F.
regs[499:508] = [100, 100, 400, 400, 100, 500, 0x0000, 0x00FE, 0x010B]
regs[536:541] = [0x0804, 0x0080, 0x800F, 0, 0x0210]
regs[564:569] = [(25 << 8) | 255, 0xFFFF, 0xFFFF, 0xFFFF, 0xFF00]
regs[569:574] = [0xFFFF] * 5

# Min/max: U1N max, a NaN, frequency extremes, power factors, P max, UNE max.
put_float(199, 1, 231.24)
put_float(199, 2, float("nan"))
put_float(199, 19, 52000.0)
put_float(199, 35, 0.93)
put_float(199, 36, 9.9e31)
put_float(199, 39, 44.5)
put_float(199, 40, 50.07)
put_float(199, 41, 1.5)
# Energy: a full register and 23 counts of 10^2 Wh; tariff 1.
put_u32(299, 0, 0xFFFFFFFF)
put_u32(299, 1, 23)
regs[319] = 2
regs[399] = 0x0004
# Power means: Pinc now; its maximum below its minimum (nothing recorded yet).
put_float(349, 0, 12340.0)
put_float(329, 0, 10.0)
put_float(329, 5, 20.0)
# The free frequency mean value, its maximum below its minimum.
put_float(799, 0, 50.01)
put_float(839, 0, 0.0)
put_float(839, 9, 60.0)
# Harmonics in tenths of a percent.
regs[183:187] = [12, 31, 32, 33]
regs[699:703] = [20, 41, 42, 43]
regs[599:641] = [i + 1 for i in range(42)]
regs[706:748] = [i + 50 for i in range(42)]

logging.disable(logging.CRITICAL)
slave = ModbusSlaveContext(hr=ModbusSequentialDataBlock(0, regs), zero_mode=True)
kind, where = sys.argv[1], sys.argv[2]
if kind == "rtu":
    context = ModbusServerContext(slaves={255: slave}, single=False)
    StartSerialServer(context=context, framer=ModbusRtuFramer, port=where, baudrate=9600,
                      parity="N", stopbits=1, bytesize=8, timeout=0.05)
else:
    context = ModbusServerContext(slaves={5: slave}, single=False)
    StartTcpServer(context=context, framer=ModbusSocketFramer, address=("127.0.0.1", int(where)))
