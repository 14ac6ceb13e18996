#!/usr/bin/env bash
# zaro-cli export and graph on logger files: a *.ZRD written by hand and a *.LF3 from
# the independent encoder become workbooks that openpyxl reads back cell for cell, CSV
# files, and pictures; bad requests are usage errors, unreadable files failures.
set -u
. "$(dirname "$0")/lib.sh"
export TZ=UTC
TAB=$'\t'
mkdir "$work/settings"
cli() { "$BIN/zaro-cli" --settings "$work/settings" "$@"; }
cells() { $PY "$HERE/../support/xlsx_cells.py" "$1"; }

printf 'Device: \t 5\tFeeder 7\nstatus\tdate\ttime\tU1N\tP\nt\t\t\t[V]\tkW\n' >"$work/day.ZRD"
sed -i '3s/^t//' "$work/day.ZRD"
printf 'OK\t07.12.26\t12:00:00\t  230.1\t  1.500\n' >>"$work/day.ZRD"
printf -- '--\t07.12.26\t11:45:00\t inval.\t  1.250\n' >>"$work/day.ZRD"
printf 'OK\t07.12.26\t11:30:00\t  229.8\t    OVL\n' >>"$work/day.ZRD"

out=$(cli export "$work/day.ZRD" "$work/day.xlsx")
check "export exit status" 0 $?
got=$(cells "$work/day.xlsx" | grep -E '^(sheet|A1|B1|D2|E3|A4|B4|C4|D4|A5|D5|E6)'$'\t')
expected="sheet${TAB}Sheet1${TAB}A1:E6${TAB}A4
A1${TAB}b${TAB}Device:
B1${TAB}b${TAB}5
D2${TAB}b${TAB}U1N
E3${TAB}b${TAB}kW
A4${TAB}s${TAB}OK
B4${TAB}d${TAB}2026-12-07T00:00:00${TAB}dd.mm.yy
C4${TAB}d${TAB}12:00:00${TAB}hh:mm:ss
D4${TAB}n${TAB}230.1
A5${TAB}s${TAB}--
D5${TAB}s${TAB}inval.
E6${TAB}s${TAB}OVL"
check "meter logger workbook" "$expected" "$got"

cli export "$work/day.ZRD" "$work/day.csv" >/dev/null
check "csv line of the newest record" "OK,07.12.26,12:00:00,230.1,1.500" "$(sed -n 4p "$work/day.csv" | tr -d '\r')"

$PY "$HERE/lf3_encode.py" "$work/sample.LF3" || fail "encoder failed"
cli export "$work/sample.LF3" "$work/module.xlsx" --sequence 1 >/dev/null
check "module export exit status" 0 $?
got=$(cells "$work/module.xlsx" | grep -E '^(C2|F2|C4|F4)'$'\t')
expected="C2${TAB}b${TAB}U
F2${TAB}b${TAB}Umax
C4${TAB}n${TAB}229.0
F4${TAB}n${TAB}232.0"
check "ordinary channels before the extremes, values under their headers" "$expected" "$got"

for ext in png pdf; do
  cli graph "$work/day.ZRD" --day 0 --channels 1,2 --style bars --out "$work/day.$ext" >/dev/null
  check "graph .$ext exit status" 0 $?
done
check "a PNG" $'\x89PNG' "$(head -c 4 "$work/day.png")"
check "a PDF" "%PDF" "$(head -c 4 "$work/day.pdf")"
cli graph "$work/sample.LF3" --sequence 1 --day 0 --channels 2 --out "$work/module.png" >/dev/null
check "module graph exit status" 0 $?
# The program's own options reach it whole, none is taken by the toolkit first.
cli graph "$work/day.ZRD" --day 0 --channels 1,2 --style lines --out "$work/lines.png" >/dev/null
cmp -s "$work/day.png" "$work/lines.png" && failed "bars drawn as lines" || echo "ok: bars differ from lines"
cli graph "$work/day.ZRD" --channels 1 --style nonsense --out "$work/x.png" 2>/dev/null
check "an unknown style" 2 $?
cli graph "$work/day.ZRD" --channels 1 --size 200x150 --out "$work/x.png" 2>/dev/null
check "a picture too small" 2 $?

# Half-minute records up to 23:59:30 draw; records three days apart are refused.
head -3 "$work/day.ZRD" >"$work/short.ZRD"
for s in 30 00; do printf 'OK\t07.12.26\t23:59:%s\t  230.1\t  1.500\n' $s >>"$work/short.ZRD"; done
cli graph "$work/short.ZRD" --day 0 --channels 1,2 --out "$work/short.png" >/dev/null
check "half-minute records" 0 $?
head -3 "$work/day.ZRD" >"$work/far.ZRD"
for d in 10 07; do printf 'OK\t%s.12.26\t12:00:00\t  230.1\t  1.500\n' $d >>"$work/far.ZRD"; done
err=$(cli graph "$work/far.ZRD" --day 0 --channels 1 --out "$work/x.png" 2>&1 >/dev/null)
rc=$?
check "records three days apart" "1 more than a day apart" "$rc $(grep -o 'more than a day apart' <<<"$err")"

cli graph "$work/day.ZRD" --out "$work/x.png" 2>/dev/null
check "graph without channels" 2 $?
cli export "$work/day.ZRD" "$work/x.ods" 2>/dev/null
check "export to an unknown format" 2 $?
cli export "$work/day.ZRD" "$work/x.xlsx" --sequence 2 2>/dev/null
check "a sequence of a meter logger file" 2 $?
printf 'nothing\n' >"$work/bad.ZRD"
cli export "$work/bad.ZRD" "$work/x.xlsx" 2>/dev/null
check "a file that is no logger file" 1 $?
test ! -e "$work/x.xlsx" && echo "ok: nothing written" || failed "a workbook was left behind"
finish
