#!/usr/bin/env bash
# Installs the Debian packages VELTRA needs to build, test and run (the list is scripts/debian-packages.txt).
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t packages < <(scripts/debian-packages.sh)
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${packages[@]}"
