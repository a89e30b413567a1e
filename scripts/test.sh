#!/usr/bin/env bash
# Installs the dependencies, checks the format, builds everything and runs every test:
# the core and window tests, the core tests again under AddressSanitizer + UndefinedBehaviorSanitizer,
# and a short bounded run of each fuzz target on its seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
[ "${VELTRA_SKIP_INSTALL:-0}" = 1 ] || scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

echo "== format"
scripts/check-format.sh

echo "== sanitizer build of the core"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELTRA_CORE_ONLY=ON -DVELTRA_SANITIZE=ON >/dev/null
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

echo "== fuzz targets"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTRA_CORE_ONLY=ON -DVELTRA_SANITIZE=ON \
  -DVELTRA_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz -j "$jobs"
for fuzzer in build-fuzz/*_fuzz; do
  [ -x "$fuzzer" ] || continue
  name=$(basename "$fuzzer")
  corpus=$(mktemp -d)
  cp -r "fuzz/corpus/${name%_fuzz}/." "$corpus/" 2>/dev/null || true
  "$fuzzer" -max_total_time="${VELTRA_FUZZ_SECONDS:-30}" -timeout=5 -rss_limit_mb=2048 "$corpus" 2>&1 | tail -n 3
  rm -rf "$corpus"
done

echo "== release build, all tests"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"
