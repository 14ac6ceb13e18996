#!/usr/bin/env bash
# zaro-cli simulate-output, brightness and pages against a simulated meter: outputs with
# a function are freed only after --yes and given back, the brightness acts at once, page
# sets are toggled in files and on the meter.
set -u
. "$(dirname "$0")/lib.sh"

mkdir "$work/settings"
cli() { "$BIN/zaro-cli" --settings "$work/settings" --interface rs232 --port "$pty" --timeout 300 "$@"; }
TAB=$'\t'
NL=$'\n'

# front: the simulator's own account of its outputs and display, one line.
front() {
  local err=$work/sim$sim_count.err before
  before=$(grep -c 'meter 255:' "$err")
  echo status >&"$SIM_CTL"
  for _ in $(seq 50); do
    [ "$(grep -c 'meter 255:' "$err")" -gt "$before" ] && break
    sleep 0.1
  done
  grep 'meter 255:' "$err" | tail -n 1 | sed 's/.*meter 255: //'
}

start_sim --rs232 --digout 5,128

# Output 1 has a limit function: any simulation frees it, so even switching output 2 asks.
cli simulate-output 2 on >"$work/out" 2>"$work/err"
check "output with a function: no without --yes" 1 $?
grep -q "Start the simulation? No" "$work/err" || failed "the question was not asked: $(cat "$work/err")"
check "nothing freed" "output 1 off (limit), output 2 off (free), brightness 8" "$(front)"

out=$(cli simulate-output 1 on --yes 2>/dev/null)
check "limit output switched after --yes" "1${TAB}on${NL}2${TAB}off" "$out"
check "output 1 given back" "output 1 off (limit), output 2 off (free), brightness 8" "$(front)"
cli simulate-output 3 on 2>/dev/null
check "no output 3" 2 $?

stop_sims
start_sim --rs232
out=$(cli simulate-output 2 on 2>"$work/err")
check "free outputs: switched without a question" "1${TAB}off${NL}2${TAB}on" "$out"
check "no question" "" "$(cat "$work/err")"
check "a free output stays as switched" "output 1 off (free), output 2 on (free), brightness 8" "$(front)"

check "brightness read" 8 "$(cli brightness)"
check "brightness set" 13 "$(cli brightness 13)"
cli read-config "$work/meter.ZRC"
check "configuration read" 0 $?
check "brightness survives a configuration read" 13 "$(cli brightness)"
matches "the display shows it" "brightness 13$" "$(front)"
cli brightness 16 2>/dev/null
check "brightness out of range" 2 $?

# The simulated meter: class 2, ind/cap presentation, display mode 0 (the loop set),
# loop pages 1-8 of byte 0..., user set byte 0 = 1.
out=$(cli pages)
check "169 pages offered" 169 "$(wc -l <<<"$out")"
check "first page, in the loop set" "1${TAB}U1${TAB}U2${TAB}U3${TAB}1" "$(head -n 1 <<<"$out")"
check "last page" "169${TAB}${TAB}H15.I3${TAB}(+max)${TAB}0" "$(tail -n 1 <<<"$out")"

cli pages --toggle 1 --send >/dev/null 2>&1
check "send needs --yes" 1 $?
cli pages --set user --toggle 2 3 --send --yes >/dev/null 2>&1
check "send toggled user pages" 0 $?
check "user pages 1-3 on the meter" "1 1 1 0" "$(cli pages --set user | head -n 4 | cut -f5 | tr '\n' ' ' | sed 's/ $//')"
check "brightness kept by the send" 13 "$(cli brightness)"

cli read-config "$work/pages.ZRC"
out=$(cli pages --file "$work/pages.ZRC" --toggle 1 9)
check "file toggled" "0 1" "$(sed -n '1p;9p' <<<"$out" | cut -f5 | tr '\n' ' ' | sed 's/ $//')"
check "the file keeps it" "0 1" "$(cli pages --file "$work/pages.ZRC" | sed -n '1p;9p' | cut -f5 | tr '\n' ' ' | sed 's/ $//')"
cli pages --file "$work/pages.ZRC" --toggle 170 >/dev/null 2>&1
check "page beyond the offered ones" 2 $?
cli pages --toggle 5 >/dev/null 2>&1
check "toggle needs a file or --send" 2 $?

finish
