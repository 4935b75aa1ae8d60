#!/usr/bin/env bash
# Builds and runs every test of Kelpworth: the development build (warnings
# as errors) and the sanitizer build (AddressSanitizer and
# UndefinedBehaviorSanitizer). Debian packages the tests need and a fresh
# machine lacks are installed first (as root, or through sudo).
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake make g++ libgtest-dev libgmock-dev faketime locales-all)
missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
if ((${#missing[@]} > 0)); then
    echo "Installing: ${missing[*]}"
    sudo=""
    [[ "$(id -u)" == 0 ]] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

for preset in dev asan; do
    echo "=== $preset build"
    cmake --preset "$preset"
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done

echo "=== the arithmetic against the x87 extended format, every millisecond of the day"
ctest --preset long

echo "=== fuzz targets, 20 seconds each"
scripts/fuzz.sh 20

echo "=== the executable under Valgrind"
scripts/valgrind-check.sh

echo "=== clang-tidy"
scripts/clang-tidy.sh
