#!/usr/bin/env bash
# Times an RS-485 search of 1..247 with the default 200 ms time-out against zaro-sim
# pacing its replies at 9600 baud, and compares it with what the protocol needs:
#   247 x (0.2 s + 0.01 s) + the answering meters' reply times.
# The reply time and the program's start-up are measured in the same run.
# Usage: ZARO_BIN_DIR=build/bin bench/scan_bench.sh
set -eu
BIN=${ZARO_BIN_DIR:-$(dirname "$0")/../build/bin}
work=$(mktemp -d)
fds=()
cleanup() { for fd in "${fds[@]}"; do exec {fd}>&-; done; wait; rm -rf "$work"; }
trap cleanup EXIT

start_bus() { # name addresses -> sets PTY
  mkfifo "$work/$1.in" "$work/$1.out"
  "$BIN/zaro-sim" --rs485 "$2" --baud 9600 <"$work/$1.in" >"$work/$1.out" 2>/dev/null &
  local fd
  exec {fd}>"$work/$1.in"
  fds+=("$fd")
  IFS= read -r -t 10 line <"$work/$1.out"
  PTY=${line#PTY }
}

settings() { # rtsflow -> a settings folder with RS-485 at 9600, even parity, 200 ms
  local d="$work/settings-$1"
  mkdir -p "$d"
  printf '[Interface]\r\nCOMType = 1\r\nBaudrate = 3\r\nTimeout = 200\r\nRTSFlow = %s\r\n' "$1" >"$d/ZARO.ini"
  echo "$d"
}

calc() { awk "BEGIN { print $1 }"; }

seconds() { # command... -> wall time in seconds
  local t0 t1
  t0=$(date +%s.%N)
  "$@" >/dev/null 2>&1 || true
  t1=$(date +%s.%N)
  calc "$t1 - $t0"
}

all32=$(seq -s, 1 32)
start_bus full "$all32"
full=$PTY
start_bus sparse 3,17,100,200
sparse=$PTY
found=4

for rts in 0 1; do
  dir=$(settings $rts)
  cli() { "$BIN/zaro-cli" --settings "$dir" "$@"; }
  startup=$(seconds cli --port "$work/none" scan-rs485)
  # 32 answering meters: each costs its reply plus the pause (and the RTS turnaround).
  t32=$(seconds cli --port "$full" scan-rs485 --range 32)
  turn=$([ "$rts" = 1 ] && echo 0.01 || echo 0)
  reply=$(calc "($t32 - $startup) / 32 - 0.01 - $turn")
  t247=$(seconds cli --port "$sparse" scan-rs485 --range 247)
  scan=$(calc "$t247 - $startup")
  reference=$(calc "247 * (0.2 + 0.01) + $found * $reply")
  printf 'RTSFlow %s: search %.2f s, reference %.2f s (reply %.1f ms), ratio %.3f\n' \
    "$rts" "$scan" "$reference" "$(calc "$reply * 1000")" "$(calc "$scan / $reference")"
done
