#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each one briefly from its seed corpus.
# A crash or sanitizer report fails the run; longer runs: FUZZ_SECONDS=600 fuzz/smoke.sh
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-20}
ls fuzz/*_fuzz.cpp >/dev/null 2>&1 || { echo "fuzz: no targets"; exit 0; }
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZARO_FUZZ=ON >/dev/null
cmake --build build-fuzz --target fuzz_all -j "$(nproc)"
for src in fuzz/*_fuzz.cpp; do
  name=$(basename "$src" .cpp)
  corpus=$(mktemp -d)
  [ -d "fuzz/corpus/$name" ] && cp -r "fuzz/corpus/$name/." "$corpus/"
  echo "fuzz: $name for ${seconds}s"
  ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen \
    "build-fuzz/fuzz/$name" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=0 "$corpus" \
    > "build-fuzz/$name.log" 2>&1 || { tail -40 "build-fuzz/$name.log"; exit 1; }
  rm -rf "$corpus"
done
echo "fuzz: all targets ran clean"
