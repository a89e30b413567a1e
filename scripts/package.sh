#!/usr/bin/env bash
# Builds the programs and the desktop files in build/ (release) and the Debian package from them
# with CPack; prints the full path of the package (build/package/veltra_<version>-1_<arch>.deb) and
# nothing else on standard output.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >&2
cmake --build build --target veltra veltra-cli veltra_desktop_files >&2
rm -rf build/package
cpack --config build/CPackConfig.cmake -G DEB -B "$PWD/build/package" >&2
ls "$PWD"/build/package/veltra_*.deb
