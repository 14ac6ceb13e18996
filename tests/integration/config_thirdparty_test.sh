#!/usr/bin/env bash
# A configuration sent to a Modbus slave that is not ours (pymodbus) and received back:
# read-config then send-config --yes must leave every configuration register as it was.
set -euo pipefail
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

# socat names its two pseudo-terminals on stderr once they exist.
mkfifo "$T/socat.err"
socat -d -d pty,raw,echo=0 pty,raw,echo=0 2>"$T/socat.err" &
PIDS+=($!)
exec 3<"$T/socat.err"
ptys=()
while [ ${#ptys[@]} -lt 2 ] && IFS= read -r -t 10 -u 3 line; do
  [[ $line =~ PTY\ is\ (/dev/[^ ]+) ]] && ptys+=("${BASH_REMATCH[1]}")
done
[ ${#ptys[@]} -eq 2 ] || fail "socat made no pseudo-terminals"
$PY "$HERE/thirdparty_slave.py" rtu "${ptys[0]}" &
PIDS+=($!)

cli() { "$BIN/zaro-cli" --settings "$T" --interface rs232 --port "${ptys[1]}" "$@"; }

# The slave's registers hold a pattern, not a meter's configuration: give it a sound
# base-model configuration first. The first request may leave before the slave listens.
printf 'Date\tTime\tInterface\tMAX U\tMAX I\tVT\t\tCT\t\tSystem\tEnergyControl\tO1\tO2\tL1\tL2\tM1\tM2\tP1\tP2\tDevice\tAddress\tBus\tDisplay\tImage\tLogger\t\r\n' >"$T/start.ZRC"
printf '06.12.2026\t12:00:00\t1\t500\t500\t20000.000000\t100\t150.000000\t5.000000\t4\t15\t70\t3\t-120\t900\t40\t800\t100\t250\tThird party\x01slave\t1\t11\t8\t0\t1024\t\r\n' >>"$T/start.ZRC"
cli --timeout 1500 send-config "$T/start.ZRC" --yes 2>"$T/start.log" || { cat "$T/start.log"; fail "first send"; }

before=$(cli read 7) || fail "read 7"
cli read-config "$T/a.ZRC" || fail "read-config"
[ "$(head -1 "$T/a.ZRC" | tr -cd '\t' | wc -c)" -eq 25 ] || fail "expected a base-model file"
grep -q $'Third party\x01slave' "$T/a.ZRC" || fail "description not in the file"
cli send-config "$T/a.ZRC" --yes 2>"$T/send.log" || { cat "$T/send.log"; fail "send-config"; }
after=$(cli read 7) || fail "read 7 after sending"
[ "$before" = "$after" ] || fail "registers 499..539 changed: $before / $after"
echo "PASS"
