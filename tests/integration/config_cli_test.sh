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

cli read-config "$work/a.ZRC"
[ "$(head -1 "$work/a.ZRC" | tr -cd '\t' | wc -c)" -eq 31 ] || { echo "expected 31 columns"; exit 1; }

# Without --yes the confirmation is declined: exit 1 and nothing is written.
if cli send-config "$work/a.ZRC" 2>"$work/declined.txt"; then echo "send without --yes succeeded"; exit 1; fi
grep -q -- "--yes" "$work/declined.txt"
[ ! -d "$work/backups" ] || { echo "backup made although nothing was sent"; exit 1; }

cli send-config "$work/a.ZRC" --yes 2>"$work/send.txt"
ls "$work"/backups/*.ZRC >/dev/null
grep -q "backups" "$work/send.txt"

# Read again: the value line is the same apart from date and time.
cli read-config "$work/b.ZRC"
diff <(sed -n 2p "$work/a.ZRC" | cut -f3-) <(sed -n 2p "$work/b.ZRC" | cut -f3-)
diff <(sed -n 2p "$work/a.ZRC" | cut -f3-) <(ls "$work"/backups/*.ZRC | head -1 | xargs sed -n 2p | cut -f3-)

# A broken file is refused with its message and exit 1.
printf 'only one line\n' >"$work/bad.ZRC"
if cli send-config "$work/bad.ZRC" --yes 2>"$work/bad.txt"; then echo "bad file accepted"; exit 1; fi
grep -q "wrong format" "$work/bad.txt"
echo "config cli: ok"
