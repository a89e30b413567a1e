#!/usr/bin/env bash
# Builds the release tree in build/ and the Debian package from it with CPack; prints the full path
# of the package (build/package/veltra_<version>-1_<arch>.deb) and nothing else on standard output.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh >&2
rm -rf build/package
cpack --config build/CPackConfig.cmake -G DEB -B "$PWD/build/package" >&2
ls "$PWD"/build/package/veltra_*.deb
