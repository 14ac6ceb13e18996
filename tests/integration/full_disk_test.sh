#!/usr/bin/env bash
# A full disk: saving a *.ZRC over a good one fails, says so and keeps the old file;
# a send whose backup cannot be written stops unless --no-backup is given. Runs as
# root in a private mount namespace on a small tmpfs.
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
start_sim --rs232 --model zrm3
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
finish
