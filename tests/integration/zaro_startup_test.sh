#!/bin/bash
# The real program, started in an empty copy of its folder, leaves the three settings
# files with the defaults; a stored language out of range comes back as English.
set -u
. "$(dirname "$0")/lib.sh"
[ -x "$BIN/zaro" ] || { echo "zaro not built"; exit 77; }
export QT_QPA_PLATFORM=offscreen

# Starts zaro in $work and waits until it has written ZARO.ini twice (settings load,
# then the language step that follows the splash: each write is a rename, so a new
# inode) and the file holds "$1". The program stays in its event loop; it is ended here.
run_until() {
    # With its translations beside it, the copy is a portable one: settings stay here.
    cp "$BIN/zaro" "$work/zaro"
    cp -r "$BIN/translations" "$work/"
    local seen writes=0 inode
    seen=$(stat -c %i "$work/ZARO.ini" 2>/dev/null)
    "$work/zaro" >"$work/out.txt" 2>&1 &
    pid=$!
    PIDS=("$pid")
    for _ in $(seq 300); do
        inode=$(stat -c %i "$work/ZARO.ini" 2>/dev/null)
        if [ -n "$inode" ] && [ "$inode" != "$seen" ]; then
            seen=$inode
            writes=$((writes + 1))
        fi
        if [ "$writes" -ge 2 ] && grep -q "$1" "$work/ZARO.ini"; then
            kill "$pid"; wait "$pid" 2>/dev/null; PIDS=()
            return 0
        fi
        kill -0 "$pid" 2>/dev/null || { echo "zaro ended early:"; cat "$work/out.txt"; return 1; }
        sleep 0.1
    done
    echo "ZARO.ini was not written twice with '$1'"; cat "$work/out.txt"
    return 1
}

expect() { # file line
    grep -qx "$2"$'\r' "$work/$1" || { echo "$1 lacks '$2':"; cat "$work/$1"; exit 1; }
}

run_until "Language = 1" || exit 1
expect ZARO.ini "Language = 1"
expect ZARO.ini "COMType = 0"
expect ZARO.ini "DevAddr = 247"
expect ZAROTCP.ini "NumGate = 0"
expect ZAROTCP.ini "TCPPort = 502"
expect ZARODEV.ini "LM57Ix = 0"

rm -f "$work/ZAROTCP.ini" "$work/ZARODEV.ini"
sed -i 's/^Language = 1\r$/Language = 7\r/' "$work/ZARO.ini"
grep -q "Language = 7" "$work/ZARO.ini" || { echo "could not plant Language = 7"; exit 1; }
run_until "Language = 1" || exit 1
expect ZARO.ini "Language = 1"
echo "ok"
