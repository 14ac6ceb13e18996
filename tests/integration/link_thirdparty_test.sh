#!/usr/bin/env bash
# Our Modbus master against a third-party slave (pymodbus from Debian): on a
# pseudo-terminal pair made by socat, and over Modbus/TCP on loopback. A framing
# mistake shared by the program and zaro-sim cannot hide here.
set -u
. "$(dirname "$0")/lib.sh"
need_command socat
need_pymodbus

# What read INDEX must print for count registers from start: the slave holds
# (r * 7 + 3) & 0xFFFF in register r; every register arrives low byte first in memory.
expected() {
  $PY -c '
import sys
start, count, size = map(int, sys.argv[1:4])
b = []
for r in range(start, start + count):
    v = (r * 7 + 3) & 0xFFFF
    b += [v & 0xFF, v >> 8]
b += [0] * (size - len(b))
print(" ".join("%02x" % x for x in b))' "$@"
}

start_pty_pair
$PY "$HERE/thirdparty_slave.py" rtu "$PTY_A" &
PIDS+=($!)

cli() { "$BIN/zaro-cli" --settings "$work" "$@"; }
# The first request may go out before the slave has opened its end: the retries and
# a long time-out cover its start-up.
out=$(cli --interface rs232 --port "$PTY_B" --timeout 1500 read 2) || fail "RTU read 2"
[ "$out" = "$(expected 299 16 32)" ] || fail "RTU read 2 gave $out"
out=$(cli --interface rs232 --port "$PTY_B" read 13) || fail "RTU read 13"
[ "$out" = "$(expected 99 72 144)" ] || fail "RTU read 13 gave $out"
out=$(cli --interface rs232 --port "$PTY_B" read 11) || fail "RTU read 11"
[ "$out" = "$(expected 949 12 32)" ] || fail "RTU read 11 gave $out"

PORT=15502
$PY "$HERE/thirdparty_slave.py" tcp $PORT &
PIDS+=($!)
for _ in $(seq 100); do (exec 3<>/dev/tcp/127.0.0.1/$PORT) 2>/dev/null && break; sleep 0.1; done
tcp=(--interface gateway --host 127.0.0.1 --tcp-port $PORT --address 5)
out=$(cli "${tcp[@]}" read 13) || fail "TCP read 13"
[ "$out" = "$(expected 99 72 144)" ] || fail "TCP read 13 gave $out"
out=$(cli "${tcp[@]}" read 33) || fail "TCP read 33"
[ "$out" = "$(expected 839 36 72)" ] || fail "TCP read 33 gave $out"
echo "PASS"
