#!/usr/bin/env bash
# Builds and runs every test of Kelpworth: the development build (warnings
# as errors), the sanitizer build (AddressSanitizer and
# UndefinedBehaviorSanitizer), the release build, its installed stamp
# library in programs that use it, its Debian package checked by lintian,
# the Windows build under Wine, the web page and its Node package (in Node
# and in a headless browser), the fuzz targets, Valgrind and clang-tidy.
# Debian packages that a fresh machine lacks are installed first (as root,
# or through sudo); each step's script names what it needs.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/require-packages.sh cmake make g++ libgtest-dev libgmock-dev faketime locales-all lintian
scripts/clean-stale-faketime.sh

for preset in dev asan release; do
    echo "=== $preset build"
    cmake --preset "$preset"
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done

echo "=== the installed stamp library, found by CMake and by pkg-config"
scripts/consumer-check.sh

echo "=== the arithmetic against the x87 extended format, every millisecond of the day"
ctest --preset long

echo "=== the Debian package"
rm -f build/release/kelpworth_*.deb
(cd build/release && cpack -G DEB)

echo "=== lintian on the Debian package: any error or warning not overridden fails"
lintian --display-info --info --fail-on error,warning build/release/kelpworth_*.deb

echo "=== the Windows build under Wine"
scripts/windows-check.sh

echo "=== the web page and its Node package"
scripts/web-check.sh

echo "=== fuzz targets, 15 seconds each"
scripts/fuzz.sh 15

echo "=== the executable under Valgrind"
scripts/valgrind-check.sh

echo "=== clang-tidy"
scripts/clang-tidy.sh
