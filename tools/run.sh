#!/usr/bin/env bash
# Installs what the build needs (Debian 12), builds, and starts the host
# stand-in on a sample folder. Its settings file lives in that folder too
# (QX_WINDIR), so the user's own ~/.config/velantis is left alone. The first
# start creates the sample database with a couple of taxpayers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target velantis Qx381 0951REP

MUESTRA="${VELANTIS_MUESTRA:-$HOME/velantis-muestra}"
mkdir -p "$MUESTRA"
export QX_WINDIR="$MUESTRA/windows/"
exec build/bin/velantis --muestra "$MUESTRA/datos" "$@"
