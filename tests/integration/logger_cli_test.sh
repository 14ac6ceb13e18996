#!/usr/bin/env bash
# zaro-cli's logger commands against zaro-sim: status, a full read into a *.ZRD laid out
# as the panel stores it, the question of a full memory in stop mode, the reset.
set -u
. "$(dirname "$0")/lib.sh"

mkdir "$work/settings"
cli() { "$BIN/zaro-cli" --settings "$work/settings" --interface rs232 --port "$pty" --timeout 300 "$@"; }
TAB=$'\t'

# 30 000 values are cut to the memory's 15 999; record 2 from the newest follows a gap.
start_sim --rs232 --logger-channels 3 --logger-values 30000 --logger-mode stop \
  --logger-gaps $((999 + 2 * (15999 - 3 * 3) + 1))
out=$(cli logger-status)
check "status exit" 0 $?
check "status lines" "records${TAB}5333 channels${TAB}3 interval${TAB}15:00 span${TAB}55:13:15 mode${TAB}stop" \
  "$(head -5 <<<"$out" | tr '\n' ' ' | sed 's/ $//')"
check "channel lines" "P.inc Q.ind P.out" "$(grep "^channel${TAB}" <<<"$out" | cut -f2 | tr '\n' ' ' | sed 's/ $//')"
check "status --json" "5333 900 stop P.inc:W Q.ind:var" "$(cli --json logger-status | $PY -c '
import json, sys; d = json.load(sys.stdin)
print(d["records"], d["interval"], d["mode"], " ".join(c["name"] + ":" + c["unit"] for c in d["channels"][:2]))')"

cli logger-read "$work/a.ZRD" 2>"$work/err"
check "full in stop mode needs --newest" 2 $?
grep -q -- "--newest" "$work/err" || failed "no hint at --newest"

out=$(cli logger-read "$work/a.ZRD" --newest "01.03.26 08:00:00")
check "read exit" 0 $?
check "record count" 5333 "$out"
check "line count" 5336 "$(wc -l <"$work/a.ZRD")"
check "header 1" "Device: ${TAB} 1${TAB}Simulated meter 255" "$(sed -n 1p "$work/a.ZRD")"
check "header 2" "status${TAB}date${TAB}time${TAB}P.inc${TAB}Q.ind${TAB}P.out" "$(sed -n 2p "$work/a.ZRD")"
check "header 3 fields" 6 "$(sed -n 3p "$work/a.ZRD" | awk -F'\t' '{print NF}')"
matches "newest record" "^OK${TAB}01\.03\.26${TAB}08:00:00(${TAB} *-?[0-9]+\.[0-9]+){3}$" "$(sed -n 4p "$work/a.ZRD")"
matches "record 2 after the gap" "^--${TAB}01\.03\.26${TAB}07:30:00" "$(sed -n 6p "$work/a.ZRD")"
check "one gap" 1 "$(grep -c '^--' "$work/a.ZRD")"

out=$("$BIN/zaro-cli" zrd-info "$work/a.ZRD")
check "zrd-info exit" 0 $?
check "zrd-info head" "records${TAB}5333 interval${TAB}15:00" "$(head -2 <<<"$out" | tr '\n' ' ' | sed 's/ $//')"
matches "zrd-info channel" "^P\.inc${TAB}[^${TAB}]+${TAB}-?[0-9.]+${TAB}[0-9.]{8} [0-9:]{8}${TAB}-?[0-9.]+${TAB}[0-9.]{8} [0-9:]{8}$" \
  "$(sed -n 3p <<<"$out")"

# --json: the same extremes as numbers in W and var, their times in ISO 8601.
check "zrd-info --json" "ok" "$("$BIN/zaro-cli" zrd-info --json "$work/a.ZRD" | $PY -c '
import json, sys
text = [l.split("\t") for l in sys.argv[1].splitlines()[2:]]
d = json.load(sys.stdin)
assert (d["records"], d["interval"], len(d["channels"])) == (5333, 900, 3), d
for t, c in zip(text, d["channels"]):
    for k, key in ((2, "minimum"), (4, "maximum")):
        v = c[key]
        assert v["text"] == t[k] and v["status"] == "ok" and abs(v["value"] - float(t[k]) * 1000) < 1e-6, (t, c)
        day, time = t[k + 1].split()
        assert c[key + "Time"] == "20%s-%s-%sT%s" % (day[6:], day[3:5], day[:2], time), (t, c)
print("ok")' "$out")"

printf 'junk\n' >"$work/bad.ZRD"
"$BIN/zaro-cli" zrd-info "$work/bad.ZRD" 2>"$work/err"
check "damaged file" 1 $?
grep -q "wrong format" "$work/err" || failed "no format message"

cli logger-reset 2>/dev/null
check "reset unconfirmed" 2 $?
cli logger-reset --yes
check "reset exit" 0 $?
check "empty after reset" "records${TAB}0" "$(cli logger-status | head -1)"
out=$(cli logger-read "$work/empty.ZRD")
check "empty read" 0 "$out"
check "empty file holds the header" 3 "$(wc -l <"$work/empty.ZRD")"
stop_sims

cli logger-read 2>/dev/null
check "no file" 2 $?
finish
