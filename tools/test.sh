#!/usr/bin/env bash
# Installs what the build needs (Debian 12), builds everything and runs all tests.
# With --sanitize (CI passes it) everything is then built again in build-asan
# under AddressSanitizer and UndefinedBehaviorSanitizer and the tests run there
# too: any sanitizer report, of a test or of a program it starts, fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
SANITIZE=0
for arg in "$@"; do
  case "$arg" in
    --sanitize) SANITIZE=1 ;;
    *) echo "uso: bash tools/test.sh [--sanitize]" >&2; exit 2 ;;
  esac
done
bash tools/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")
if [ "$SANITIZE" = 1 ]; then
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQX_SANITIZE=ON
  cmake --build build-asan -j"$(nproc)"
  (cd build-asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)")
fi
