#!/usr/bin/env bash
# End-to-end tests of kelpworth.exe under Wine: the exact bytes of the help
# screen and of stamp lines, switch precedence, the locale rule (German,
# US English, Finnish), the clock fallback, raw command lines, the exit
# codes of failed writes, the switches for scripts (switches.sh), the fault
# matrix (fault_matrix.sh), and the wait for a key on a real terminal.
#
# Usage: tests/wine/run_wine_tests.sh BUILD_DIR
#   BUILD_DIR is the windows preset's build folder (build/windows), holding
#   kelpworth.exe and tests/wine/kelpworth_launch_raw.exe.
#
# Sets up a Wine prefix of its own in a temporary folder and removes it at
# the end. Every program run has a time limit, and so has the whole script.
# Needs wine, faketime, and the glibc locales de_DE.UTF-8, en_US.UTF-8 and
# fi_FI.UTF-8 (Wine takes the user locale from them); tmux for the terminal
# case, which is skipped without it.
#
# Wine runs without address-space randomisation (fixed_address_layout.sh):
# with it, about one Wine start in a thousand ended with exit code 1 and no
# output at all. Wine's errors about its address space stay visible.
set -u

. "$(dirname "${BASH_SOURCE[0]}")/fixed_address_layout.sh"

if [ $# -ne 1 ] || [ ! -d "$1" ]; then
    echo "usage: $0 BUILD_DIR" >&2
    exit 2
fi
BUILD_DIR=$(cd "$1" && pwd)
EXE="$BUILD_DIR/kelpworth.exe"
LAUNCHER="$BUILD_DIR/tests/wine/kelpworth_launch_raw.exe"
# Wine's drive Z: is the Linux root.
EXE_DOS="Z:${EXE//\//\\}"

RUN_LIMIT=20          # seconds for one program run
SCRIPT_BUDGET=240     # seconds for all cases together, setup excluded

PASSED=0
FAILED=0
SKIPPED=0
pass() { PASSED=$((PASSED + 1)); echo "PASS  $1"; }
fail() { FAILED=$((FAILED + 1)); echo "FAIL  $1: $2"; }
skip() { SKIPPED=$((SKIPPED + 1)); echo "SKIP  $1: $2"; }
summary() { echo "wine: $PASSED passed, $FAILED failed, $SKIPPED skipped"; }

# ------------------------------------------------------------ prerequisites

missing=""
for tool in wine wineserver wineboot faketime timeout cmp od mkfifo; do
    command -v "$tool" >/dev/null 2>&1 || missing+=" $tool"
done
for file in "$EXE" "$LAUNCHER"; do
    [ -f "$file" ] || missing+=" $file"
done
for name in de_DE en_US fi_FI; do
    locale -a 2>/dev/null | grep -qix "$name\.utf-\?8" || missing+=" locale:$name.UTF-8"
done
if [ -n "$missing" ]; then
    echo "missing:$missing" >&2
    echo "(packages: wine wine64 faketime locales-all; build with the windows preset)" >&2
    fail "prerequisites" "missing$missing"
    summary
    exit 1
fi

# ------------------------------------------------------------------- setup

WORK=$(mktemp -d "${TMPDIR:-/tmp}/kelpworth-wine.XXXXXX")
export WINEPREFIX="$WORK/prefix"
export WINEDEBUG=-all,err+virtual
export TZ=UTC
unset DISPLAY WAYLAND_DISPLAY LANG LANGUAGE LC_ALL LC_MESSAGES LC_TIME
TMUX_SOCKET="kelpworth-wine-$$"

cleanup() {
    if command -v tmux >/dev/null 2>&1; then
        tmux -L "$TMUX_SOCKET" kill-server >/dev/null 2>&1
    fi
    timeout 30 wineserver -k >/dev/null 2>&1
    rm -rf "$WORK"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

setup_start=$SECONDS
if ! timeout 180 wineboot -i >/dev/null 2>&1 </dev/null; then
    fail "setup" "wineboot -i did not finish"
    summary
    exit 1
fi
# wineboot returns before the prefix is written out.
timeout 60 wineserver -w >/dev/null 2>&1 </dev/null
# One server for all runs, holding none of their pipes; stopped by cleanup.
wineserver -p >/dev/null 2>&1 </dev/null
# Wine's background processes start here, not inside a run that would
# lend them its pipes.
timeout 60 wineboot >/dev/null 2>&1 </dev/null
echo "Wine prefix ready in $((SECONDS - setup_start)) s"

# --------------------------------------------------------------- the runs

OUT="$WORK/out"
ERR="$WORK/err"
RC=0
OUT_FD=""             # when set, standard output goes to this descriptor
cases_start=$SECONDS

# launch LOCALE CLOCK COMMAND...: runs COMMAND with the Wine user locale
# LOCALE, the clock frozen at CLOCK (empty: the real clock) and standard
# input not a console. Sets RC; output in $OUT and $ERR.
launch() {
    local locale=$1 clock=$2
    shift 2
    local -a command=(env "LC_ALL=$locale")
    if [ -n "$clock" ]; then command+=(faketime -f "$clock"); fi
    : >"$OUT"
    if [ -n "$OUT_FD" ]; then
        timeout -k 5 "$RUN_LIMIT" "${command[@]}" "$@" </dev/null >&"$OUT_FD" 2>"$ERR"
    else
        timeout -k 5 "$RUN_LIMIT" "${command[@]}" "$@" </dev/null >"$OUT" 2>"$ERR"
    fi
    RC=$?
}

# kelp LOCALE CLOCK ARG...: kelpworth.exe with a command line that Wine
# builds from the arguments.
kelp() {
    local locale=$1 clock=$2
    shift 2
    launch "$locale" "$clock" wine "$EXE" "$@"
}

# raw LOCALE CLOCK LINE [--no-output]: kelpworth.exe with exactly LINE.
raw() {
    local locale=$1 clock=$2 line=$3
    shift 3
    KELPWORTH_RAW_COMMAND_LINE="$line" launch "$locale" "$clock" wine "$LAUNCHER" "$@" "$EXE_DOS"
}

show_bytes() {  # show_bytes LABEL FILE
    echo "      $1:"
    od -An -c "$2" | head -n 12 | sed 's/^/       /'
}

within_budget() {
    if [ $((SECONDS - cases_start)) -gt "$SCRIPT_BUDGET" ]; then
        fail "$1" "not run: the time budget of $SCRIPT_BUDGET s is spent"
        return 1
    fi
}

# check NAME EXIT STDOUT STDERR: compares the last run with the expected
# exit code and the exact bytes of both streams.
check() {
    local name=$1 want_rc=$2 want_out=$3 want_err=$4
    if [ "$RC" -eq 124 ] || [ "$RC" -eq 137 ]; then
        fail "$name" "timed out after $RUN_LIMIT s"
        return
    fi
    local problems=""
    [ "$RC" -eq "$want_rc" ] || problems+="exit code $RC, expected $want_rc; "
    printf '%s' "$want_out" >"$WORK/want_out"
    printf '%s' "$want_err" >"$WORK/want_err"
    local out_differs=0 err_differs=0
    cmp -s "$WORK/want_out" "$OUT" || { out_differs=1; problems+="standard output differs; "; }
    cmp -s "$WORK/want_err" "$ERR" || { err_differs=1; problems+="standard error differs; "; }
    if [ -z "$problems" ]; then
        pass "$name"
        return
    fi
    fail "$name" "${problems%; }"
    if [ $out_differs -eq 1 ]; then
        show_bytes "expected output" "$WORK/want_out"
        show_bytes "actual output" "$OUT"
    fi
    if [ $err_differs -eq 1 ]; then
        show_bytes "expected error output" "$WORK/want_err"
        show_bytes "actual error output" "$ERR"
    fi
}

# ------------------------------------------------------- expected outputs

BANNER=$'\r\nKelpworth v1.5.1\r\nWritten by the Kelpworth authors\r\n\r\n\n'

# help_screen DATE TIME HOUR: the banner and the help screen filled in.
help_screen() {
    local lines=(
        "This utility converts a date and time in hexadecimal format."
        ""
        "It supports a command line:"
        "/D - date in the form dd.mm.yyyy, if not specified, the current date is taken;"
        "/T - time in the form hh:mm:ss,if not specified,will be taken the current time;"
        "/C - the current date and time will be taken;"
        ""
        "Example of use:"
        ""
        "    Kelpworth.exe /d$1 /t$2"
        ""
        "so if you specify:"
        "    Kelpworth.exe /t$3"
        "- date will be taken by the current, and while $3:00:00"
        "    Kelpworth.exe /c"
        "- the current date and time will be taken."
    )
    local text="" i
    for i in "${!lines[@]}"; do
        if [ "$i" -gt 0 ]; then text+=$'\r\n'; fi
        text+="${lines[$i]}"
    done
    printf '%s' "$BANNER$text"$'\n'
}

# Frozen clocks, and the stamps of the moments involved.
CLOCK_HELP="2017-12-25 09:41:07"
HELP=$(help_screen 25.12.2017 09:41:07 09; printf x)
HELP=${HELP%x}
CLOCK_A="2000-02-29 00:00:00"
STAMP_A="0x01BF8247-0xEBCC8000"        # 29.02.2000 00:00:00
CLOCK_B="2017-01-01 12:34:56"
STAMP_B="0x01D2642B-0x7535D800"        # 01.01.2017 12:34:56
STAMP_2017_MIDNIGHT="0x01D263C1-0xFEB0C000"
STAMP_1601="0x00000000-0x00000000"

DE=de_DE.UTF-8
US=en_US.UTF-8
FI=fi_FI.UTF-8

# help_case NAME LOCALE ARG...: the help screen at the frozen help clock.
help_case() {
    local name=$1 locale=$2
    shift 2
    within_budget "$name" || return
    kelp "$locale" "$CLOCK_HELP" "$@"
    check "$name" 0 "$HELP" ""
}

# stamp_case NAME LOCALE CLOCK STAMP ARG...
stamp_case() {
    local name=$1 locale=$2 clock=$3 stamp=$4
    shift 4
    within_budget "$name" || return
    kelp "$locale" "$clock" "$@"
    check "$name" 0 "$BANNER$stamp"$'\n' ""
}

# raw_case NAME LOCALE CLOCK EXPECTED_STDOUT LINE
raw_case() {
    within_budget "$1" || return
    raw "$2" "$3" "$5"
    check "$1" 0 "$4" ""
}

# ---------------------------------------------------------- the help screen

echo "== help screen"
help_case "no arguments: banner and help screen, clock texts filled in" "$DE"
help_case "/? with standard input not a console ends at once" "$DE" "/?"
help_case "/HELP in capitals" "$DE" "/HELP"
help_case "/help beats /c" "$DE" /help /c
help_case "a lone word shows the help screen" "$DE" foo
help_case "/m alone shows the help screen" "$DE" /m
help_case "clock texts keep '.' and ':' under US English" "$US"
help_case "clock texts keep '.' and ':' under Finnish" "$FI"

# -------------------------------------------------------------- stamp lines

echo "== stamp lines"
stamp_case "01.01.1601 00:00:00 is stamp zero" "$DE" "" "$STAMP_1601" /d01.01.1601 /t00:00:00
stamp_case "01.01.2017 12:34:56" "$DE" "" "$STAMP_B" /d01.01.2017 /t12:34:56
stamp_case "switches in capitals" "$DE" "" "$STAMP_B" /D01.01.2017 /T12:34:56
stamp_case "blanks after the switches" "$DE" "" "$STAMP_B" /d 01.01.2017 /t 12:34:56
stamp_case "time before date" "$DE" "" "$STAMP_B" /t12:34:56 /d01.01.2017
stamp_case "date ends at the next slash" "$DE" "" "$STAMP_B" /d01.01.2017/t12:34:56
stamp_case "/c takes the clock" "$DE" "$CLOCK_A" "$STAMP_A" /c
stamp_case "/c beats /d and /t" "$DE" "$CLOCK_A" "$STAMP_A" /c /d01.01.2017 /t12:34:56
stamp_case "/t alone takes the date from the clock" "$DE" "$CLOCK_B" "$STAMP_2017_MIDNIGHT" /t00:00:00
stamp_case "a trailing word spoils the date: clock date and time" "$DE" "$CLOCK_A" "$STAMP_A" \
    /d01.01.2017 extra
stamp_case "day 32 falls back to the clock's date" "$DE" "$CLOCK_B" "$STAMP_2017_MIDNIGHT" \
    /d32.01.2017 /t00:00:00
stamp_case "/m without a display still prints the stamp and ends" "$DE" "" "$STAMP_B" \
    /m /d01.01.2017 /t12:34:56

# ------------------------------------------------------------ the locale rule

echo "== locale rule"
stamp_case "German reads a dotted date" "$DE" "$CLOCK_B" "$STAMP_A" /d29.02.2000 /t00:00:00
stamp_case "US English rejects a dotted date: today's date" "$US" "$CLOCK_B" \
    "$STAMP_2017_MIDNIGHT" /d29.02.2000 /t00:00:00
stamp_case "Finnish reads a dotted date" "$FI" "$CLOCK_B" "$STAMP_A" /d29.02.2000 /t00:00:00
stamp_case "German: 24:00:00 passes and counts as midnight" "$DE" "$CLOCK_B" \
    "$STAMP_2017_MIDNIGHT" /d01.01.2017 /t24:00:00
stamp_case "Finnish separates time with '.': 24:00:00 gives the clock's time" "$FI" "$CLOCK_B" \
    "$STAMP_B" /d01.01.2017 /t24:00:00

# ------------------------------------------------------- raw command lines

echo "== raw command lines"
TAB=$'\t'
raw_case "the launcher passes a plain line" "$DE" "" "$BANNER$STAMP_B"$'\n' \
    "kelpworth /d01.01.2017 /t12:34:56"
raw_case "a pair of double quotes is no argument" "$DE" "$CLOCK_A" "$BANNER$STAMP_A"$'\n' \
    'kelpworth "" /c'
raw_case "a switch glued to the quoted program path: help screen" "$DE" "$CLOCK_HELP" "$HELP" \
    "\"$EXE_DOS\"/c"
raw_case "/d and a blank at the end of the line: help screen" "$DE" "$CLOCK_HELP" "$HELP" \
    "kelpworth /d "
raw_case "/d /m: empty date, help screen" "$DE" "$CLOCK_HELP" "$HELP" "kelpworth /d /m"
raw_case "a tab after /d spoils the date" "$DE" "$CLOCK_A" "$BANNER$STAMP_A"$'\n' \
    "kelpworth /d${TAB}01.01.2017 /t00:00:00"
raw_case "/d/t: the empty date is filled from the clock" "$DE" "$CLOCK_A" \
    "$BANNER$STAMP_A"$'\n' "kelpworth /d/t00:00:00"

# ------------------------------------------------------------ failed writes

echo "== failed writes"
name="standard output on /dev/full: exit 112"
if within_budget "$name"; then
    exec {full_fd}>/dev/full
    OUT_FD=$full_fd
    kelp "$DE" "" /c
    OUT_FD=""
    exec {full_fd}>&-
    check "$name" 112 "" $'Runtime error 112 at 00000020\r\n'
fi

name="standard output a pipe without reader: exit 232 (233 under Wine)"
if within_budget "$name"; then
    # Open the pipe for reading and writing, keep a write end, then close
    # the only reader.
    mkfifo "$WORK/pipe"
    exec {pipe_rw}<>"$WORK/pipe"
    exec {pipe_w}>"$WORK/pipe"
    exec {pipe_rw}>&-
    OUT_FD=$pipe_w
    kelp "$DE" "" /c
    OUT_FD=""
    exec {pipe_w}>&-
    if [ "$RC" -eq 232 ] || [ "$RC" -eq 233 ]; then
        check "$name" "$RC" "" "Runtime error $RC at 00000020"$'\r\n'
    else
        check "$name" 233 "" $'Runtime error 233 at 00000020\r\n'
    fi
fi

name="no standard output handle: exit 105 before the banner"
if within_budget "$name"; then
    raw "$DE" "" "kelpworth /c" --no-output
    check "$name" 105 "" $'Runtime error 105 at 00000010\r\n'
fi

# ------------------------------------------------------- switches for scripts

. "$(dirname "${BASH_SOURCE[0]}")/switches.sh"

# ------------------------------------------------------------ fault matrix

. "$(dirname "${BASH_SOURCE[0]}")/fault_matrix.sh"

# ------------------------------------------------------------- the terminal

echo "== terminal"
name="/? on a terminal: green banner, waits for a key, ends with 0"
if ! command -v tmux >/dev/null 2>&1; then
    skip "$name" "tmux is not installed"
elif within_budget "$name"; then
    done_file="$WORK/terminal_done"
    tmux -L "$TMUX_SOCKET" -f /dev/null new-session -d -x 120 -y 50 \
        "env LC_ALL=$DE timeout --foreground -k 5 60 wine '$EXE' /? ; echo \$? > '$done_file'; sleep 60"
    screen=""
    for _ in $(seq 1 50); do
        screen=$(tmux -L "$TMUX_SOCKET" capture-pane -e -p 2>/dev/null)
        case "$screen" in *"the current date and time will be taken."*) break ;; esac
        sleep 0.2
    done
    problems=""
    case "$screen" in
        *$'\e[92mKelpworth v1.5.1'*) ;;
        *) problems+="the title line is not bright green; " ;;
    esac
    case "$screen" in
        *$'\e[92mThis utility'* | *$'\e[1;92mThis utility'*) problems+="the help text is still green; " ;;
        *"This utility"*) ;;
        *) problems+="no help screen on the terminal; " ;;
    esac
    # An assertion, not a wait for the program: one that does not wait for
    # a key ends as soon as the help screen is out, so this one must still
    # be running a second later. The key itself needs no wait, since the
    # console keeps a key that comes before the program reads.
    for _ in $(seq 1 5); do
        if [ -e "$done_file" ]; then
            problems+="ended without a key; "
            break
        fi
        sleep 0.2
    done
    tmux -L "$TMUX_SOCKET" send-keys x
    for _ in $(seq 1 50); do
        [ -s "$done_file" ] && break
        sleep 0.2
    done
    if [ ! -s "$done_file" ]; then
        problems+="still waiting 10 s after a key; "
    elif [ "$(cat "$done_file")" != 0 ]; then
        problems+="exit code $(cat "$done_file"); "
    fi
    tmux -L "$TMUX_SOCKET" kill-server >/dev/null 2>&1
    if [ -z "$problems" ]; then pass "$name"; else fail "$name" "${problems%; }"; fi
fi

# ---------------------------------------------------------- the executable

echo "== the executable"
name="kelpworth.exe needs only KERNEL32, USER32 and msvcrt"
OBJDUMP=$(command -v x86_64-w64-mingw32-objdump || true)
if [ -z "$OBJDUMP" ]; then
    skip "$name" "x86_64-w64-mingw32-objdump is not installed"
else
    dlls=$("$OBJDUMP" -p "$EXE" | sed -n 's/^\s*DLL Name: //p' | tr 'a-z' 'A-Z' | sort | tr '\n' ' ')
    if [ "$dlls" = "KERNEL32.DLL MSVCRT.DLL USER32.DLL " ]; then
        pass "$name"
    else
        fail "$name" "imports: $dlls"
    fi
fi

name="kelpworth.exe carries the MAINICON icon"
if command -v python3 >/dev/null 2>&1; then
    # Resource names are stored in UTF-16.
    if python3 -c 'import sys; sys.exit(0 if "MAINICON".encode("utf-16-le") in open(sys.argv[1], "rb").read() else 1)' "$EXE"; then
        pass "$name"
    else
        fail "$name" "no MAINICON resource name in the file"
    fi
else
    skip "$name" "python3 is not installed"
fi

echo "Cases ran in $((SECONDS - cases_start)) s"
summary
[ "$FAILED" -eq 0 ]
