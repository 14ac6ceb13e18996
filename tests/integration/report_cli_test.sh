#!/usr/bin/env bash
# zaro-cli report against a simulated meter: the PDF's text, read back with pdftotext,
# holds the details given, the meter's identity, its settings, the check and the
# readings with units; it is A4 and drawn, not a picture; other languages head it in
# their words; a wrongly wired meter's failed check is on it; a long note is kept whole; a file that cannot be written, or a meter
# that does not answer, leaves what was there as it was.
set -u
. "$(dirname "$0")/lib.sh"
need_command pdftotext
need_command pdfinfo
need_command pdfimages

mkdir "$work/settings"
cli() { "$BIN/zaro-cli" --settings "$work/settings" --interface rs232 --port "$pty" --timeout 300 "$@"; }

start_sim --rs232 --model zrm3 --system 4 --vt 400/400 --ct 100/5 --fw 312
read -r model firmware _ <<<"$(cli version)"

json=$(cli --json report --out "$work/record.pdf" --site "Substation North, bay 4" --technician "Jo Tester" \
  --note "CT terminals tightened")
check "report exit status" 0 $?
check "--json names the file" "$work/record.pdf" "$($PY -c 'import json, sys; d = json.loads(sys.argv[1]); print(d["file"] if d["command"] == "report" else "")' "$json")"

text=$(pdftotext -layout "$work/record.pdf" -)
for expected in "Commissioning record" "Substation North, bay 4" "Jo Tester" "CT terminals tightened" \
  "$model" "$firmware" "Simulated meter 255" "Installation check" "Energy registers" \
  "Minimum and maximum values" "Technician" "Customer" "Page 1 of "; do
  grep -qF -- "$expected" <<<"$text" && echo "ok: the record shows $expected" || failed "no [$expected] in the record"
done
matches "a verdict word per check" "^[1-9]" "$(grep -cE '^ *(OK|Warning|Fail) +[A-Z]' <<<"$text")"
matches "a setting with its value" "Network system +3 phases, 4 wires" "$text"
matches "a phase voltage in V" "U1N +[0-9]+\.[0-9] +V" "$text"
matches "an energy register in Wh" "incoming T1 +[0-9]+(\.[0-9]+)? +[kMG]?Wh" "$text"

info=$(pdfinfo "$work/record.pdf")
matches "A4 pages" "Page size: +595(\.[0-9]*)? x 84[12](\.[0-9]*)? pts \(A4\)" "$info"
matches "at least one page" "Pages: +[1-9]" "$info"
check "no pictures: text and lines only" 2 "$(pdfimages -list "$work/record.pdf" | wc -l)"

# A note longer than a page runs on over the next instead of being cut off.
cli report --out "$work/de.pdf" --language de --note "$(seq -s ' ' 1 4000) end" >/dev/null
check "German report exit status" 0 $?
german=$(pdftotext -layout "$work/de.pdf" -)
matches "German headings" "Inbetriebnahmeprotokoll" "$german"
matches "German settings heading" "Einstellungen" "$german"
matches "the long note whole" "3999 4000 end" "$german"

# A link in the way is not written through, and what it points to is kept.
echo "kept" >"$work/old.pdf"
ln -s "$work/old.pdf" "$work/link.pdf"
cli report --out "$work/link.pdf" >/dev/null 2>"$work/err"
check "a link as --out fails" 1 $?
check "the file behind it is kept" "kept" "$(cat "$work/old.pdf")"
matches "the failure is said" "commissioning record was not written" "$(cat "$work/err")"

cli report --out "$work/record.png" 2>/dev/null
check "not a PDF name" 2 $?

# A reversed current transformer on L2 is on the record as a failed check naming L2.
stop_sims
start_sim --rs232 --model zrm3 --system 4 --wiring reversed-ct:2
cli report --out "$work/reversed.pdf" >/dev/null
check "report of a faulty installation exit status" 0 $?
matches "the failed check names L2" "Failed +Direction of active power +L2:" "$(pdftotext -layout "$work/reversed.pdf" -)"

stop_sims
start_sim --rs232 --fault badcrc:4
cp "$work/record.pdf" "$work/before.pdf"
cli report --out "$work/record.pdf" >/dev/null 2>&1
check "a meter that does not answer fails" 1 $?
cmp -s "$work/record.pdf" "$work/before.pdf" && echo "ok: the old record is kept" || failed "the old record changed"
finish
