#!/usr/bin/env bash
# Builds the release preset with its benchmarks and measures Kelpworth
# against its targets:
#   1. LANG=de_DE.UTF-8 kelpworth /d25.12.2017 /t10:20:30: wall time at most
#      1.0 x /bin/true, at most 250,000 user-space instructions;
#   2. kelpworth /c in the C locale: at most 0.9 x /bin/true;
#   3. peak resident memory no higher than that of /bin/true;
#   4. the stamp of fields in a loop at least as fast as the same chain on
#      the x87 (ratio at most 1.0).
# Wall times are medians of paired runs, tool and reference alternating.
# Usage: bench/run.sh [PAIRS]   (default 1000 pairs per comparison)
# Exit code 1 when a target is missed.
set -euo pipefail
cd "$(dirname "$0")/.."

pairs="${1:-1000}"
scripts/require-packages.sh cmake make g++ libgtest-dev libgmock-dev libbenchmark-dev \
    valgrind locales-all

cmake --preset release -DKELPWORTH_BUILD_BENCHMARKS=ON >/dev/null
cmake --build --preset release --target kelpworth kelpworth_dynamic_twin \
    kelpworth_startup_bench kelpworth_arithmetic_bench >/dev/null

tool=build/release/kelpworth
twin=build/release/tests/process/kelpworth_dynamic_twin
startup=build/release/bench/kelpworth_startup_bench
arithmetic=build/release/bench/kelpworth_arithmetic_bench
missed=0

# Every process starts from the same small environment.
run_env() { env -i PATH=/usr/bin:/bin "$@"; }

verdict() {  # verdict NAME OK
    if [[ "$2" == 1 ]]; then echo "    met:    $1"; else echo "    MISSED: $1"; missed=1; fi
}

field() {  # field LABEL FILE: the first number after "LABEL:"
    sed -n "s/^$1: *\([0-9.]*\).*/\1/p" "$2" | head -n 1
}

instructions() {  # instructions "NAME=VALUE..." COMMAND...: user-space, as Valgrind counts
    local environment="$1"
    shift
    # shellcheck disable=SC2086
    run_env $environment valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" \
        2>&1 >/dev/null | sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
}

echo "=== machine"
echo "    $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores," \
     "Linux $(uname -r), glibc $(ldd --version | head -n1 | awk '{print $NF}')," \
     "$(g++ --version | head -n1)"
echo "    kelpworth: $(stat -c %s "$tool") bytes, $(ldd "$tool" >/dev/null 2>&1 && echo dynamically || echo statically) linked"

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

echo "=== 1. LANG=de_DE.UTF-8 kelpworth /d25.12.2017 /t10:20:30 against /bin/true"
run_env LANG=de_DE.UTF-8 "$startup" --runs "$pairs" -- /bin/true -- \
    "$tool" /d25.12.2017 /t10:20:30 | tee "$out/given" | sed 's/^/    /'
true_instructions=$(instructions "" /bin/true)
given_instructions=$(instructions LANG=de_DE.UTF-8 "$tool" /d25.12.2017 /t10:20:30)
echo "    instructions: /bin/true $true_instructions, kelpworth $given_instructions"

echo "=== 2. LC_ALL=C kelpworth /c against /bin/true"
run_env LC_ALL=C "$startup" --runs "$pairs" -- /bin/true -- "$tool" /c |
    tee "$out/current" | sed 's/^/    /'
current_instructions=$(instructions LC_ALL=C "$tool" /c)
echo "    instructions: kelpworth $current_instructions"

echo "=== for comparison: the same code linked dynamically"
run_env LANG=de_DE.UTF-8 "$startup" --runs $((pairs / 4 + 1)) -- /bin/true -- \
    "$twin" /d25.12.2017 /t10:20:30 | grep -E 'ratio|RSS' | sed 's/^/    /'
echo "    instructions: $(instructions LANG=de_DE.UTF-8 "$twin" /d25.12.2017 /t10:20:30)"

echo "=== 4. the stamp of fields in a loop against the x87 chain"
"$arithmetic" --benchmark_repetitions=5 --benchmark_enable_random_interleaving=true \
    --benchmark_report_aggregates_only=true 2>/dev/null | tee "$out/arithmetic" |
    grep -E '_median|x87 chain' | sed 's/^/    /'

echo "=== targets"
given_ratio=$(field ratio "$out/given")
current_ratio=$(field ratio "$out/current")
given_rss=$(sed -n 's/^peak RSS: *reference \([0-9]*\) KiB, command \([0-9]*\) KiB.*/\1 \2/p' "$out/given")
current_rss=$(sed -n 's/^peak RSS: *reference \([0-9]*\) KiB, command \([0-9]*\) KiB.*/\1 \2/p' "$out/current")
loop_ratio=$(sed -n 's/^StampOfFields \/ x87 chain: \([0-9.]*\).*/\1/p' "$out/arithmetic")
at_most() { awk -v a="$1" -v b="$2" 'BEGIN { print (a != "" && a + 0 <= b + 0) ? 1 : 0 }'; }
verdict "1. wall time ${given_ratio} x /bin/true (at most 1.0)" "$(at_most "$given_ratio" 1.0)"
verdict "1. ${given_instructions} instructions (at most 250000)" \
    "$(at_most "$given_instructions" 250000)"
verdict "2. wall time ${current_ratio} x /bin/true (at most 0.9)" "$(at_most "$current_ratio" 0.9)"
read -r ref mine <<<"$given_rss"
verdict "3. peak RSS ${mine} KiB against ${ref} KiB of /bin/true (run 1)" "$(at_most "$mine" "$ref")"
read -r ref mine <<<"$current_rss"
verdict "3. peak RSS ${mine} KiB against ${ref} KiB of /bin/true (run 2)" "$(at_most "$mine" "$ref")"
if [[ -n "$loop_ratio" ]]; then
    verdict "4. stamp of fields ${loop_ratio} x the x87 chain (at most 1.0)" \
        "$(at_most "$loop_ratio" 1.0)"
else
    echo "    skipped: 4. (no x87 extended format on this machine)"
fi
exit "$missed"
