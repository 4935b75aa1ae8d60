#!/usr/bin/env bash
# Runs clang-tidy with the checked-in .clang-tidy on the project's own code
# (not the tests, not the Windows layer, not the WebAssembly entry points,
# which only emscripten compiles), with the compile commands of the dev
# build. Any finding fails the script.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/require-packages.sh cmake make g++ clang-tidy

cmake --preset dev >/dev/null  # writes build/dev/compile_commands.json

mapfile -t files < <(git ls-files -- ':(glob)app/*.cpp' ':(glob)stamp/*.cpp' \
    ':(glob)locale/*.cpp' ':(glob)support/*.cpp' ':(glob)platform/*.cpp' \
    ':(glob)platform/posix/*.cpp' ':(glob)platform/fake/*.cpp' main.cpp \
    ':(glob)web/*.cpp' ':(exclude)web/stamp_module.cpp')
echo "=== clang-tidy on ${#files[@]} files"
# Two at a time: the machine has two cores.
printf '%s\n' "${files[@]}" |
    xargs -P 2 -n 4 clang-tidy -p build/dev --quiet 2> >(grep -v -E '^[0-9]+ warnings? generated\.$' >&2)
echo "clang-tidy: no findings"
