#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds ZARO and starts it against a simulated ZRM3
# meter on a pseudo-terminal. Everything runs from a demo folder (a portable copy of
# the program with its own settings), so the user's own settings stay untouched.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"

demo=$PWD/demo
mkdir -p "$demo"
cp -r build/bin/. "$demo/"

# The simulator prints "PTY <path>" once its meter listens.
coproc SIM { exec "$demo/zaro-sim" --rs232 --model zrm3 --system 4 --vt 20000/100 --ct 100/5; }
trap 'kill "$SIM_PID" 2>/dev/null || true' EXIT
read -r kind pty <&"${SIM[0]}"
[ "$kind" = PTY ] || { echo "demo: the simulator did not start" >&2; exit 1; }
echo "demo: simulated ZRM3 meter on $pty"

# A fresh demo settings file that points the RS-232 interface at the simulator.
printf '[Interface]\r\nCOMType = 0\r\nCOMPortPath = "%s"\r\nAutoClose = 0\r\n[Options]\r\nDevType = 1\r\nLanguage = 1\r\n' \
  "$pty" > "$demo/ZARO.ini"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "demo: no display found; starting on a virtual X display (xvfb-run)" >&2
  xvfb-run -a "$demo/zaro"
else
  "$demo/zaro"
fi
