#!/usr/bin/env bash
# Regenerates examples/Veltra from scripts/make_examples.cpp (needs build/libveltra_core.a).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build --target veltra_core >/dev/null
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
g++ -std=c++20 -O1 -Isrc -DVELTRA_VERSION="\"$(build/veltra-cli --version 2>/dev/null || echo 1.5.6.5)\"" \
  scripts/make_examples.cpp build/libveltra_core.a -lpthread -o "$tmp/make_examples"
mkdir -p examples/Veltra/Histograms examples/Veltra/Projects examples/Veltra/Results
"$tmp/make_examples" examples/Veltra
echo "examples/Veltra written"
