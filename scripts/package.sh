#!/usr/bin/env bash
# Builds the Debian package build-deb/zaro_<version>_amd64.deb (programs in /usr/bin,
# translations and help in /usr/share/zaro, a menu entry and an icon). Install it with
#   sudo apt-get install ./build-deb/zaro_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
# Symbols bound at start-up with read-only relocations, as Debian's packages link; the
# compiler flags stay those of the test build, so that its objects come from ccache.
cmake -S . -B build-deb -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr -DZARO_TESTS=OFF \
  -DCMAKE_EXE_LINKER_FLAGS="-Wl,-z,relro,-z,now" >/dev/null
cmake --build build-deb -j "$(nproc)"
rm -f build-deb/zaro_*.deb
(cd build-deb && cpack -G DEB >/dev/null)
ls build-deb/zaro_*.deb
