#!/usr/bin/env bash
# zaro-cli's acquisition commands against a third-party slave (pymodbus) holding known
# blocks: each value as the panel shows it, without zaro-sim on the other side.
set -u
. "$(dirname "$0")/lib.sh"
need_command socat
need_pymodbus
TAB=$'\t'
line() { awk -F'\t' -v n="$2" '$1 == n' <<<"$1"; }

start_pty_pair
$PY "$HERE/acquisition_slave.py" rtu "$PTY_A" &
PIDS+=($!)
cli() { "$BIN/zaro-cli" --settings "$work" --interface rs232 --port "$PTY_B" "$@"; }
# The first request may go out before the slave has opened its end.
cli --timeout 1500 read 5 >/dev/null || fail "slave did not answer"

out=$(cli minmax) || fail "minmax"
check "U1N maximum" "U1Nmax${TAB}231.2${TAB}V" "$(line "$out" U1Nmax)"
check "NaN" "U2Nmax${TAB}OVL${TAB}V" "$(line "$out" U2Nmax)"
check "P maximum in kW" "Pmax${TAB}52.00${TAB}[kW]" "$(line "$out" Pmax)"
check "power factor" "PFmin.inc.ind${TAB}0.930${TAB}" "$(line "$out" PFmin.inc.ind)"
check "overloaded power factor" "PFmin.inc.cap${TAB}---${TAB}" "$(line "$out" PFmin.inc.cap)"
check "frequency maximum" "Fmax${TAB}50.07${TAB}Hz" "$(line "$out" Fmax)"
check "frequency minimum below range" "Fmin${TAB}< 45${TAB}Hz" "$(line "$out" Fmin)"
check "UNE maximum" "UNEmax${TAB}1.5${TAB}V" "$(line "$out" UNEmax)"

out=$(cli meters) || fail "meters"
check "full register" "Active energy incoming T1${TAB}429496729.5${TAB}kWh" "$(head -1 <<<"$out")"
check "23 counts" "Active energy incoming T2${TAB}2.3${TAB}kWh" "$(line "$out" "Active energy incoming T2")"
check "tariff" "tariff${TAB}1" "$(tail -1 <<<"$out")"

out=$(cli mean) || fail "mean"
check "Pinc now" "Pinc now${TAB}12.34${TAB}[kW]" "$(line "$out" "Pinc now")"
check "Pinc max without data" "Pinc max${TAB}----${TAB}[kW]" "$(line "$out" "Pinc max")"
check "free frequency" "F mean${TAB}50.01${TAB}Hz" "$(line "$out" "F mean")"
check "free frequency max without data" "F max${TAB}----${TAB}Hz" "$(line "$out" "F max")"
check "free frequency min without data" "F min${TAB}----${TAB}Hz" "$(line "$out" "F min")"

out=$(cli harmonics voltage) || fail "harmonics"
check "U1 row" "U1${TAB}0.1${TAB}0.2${TAB}0.3${TAB}0.4${TAB}0.5${TAB}0.6${TAB}0.7${TAB}0.8${TAB}0.9${TAB}1.0${TAB}1.1${TAB}1.2${TAB}1.3${TAB}1.4${TAB}3.1" "$(line "$out" U1)"
check "U3max row" "U3max${TAB}7.8${TAB}7.9${TAB}8.0${TAB}8.1${TAB}8.2${TAB}8.3${TAB}8.4${TAB}8.5${TAB}8.6${TAB}8.7${TAB}8.8${TAB}8.9${TAB}9.0${TAB}9.1${TAB}4.3" "$(line "$out" U3max)"
check "unbalance" "unbalance${TAB}1.2${TAB}2.0" "$(line "$out" unbalance)"

PORT=15503
$PY "$HERE/acquisition_slave.py" tcp $PORT &
PIDS+=($!)
for _ in $(seq 100); do (exec 3<>/dev/tcp/127.0.0.1/$PORT) 2>/dev/null && break; sleep 0.1; done
out=$("$BIN/zaro-cli" --settings "$work" --interface gateway --host 127.0.0.1 --tcp-port $PORT --address 5 meters) ||
  fail "TCP meters"
check "over Modbus/TCP" "Active energy incoming T2${TAB}2.3${TAB}kWh" "$(line "$out" "Active energy incoming T2")"

finish
