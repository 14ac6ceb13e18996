#!/usr/bin/env bash
# zaro-cli measure against simulated meters: units and decimals follow the transformer
# ratios, the fields follow the system, a silent meter fails with the message text.
set -u
. "$(dirname "$0")/lib.sh"

meter() { # one simulated meter at a time; an RS-232 one unless a network kind is asked for
  stop_sims
  case "${1:-}" in --gateway|--module) ;; *) set -- --rs232 "$@" ;; esac
  start_sim "$@"
}

mkdir "$work/settings"
cli() { "$BIN/zaro-cli" --settings "$work/settings" --interface rs232 --port "$pty" --timeout 300 "$@"; }
TAB=$'\t'

meter --model zrm3 --system 4 --vt 20000/100 --ct 100/5
out=$(cli measure)
check "exit status" 0 $?
matches "U1N in kV, two decimals" "^U1N${TAB}[0-9]+\.[0-9]{2}${TAB}kV$" "$(grep '^U1N' <<<"$out")"
matches "I1 in A, one decimal" "^I1${TAB}[0-9]+\.[0-9]${TAB}A$" "$(grep '^I1	' <<<"$out")"
matches "total power in MW" "^P${TAB}-?[0-9]+\.[0-9]{3}${TAB}\[MW\]$" "$(grep '^P	' <<<"$out")"
matches "frequency" "^F${TAB}[0-9]+\.[0-9]{2}${TAB}Hz$" "$(grep '^F	' <<<"$out")"
check "block order, 4-wire extended" "U1N U2N U3N U12 U23 U31 I1 I2 I3 I1avg I2avg I3avg IN P1 P2 P3 P Q1 Q2 Q3 Q S1 S2 S3 S F PF1 PF2 PF3 PF Umean Imean UNE" \
  "$(cut -f1 <<<"$out" | tr '\n' ' ' | sed 's/ $//')"

# --json: the same rows; U1N in V where the field reads kV, P in W. (That the pause
# between repeated blocks sleeps is tested on Delay itself, core/timebase_test.)
json=$(cli --json measure --repeat 1)
check "measure --json exit status" 0 $?
check "measure --json: a block of the text's rows, in base units" True "$($PY -c '
import json, sys
d = json.loads(sys.argv[1])
rows = {v["name"]: v for v in d["blocks"][0]["values"]}
print(len(d["blocks"]) == 1 and " ".join(rows) == sys.argv[2]
      and rows["U1N"]["unit"] == "V" and abs(rows["U1N"]["value"] / 1000 - float(rows["U1N"]["text"])) < 0.01
      and rows["P"]["unit"] == "W" and rows["PF"]["unit"] == "")' "$json" "$(cut -f1 <<<"$out" | tr '\n' ' ' | sed 's/ $//')")"

meter --model std --system 1 --vt 400/400 --ct 100/5
out=$(cli measure)
check "single-phase base model" "U I Iavg P Q S F PF" "$(cut -f1 <<<"$out" | tr '\n' ' ' | sed 's/ $//')"
matches "U in V" "^U${TAB}[0-9]+\.[0-9]${TAB}V$" "$(grep '^U	' <<<"$out")"

meter --fault badcrc:4 # every attempt of the first request, each retried at once
cli measure >"$work/out" 2>"$work/err"
check "failed read exit status" 1 $?
check "nothing printed" "" "$(cat "$work/out")"
grep -q "reply was incomplete or damaged" "$work/err" || { failed "no message text on stderr"; cat "$work/err"; }

meter --gateway 5 --listen 127.0.0.1:0 --system 20 --vt 400/400 --ct 100/5
out=$("$BIN/zaro-cli" --settings "$work/settings" --interface gateway --host "$host" --tcp-port "$port" \
  --address 5 measure)
check "gateway exit status" 0 $?
check "code 20 like code 4" "U1N U2N U3N U12 U23 U31 I1 I2 I3 I1avg I2avg I3avg IN P1 P2 P3 P Q1 Q2 Q3 Q S1 S2 S3 S F PF1 PF2 PF3 PF Umean Imean UNE" \
  "$(cut -f1 <<<"$out" | tr '\n' ' ' | sed 's/ $//')"
matches "U1N in V" "^U1N${TAB}[0-9]+\.[0-9]${TAB}V$" "$(grep '^U1N' <<<"$out")"

cli measure --repeat 0 2>/dev/null
check "bad repeat count" 2 $?
cli measure extra 2>/dev/null
check "unknown argument" 2 $?

finish
