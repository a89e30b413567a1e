#!/usr/bin/env bash
# Installs the Debian packages VELTRA needs to build, test and run.
set -euo pipefail
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends \
  build-essential cmake ninja-build pkg-config ccache clang libclang-rt-14-dev \
  qt6-base-dev qt6-charts-dev qt6-svg-dev libqt6svg6-dev qt6-l10n-tools \
  libgl-dev libxkbcommon-dev \
  libxlsxwriter-dev nlohmann-json3-dev \
  libgtest-dev libgmock-dev libbenchmark-dev \
  xvfb xauth xdg-utils fonts-dejavu-core qt6-qpa-plugins
