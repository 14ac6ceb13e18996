#!/usr/bin/env bash
# zaro-cli read against zaro-sim: a meter on a pseudo-terminal and a gateway.
set -u
BIN=${ZARO_BIN_DIR:?}
T=$(mktemp -d)
PIDS=()
cleanup() { for p in "${PIDS[@]}"; do kill "$p" 2>/dev/null; done; rm -rf "$T"; }
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

# Starts zaro-sim with its input held open; sets READY to its ready line.
start_sim() {
  mkfifo "$T/in$#"
  "$BIN/zaro-sim" "$@" <"$T/in$#" >"$T/out$#" &
  PIDS+=($!)
  exec {hold}>"$T/in$#"
  for _ in $(seq 100); do READY=$(head -n1 "$T/out$#" 2>/dev/null); [ -n "$READY" ] && return; sleep 0.05; done
  fail "zaro-sim did not start: $*"
}

cli() { "$BIN/zaro-cli" --settings "$T" "$@"; }

start_sim --rs232
PTY=${READY#PTY }
out=$(cli --interface rs232 --port "$PTY" read 13) || fail "read 13"
[ "$(wc -w <<<"$out")" = 144 ] || fail "read 13 gave $(wc -w <<<"$out") bytes"
[[ "$out" =~ ^([0-9a-f]{2}( |$))+$ ]] || fail "read 13 output is not lower-case hex: $out"
out=$(cli --interface rs232 --port "$PTY" read 6) || fail "read 6"
[ "${out:0:11}" = "5a 52 4d 33" ] || fail "read 6 gave $out"

cli read 99 >/dev/null 2>&1; [ $? = 2 ] || fail "an index beyond the table must be a usage error"

start_sim --gateway 5 --listen 127.0.0.1:0
set -- $READY
PORT=$3
cli --interface gateway --host 127.0.0.1 --tcp-port "$PORT" --address 9 read 0 >"$T/stdout" 2>"$T/stderr"
rc=$?
[ $rc = 1 ] || fail "absent unit: exit $rc"
[ -s "$T/stderr" ] && [ ! -s "$T/stdout" ] || fail "absent unit: the message belongs on stderr only"
out=$(cli --interface gateway --host 127.0.0.1 --tcp-port "$PORT" --address 5 read 17) || fail "gateway read 17"
[ "$(wc -w <<<"$out")" = 140 ] || fail "read 17 gave $(wc -w <<<"$out") bytes"
echo "PASS"
