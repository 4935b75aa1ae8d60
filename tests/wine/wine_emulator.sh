#!/usr/bin/env bash
# Runs one Windows program under Wine, for CMake and CTest (the cross
# build's CMAKE_CROSSCOMPILING_EMULATOR): gtest discovery and every test.
#
# The Wine prefix is made on first use. A wine server is kept running
# beside the programs, started with its output on /dev/null: a server (and
# Wine's background processes) that a program starts itself would hold that
# program's output pipe open, and CTest would wait for it. The server ends
# on its own a minute after the last program.
#
# Runs without address-space randomisation (fixed_address_layout.sh): with
# it, about one Wine start in a thousand ended with exit code 1 and no
# output at all. Wine's errors about its address space stay visible, so
# that a test that fails this way says why.
set -u

. "$(dirname "${BASH_SOURCE[0]}")/fixed_address_layout.sh"

export WINEPREFIX="${WINEPREFIX:-$HOME/.wine}"
export WINEDEBUG="${WINEDEBUG:--all},err+virtual"
unset DISPLAY WAYLAND_DISPLAY

mkdir -p "$(dirname "$WINEPREFIX")"
{
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        timeout 180 wineboot -i >/dev/null 2>&1 </dev/null 9>&-
        # wineboot returns before the prefix is written out.
        timeout 60 wineserver -w >/dev/null 2>&1 </dev/null 9>&-
    fi
    # Exits with a non-zero code at once when a server is already there.
    # Neither it nor Wine's processes may inherit the lock.
    if wineserver -p60 >/dev/null 2>&1 </dev/null 9>&-; then
        # Start Wine's own background processes now, with their output on
        # /dev/null, before a program would start them holding its pipes.
        timeout 60 wineboot >/dev/null 2>&1 </dev/null 9>&-
    fi
} 9>"$WINEPREFIX.lock"

exec wine "$@"
