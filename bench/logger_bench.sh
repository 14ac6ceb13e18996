#!/usr/bin/env bash
# A full logger memory (16 000 values of one channel, 267 blocks of up to 120 registers)
# read from zaro-sim, inside a private network namespace.
#   bench/logger_bench.sh [BUILD_DIR]     (default: build)
# Serial: 9600 baud with a 10 ms turnaround, against the wire time of every frame and
# reply (11 bits per byte) plus a turnaround each. Modbus/TCP: against a libmodbus
# client reading the same 267 blocks from the same zaro-sim (best of three rounds).
set -eu
cd "$(dirname "$0")/.."
B=$(cd "${1:-build}" && pwd)
if [ "${ZARO_IN_NETNS:-}" != 1 ]; then exec tests/netns-run bash "$0" "$B"; fi
T=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$T"' EXIT
FULL=(--logger-channels 1 --logger-values 16000 --logger-mode overwrite)

start_sim() { # name args...: starts zaro-sim (input held open), sets READY to its ready line
  local n=$1 fd; shift
  mkfifo "$T/$n.in"
  "$B/bin/zaro-sim" "$@" <"$T/$n.in" >"$T/$n.out" &
  exec {fd}>"$T/$n.in"
  for _ in $(seq 200); do [ -s "$T/$n.out" ] && break; sleep 0.05; done
  READY=$(head -n1 "$T/$n.out")
}

start_sim tcp --gateway 5 --listen 127.0.0.1:0 "${FULL[@]}"
port=${READY##* }
: >"$T/ours"; : >"$T/ref"
for _ in 1 2 3; do
  "$B/bench/logger_bench" tcp 127.0.0.1 "$port" | awk '{print $2}' >>"$T/ours"
  "$B/bench/libmodbus_client" 127.0.0.1 "$port" 5 267 999 120 >>"$T/ref"
done
ours=$(sort -g "$T/ours" | head -n1)
ref=$(sort -g "$T/ref" | head -n1)
awk -v o="$ours" -v r="$ref" 'BEGIN {
  printf "Modbus/TCP full logger: %.4f s, libmodbus %.4f s for the same blocks, ratio %.3f (goal <= 1.2)\n", o, r, o / r }'

start_sim serial --rs232 --baud 9600 --turnaround 10 "${FULL[@]}"
serial=$("$B/bench/logger_bench" serial "${READY#PTY }" | awk '{print $2}')
# Status request (12 registers), 266 blocks of 120 registers and one of 80: frames of
# 8 bytes, replies of 5 bytes plus the data.
limit=$(awk 'BEGIN { b = 268 * 8 + 29 + 266 * 245 + 165; printf "%.4f", b * 11 / 9600 + 268 * 0.010 }')
awk -v s="$serial" -v l="$limit" 'BEGIN {
  printf "serial full logger: %.2f s, wire limit %.2f s, ratio %.3f (goal <= 1.03)\n", s, l, s / l }'
