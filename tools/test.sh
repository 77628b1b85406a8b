#!/usr/bin/env bash
# Installs what the build needs (Debian 12), builds everything and runs all tests.
set -euo pipefail
cd "$(dirname "$0")/.."
SUDO=""; [ "$(id -u)" = 0 ] || SUDO=sudo
if ! dpkg -s qt6-base-dev libqt6sql6-sqlite libxcb1-dev xvfb fonts-liberation faketime sqlite3 libbenchmark-dev cmake build-essential >/dev/null 2>&1; then
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y build-essential cmake qt6-base-dev \
    libqt6sql6-sqlite libxcb1-dev xvfb fonts-liberation faketime sqlite3 libbenchmark-dev
fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
