#!/usr/bin/env bash
# zaro-cli scan-rs485 against a simulated RS-485 bus: prints the meters found, keeps
# them in ZARO.ini without the run's link options, fails on a port that is not there.
set -u
BIN=${ZARO_BIN_DIR:?ZARO_BIN_DIR not set}
work=$(mktemp -d)
sim_pid=
cleanup() {
  [ -n "${sim_fd:-}" ] && exec {sim_fd}>&-
  [ -n "$sim_pid" ] && wait "$sim_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
failures=0
check() { # what, expected, actual
  if [ "$2" = "$3" ]; then echo "ok: $1"; else echo "FAIL: $1: expected [$2], got [$3]"; failures=$((failures + 1)); fi
}

mkfifo "$work/sim.in" "$work/sim.out"
"$BIN/zaro-sim" --rs485 3,17 <"$work/sim.in" >"$work/sim.out" 2>"$work/sim.err" &
sim_pid=$!
exec {sim_fd}>"$work/sim.in"
IFS= read -r -t 10 ready <"$work/sim.out" || { echo "FAIL: no ready line"; cat "$work/sim.err"; exit 1; }
pty=${ready#PTY }

mkdir "$work/settings"
cli() { "$BIN/zaro-cli" --settings "$work/settings" "$@"; }

out=$(cli --interface rs485 --port "$pty" --timeout 100 scan-rs485 --range 32)
check "exit status" 0 $?
check "addresses printed" "3 17" "$(echo $out)"
ini=$(tr -d '\r' <"$work/settings/ZARO.ini")
check "first slot" "DevAddr1 = 3" "$(grep '^DevAddr1 ' <<<"$ini")"
check "second slot" "DevAddr2 = 17" "$(grep '^DevAddr2 ' <<<"$ini")"
check "meter in use" "DevAddr = 3" "$(grep '^DevAddr = ' <<<"$ini")"
check "kind not saved" "COMType = 0" "$(grep '^COMType' <<<"$ini")"
check "port not saved" "" "$(grep '^COMPortPath' <<<"$ini")"

cli --interface rs485 --port "$work/no-such-tty" scan-rs485 2>"$work/err" >"$work/out"
check "missing port exit status" 1 $?
check "nothing printed" "" "$(cat "$work/out")"
[ -s "$work/err" ] || { echo "FAIL: no message on stderr"; failures=$((failures + 1)); }

cli scan-rs485 --range 100 2>/dev/null
check "bad range" 2 $?

[ "$failures" -eq 0 ]
