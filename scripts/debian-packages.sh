#!/usr/bin/env bash
# Prints the package names of scripts/debian-packages.txt, one a line (comments and blanks dropped).
set -euo pipefail
sed -e 's/#.*//' "$(dirname "$0")/debian-packages.txt" | tr -s ' \t' '\n' | sed '/^$/d'
