#!/usr/bin/env bash
# Builds the Debian package build-deb/zaro_<version>_amd64.deb (programs in /usr/bin,
# translations and help in /usr/share/zaro, a menu entry and an icon). Install it with
#   sudo apt-get install ./build-deb/zaro_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr -DZARO_TESTS=OFF >/dev/null
cmake --build build-deb -j "$(nproc)"
rm -f build-deb/zaro_*.deb
(cd build-deb && cpack -G DEB >/dev/null)
ls build-deb/zaro_*.deb
