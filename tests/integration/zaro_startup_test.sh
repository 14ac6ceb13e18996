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

# The files as the program writes them with its defaults, byte for byte.
default_zaro_ini() {
    printf '%s\r\n' "[Interface]" "AutoClose = 1" "Baudrate = 3" "COMPort = 1" "COMType = 0" "DevAddr = 247"
    # The address keys in the order the file sorts them.
    for n in 1 10 11 12 13 14 15 16 17 18 19 2 20 21 22 23 24 25 26 27 28 29 3 30 31 32 4 5 6 7 8 9; do
        printf 'DevAddr%s = 0\r\n' "$n"
    done
    printf '%s\r\n' "Parity = 0" "RTSFlow = 1" "Timeout = 200" "" \
        "[Options]" "DevType = 0" "Language = 1" "Module = 1" "RatedI = 500" "RatedU = 500"
}
default_zarotcp_ini() {
    printf '%s\r\n' "[TCPComm]" "NumGate = 0" "TCPPort = 502" "Gateway = 0" "DevAddr = 247"
}
default_zarodev_ini() {
    printf '%s\r\n' "[LANMOD57]" "LM57Ix = 0" "HTTPPort = 80"
}

expect_defaults() {
    local name
    for name in ZARO ZAROTCP ZARODEV; do
        "default_${name,,}_ini" >"$work/expected.ini"
        cmp -s "$work/expected.ini" "$work/$name.ini" ||
            { echo "$name.ini differs from the defaults:"; diff "$work/expected.ini" "$work/$name.ini" | cat -A; exit 1; }
    done
}

run_until "Language = 1" || exit 1
expect_defaults

rm -f "$work/ZAROTCP.ini" "$work/ZARODEV.ini"
sed -i 's/^Language = 1\r$/Language = 7\r/' "$work/ZARO.ini"
grep -q "Language = 7" "$work/ZARO.ini" || { echo "could not plant Language = 7"; exit 1; }
run_until "Language = 1" || exit 1
expect_defaults
echo "ok"
