# shellcheck shell=bash
# The fault matrix under Wine: every kind of standard output and standard
# input, command lines of every shape, unknown regional settings and time
# zones. Whatever kelpworth.exe meets, it prints the banner and then the help
# screen or one stamp line with exit code 0.
#
# Sourced by run_wine_tests.sh, whose helpers, clocks and stamps it uses.

STAMP_2016_102030="0x01D25E98-0x84031480"     # 25.12.2016 10:20:30
# A stamp line of any moment.
STAMP_PATTERN='^0x[0-9A-F]{8}-0x[0-9A-F]{8}$'

# with_input MODE ARG...: kelpworth.exe at the frozen help clock with
# standard input from MODE (pipe: a pipe whose writer stays; closed: no
# descriptor 0). Sets RC; output in $OUT and $ERR.
with_input() {
    local mode=$1
    shift
    local -a command=(timeout -k 5 "$RUN_LIMIT" env "LC_ALL=$DE" faketime -f "$CLOCK_HELP"
                      wine "$EXE" "$@")
    case "$mode" in
        pipe)
            mkfifo "$WORK/input"
            exec {input_fd}<>"$WORK/input"
            "${command[@]}" <&"$input_fd" >"$OUT" 2>"$ERR"
            RC=$?
            exec {input_fd}>&-
            rm -f "$WORK/input"
            ;;
        closed)
            "${command[@]}" <&- >"$OUT" 2>"$ERR"
            RC=$?
            ;;
    esac
}

# raw_hex_case NAME LOCALE CLOCK EXPECTED_STDOUT LINE: like raw_case, with
# the line handed over as hex so that every byte arrives as it is.
raw_hex_case() {
    within_budget "$1" || return
    local hex
    hex=$(printf '%s' "$5" | od -An -v -tx1 | tr -d ' \n')
    KELPWORTH_RAW_COMMAND_LINE_HEX="$hex" raw "$2" "$3" ""
    check "$1" 0 "$4" ""
}

# zone_case NAME ZONE: ZONE is "unset" or a TZ value. A dotted German date
# with /t gives a fixed stamp; /c under a frozen clock gives a stamp line.
zone_case() {
    local name=$1 zone=$2
    local -a zone_env=(env "TZ=$zone")
    if [ "$zone" = unset ]; then zone_env=(env -u TZ); fi
    if within_budget "$name: dotted date and time"; then
        launch "$DE" "" "${zone_env[@]}" wine "$EXE" /d29.02.2000 /t00:00:00
        check "$name: dotted date and time" 0 "$BANNER$STAMP_A"$'\n' ""
    fi
    if within_budget "$name: /c"; then
        launch "$DE" "$CLOCK_B" "${zone_env[@]}" wine "$EXE" /c
        local line
        line=$(tail -n 1 "$OUT")
        if [[ $line =~ $STAMP_PATTERN ]]; then
            check "$name: /c" 0 "$BANNER$line"$'\n' ""
        else
            fail "$name: /c" "exit code $RC, last line '$line' is no stamp line"
        fi
    fi
}

# ------------------------------------------------------------ standard output

echo "== fault matrix: standard output"
name="standard output a regular file: the stamp line's exact bytes"
if within_budget "$name"; then
    kelp "$DE" "" /d25.12.2016 /t10:20:30
    check "$name" 0 "$BANNER$STAMP_2016_102030"$'\n' ""
fi

name="standard output a pipe: the help screen's exact bytes"
if within_budget "$name"; then
    : >"$OUT"
    timeout -k 5 "$RUN_LIMIT" env "LC_ALL=$DE" faketime -f "$CLOCK_HELP" wine "$EXE" \
        </dev/null 2>"$ERR" | cat >"$OUT"
    RC=${PIPESTATUS[0]}
    check "$name" 0 "$HELP" ""
fi

name="standard output /dev/null: exit 0"
if within_budget "$name"; then
    exec {null_fd}>/dev/null
    OUT_FD=$null_fd
    kelp "$DE" "$CLOCK_HELP" /?
    OUT_FD=""
    exec {null_fd}>&-
    check "$name" 0 "" ""
fi

# ------------------------------------------------------------- standard input
# (/dev/null is the input of every other case.)

echo "== fault matrix: standard input"
name="/? with standard input a pipe whose writer stays ends at once"
if within_budget "$name"; then
    with_input pipe /?
    check "$name" 0 "$HELP" ""
fi

name="/? with standard input closed ends at once"
if within_budget "$name"; then
    with_input closed /?
    check "$name" 0 "$HELP" ""
fi

# -------------------------------------------------------------- command lines

echo "== fault matrix: command lines"
HIGH_BYTES=""
for byte in $(seq 128 255); do HIGH_BYTES+=$(printf "\\x$(printf %x "$byte")"); done
MANY_M=""
for _ in $(seq 1 3000); do MANY_M+=" /m"; done

raw_case "just the program: help screen" "$DE" "$CLOCK_HELP" "$HELP" "kelpworth"
raw_case "only blanks: help screen" "$DE" "$CLOCK_HELP" "$HELP" "kelpworth     "
raw_case "only double quotes: help screen" "$DE" "$CLOCK_HELP" "$HELP" 'kelpworth """"""'
raw_case "a lone double quote: help screen" "$DE" "$CLOCK_HELP" "$HELP" 'kelpworth "'
raw_case "only tabs: help screen" "$DE" "$CLOCK_HELP" "$HELP" "kelpworth${TAB}${TAB}"
raw_case "tabs around /c: the clock's stamp" "$DE" "$CLOCK_A" "$BANNER$STAMP_A"$'\n' \
    "kelpworth${TAB}/c${TAB}"
raw_hex_case "bytes 0x80 to 0xFF: help screen" "$DE" "$CLOCK_HELP" "$HELP" \
    "kelpworth $HIGH_BYTES"
raw_hex_case "high bytes around /C: the clock's stamp" "$DE" "$CLOCK_A" "$BANNER$STAMP_A"$'\n' \
    $'kelpworth \xC4/C\xD6'
raw_case "3000 times /m, then /c: the clock's stamp" "$DE" "$CLOCK_A" "$BANNER$STAMP_A"$'\n' \
    "kelpworth$MANY_M /c"
raw_case "/c glued to a date: the clock's stamp" "$DE" "$CLOCK_A" "$BANNER$STAMP_A"$'\n' \
    "kelpworth /c/d01.01.2017"
raw_case "/help glued to /c: help screen" "$DE" "$CLOCK_HELP" "$HELP" "kelpworth /help/c"
raw_case "/? glued to a date: help screen" "$DE" "$CLOCK_HELP" "$HELP" "kelpworth /?/d01.01.2017"
raw_case "/m, date and time glued: that stamp" "$DE" "$CLOCK_B" "$BANNER$STAMP_A"$'\n' \
    "kelpworth /m/d29.02.2000/t00:00:00"
raw_case "time glued before date: that stamp" "$DE" "$CLOCK_A" "$BANNER$STAMP_B"$'\n' \
    "kelpworth /t12:34:56/d01.01.2017"

# ---------------------------------------------------------------- environment

echo "== fault matrix: environment"
name="unknown locale xx_YY.UTF-8: a dotted date is not read, today's date"
stamp_case "$name" xx_YY.UTF-8 "$CLOCK_B" "$STAMP_2017_MIDNIGHT" /d29.02.2000 /t00:00:00
zone_case "TZ unset" unset
zone_case "TZ far away (Pacific/Kiritimati)" Pacific/Kiritimati
zone_case "TZ invalid" Invalid/Zone
