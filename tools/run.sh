#!/usr/bin/env bash
# Installs what the build needs (Debian 12), builds, and starts the host
# stand-in on a sample folder. Its settings file lives in that folder too
# (QX_WINDIR), so the user's own ~/.config/velantis is left alone. The first
# start creates the sample database with a couple of taxpayers.
set -euo pipefail
cd "$(dirname "$0")/.."
SUDO=""; [ "$(id -u)" = 0 ] || SUDO=sudo
if ! dpkg -s qt6-base-dev libqt6sql6-sqlite libxcb1-dev xvfb fonts-liberation faketime sqlite3 libbenchmark-dev cmake build-essential >/dev/null 2>&1; then
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y build-essential cmake qt6-base-dev \
    libqt6sql6-sqlite libxcb1-dev xvfb fonts-liberation faketime sqlite3 libbenchmark-dev
fi
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target velantis Qx381 0951REP

MUESTRA="${VELANTIS_MUESTRA:-$HOME/velantis-muestra}"
mkdir -p "$MUESTRA"
export QX_WINDIR="$MUESTRA/windows/"
exec build/bin/velantis --muestra "$MUESTRA/datos" "$@"
