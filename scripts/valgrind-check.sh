#!/usr/bin/env bash
# Runs the real executable of the dev build under Valgrind on its main
# paths: no arguments, help, the current moment, a given moment, details,
# other regional settings, and standard outputs that fail. Any invalid
# access, any use of an undefined value and any definite or indirect leak
# fails the check, and so does an exit code other than the path's own.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/require-packages.sh cmake make g++ valgrind locales-all

cmake --preset dev >/dev/null
cmake --build --preset dev --target kelpworth

exe=build/dev/kelpworth
log=build/dev/valgrind
mkdir -p "$log"
failed=0

# check NAME EXPECTED-EXIT ENVIRONMENT REDIRECTION ARGUMENTS...
check() {
    local name="$1" expected="$2" environment="$3" redirection="$4"
    shift 4
    local status=0
    # The redirection applies to Valgrind and so to the program; Valgrind
    # itself writes only to its log, opened before so that a closed standard
    # output stays closed.
    (
        exec </dev/null >/dev/null 2>&1 9>"$log/$name.log"
        eval "exec $redirection"
        env -i PATH=/usr/bin:/bin $environment \
            valgrind --quiet --error-exitcode=1 --leak-check=full \
            --errors-for-leak-kinds=definite,indirect --track-origins=yes \
            --log-fd=9 "$exe" "$@"
    ) || status=$?
    if [[ "$status" == "$expected" && ! -s "$log/$name.log" ]]; then
        echo "    ok      $name (exit $status)"
    else
        failed=1
        echo "    FAILED  $name: exit $status, expected $expected; $log/$name.log:"
        sed 's/^/        /' "$log/$name.log" | head -n 40
    fi
}

echo "=== valgrind on the main paths of $exe"
check no-arguments 0 "LANG=de_DE.UTF-8" ""
check help 0 "LANG=de_DE.UTF-8" "" /?
check current-moment 0 "LANG=de_DE.UTF-8" "" /c
check given-moment 0 "LANG=de_DE.UTF-8" "" /d25.12.2016 /t10:20:30
check details 0 "LANG=de_DE.UTF-8" "" /m /d25.12.2016 /t10:20:30
# A '/' locale refuses the dotted date at its first '.' and takes today's.
check us-settings 0 "LANG=en_US.UTF-8" "" /d25.12.2016 /t10:20:30
# A value ends at the next slash: the date value is "12" alone, a full date
# in no locale, and today's date stands in.
check value-ends-at-slash 0 "LANG=en_US.UTF-8" "" /d12/25/2016 /t10:20:30
check multibyte-settings 0 "LC_ALL=ja_JP.UTF-8" "" /d25.12.2016 /t10:20:30
check unknown-settings 0 "LANG=xx_YY.UTF-8 TZ=Invalid/Zone" "" /c
# The switches for scripts: a strict refusal, UTC by the zone's rules with
# every form, a stamp read back, and a batch from a file.
check strict-refused 2 "LANG=de_DE.UTF-8" "" /q /s /d32.01.2016 /t10:20:30
check utc-every-form 0 "LANG=de_DE.UTF-8 TZ=Europe/Berlin" "" /q /u /x /d27.10.2024 /t02:30:00
check read-back 0 "LANG=de_DE.UTF-8 TZ=Europe/Berlin" "" /q /u /x /r0x01D37D69-0xFCC9D480
printf '/d25.12.2016 /t10:20:30\r\n/c\n/r80,d4,c9,fc,69,7d,d3,01\n\n/?\n/u /d31.03.2024 /t02:30' \
    >"$log/batch-input"
check batch 0 "LANG=de_DE.UTF-8 TZ=Europe/Berlin" "<$log/batch-input" /q /b /x
check full-device 28 "LANG=de_DE.UTF-8" ">/dev/full" /c
check closed-output 105 "LANG=de_DE.UTF-8" ">&-" /c
exit "$failed"
