#!/usr/bin/env bash
# Sets up a Debian 12 machine, builds ZARO and runs the whole test suite twice:
# a normal build, then one with AddressSanitizer + UndefinedBehaviorSanitizer;
# then a short run of the fuzz targets and lintian on the .deb; last, a check that
# setup.sh installs every package the build and the tests used (a fresh machine has
# nothing else).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)
# Lets ccache reuse objects between clones of the repository in other folders.
export CCACHE_BASEDIR=$PWD

total=0
run_suite() { # build-dir, extra cmake args...
  local dir=$1; shift
  cmake -S . -B "$dir" -G Ninja "$@"
  cmake --build "$dir" -j "$jobs"
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" | tee "$dir/ctest.log"
  total=$((total + $(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\).*/\1/p' "$dir/ctest.log")))
}

run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo
run_suite build-asan -DCMAKE_BUILD_TYPE=Debug -DZARO_SANITIZE=ON
if [ -x fuzz/smoke.sh ]; then fuzz/smoke.sh; fi
# The .deb as Debian's own checks see it (about a minute: its objects come from ccache).
scripts/package.sh
lintian --fail-on error build-deb/zaro_*.deb
scripts/check-packages.py build build-asan build-fuzz
echo "suites: $total passed, 0 failed"
