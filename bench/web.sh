#!/usr/bin/env bash
# The web page against its targets: the file at most 160 KiB and 64 KiB
# gzipped, the first result within 300 ms of opening a link, 100,000 lines
# converted within 1 s, in the test browser (chromium-headless-shell).
# Builds the web preset first; the test packages must be installed
# (scripts/web-check.sh does both). Usage: bench/web.sh [RUNS] (default 7;
# the median counts). Exit code 1 when a target is missed.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset web >/dev/null
cmake --build --preset web >/dev/null
node bench/web_bench.mjs "${1:-7}"
