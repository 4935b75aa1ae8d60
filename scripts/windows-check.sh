#!/usr/bin/env bash
# Cross-builds kelpworth.exe with MinGW-w64, runs the unit tests under Wine,
# tests the real executable under Wine and builds the Windows zip.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/require-packages.sh cmake make g++-mingw-w64-x86-64 wine wine64 googletest \
    faketime locales-all tmux

cmake --preset windows
cmake --build --preset windows
ctest --preset windows
scripts/clean-stale-faketime.sh
tests/wine/run_wine_tests.sh build/windows
(cd build/windows && cpack -G ZIP)
WINEPREFIX="$PWD/build/windows/wine-prefix" wineserver -k 2>/dev/null || true
