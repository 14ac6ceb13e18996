#!/usr/bin/env bash
# Builds ZARO and starts it against a simulated ZRM3 meter (zaro --demo), as the user
# who runs it: only a missing package asks for sudo. The demo works on a temporary copy
# of the settings, so the user's own settings stay untouched. Arguments go to zaro, e.g.
# --wiring reversed-ct:2 for a wrongly wired meter.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "$(id -u)" -eq 0 ] && [ -n "${SUDO_USER:-}" ] && [ "$SUDO_USER" != root ]; then
  # Started with sudo from a desktop: packages as root, the program as the user (a root
  # window may not open on the user's display, and its files would belong to root).
  scripts/setup.sh
  exec runuser -u "$SUDO_USER" -- env DISPLAY="${DISPLAY:-}" XAUTHORITY="${XAUTHORITY:-}" \
    WAYLAND_DISPLAY="${WAYLAND_DISPLAY:-}" XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-}" "$0" "$@"
fi

if ! scripts/setup.sh --check >/dev/null; then
  if [ "$(id -u)" -eq 0 ]; then
    scripts/setup.sh
  else
    echo "demo: some Debian packages are missing; installing them with sudo" >&2
    sudo scripts/setup.sh
  fi
fi

# An earlier run as root may have left a build folder this user cannot write.
build=build
if [ -e "$build" ] && [ ! -w "$build" ]; then build=build-$(id -un); fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "demo: no display found; starting on a virtual X display (xvfb-run)" >&2
  exec xvfb-run -a "$build/bin/zaro" --demo "$@"
fi
exec "$build/bin/zaro" --demo "$@"
