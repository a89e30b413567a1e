#!/usr/bin/env bash
# Fails when a tracked C++ file differs from .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
