#!/usr/bin/env bash
# The price of /u in a batch of the Windows build under Wine: kelpworth.exe
# /q /b and /q /u /b over the same lines, the best of RUNS runs each, with
# the Wine server kept warm. The Win32 layer keeps each year's zone rules,
# so /q /u /b should stay within 3x of /q /b.
#   bench/wine_zone_batch.sh BUILD_DIR [LINES] [RUNS]   (default 200,000 lines, 3 runs)
set -euo pipefail
cd "$(dirname "$0")/.."

build=$(realpath "${1:?usage: bench/wine_zone_batch.sh BUILD_DIR [LINES] [RUNS]}")
lines=${2:-200000}
runs=${3:-3}
exe="$build/kelpworth.exe"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

export WINEPREFIX="$build/wine-prefix" WINEDEBUG=-all TZ=Europe/Berlin LC_ALL=de_DE.UTF-8
wineserver -p 60 || true  # fails where a server already runs

# Random local moments of 1990 to 2030, the same every run.
python3 - "$lines" >"$work/lines" <<'PY'
import random, sys
random.seed(7)
for _ in range(int(sys.argv[1])):
    print(f"/d{random.randint(1, 28):02}.{random.randint(1, 12):02}.{random.randint(1990, 2030)} "
          f"/t{random.randint(0, 23):02}:{random.randint(0, 59):02}:{random.randint(0, 59):02}")
PY

best_of() {
    local best="" start end took
    for ((run = 0; run < runs; run++)); do
        start=$(date +%s.%N)
        wine "$exe" "$@" <"$work/lines" >/dev/null 2>&1
        end=$(date +%s.%N)
        took=$(echo "$end - $start" | bc)
        if [ -z "$best" ] || [ "$(echo "$took < $best" | bc)" = 1 ]; then best=$took; fi
    done
    echo "$best"
}

plain=$(best_of /q /b)
zone=$(best_of /q /u /b)
echo "$lines lines under Wine, best of $runs: /q /b $plain s, /q /u /b $zone s," \
     "ratio $(echo "scale=2; $zone / $plain" | bc)"
