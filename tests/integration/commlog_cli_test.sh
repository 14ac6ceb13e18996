#!/usr/bin/env bash
# zaro-cli --log against zaro-sim: a reply with a wrong CRC is logged as a CRC error,
# then the request again as a retry and its good reply.
set -euo pipefail
. "$(dirname "$0")/lib.sh"
[ -x "$BIN/zaro-cli" ] && [ -x "$BIN/zaro-sim" ] || exit 77

start_sim --rs232 --model zrm3 --fault badcrc
cli() { "$BIN/zaro-cli" --settings "$work" --interface rs232 --port "${READY#PTY }" "$@"; }

cli --log "$work/log.txt" version >/dev/null
outcomes=$(cut -f2,9 "$work/log.txt" | head -4 | sed 's/, [0-9]* ms$//' | tr '\t\n' ' |')
check "outcomes of the first request" "TX request|RX CRC error|TX retry 1|RX good reply|" "$outcomes"
check "register range of the request" "401-404" "$(head -1 "$work/log.txt" | cut -f6)"
check "frames: two of each attempt, two of the model name" 6 "$(wc -l <"$work/log.txt")"
matches "bytes in hex" '^ff 03 01 91 00 04 [0-9a-f]{2} [0-9a-f]{2}$' "$(head -1 "$work/log.txt" | cut -f8)"
finish "commlog cli: ok"
