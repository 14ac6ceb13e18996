#!/usr/bin/env bash
# Our Modbus master against a third-party slave (pymodbus from Debian): on a
# pseudo-terminal pair made by socat, and over Modbus/TCP on loopback. A framing
# mistake shared by the program and zaro-sim cannot hide here.
set -u
BIN=${ZARO_BIN_DIR:?}
PY=/usr/bin/python3
HERE=$(cd "$(dirname "$0")" && pwd)
command -v socat >/dev/null || { echo "SKIP: socat missing"; exit 77; }
$PY -c 'import pymodbus, serial' 2>/dev/null || { echo "SKIP: python3-pymodbus missing"; exit 77; }

T=$(mktemp -d)
PIDS=()
cleanup() { for p in "${PIDS[@]}"; do kill "$p" 2>/dev/null; done; rm -rf "$T"; }
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

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

socat pty,raw,echo=0,link="$T/slave" pty,raw,echo=0,link="$T/master" 2>/dev/null &
PIDS+=($!)
for _ in $(seq 50); do [ -e "$T/slave" ] && [ -e "$T/master" ] && break; sleep 0.1; done
$PY "$HERE/thirdparty_slave.py" rtu "$T/slave" &
PIDS+=($!)

cli() { "$BIN/zaro-cli" --settings "$T" "$@"; }
# The first request may go out before the slave has opened its end: the retries and
# a long time-out cover its start-up.
out=$(cli --interface rs232 --port "$T/master" --timeout 1500 read 2) || fail "RTU read 2"
[ "$out" = "$(expected 299 16 32)" ] || fail "RTU read 2 gave $out"
out=$(cli --interface rs232 --port "$T/master" read 13) || fail "RTU read 13"
[ "$out" = "$(expected 99 72 144)" ] || fail "RTU read 13 gave $out"
out=$(cli --interface rs232 --port "$T/master" read 11) || fail "RTU read 11"
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
