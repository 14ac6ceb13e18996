#!/usr/bin/env bash
# zaro-cli scan-gateways, scan-modules, set-gateway, set-module and search-gateway against
# zaro-sim and against an independent UDP responder. Broadcasts: netns only.
set -u
. "$(dirname "$0")/lib.sh"
[ "${ZARO_IN_NETNS:-}" = 1 ] || { echo "SKIP: broadcasts only inside the test netns"; exit 77; }

cli() { "$BIN/zaro-cli" --settings "$work" "$@"; }
usage() { cli "$@" >/dev/null 2>&1; check "usage: $*" "2" "$?"; }

# Refusals, storms and garbage from devices are tested on the scripted network of
# core/netdevices_test; here each command once end to end.
# zaro-sim: two gateways listed, one changed, the meters behind the first searched.
start_sim --gateway 3,7,40 --listen 127.0.0.1:0 --udp-devices 2
out=$(cli scan-gateways) || fail "scan-gateways"
check "two gateways" "00-30-11-F0-0A-1B	127.0.0.1	255.0.0.0	127.0.0.254	off	sim-gateway-1
00-30-11-F0-0A-1C	127.0.0.2	255.0.0.0	127.0.0.254	off	sim-gateway-2" "$out"
grep -q 'GatewayMAC = "00-30-11-F0-0A-1C"' "$work/ZAROTCP.ini" || failed "scan not merged into ZAROTCP.ini"
devices='import json, sys
for d in json.load(sys.stdin)["devices"]: print(d["mac"], d["ip"], d["subnet"], d["gateway"], d["dhcp"], d["name"])'
check "gateways as JSON" "00-30-11-F0-0A-1B 127.0.0.1 255.0.0.0 127.0.0.254 False sim-gateway-1
00-30-11-F0-0A-1C 127.0.0.2 255.0.0.0 127.0.0.254 False sim-gateway-2" "$(cli --json scan-gateways | $PY -c "$devices")"
cli set-gateway 00-30-11-F0-0A-1C --name hall --password qorvi-secret-1 >/dev/null 2>"$work/err"
check "wrong password: no answer" "1" "$?"
grep -q "does not respond" "$work/err" || failed "no answer: the pair's text on stderr"
cli set-gateway 00-30-11-F0-0A-1C --name hall --ip 127.0.0.3 || failed "set-gateway"
out=$(cli scan-gateways | tail -1)
check "gateway took the settings" "00-30-11-F0-0A-1C	127.0.0.3	255.0.0.0	127.0.0.254	off	hall" "$out"
grep -rq "qorvi" "$work"/*.ini && failed "a password reached a settings file"
# Malformed arguments are refused before anything is sent.
usage set-gateway 00-30-11-F0-0A-1C --ip 1.2.3
usage set-gateway 00-30-11-F0-0A --name x
usage set-gateway 00-30-11-F0-0A-1C --name "hall 7"
out=$(cli --interface gateway --host 127.0.0.1 --tcp-port "$port" --timeout 500 search-gateway --range 247) ||
  failed "search-gateway"
check "meters behind the gateway" "3 7 40" "$(echo $out)"
out=$(cli --interface gateway --host 127.0.0.1 --tcp-port "$port" --timeout 500 --json search-gateway |
  $PY -c 'import json, sys
for m in json.load(sys.stdin)["addresses"]: print(m["address"], m["model"], m["firmware"], m["extension"])')
check "meters as JSON, each with its model and firmware" "3 ZRM3 4.12 1.21
7 ZRM3 4.12 1.21" "$out"
cli set-gateway 00-30-11-00-00-77 --name x >/dev/null 2>&1
check "unknown gateway" "1" "$?"
stop_sims

# zaro-sim modules.
start_sim --module --listen 127.0.0.1:0 --udp-devices 2
out=$(cli scan-modules) || fail "scan-modules"
check "two modules" "00-12-34-C7-0A-1B	127.0.0.1	255.0.0.0	127.0.0.254	off	sim-module-1
00-12-34-C7-0A-1C	127.0.0.2	255.0.0.0	127.0.0.254	off	sim-module-2" "$out"
cli set-module 00-12-34-C7-0A-1C --ip 127.0.0.9 --name "Hall 7 meter" || failed "set-module"
check "module took the settings, the name kept whole" "00-12-34-C7-0A-1C	127.0.0.9	255.0.0.0	127.0.0.254	off	Hall 7 meter" \
  "$(cli scan-modules | tail -1)"
grep -q 'IP = "127.0.0.9"' "$work/ZARODEV.ini" || failed "module settings not in ZARODEV.ini"
usage set-module 00-12-34-C7-0A-1C --name "Hall 7;x"
# A settings file that cannot be written is a failure.
"$BIN/zaro-cli" --settings "$work/missing" scan-modules >/dev/null 2>"$work/err"
check "settings not written: failure" "1" "$?"
grep -q "could not be written" "$work/err" || failed "settings not written: no message"
stop_sims

# The independent responder: the same commands, the messages it received checked byte by byte.
rm -f "$work"/*.ini
$PY "$HERE/netdevices_responder.py" "$work/received" >"$work/responder.out" &
PIDS+=($!)
for _ in $(seq 50); do grep -q ready "$work/responder.out" 2>/dev/null && break; sleep 0.1; done
check "responder gateway, control characters escaped" \
  '00-30-11-AA-BB-01	127.0.0.41	255.0.0.0	127.0.0.254	off	indep\x1b[1m\tgw' "$(cli scan-gateways)"
cli set-gateway 00-30-11-AA-BB-01 --name plant || failed "set-gateway, responder"
check "configuration message" "Configure: 00-30-11-AA-BB-01;Password: qorvi;IP = 127.0.0.41;SN = 255.0.0.0;GW = 127.0.0.254;DHCP = OFF;HN = plant;DNS1 = 0.0.0.0;DNS2 = 0.0.0.0;" \
  "$(head -1 "$work/received")"
check "responder module" "00-12-34-C7-BE-EF	127.0.0.42	255.0.0.0	127.0.0.254	off	indep-module" "$(cli scan-modules)"
cli set-module 00-12-34-C7-BE-EF --ip 10.1.1.5 --subnet 255.255.255.0 --gateway 10.1.1.1 || failed "set-module, responder"
check "75-byte message" "001234C7BEEF 00 0a010105 ffffff00 0a010101 indep-module                    " \
  "$(tail -1 "$work/received")"
finish
