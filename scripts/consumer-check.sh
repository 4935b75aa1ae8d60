#!/usr/bin/env bash
# Installs the release build into a temporary prefix and builds a small
# program (tests/consumer/) against the installed stamp library in the two
# ways its users would: CMake's find_package(kelpworth) and the compiler
# with `pkg-config --cflags --libs kelpworth`. Each program must print the
# stamp of 25.12.2017 10:20:30.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/require-packages.sh cmake make g++ pkgconf

cmake --preset release >/dev/null
cmake --build --preset release

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
cmake --install build/release --prefix "$prefix" >/dev/null

expected="0x01D37D69-0xFCC9D480"
failed=0
# check WAY PROGRAM: runs the program and compares what it prints.
check() {
    local output status=0
    output="$("$2")" || status=$?
    if [[ "$status" == 0 && "$output" == "$expected" ]]; then
        echo "    ok      $1: $output"
    else
        failed=1
        echo "    FAILED  $1: exit $status, printed '$output', expected '$expected'"
    fi
}

echo "=== the stamp library installed in $prefix, found by CMake"
cmake -S tests/consumer -B "$work/cmake-build" -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
found="$(sed -n 's/^kelpworth_DIR:PATH=//p' "$work/cmake-build/CMakeCache.txt")"
[[ "$found" == "$prefix"/* ]] || { echo "    FAILED  found the package in $found"; exit 1; }
cmake --build "$work/cmake-build" >/dev/null
check "find_package" "$work/cmake-build/stamp_consumer"

echo "=== the same, through pkg-config"
pc_file="$(find "$prefix" -name kelpworth.pc)"
flags="$(PKG_CONFIG_PATH="$(dirname "$pc_file")" pkg-config --cflags --libs kelpworth)"
echo "    pkg-config --cflags --libs kelpworth: $flags"
# shellcheck disable=SC2086 # the flags are words
g++ -o "$work/pkg-config-consumer" tests/consumer/main.cpp $flags
check "pkg-config" "$work/pkg-config-consumer"
exit "$failed"
