#!/usr/bin/env bash
# The batch benchmark in one command: builds the release tool and prints
# kelpworth /q /b, GNU date -f, a Python loop and kelpworth /q /b /r side
# by side over the same 200,000 moments, and the peak memory of a batch.
#   bench/batch.sh [RUNS]      (default 5 runs of each, the median counts)
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/require-packages.sh cmake make g++ locales-all python3 coreutils time

cmake --preset release >/dev/null
cmake --build --preset release --target kelpworth >/dev/null

echo "machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores," \
     "Linux $(uname -r), $(date --version | head -n1), Python $(python3 -c 'import sys; print(sys.version.split()[0])')"
python3 bench/batch_bench.py build/release/kelpworth "${1:-5}"
