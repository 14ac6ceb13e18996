#!/usr/bin/env bash
# Installs every Debian 12 package that building, testing and the demo need.
# Safe to run again: apt-get skips what is already there.
#   scripts/setup.sh --check   only tells (exit 1 and the names) whether any is missing
set -euo pipefail
# One line each: the build; fuzzing with clang's libFuzzer and the benchmarks' reference
# client; the tests' third-party Modbus peers, pseudo-terminal pairs and private network
# namespaces; the demo on a virtual display, the .deb (dpkg-shlibdeps, file) and
# scripts/fresh-check.sh; Qt's own dialog texts in the user's language and the checks of
# the package, its manual pages, desktop file and metainfo.
# (No comments inside the list: tools read it word by word.)
PACKAGES=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-charts-dev libqt6opengl6-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libgl1-mesa-dev libxlsxwriter-dev zlib1g-dev
  clang libclang-rt-14-dev libmodbus-dev
  python3 python3-pymodbus python3-serial python3-serial-asyncio python3-openpyxl mbpoll socat iproute2 util-linux
  xvfb xauth dpkg-dev file git debootstrap
  qt6-translations-l10n lintian desktop-file-utils appstream groff-base poppler-utils
)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && { echo "setup: all packages present"; exit 0; }
if [ "${1:-}" = --check ]; then
  echo "setup: missing packages: ${missing[*]}"
  exit 1
fi
if [ "$(id -u)" -ne 0 ]; then
  echo "setup: these packages are missing: ${missing[*]}" >&2
  echo "setup: run this script as root (sudo $0) or install them with apt-get." >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
