#!/usr/bin/env bash
# zaro-cli read against zaro-sim: a meter on a pseudo-terminal and a gateway.
set -u
. "$(dirname "$0")/lib.sh"

cli() { "$BIN/zaro-cli" --settings "$work" "$@"; }

start_sim --rs232
out=$(cli --interface rs232 --port "$pty" read 13) || fail "read 13"
[ "$(wc -w <<<"$out")" = 144 ] || fail "read 13 gave $(wc -w <<<"$out") bytes"
[[ "$out" =~ ^([0-9a-f]{2}( |$))+$ ]] || fail "read 13 output is not lower-case hex: $out"
out=$(cli --interface rs232 --port "$pty" read 6) || fail "read 6"
[ "${out:0:11}" = "5a 52 4d 33" ] || fail "read 6 gave $out"

cli read 99 >/dev/null 2>&1; [ $? = 2 ] || fail "an index beyond the table must be a usage error"

start_sim --gateway 5 --listen 127.0.0.1:0
cli --interface gateway --host 127.0.0.1 --tcp-port "$port" --address 9 read 0 >"$work/stdout" 2>"$work/stderr"
rc=$?
[ $rc = 1 ] || fail "absent unit: exit $rc"
[ -s "$work/stderr" ] && [ ! -s "$work/stdout" ] || fail "absent unit: the message belongs on stderr only"
out=$(cli --interface gateway --host 127.0.0.1 --tcp-port "$port" --address 5 read 17) || fail "gateway read 17"
[ "$(wc -w <<<"$out")" = 140 ] || fail "read 17 gave $(wc -w <<<"$out") bytes"

gateway() { cli --interface gateway --host 127.0.0.1 --tcp-port "$port" --address 5 "$@"; }
# A gateway closing after every answer and a meter dribbling its reply are tested on the
# transport seam (core/link_engine_test).
# A connection the gateway drops fails with a message.
start_sim --gateway 5 --listen 127.0.0.1:0 --fault drop
gateway read 9 >/dev/null 2>"$work/stderr"
rc=$?
[ $rc = 1 ] && grep -q "closed the connection" "$work/stderr" || fail "dropped connection: exit $rc, [$(cat "$work/stderr")]"

echo "PASS"
