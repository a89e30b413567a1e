#!/usr/bin/env bash
# Installs the dependencies, builds VELTRA, puts the examples into the user's Veltra folders
# when they do not exist yet, and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
[ "${VELTRA_SKIP_INSTALL:-0}" = 1 ] || scripts/install-deps.sh
scripts/build.sh
docs=$(xdg-user-dir DOCUMENTS 2>/dev/null || echo "$HOME/Documents")
# xdg-user-dir answers the home folder itself when no documents folder is configured; the program
# then uses ~/Documents.
if [ -z "$docs" ] || [ "${docs%/}" = "${HOME%/}" ]; then docs="$HOME/Documents"; fi
if [ ! -d "$docs/Veltra" ] && [ -d examples/Veltra ]; then
  mkdir -p "$docs"
  cp -r examples/Veltra "$docs/Veltra"
  echo "Examples copied to $docs/Veltra"
fi
exec build/veltra "$@"
