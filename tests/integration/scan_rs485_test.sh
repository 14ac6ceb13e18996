#!/usr/bin/env bash
# zaro-cli scan-rs485 against a simulated RS-485 bus: prints the meters found, keeps
# them in ZARO.ini without the run's link options (and with every setting a hand-edited
# file holds), fails on a port that is not there.
set -u
. "$(dirname "$0")/lib.sh"

start_sim --rs485 3,17

mkdir "$work/settings"
cli() { "$BIN/zaro-cli" --settings "$work/settings" "$@"; }

# A hand-edited file: a byte-order mark and a comment cost none of its settings.
printf '\xEF\xBB\xBF# by hand\r\n[Interface]\r\nCOMPortPath = "/dev/ttyUSB3"\r\nBaudrate = 4\r\nTimeout = 700\r\n' \
  >"$work/settings/ZARO.ini"
out=$(cli --interface rs485 --port "$pty" --timeout 50 scan-rs485 --range 32)
check "exit status" 0 $?
check "addresses printed" "3 17" "$(echo $out)"
ini=$(tr -d '\r' <"$work/settings/ZARO.ini")
check "first slot" "DevAddr1 = 3" "$(grep '^DevAddr1 ' <<<"$ini")"
check "second slot" "DevAddr2 = 17" "$(grep '^DevAddr2 ' <<<"$ini")"
check "meter in use" "DevAddr = 3" "$(grep '^DevAddr = ' <<<"$ini")"
check "kind not saved" "COMType = 0" "$(grep '^COMType' <<<"$ini")"
check "port path kept, the run's not saved" 'COMPortPath = "/dev/ttyUSB3"' "$(grep '^COMPortPath' <<<"$ini")"
check "hand-edited: baud rate kept" "Baudrate = 4" "$(grep '^Baudrate' <<<"$ini")"
check "hand-edited: time-out kept" "Timeout = 700" "$(grep '^Timeout' <<<"$ini")"
out=$(cli --interface rs485 --port "$pty" --timeout 100 --json scan-rs485 | $PY -c 'import json, sys
for m in json.load(sys.stdin)["addresses"]: print(m["address"], m["model"], m["firmware"], m["extension"])')
check "addresses as JSON, each with its model and firmware" "3 ZRM3 4.12 1.21
17 ZRM3 4.12 1.21" "$out"

cp "$work/settings/ZARO.ini" "$work/before.ini"
cli --interface rs485 --port "$work/no-such-tty" scan-rs485 2>"$work/err" >"$work/out"
check "missing port exit status" 1 $?
check "nothing printed" "" "$(cat "$work/out")"
cmp -s "$work/before.ini" "$work/settings/ZARO.ini" || failed "ZARO.ini rewritten after a missing port"
[ -s "$work/err" ] || failed "no message on stderr"

cli scan-rs485 --range 100 2>/dev/null
check "bad range" 2 $?

finish
