#!/usr/bin/env bash
# zaro-cli check-installation against a third-party gateway (pymodbus) whose units hold
# the values of an installation wired right and of each wiring fault, computed apart from
# zaro-sim: the same verdicts and phases as against the simulator.
set -u
. "$(dirname "$0")/lib.sh"
need_pymodbus

PORT=15505
$PY "$HERE/installation_slave.py" $PORT 4 4/reversed-ct:2 4/swapped-ct:1,2 4/missing-u:3 4/ct-ratio:3 \
  4/ct-ratio:0.05 3 &
PIDS+=($!)
for _ in $(seq 100); do (exec 3<>/dev/tcp/127.0.0.1/$PORT) 2>/dev/null && break; sleep 0.1; done

judge() { # unit, what, exit status, expectations (see installation_verdicts.py)
  local unit=$1
  shift
  $PY "$HERE/installation_verdicts.py" "$@" -- "$BIN/zaro-cli" --settings "$work" --interface gateway \
    --host 127.0.0.1 --tcp-port $PORT --address "$unit" || failures=$((failures + 1))
}

judge 1 "4 wires, wired right" 0 all=ok
judge 2 "CT of L2 reversed" 3 power-sign=fail=L2
judge 3 "CTs of L1 and L2 swapped" 3 power-factor=fail=L1,L2
judge 4 "no voltage on L3" 3 voltage-present=fail=L3 current-without-voltage=fail=L3
judge 5 "currents read 3 times the real ones" 3 current-rating=fail
judge 6 "currents read a twentieth of the real ones" 0 load=warn "power-sign=ok|warn" "power-factor=ok|warn"
judge 7 "3 wires, wired right" 0 all=ok power-sign=none line-voltages=none neutral-current=none
finish
