#!/usr/bin/env bash
# zaro-cli --log against zaro-sim: a reply with a wrong CRC is logged as a CRC error,
# then the request again as a retry and its good reply; exceptions and bad Modbus/TCP
# replies are named; a run killed midway keeps its frames.
set -euo pipefail
. "$(dirname "$0")/lib.sh"
[ -x "$BIN/zaro-cli" ] && [ -x "$BIN/zaro-sim" ] || exit 77

start_sim --rs232 --model zrm3 --fault badcrc
cli() { "$BIN/zaro-cli" --settings "$work" --interface rs232 --port "${READY#PTY }" "$@"; }
outcomes() { cut -f2,9 "$1" | sed 's/, [0-9]* ms$//' | tr '\t\n' ' |'; }

cli --log "$work/log.txt" version >/dev/null
check "outcomes of the first request" "TX request|RX CRC error|TX retry 1|RX good reply|" \
  "$(head -4 "$work/log.txt" | cut -f2,9 | sed 's/, [0-9]* ms$//' | tr '\t\n' ' |')"
check "register range of the request" "401-404" "$(head -1 "$work/log.txt" | cut -f6)"
check "frames: two of each attempt, two of the model name" 6 "$(wc -l <"$work/log.txt")"
matches "bytes in hex" '^ff 03 01 91 00 04 [0-9a-f]{2} [0-9a-f]{2}$' "$(head -1 "$work/log.txt" | cut -f8)"

# Written as the frames come: a run ended by a signal keeps what it saw.
"$BIN/zaro-cli" --settings "$work" --interface rs232 --port "${READY#PTY }" --log "$work/live.txt" \
  measure --repeat 1000 >/dev/null 2>&1 &
live=$!
for _ in $(seq 100); do [ -s "$work/live.txt" ] && break; sleep 0.05; done
kill -TERM "$live"
wait "$live" && failed "the run was not ended by the signal"
matches "frames of a run ended by SIGTERM" '^TX request\|' "$(outcomes "$work/live.txt")"

# Outcomes by name: a Modbus exception (to the serial link a reply of wrong length),
# and over Modbus/TCP a reply that does not answer the request.
start_sim --rs232 --fault exception:2:4
cli --log "$work/exc.txt" version >/dev/null 2>&1 && failed "version answered by exceptions succeeded"
matches "exception with its meaning, retried" '^TX request\|RX exception 2 \(illegal data address\)\|TX retry 1\|' "$(outcomes "$work/exc.txt")"
start_sim --gateway 5 --listen 127.0.0.1:0 --fault badcrc
"$BIN/zaro-cli" --settings "$work" --interface gateway --host 127.0.0.1 --tcp-port "$port" --address 5 \
  --log "$work/tcp.txt" version >/dev/null
matches "TCP: invalid reply, then the retry" '^TX request\|RX invalid reply\|TX retry 1\|RX good reply\|' "$(outcomes "$work/tcp.txt")"
check "TCP: unit and interface" "gateway 5" "$(head -1 "$work/tcp.txt" | cut -f3,4 | tr '\t' ' ')"
finish "commlog cli: ok"
