#!/usr/bin/env bash
# Installs every Debian 12 package that building, testing and the demo need.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail
PACKAGES=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-charts-dev
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libgl1-mesa-dev
  libxlsxwriter-dev
  clang libclang-rt-14-dev
  python3 python3-pymodbus python3-serial mbpoll libmodbus-dev
  iproute2 util-linux socat xvfb xauth
)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && { echo "setup: all packages present"; exit 0; }
if [ "$(id -u)" -ne 0 ]; then
  echo "setup: these packages are missing: ${missing[*]}" >&2
  echo "setup: run this script as root (sudo $0) or install them with apt-get." >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
