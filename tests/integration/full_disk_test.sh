#!/usr/bin/env bash
# A full disk: saving a *.ZRC over a good one fails, says so and keeps the old file;
# a send whose backup cannot be written stops unless --no-backup is given; storing a
# module log says the disk is full; a workbook export is whole or fails in its own
# words, whatever room its temporary files find. Runs as root in a private mount
# namespace on small tmpfs disks.
set -u
if [ "${ZARO_IN_MOUNTNS:-}" != 1 ]; then
  unshare -m --propagation private true 2>/dev/null || { echo "SKIP: no private mount namespace"; exit 77; }
  exec unshare -m --propagation private env ZARO_IN_MOUNTNS=1 bash "$0"
fi
. "$(dirname "$0")/lib.sh"
[ -x "$BIN/zaro-cli" ] && [ -x "$BIN/zaro-sim" ] || exit 77

disk=$work/disk
mkdir -p "$disk"
mount -t tmpfs -o size=256k tmpfs "$disk" || { echo "SKIP: cannot mount a tmpfs"; exit 77; }
start_sim --rs232 --model std # its configuration is one block: the send has no pause
cli() { "$BIN/zaro-cli" --settings "$disk" --interface rs232 --port "$pty" "$@"; }

cli read-config "$disk/meter.ZRC" || fail "read-config with room on the disk"
good=$(cat "$disk/meter.ZRC")
cat /dev/zero >"$disk/filler" 2>/dev/null

cli read-config "$disk/meter.ZRC" 2>"$work/full.txt"
check "read-config onto a full disk fails" 1 "$?"
check "the old file is kept" "$good" "$(cat "$disk/meter.ZRC")"
matches "the failure is said" "." "$(cat "$work/full.txt")"
check "no temporary file is left" "filler meter.ZRC" "$(cd "$disk" && echo *)"

# Another description (column 20), or there would be nothing to send.
awk 'BEGIN { FS = OFS = "\t" } NR == 2 { $20 = "changed" } { print }' "$disk/meter.ZRC" >"$work/changed.ZRC"
cli send-config "$work/changed.ZRC" --yes >/dev/null 2>"$work/nobackup.txt"
check "a send without a possible backup stops" 1 "$?"
matches "it names --no-backup" "--no-backup" "$(cat "$work/nobackup.txt")"
cli send-config "$work/changed.ZRC" --yes --no-backup >/dev/null 2>&1
check "--no-backup sends all the same" 0 "$?"

start_sim --module --listen 127.0.0.1:0 --http-port 8080 --log-sequences 2 --log-records 4
# The download is kept in the temporary folder first: that is on the full disk too.
TMPDIR=$disk "$BIN/zaro-cli" --settings "$disk" --interface module --host 127.0.0.1 --http-port 8080 \
  module-log "$disk/module.LF3" >/dev/null 2>"$work/store.txt"
check "storing the module log on a full disk fails" 1 "$?"
matches "it says the disk is full" "not saved.*Check the free space" "$(cat "$work/store.txt")"

# 8000 records: 700 KB of workbook, 5 MB of text in the library's temporary files.
awk 'BEGIN { printf "Device: \t 5\tFeeder\nstatus\tdate\ttime"; for (c = 1; c <= 14; c++) printf "\tU%d", c
  printf "\n\t\t"; for (c = 1; c <= 14; c++) printf "\t[V]"; printf "\n"
  for (r = 0; r < 8000; r++) { printf "OK\t07.12.26\t12:00:00"; for (c = 1; c <= 14; c++) printf "\t%7.1f", (r * c) % 997 + 0.5; printf "\n" } }' \
  >"$work/big.ZRD"
whole() { # workbook, rows: every part reads back and the sheet holds each row
  $PY - "$@" <<'EOF'
import sys, zipfile
book = zipfile.ZipFile(sys.argv[1])
sheet = book.read("xl/worksheets/sheet1.xml") if book.testzip() is None else b""
sys.exit(sheet.count(b"<row ") != int(sys.argv[2]) or not sheet.rstrip().endswith(b"</worksheet>"))
EOF
}
# A full /tmp does not matter: the temporary files lie beside the workbook. (/tmp is
# covered in a namespace of its own; the files are reached through a descriptor.)
exec {dir}<"$work"
unshare -m --propagation private sh -c 'mount -t tmpfs -o size=64k tmpfs /tmp && exec "$@"' sh \
  "$BIN/zaro-cli" --settings "/dev/fd/$dir" export "/dev/fd/$dir/big.ZRD" "/dev/fd/$dir/out.xlsx" >/dev/null
check "export with a full /tmp" 0 "$?"
whole "$work/out.xlsx" 8003 && echo "ok: the workbook is whole" || failed "a broken workbook"
# Too little room beside the workbook: whole, or refused in a line of its own with the
# old file kept.
small=$work/small
mkdir "$small"
for size in 2m 8m 16m; do
  mount -t tmpfs -o size=$size tmpfs "$small" || fail "cannot mount a tmpfs"
  echo old >"$small/out.xlsx"
  "$BIN/zaro-cli" --settings "$small" export "$work/big.ZRD" "$small/out.xlsx" >/dev/null 2>"$work/err.txt"
  if [ $? = 0 ]; then
    whole "$small/out.xlsx" 8003 && echo "ok: $size: whole" || failed "$size: a broken workbook"
  else
    check "$size: the old file is kept" old "$(cat "$small/out.xlsx")"
    check "$size: said in its own words" "Nothing was exported. The file could not be written completely. Check the free space and try again." "$(cat "$work/err.txt")"
  fi
  umount "$small"
done
umount "$disk"
finish
