#!/usr/bin/env bash
# zaro-cli module-log and lf3-info: a file from an independent encoder decodes to the
# expected lines, zaro-sim's module serves it byte for byte and its own log with
# several sequences, and failures give exit 1 with the message text.
set -u
. "$(dirname "$0")/lib.sh"
export TZ=UTC
TAB=$'\t'
mkdir "$work/settings"
cli() { "$BIN/zaro-cli" --settings "$work/settings" "$@"; }
module_cli() { cli --interface module --host 127.0.0.1 --http-port 8080 "$@"; }

$PY "$HERE/lf3_encode.py" "$work/sample.LF3" || fail "encoder failed"
out=$(cli lf3-info "$work/sample.LF3" --sequence 1 --records)
check "lf3-info exit status" 0 $?
expected="Sample module${TAB}00-30-11-01-02-03
sequence${TAB}1${TAB}4${TAB}3${TAB}01.01.2026 00:00:00${TAB}01.01.2026 00:30:00${TAB}15
sequence${TAB}2${TAB}1${TAB}2${TAB}02.01.2026 00:00:00${TAB}02.01.2026 00:10:00${TAB}10
sequence${TAB}3${TAB}0${TAB}1${TAB}03.01.2026 00:00:00${TAB}03.01.2026 00:00:00${TAB}0
Umax${TAB}[V]${TAB}232.0${TAB}01.01.2026 00:30:00${TAB}234.0${TAB}01.01.2026 00:15:00
U${TAB}[V]${TAB}229.0${TAB}01.01.2026 00:30:00${TAB}231.2${TAB}01.01.2026 00:15:00
P${TAB}[kW]${TAB}1.500${TAB}01.01.2026 00:00:00${TAB}2.600${TAB}01.01.2026 00:15:00
F${TAB}[Hz]${TAB}49.98${TAB}01.01.2026 00:30:00${TAB}50.01${TAB}01.01.2026 00:00:00
01.01.26${TAB}00:30:00${TAB}    229.0${TAB}    2.400${TAB}    49.98${TAB}    232.0
01.01.26${TAB}00:15:00${TAB}    231.2${TAB}    2.600${TAB}      >65${TAB}    234.0
01.01.26${TAB}00:00:00${TAB}    230.1${TAB}    1.500${TAB}    50.01${TAB}    233.5"
check "independent encoder's file" "$expected" "$out"
check "lf3-info --json" "4 2 229.0 229 2026-01-01T00:30:00 2400 above-65-hz None >65" "$(cli --json lf3-info "$work/sample.LF3" --sequence 1 --records | $PY -c '
import json, sys; d = json.load(sys.stdin); u = d["channels"][1]["minimum"]; f = d["records"][1]["values"][3]
print(len(d["channels"]), len(d["sequences"][1:]), u["text"], u["value"], d["channels"][1]["minimumTime"],
      d["records"][0]["values"][2]["value"], f["status"], f["value"], f["text"])')"
out=$(cli lf3-info "$work/sample.LF3" --records)
check "records of the newest usable sequence" "02.01.26${TAB}00:10:00${TAB}      ---" "$(tail -n 2 <<<"$out" | head -n 1)"

start_sim --module --listen 127.0.0.1:0 --http-port 8080 --log-file "$work/sample.LF3"
module_cli module-log "$work/copy.LF3" >/dev/null
check "module-log exit status" 0 $?
cmp -s "$work/sample.LF3" "$work/copy.LF3" && echo "ok: stored byte for byte" || failed "stored file differs"
stop_sims

start_sim --module --listen 127.0.0.1:0 --http-port 8080 --log-sequences 4 --log-records 12
out=$(module_cli module-log "$work/sim.LF3")
check "sim log exit status" 0 $?
check "four sequences" 4 "$(grep -c '^sequence' <<<"$out")"
check "a missed record in the first" 11 "$(grep "^sequence${TAB}1${TAB}" <<<"$out" | cut -f4)"
check "interval from the stamps" 15 "$(grep "^sequence${TAB}1${TAB}" <<<"$out" | cut -f7)"
check "same summary from the file" "$out" "$(cli lf3-info "$work/sim.LF3")"
check "columns of both lists" 10 "$(cli lf3-info "$work/sim.LF3" --records | head -n 6 | tail -n 1 | awk -F'\t' '{print NF}')"
stop_sims

module_cli module-log "$work/none.LF3" >/dev/null 2>"$work/err"
check "no module exit status" 1 $?
grep -q "No connection to the LANMOD57 module" "$work/err" || failed "no message: $(cat "$work/err")"
[ ! -e "$work/none.LF3" ] && echo "ok: nothing stored" || failed "a file was stored"

head -c 4096 /dev/zero >"$work/zeros.LF3"
cli lf3-info "$work/zeros.LF3" >/dev/null 2>"$work/err"
check "zeros exit status" 1 $?
grep -q "Invalid structure of logger data" "$work/err" || failed "no message: $(cat "$work/err")"
cli lf3-info "$work/sample.LF3" --sequence 9 >/dev/null 2>&1
check "sequence out of range" 2 $?

finish
