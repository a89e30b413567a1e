#!/usr/bin/env bash
# Installs the dependencies, builds VELTRA and starts the program (which copies the examples into
# the user's Veltra folder when it does not exist yet). Arguments go to the program, e.g. a project file.
set -euo pipefail
cd "$(dirname "$0")/.."
[ "${VELTRA_SKIP_INSTALL:-0}" = 1 ] || scripts/install-deps.sh
scripts/build.sh
exec build/veltra "$@"
