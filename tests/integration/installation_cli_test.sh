#!/usr/bin/env bash
# zaro-cli check-installation against zaro-sim wired right and with each wiring fault: the
# exit status, the verdict of the check the fault must trip and the phases it names, alike
# in the text and in --json.
set -u
. "$(dirname "$0")/lib.sh"
mkdir "$work/settings"

judge() { # what, exit status, expectations (see installation_verdicts.py), --, zaro-sim options
  local what=$1 status=$2 expects=()
  shift 2
  while [ "$1" != -- ]; do
    expects+=("$1")
    shift
  done
  shift
  stop_sims
  start_sim --rs232 "$@"
  $PY "$HERE/installation_verdicts.py" "$what" "$status" "${expects[@]}" -- \
    "$BIN/zaro-cli" --settings "$work/settings" --interface rs232 --port "$pty" --timeout 300 ||
    failures=$((failures + 1))
}

"$BIN/zaro-sim" --rs232 --wiring swapped-ct:1,1 </dev/null 2>/dev/null
check "a wiring fault zaro-sim does not know is a usage error" 2 $?

judge "4 wires, wired right" 0 all=ok -- --system 4
judge "CT of L2 reversed" 3 power-sign=fail=L2 -- --wiring reversed-ct:2
judge "CTs of L1 and L2 swapped" 3 power-factor=fail=L1,L2 -- --wiring swapped-ct:1,2
judge "no voltage on L3" 3 voltage-present=fail=L3 current-without-voltage=fail=L3 -- --wiring missing-u:3
judge "currents read 3 times the real ones" 3 current-rating=fail -- --wiring ct-ratio:3
# 2.5 % of the CT rating: too little load to judge the powers, which must not guess.
judge "currents read a twentieth of the real ones" 0 load=warn "power-sign=ok|warn" "power-factor=ok|warn" -- --wiring ct-ratio:0.05
judge "3 wires, wired right" 0 all=ok power-sign=none line-voltages=none neutral-current=none -- --system 3
finish
