#!/usr/bin/env bash
# Installs what the build needs (Debian 12), builds, and starts the host
# stand-in on a sample folder. Its settings file lives in that folder too
# (QX_WINDIR), so the user's own ~/.config/velantis is left alone. The first
# start creates the sample database with a couple of taxpayers and a sent
# declaration.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh

# Even a build with nothing to do takes seconds (configure, every target's
# checks): skip it while the programs are there and the files they are built
# from (names, sizes, times) are as they were when this script last built
# them. They are listed before the build, so a file changed during it is
# built on the next run.
fuentes() { find CMakeLists.txt src schema -type f -printf '%p %s %T@\n' | LC_ALL=C sort | md5sum; }
HECHO=build/.run-fuentes
ANTES="$(fuentes)"
if [ ! -x build/bin/velantis ] || [ ! -x build/bin/Qx381 ] || [ ! -x build/bin/0951REP ] \
   || [ ! -f build/bin/libqximpresora.so ] \
   || [ "$(cat "$HECHO" 2>/dev/null)" != "$ANTES" ]; then
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build build -j"$(nproc)" --target velantis Qx381 0951REP
  printf '%s\n' "$ANTES" > "$HECHO"
fi

MUESTRA="${VELANTIS_MUESTRA:-$HOME/velantis-muestra}"
mkdir -p "$MUESTRA"
export QX_WINDIR="$MUESTRA/windows/"
exec build/bin/velantis --muestra "$MUESTRA/datos" "$@"
