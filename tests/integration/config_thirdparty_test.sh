#!/usr/bin/env bash
# A configuration sent to a Modbus slave that is not ours (pymodbus) and received back:
# read-config then send-config --yes must leave every configuration register as it was.
set -euo pipefail
. "$(dirname "$0")/lib.sh"
need_command socat
need_pymodbus

start_pty_pair
$PY "$HERE/thirdparty_slave.py" rtu "$PTY_A" &
PIDS+=($!)

cli() { "$BIN/zaro-cli" --settings "$work" --interface rs232 --port "$PTY_B" "$@"; }

# The slave's registers hold a pattern, not a meter's configuration: give it a sound
# base-model configuration first (its pattern makes no backup that would load again,
# hence --no-backup). The first request may leave before the slave listens.
printf 'Date\tTime\tInterface\tMAX U\tMAX I\tVT\t\tCT\t\tSystem\tEnergyControl\tO1\tO2\tL1\tL2\tM1\tM2\tP1\tP2\tDevice\tAddress\tBus\tDisplay\tImage\tLogger\t\r\n' >"$work/start.ZRC"
printf '06.12.2026\t12:00:00\t1\t500\t500\t20000.000000\t100\t150.000000\t5.000000\t4\t15\t70\t3\t-120\t900\t40\t800\t100\t250\tThird party\x01slave\t1\t11\t8\t0\t1024\t\r\n' >>"$work/start.ZRC"
cli --timeout 1500 send-config "$work/start.ZRC" --yes --no-backup 2>"$work/start.log" || { cat "$work/start.log"; fail "first send"; }

before=$(cli read 7) || fail "read 7"
cli read-config "$work/a.ZRC" || fail "read-config"
[ "$(head -1 "$work/a.ZRC" | tr -cd '\t' | wc -c)" -eq 25 ] || fail "expected a base-model file"
grep -q $'Third party\x01slave' "$work/a.ZRC" || fail "description not in the file"
cli send-config "$work/a.ZRC" --yes 2>"$work/send.log" || { cat "$work/send.log"; fail "send-config"; }
after=$(cli read 7) || fail "read 7 after sending"
[ "$before" = "$after" ] || fail "registers 499..539 changed: $before / $after"
echo "PASS"
