#!/usr/bin/env bash
# zaro-cli against zaro-sim: receive a configuration into a file, send it back unchanged,
# and the version line.
set -euo pipefail
. "$(dirname "$0")/lib.sh"
[ -x "$BIN/zaro-cli" ] && [ -x "$BIN/zaro-sim" ] || exit 77

start_sim --rs232 --model zrm3 --fw 412 --ext 121
[[ $READY == PTY\ /* ]] || fail "zaro-sim gave no pseudo-terminal: $READY"

cli() { "$BIN/zaro-cli" --settings "$work" --interface rs232 --port "$pty" "$@"; }

version=$(cli version)
[[ $version =~ ^ZRM3\ 4\.12\ 1\.21$ ]] || { echo "version printed '$version'"; exit 1; }

[ "$(cli --json version | $PY -c 'import json, sys; d = json.load(sys.stdin); print(d["model"], d["firmware"], d["extension"])')" = "ZRM3 4.12 1.21" ] ||
  { echo "version --json differs from the line"; exit 1; }

cli read-config "$work/a.ZRC"
[ "$(head -1 "$work/a.ZRC" | tr -cd '\t' | wc -c)" -eq 31 ] || { echo "expected 31 columns"; exit 1; }

# What the meter holds already is not sent again.
cli send-config "$work/a.ZRC" 2>"$work/same.txt"
grep -q "nothing was sent" "$work/same.txt"

# The same file with another description (column 20).
awk 'BEGIN { FS = OFS = "\t" } NR == 2 { $20 = "Feeder 8" } { print }' "$work/a.ZRC" >"$work/c.ZRC"
was=$(sed -n 2p "$work/a.ZRC" | cut -f20)
diff-rows() { local rc=0; cli diff-config "$@" >"$work/rows.txt" || rc=$?; echo "$rc $(tr '\t' '|' <"$work/rows.txt")"; }
[ "$(diff-rows "$work/a.ZRC" "$work/a.ZRC")" = "0 " ] || { echo "equal files differ"; exit 1; }
[ "$(diff-rows "$work/a.ZRC" "$work/c.ZRC")" = "3 Description|'$was'|'Feeder 8'" ] || { echo "diff A C: $(diff-rows "$work/a.ZRC" "$work/c.ZRC")"; exit 1; }
[ "$(diff-rows --meter "$work/c.ZRC")" = "3 Description|'$was'|'Feeder 8'" ] || { echo "diff --meter: $(diff-rows --meter "$work/c.ZRC")"; exit 1; }
json() { "$BIN/zaro-cli" --settings "$work" --json "$@" | $PY -c 'import json, sys; d = json.load(sys.stdin); print(d["equal"], [(r["setting"], r["to"]) for r in d["differences"]])'; }
[ "$(json diff-config "$work/a.ZRC" "$work/c.ZRC")" = "False [('Description', \"'Feeder 8'\")]" ] || { echo "diff-config --json: $(json diff-config "$work/a.ZRC" "$work/c.ZRC")"; exit 1; }
[ "$(cli --json read-config "$work/j.ZRC" | $PY -c 'import json, sys; print(json.load(sys.stdin)["saved"])')" = True ] && [ -s "$work/j.ZRC" ] ||
  { echo "read-config --json"; exit 1; }
if cli diff-config "$work/a.ZRC" 2>/dev/null; then echo "one file accepted"; exit 1; else [ $? -eq 2 ]; fi

# Without --yes the confirmation is declined after the differences: exit 1, nothing written.
if cli send-config "$work/c.ZRC" >"$work/declined.out" 2>"$work/declined.txt"; then echo "send without --yes succeeded"; exit 1; fi
grep -q -- "--yes" "$work/declined.txt"
grep -q "Feeder 8" "$work/declined.out"
[ ! -d "$work/backups" ] || { echo "backup made although nothing was sent"; exit 1; }

cli send-config "$work/c.ZRC" --yes >/dev/null 2>"$work/send.txt"
ls "$work"/backups/*.ZRC >/dev/null
grep -q "backups" "$work/send.txt"

# Read again: the value line is the one sent apart from date and time; the backup the one before.
cli read-config "$work/b.ZRC"
diff <(sed -n 2p "$work/c.ZRC" | cut -f3-) <(sed -n 2p "$work/b.ZRC" | cut -f3-)
diff <(sed -n 2p "$work/a.ZRC" | cut -f3-) <(ls "$work"/backups/*.ZRC | head -1 | xargs sed -n 2p | cut -f3-)

# A broken file is refused with its message and exit 1.
printf 'only one line\n' >"$work/bad.ZRC"
if cli send-config "$work/bad.ZRC" --yes 2>"$work/bad.txt"; then echo "bad file accepted"; exit 1; fi
grep -q "wrong format" "$work/bad.txt"
echo "config cli: ok"
