#!/bin/bash
# The real program with --demo: the simulator runs as its child, a termination signal
# ends both and removes the demo settings, and the user's settings are never written.
set -u
. "$(dirname "$0")/lib.sh"
[ -x "$BIN/zaro" ] || { echo "zaro not built"; exit 77; }
export QT_QPA_PLATFORM=offscreen TMPDIR=$work/tmp
mkdir -p "$TMPDIR" "$work/app"
# A portable copy: its own folder holds the user's settings, and the simulator is found beside it.
cp -r "$BIN/zaro" "$BIN/zaro-sim" "$BIN/translations" "$work/app/"

matches "--version answers without a window" '^ZARO [0-9]+\.[0-9]+\.[0-9]+$' "$("$BIN/zaro" --version)"

children() { # pids whose parent is $1
  local stat
  for stat in /proc/[0-9]*/stat; do
    awk -v p="$1" '$4 == p { print $1 }' "$stat" 2>/dev/null
  done
}

"$work/app/zaro" --demo >"$work/out.txt" 2>&1 &
pid=$!
PIDS=("$pid")
sim=
# Up once the configuration was received: the demo settings then name the model.
for _ in $(seq 150); do
  sim=$(children "$pid")
  [ -n "$sim" ] && grep -qs "DevType = 1" "$TMPDIR"/zaro-*/ZARO.ini && break
  sleep 0.1
done
[ -n "$sim" ] || fail "no simulator started: $(cat "$work/out.txt")"
matches "the simulator is zaro-sim" 'zaro-sim' "$(tr '\0' ' ' <"/proc/$sim/cmdline")"

kill -TERM "$pid"
wait "$pid"
check "exit status after SIGTERM" 0 "$?"
PIDS=()
for _ in $(seq 30); do kill -0 "$sim" 2>/dev/null || break; sleep 0.1; done
kill -0 "$sim" 2>/dev/null && failed "the simulator outlived the program"
check "demo settings removed" "" "$(cd "$TMPDIR" && ls -d zaro-* 2>/dev/null)"
check "user settings not written" "" "$(cd "$work/app" && ls ./*.ini 2>/dev/null)"
finish
