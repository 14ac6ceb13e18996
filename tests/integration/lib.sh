# Helpers shared by the integration scripts; each sources this file after its `set`
# line. Gives BIN, PY, HERE, a scratch folder $work removed at exit, the failure
# counter, and starters for zaro-sim and socat pseudo-terminal pairs whose processes
# end with the script.
BIN=${ZARO_BIN_DIR:?ZARO_BIN_DIR not set}
PY=/usr/bin/python3
HERE=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
failures=0
PIDS=()     # helper processes killed at exit
sim_pids=() # simulators: they quit when their input closes
sim_fds=()
sim_count=0

stop_sims() {
  local fd p
  for fd in "${sim_fds[@]}"; do exec {fd}>&-; done
  sim_fds=()
  for p in "${sim_pids[@]}"; do wait "$p" 2>/dev/null || true; done
  sim_pids=()
}
lib_cleanup() {
  local p
  for p in "${PIDS[@]}"; do kill "$p" 2>/dev/null || true; done
  stop_sims
  rm -rf "$work"
}
trap lib_cleanup EXIT

fail() { echo "FAIL: $*"; exit 1; }
failed() { echo "FAIL: $*"; failures=$((failures + 1)); } # counts and carries on
check() { # what, expected, actual
  if [ "$2" = "$3" ]; then echo "ok: $1"; else failed "$1: expected [$2], got [$3]"; fi
}
matches() { # what, regex, actual
  if [[ "$3" =~ $2 ]]; then echo "ok: $1"; else failed "$1: [$3] does not match $2"; fi
}
finish() { # [text shown when every check passed]
  [ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
  if [ $# -gt 0 ]; then echo "$1"; fi
  exit 0
}

need_command() { command -v "$1" >/dev/null || { echo "SKIP: $1 missing"; exit 77; }; }
need_pymodbus() {
  $PY -c 'import pymodbus, serial' 2>/dev/null || { echo "SKIP: python3-pymodbus missing"; exit 77; }
}

# start_sim ARGS...: starts zaro-sim with its input on a fifo held open here (control
# lines go to fd $SIM_CTL) and reads its ready line into READY, and then pty (for "PTY
# path") or host and port (for "TCP ip port").
start_sim() {
  sim_count=$((sim_count + 1))
  local base=$work/sim$sim_count fd
  mkfifo "$base.in" "$base.out"
  "$BIN/zaro-sim" "$@" <"$base.in" >"$base.out" 2>"$base.err" &
  sim_pids+=($!)
  exec {fd}>"$base.in"
  sim_fds+=("$fd")
  SIM_CTL=$fd
  READY=
  IFS= read -r -t 10 READY <"$base.out" || { echo "FAIL: zaro-sim did not start: $*"; cat "$base.err"; exit 1; }
  pty=${READY#PTY }
  read -r _ host port <<<"$READY"
}

# start_pty_pair: a socat pseudo-terminal pair, its two ends in PTY_A and PTY_B.
start_pty_pair() {
  local fd line ptys=()
  # socat names its two pseudo-terminals on stderr once they exist.
  mkfifo "$work/socat.err"
  socat -d -d pty,raw,echo=0 pty,raw,echo=0 2>"$work/socat.err" &
  PIDS+=($!)
  exec {fd}<"$work/socat.err"
  while [ ${#ptys[@]} -lt 2 ] && IFS= read -r -t 10 -u "$fd" line; do
    if [[ $line =~ PTY\ is\ (/dev/[^ ]+) ]]; then ptys+=("${BASH_REMATCH[1]}"); fi
  done
  [ ${#ptys[@]} -eq 2 ] || fail "socat made no pseudo-terminals"
  PTY_A=${ptys[0]}
  PTY_B=${ptys[1]}
}
