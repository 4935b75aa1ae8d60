#!/usr/bin/env bash
# Builds the fuzz preset (clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each fuzz target for a fixed time.
#
#   scripts/fuzz.sh [seconds per target] [target ...]
#
# Default: 20 seconds for every target. Each target starts from its seed
# corpus in fuzz/corpus/<target>/ and keeps what it finds in
# build/fuzz/corpus/<target>/; a crash, a hang or a broken invariant is
# written to build/fuzz/findings/ and makes the script fail.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-20}"
shift || true
targets=("$@")
if ((${#targets[@]} == 0)); then
    targets=(run_flow number_reader scanners two_stage stamp_reading batch batch_input zone_rule_text
             web_conversion)
fi

scripts/require-packages.sh cmake make clang libclang-rt-14-dev

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

mkdir -p build/fuzz/findings
failed=0
for target in "${targets[@]}"; do
    binary="build/fuzz/fuzz/${target}_fuzzer"
    if [[ ! -x "$binary" ]]; then
        echo "=== fuzz $target: not built on this machine, skipped"
        continue
    fi
    work="build/fuzz/corpus/$target"
    log="build/fuzz/findings/$target.log"
    mkdir -p "$work"
    echo "=== fuzz $target for ${seconds}s"
    status=0
    "$binary" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="build/fuzz/findings/$target-" \
        "$work" "fuzz/corpus/$target" >"$log" 2>&1 || status=$?
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    units=$(find "$work" -type f | wc -l)
    echo "    ${execs:-?} executions, ${rate:-?} per second, $units inputs in the working corpus"
    if ((status != 0)); then
        failed=1
        echo "    FINDING (exit $status); the input and the log are in build/fuzz/findings/:"
        grep -E 'invariant violated|ERROR|SUMMARY|Test unit written' "$log" | head -n 8 | sed 's/^/    /'
    fi
done
exit "$failed"
