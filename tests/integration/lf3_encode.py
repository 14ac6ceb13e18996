#!/usr/bin/env python3
"""Writes a module logger file (*.LF3) from its element layout alone, as a second
encoder beside the simulator's: identifier byte (class, constructed bit, tag number),
length (short form, 0x80 + n long form, 0x00 = none: the element ends with 00 00),
time stamps as context 0 (seconds since 1970, little-endian), values as context 1..30
(little-endian IEEE single floats).

usage: lf3_encode.py OUT.LF3"""
import struct
import sys


def tlv(ident, content):
    n = len(content)
    if n < 0x80:
        head = bytes([ident, n])
    else:
        raw = n.to_bytes((n.bit_length() + 7) // 8, "big")
        head = bytes([ident, 0x80 + len(raw)]) + raw
    return head + content


def open_list(ident, elements):
    return bytes([ident, 0x00]) + elements + b"\x00\x00"


def record(stamp, values):
    content = tlv(0x80, struct.pack("<I", stamp))
    for k, v in enumerate(values):
        content += tlv(0x81 + k, struct.pack("<f", v))
    return tlv(0x30, content)  # universal class, constructed, with a length


DAY1 = 1767225600  # 2026-01-01 00:00:00 UTC

# Sequence 1: a maximum before the ordinary channels, a two-byte interval element.
seq1 = open_list(0x63, tlv(0x44, bytes([70, 1, 13, 43])) + tlv(0x45, b"\x0f\x00")
                 + record(DAY1, [233.5, 230.1, 1500.0, 50.01])
                 + record(DAY1 + 900, [234.0, 231.2, 2600.0, 65.5])
                 + record(DAY1 + 1800, [232.0, 229.0, 2400.0, 49.98]))
# Sequence 2: opened by the primitive marker, no interval element, a bad power factor.
seq2 = (tlv(0x43, b"") + tlv(0x44, bytes([44]))
        + record(DAY1 + 86400, [0.95]) + record(DAY1 + 86400 + 600, [1.002]))
# Sequence 3: context class, no channels: nothing to show.
seq3 = open_list(0xA3, record(DAY1 + 2 * 86400, []))

log = open_list(0x70, tlv(0x41, bytes([0x00, 0x30, 0x11, 0x01, 0x02, 0x03]))
                + tlv(0x42, b"Sample module") + seq1 + seq2 + seq3)
with open(sys.argv[1], "wb") as f:
    f.write(log)
