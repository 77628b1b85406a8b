#!/usr/bin/env bash
# Installs what the build needs (Debian 12), builds everything and runs all tests.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
