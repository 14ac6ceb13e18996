#!/usr/bin/env bash
# zaro-cli's min/max, meters, mean-value and harmonics commands against simulated meters:
# the values each panel shows, and the words its reset, set and tariff commands send.
set -u
. "$(dirname "$0")/lib.sh"

meter() {
  stop_sims
  start_sim --rs232 --verbose "$@"
  simlog=$work/sim$sim_count.err
}
mkdir "$work/settings"
cli() { "$BIN/zaro-cli" --settings "$work/settings" --interface rs232 --port "$pty" --timeout 300 "$@"; }
names() { cut -f1 <<<"$1" | tr '\n' ' ' | sed 's/ $//'; }
value() { awk -F'\t' -v n="$2" '$1 == n { print $2 }' <<<"$1"; }
sent() { # what, hex of a request the simulator must have received
  grep -q "$2" "$simlog" && echo "ok: $1" || failed "$1: no request $2"
}
TAB=$'\t'

meter --model zrm3 --system 4 --meter-scale 2 --mean-codes 25,0,255,255,255,255,255,255,43
out=$(cli minmax)
check "minmax exit status" 0 $?
check "minmax rows, 4-wire extended" "U1Nmax U2Nmax U3Nmax U12max U23max U31max I1max I2max I3max I1avgmax I2avgmax I3avgmax INmax P1max P2max P3max Pmax Q1max Q2max Q3max Qmax S1max S2max S3max Smax U1Nmin U2Nmin U3Nmin U12min U23min U31min PFmin.inc.ind PFmin.inc.cap PFmin.out.ind PFmin.out.cap Fmin Fmax UNEmax" "$(names "$out")"
matches "frequency maximum" "^Fmax${TAB}[0-9]+\.[0-9]{2}${TAB}Hz$" "$(grep '^Fmax' <<<"$out")"
check "frequency maximum above the minimum" 1 "$(awk -F'\t' '$1 == "Fmin" { n = $2 } $1 == "Fmax" { x = $2 } END { print (x > n) }' <<<"$out")"
# --json: the same rows, values in base units, no number where the panel shows a marker.
jcheck() { # what, python expression over the document d, command...
  local what=$1 expr=$2; shift 2
  check "$what" True "$(cli --json "$@" | $PY -c "import json, sys; d = json.load(sys.stdin); print($expr)")"
}
jcheck "minmax --json: the rows of the text" \
  "' '.join(v['name'] for v in d['values']) == '$(names "$out")'" minmax
jcheck "minmax --json: Fmax in Hz as shown" \
  "[(v['unit'], '%.2f' % v['value'] == v['text']) for v in d['values'] if v['name'] == 'Fmax'] == [('Hz', True)]" minmax
jcheck "minmax --json: null exactly where no reading" \
  "all((v['value'] is None) == (v['status'] != 'ok') for v in d['values'])" minmax
cli reset-minmax --box 9
check "reset of the ninth box" 0 $?
sent "only bit 13 written to register 429" "10 01 ad 00 01 02 20 00"

out=$(cli meters)
check "meters exit status" 0 $?
check "eight registers and the tariff" 9 "$(wc -l <<<"$out")"
matches "scale 2: kWh with one decimal" "^Active energy incoming T1${TAB}[0-9]+\.[0-9]${TAB}kWh$" "$(head -1 <<<"$out")"
check "tariff 1 lit" "tariff${TAB}1" "$(tail -1 <<<"$out")"
jcheck "meters --json: Wh and varh, the tariff" \
  "d['tariff'] == 1 and [v['unit'] for v in d['values']] == ['Wh'] * 4 + ['varh'] * 4 and abs(d['values'][0]['value'] - 1000 * float(d['values'][0]['text'])) < 1e-6" meters
cli set-meter 2 2.3 && cli reset-meters --row 4 && cli toggle-tariff
check "set, reset, toggle exit status" 0 $?
cli set-meter 1 nan 2>/dev/null
check "set-meter nan refused" 2 $?
out=$(cli meters)
check "2.3 kWh arrives as 23 counts" "2.3" "$(value "$out" "Active energy incoming T2")"
check "reset register" "0.0" "$(value "$out" "Active energy outgoing T2")"
check "tariff switched" "tariff${TAB}2" "$(tail -1 <<<"$out")"
sent "tariff bit 11 with the inverted bit 10" "10 01 8f 00 01 02 08 04"

out=$(cli mean)
check "mean exit status" 0 $?
check "mean rows" "Pinc now Pinc -1 Pinc -2 Pinc -3 Pinc -4 Pinc trend Pinc max Pinc min" \
  "$(names "$(grep '^Pinc' <<<"$out")")"
check "free rows of the chosen codes" "F mean F trend F max F min U1N mean U1N trend U1N max U1N min THD I1 mean THD I1 trend THD I1 max THD I1 min" \
  "$(names "$(grep -v '^[PQS]' <<<"$out")")"
matches "free frequency mean" "^F mean${TAB}[0-9]+\.[0-9]{2}${TAB}Hz$" "$(grep '^F mean' <<<"$out")"
jcheck "mean --json: the free frequency in Hz, powers in W" \
  "[v['unit'] for v in d['values'] if v['name'] in ('F mean', 'Pinc now', 'Qind now')] == ['W', 'var', 'Hz']" mean
cli reset-mean --max 6 --min 1
check "reset-mean exit status" 0 $?
sent "minima bit 0, maxima bit 5" "10 01 ae 00 02 04 00 01 00 20"

out=$(cli harmonics voltage)
check "voltage harmonics exit status" 0 $?
check "voltage rows and unbalance" "U1 U1max U2 U2max U3 U3max unbalance" "$(names "$out")"
check "15 cells a row" 16 "$(head -1 <<<"$out" | awk -F'\t' '{ print NF }')"
matches "one decimal" "^U1(${TAB}[0-9]+\.[0-9]){15}$" "$(head -1 <<<"$out")"
jcheck "harmonics --json: 6 rows of 15 cells and the unbalance, in %" \
  "len(d['values']) == 92 and d['values'][14]['name'] == 'U1 THD' and {v['unit'] for v in d['values']} == {'%'}" harmonics voltage
out=$(cli harmonics current)
check "current rows, no unbalance" "I1 I1max I2 I2max I3 I3max" "$(names "$out")"
cli reset-harmonics current
sent "current harmonics reset" "10 01 ad 00 01 02 14 00"

meter --model zrm3 --system 0
check "single phase: two rows" "U Umax" "$(names "$(cli harmonics voltage)")"

meter --model std --system 4
cli harmonics voltage >"$work/out" 2>"$work/err"
check "base model harmonics exit status" 1 $?
grep -q "does not measure harmonics" "$work/err" || failed "no (7, 10) text on stderr"
out=$(cli mean)
check "base model power means" "Pinc now Pinc last Pinc max" "$(names "$(grep '^Pinc' <<<"$out")")"
check "base model: no UNE maximum" "" "$(grep UNE <<<"$out$(cli minmax)")"
cli reset-minmax --box 9 2>/dev/null
check "no ninth box on the base model" 2 $?

meter --model zrm3 --meter-scale 10
cli meters >"$work/out" 2>"$work/err"
check "scale beyond the unit texts" 1 $?
grep -q "energy scale" "$work/err" || failed "no scale text on stderr"

cli reset-minmax --box 0 2>/dev/null
check "box 0" 2 $?
cli set-meter 9 1 2>/dev/null
check "row 9" 2 $?
cli harmonics power 2>/dev/null
check "harmonics of power" 2 $?

finish
