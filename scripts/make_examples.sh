#!/usr/bin/env bash
# Regenerates examples/Veltra from scripts/make_examples.cpp against the core libraries of build/.
set -euo pipefail
cd "$(dirname "$0")/.."
core="persistence rmr reliability project creation histogram io shell"
cmake --build build --target $(printf 'veltra_%s ' $core) veltra-cli >/dev/null
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
g++ -std=c++20 -O1 -Isrc -DVELTRA_VERSION="\"$(build/veltra-cli --version 2>/dev/null || echo 1.5.6.5)\"" \
  scripts/make_examples.cpp $(printf 'build/libveltra_%s.a ' $core) -lpthread -o "$tmp/make_examples"
mkdir -p examples/Veltra/Histograms examples/Veltra/Projects examples/Veltra/Results
"$tmp/make_examples" examples/Veltra
echo "examples/Veltra written"
