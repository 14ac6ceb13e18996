#!/usr/bin/python3
# A Modbus slave from a third party (pymodbus) for the link's interoperability test.
# usage: thirdparty_slave.py rtu DEVICE | tcp PORT
# A pseudo-terminal refuses parity settings, so the slave runs without; bytes pass alike.
# Holding register r holds (r * 7 + 3) & 0xFFFF; unit 255 (RTU) and unit 5 (TCP) answer.
import logging
import sys

from pymodbus.datastore import ModbusSequentialDataBlock, ModbusServerContext, ModbusSlaveContext
from pymodbus.server import StartSerialServer, StartTcpServer
from pymodbus.transaction import ModbusRtuFramer, ModbusSocketFramer

logging.disable(logging.CRITICAL)
block = ModbusSequentialDataBlock(0, [(r * 7 + 3) & 0xFFFF for r in range(1000)])
slave = ModbusSlaveContext(hr=block, zero_mode=True)
kind, where = sys.argv[1], sys.argv[2]
if kind == "rtu":
    context = ModbusServerContext(slaves={255: slave}, single=False)
    StartSerialServer(context=context, framer=ModbusRtuFramer, port=where, baudrate=9600,
                      parity="N", stopbits=1, bytesize=8, timeout=0.05)
else:
    context = ModbusServerContext(slaves={5: slave}, single=False)
    StartTcpServer(context=context, framer=ModbusSocketFramer, address=("127.0.0.1", int(where)))
