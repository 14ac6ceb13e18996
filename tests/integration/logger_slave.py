#!/usr/bin/python3
# A Modbus/TCP slave from a third party (pymodbus) holding a base-model meter's
# configuration and a known logger memory, for zaro-cli logger-read.
# usage: logger_slave.py PORT RECORDS GAP_RECORD
# Two channels (P and Q, 15 minutes, stop when full); record j (0 = oldest) holds
# 1000 * (j + 1) W and 500 * (j + 1) var; the record GAP_RECORD from the newest follows
# an interruption. Each 32-bit value lies low register first. Unit 5 answers.
import logging
import struct
import sys

from pymodbus.datastore import ModbusSequentialDataBlock, ModbusServerContext, ModbusSlaveContext
from pymodbus.server import StartTcpServer
from pymodbus.transaction import ModbusSocketFramer

logging.disable(logging.CRITICAL)
port, records, gap = map(int, sys.argv[1:4])
regs = [0] * 34000


def text(at, s, size):
    b = s.encode().ljust(2 * size, b"\0")
    for i in range(size):
        regs[at + i] = b[2 * i] << 8 | b[2 * i + 1]


regs[401:405] = [412, 121, 500, 500]  # versions, input ranges
text(409, "ZR30  ", 3)
regs[501:507] = [400, 400, 100, 5, 0, 0]  # VT 400/400 V, CT 100/5 A
regs[507] = 1 << 8 | 11
text(508, "Third party", 24)
regs[536] = 8 << 8 | 4  # display, system 4
regs[538] = 15  # 15-minute interval
regs[539] = 0x0C00  # P and Q, stop when full
regs[950] = 2 * records
regs[951] = 999 + 2 * 2 * (records - 1 - gap) + 1
for j in range(records):
    for c, w in enumerate((1000.0, 500.0)):
        lo, hi = struct.unpack("<HH", struct.pack("<f", w * (j + 1)))
        at = 999 + 2 * (2 * j + c)
        regs[at], regs[at + 1] = lo, hi

slave = ModbusSlaveContext(hr=ModbusSequentialDataBlock(0, regs), zero_mode=True)
StartTcpServer(context=ModbusServerContext(slaves={5: slave}, single=False), framer=ModbusSocketFramer,
               address=("127.0.0.1", port))
