# The switches for scripts (/q /s /u /x /r /b) on kelpworth.exe under Wine.
# Sourced by run_wine_tests.sh, whose helpers and expected texts it uses.

echo "== switches for scripts"

STAMP_102029="0x01D37D69-0xFCC9D480"   # 25.12.2017 10:20:30, a second short
FORMS_102029="$STAMP_102029
decimal: 131586708290000000
hex: 01D37D69FCC9D480
bytes: 80 D4 C9 FC 69 7D D3 01
reg: hex(b):80,d4,c9,fc,69,7d,d3,01
iso: 2017-12-25T10:20:29.0000000
exact: 0x01D37D69-0xFD626B00 2017-12-25T10:20:30.0000000; the stamp above is one second short by the tool's compatible arithmetic
"

name="/q: the stamp line alone"
if within_budget "$name"; then
    kelp "$DE" "" /q /d25.12.2017 /t10:20:30
    check "$name" 0 "$STAMP_102029"$'\n' ""
fi

name="/q /?: the help screen without the banner"
if within_budget "$name"; then
    kelp "$DE" "$CLOCK_HELP" /q /?
    check "$name" 0 "${HELP#"$BANNER"}" ""
fi

name="/x: every form after the stamp line"
if within_budget "$name"; then
    kelp "$DE" "" /x /q /d25.12.2017 /t10:20:30
    check "$name" 0 "$FORMS_102029" ""
fi

name="/x: before 30.12.1899 the exact line is the date and time given, and /r reads it back so"
if within_budget "$name"; then
    kelp "$DE" "" /q /x /d09.05.1810 /t08:03:37
    check "$name" 0 "0x00EAB49F-0x87B6D700
decimal: 66063741820000000
hex: 00EAB49F87B6D700
bytes: 00 D7 B6 87 9F B4 EA 00
reg: hex(b):00,d7,b6,87,9f,b4,ea,00
iso: 1810-05-08T15:56:22.0000000
exact: 0x00EAB526-0xA7451280 1810-05-09T08:03:37.0000000; the stamp above counts the time of day backwards from midnight, as the tool's compatible arithmetic does on the days 02.01.1601 to 29.12.1899
" ""
    # Windows writes the German short date without leading zeros.
    kelp "$DE" "" /q /r0x00EAB526-0xA7451280
    check "$name (read back)" 0 $'1810-05-09T08:03:37.0000000\n9.5.1810 08:03:37\n' ""
fi

# Wine takes its time zone from TZ and applies the rules of each year.
name="/u in Europe/Berlin: the stamp of the UTC date and time"
if within_budget "$name"; then
    TZ=Europe/Berlin kelp "$DE" "" /q /u /x /d25.12.2017 /t10:20:30
    check "$name" 0 "0x01D37D61-0x9B9E0300
decimal: 131586672300000000
hex: 01D37D619B9E0300
bytes: 00 03 9E 9B 61 7D D3 01
reg: hex(b):00,03,9e,9b,61,7d,d3,01
iso: 2017-12-25T09:20:30.0000000Z
" ""
fi

name="/u in Europe/Berlin: a repeated hour is read as its first occurrence"
if within_budget "$name"; then
    TZ=Europe/Berlin kelp "$DE" "" /q /u /d27.10.2024 /t02:30:00
    check "$name" 0 $'0x01DB2807-0x5B58F400\n' "kelpworth: /u: 27.10.2024 02:30:00 occurs twice in this time zone (clocks were turned back): read as its first occurrence, 27.10.2024 00:30:00 UTC (UTC+02:00); the second is 27.10.2024 01:30:00 UTC (UTC+01:00)
"
fi

name="/s /u in Europe/Berlin: a repeated hour is refused"
if within_budget "$name"; then
    TZ=Europe/Berlin kelp "$DE" "" /q /s /u /d27.10.2024 /t02:30:00
    check "$name" 2 "" "kelpworth: /u: 27.10.2024 02:30:00 occurs twice in this time zone (clocks were turned back): first 27.10.2024 00:30:00 UTC (UTC+02:00), then 27.10.2024 01:30:00 UTC (UTC+01:00); a strict reading needs a local time that occurs once
"
fi

name="/c /u in Europe/Berlin: the clock's own UTC reading"
if within_budget "$name"; then
    TZ=Europe/Berlin kelp "$DE" "$CLOCK_HELP" /q /u /c
    check "$name" 0 $'0x01D37D5C-0x1B28D380\n' ""
fi

name="/s in US English: no dotted date, exit code 2 and what to do"
if within_budget "$name"; then
    kelp "$US" "$CLOCK_HELP" /s /d25.12.2017 /t10:20:30
    check "$name" 2 "$BANNER" "kelpworth: /d \"25.12.2017\": this locale reads no day.month.year date (its date separator is '/'); use /c for the current moment, or regional settings whose short date is day.month.year, such as German (Germany); without /s the current date 25.12.2017 would be used
"
fi

name="/s: a day out of range, exit code 2"
if within_budget "$name"; then
    kelp "$DE" "$CLOCK_HELP" /q /s /d32.01.2017 /t10:20:30
    check "$name" 2 "" "kelpworth: /d \"32.01.2017\": day 32 is out of range (1 to 31); without /s the current date 25.12.2017 would be used
"
fi

# kelp_from HOW FILE LOCALE ARG...: kelpworth.exe with standard input from
# FILE, as a file ("file") or through a pipe ("pipe").
kelp_from() {
    local how=$1 file=$2 locale=$3
    shift 3
    : >"$OUT"
    if [ "$how" = pipe ]; then
        cat "$file" | timeout -k 5 "$RUN_LIMIT" env "LC_ALL=$locale" wine "$EXE" "$@" >"$OUT" 2>"$ERR"
    else
        timeout -k 5 "$RUN_LIMIT" env "LC_ALL=$locale" wine "$EXE" "$@" <"$file" >"$OUT" 2>"$ERR"
    fi
    RC=$?
}

READ_102029=$'2017-12-25T10:20:29.0000000\n25.12.2017 10:20:29\n'

name="/r: the tool's own form read back"
if within_budget "$name"; then
    kelp "$DE" "" /q /r0x01D37D69-0xFCC9D480
    check "$name" 0 "$READ_102029" ""
fi

name="/r: the bytes of a registry file read back"
if within_budget "$name"; then
    kelp "$DE" "" /q '/rhex(b):80,d4,c9,fc,69,7d,d3,01'
    check "$name" 0 "$READ_102029" ""
fi

name="/r /x: decimal read back, then every form"
if within_budget "$name"; then
    kelp "$DE" "" /q /x /r131586708290000000
    check "$name" 0 "${READ_102029}stamp: $STAMP_102029
decimal: 131586708290000000
hex: 01D37D69FCC9D480
bytes: 80 D4 C9 FC 69 7D D3 01
reg: hex(b):80,d4,c9,fc,69,7d,d3,01
" ""
fi

name="/r /u in Europe/Berlin: UTC, then the local time with its offset"
if within_budget "$name"; then
    TZ=Europe/Berlin kelp "$DE" "" /q /u /r0x01D37D69-0xFCC9D480
    check "$name" 0 $'2017-12-25T10:20:29.0000000Z\n2017-12-25T11:20:29.0000000+01:00\n25.12.2017 11:20:29\n' ""
fi

name="/r: the top bit set is no file time, exit code 2"
if within_budget "$name"; then
    kelp "$DE" "" /q /r0x8000000000000000
    check "$name" 2 "" "kelpworth: /r \"0x8000000000000000\": 0x80000000-0x00000000 is no valid file time: its top bit is set
"
fi

printf '/d25.12.2017 /t10:20:30\r\n/r0x01D37D69-0xFCC9D480\n\n/d01.01.1601 /t00:00:00' >"$WORK/batch"
BATCH_OUT=$'0x01D37D69-0xFCC9D480\n2017-12-25T10:20:29.0000000\t25.12.2017 10:20:29\n\n0x00000000-0x00000000\n'
for how in pipe file; do
    name="/b from a $how: one line for every line, CR LF and no last line end"
    if within_budget "$name"; then
        kelp_from "$how" "$WORK/batch" "$DE" /q /b
        check "$name" 0 "$BATCH_OUT" ""
    fi
done

name="/b /s: tabs separate like blanks, a blank line is no fault"
if within_budget "$name"; then
    printf '/d25.12.2017\t/t10:20:30\r\n\r\n \t\n/x /d09.05.1810\t/t08:03:37\n' >"$WORK/batch_tabs"
    kelp_from file "$WORK/batch_tabs" "$DE" /q /s /b
    check "$name" 0 $'0x01D37D69-0xFCC9D480\n\n\n0x00EAB49F-0x87B6D700\t66063741820000000\t00EAB49F87B6D700\t00 D7 B6 87 9F B4 EA 00\thex(b):00,d7,b6,87,9f,b4,ea,00\t1810-05-08T15:56:22.0000000\t0x00EAB526-0xA7451280\n' ""
fi

# The same batch as Notepad's "Unicode" and Windows PowerShell 5.1's `>`
# save it: UTF-16 little-endian after the mark FF FE, with CR LF.
utf16le() {  # utf16le FILE: the mark, then each byte of FILE as one code unit
    printf '\xff\xfe'
    local hex
    for hex in $(od -An -v -tx1 "$1"); do printf "\\x$hex\\x00"; done
}
utf16le "$WORK/batch" >"$WORK/batch_utf16"
for how in pipe file; do
    name="/b from a $how saved as UTF-16 with CR LF: what the plain file gives"
    if within_budget "$name"; then
        kelp_from "$how" "$WORK/batch_utf16" "$DE" /q /b
        check "$name" 0 "$BATCH_OUT" ""
    fi
done

name="/b from UTF-16: a character beyond ASCII comes in the ANSI code page"
if within_budget "$name"; then
    printf '\xff\xfe/\0d\0001\0\xe4\0\r\0\n\0' >"$WORK/batch_umlaut"
    kelp_from file "$WORK/batch_umlaut" "$DE" /q /s /b
    # a-umlaut: E4 in the German ANSI code page 1252, then 84 in the OEM
    # code page 850 that standard error is written in
    if [ "$RC" -eq 2 ] && LC_ALL=C grep -qF $'line 1: /d "1\x84"' "$ERR"; then
        pass "$name"
    else
        fail "$name" "exit code $RC, or no message with the date's bytes"
        show_bytes "error output" "$ERR"
    fi
fi

name="/b /x /u from a file in Europe/Berlin: the forms on one line"
if within_budget "$name"; then
    printf '/d25.12.2017 /t10:20:30\n' >"$WORK/batch_utc"
    TZ=Europe/Berlin kelp_from file "$WORK/batch_utc" "$DE" /q /b /x /u
    check "$name" 0 $'0x01D37D61-0x9B9E0300\t131586672300000000\t01D37D619B9E0300\t00 03 9E 9B 61 7D D3 01\thex(b):00,03,9e,9b,61,7d,d3,01\t2017-12-25T09:20:30.0000000Z\n' ""
fi

name="/b /r from a pipe: every line a stamp to read back"
if within_budget "$name"; then
    printf '0x01D37D69-0xFCC9D480\n80,d4,c9,fc,69,7d,d3,01\n' >"$WORK/stamps"
    kelp_from pipe "$WORK/stamps" "$DE" /q /b /r
    check "$name" 0 $'2017-12-25T10:20:29.0000000\t25.12.2017 10:20:29\n2017-12-25T10:20:29.0000000\t25.12.2017 10:20:29\n' ""
fi

# Zone rules Windows does not have. Wine's New York has dynamic data for
# 2000 to 2007; its Berlin keeps one set of rules for every year.
NY_NO_RULES_1900="kelpworth: /u: the system has no rules of this time zone for 1900: the rules of 2000 are used
"
name="/u before the zone's dynamic data: the note names the year whose rules were used"
if within_budget "$name"; then
    kelp "$DE" "" /q /d15.07.1900 /t16:00:00   # 12:00 at -04:00, the summer time of 2000
    utc_stamp=$(cat "$OUT")
    TZ=America/New_York kelp "$DE" "" /q /u /d15.07.1900 /t12:00:00
    check "$name" 0 "$utc_stamp"$'\n' "$NY_NO_RULES_1900"
fi

name="/s /u before the zone's dynamic data: refused, exit code 2"
if within_budget "$name"; then
    TZ=America/New_York kelp "$DE" "" /q /s /u /d15.07.1900 /t12:00:00
    check "$name" 2 "" "kelpworth: /u: the system has no rules of this time zone for 1900 (the nearest are those of 2000); a strict reading needs the rules of the date's own year
"
fi

name="/s /u after the zone's dynamic data: its last year holds, no note"
if within_budget "$name"; then
    TZ=America/New_York kelp "$DE" "" /q /s /u /d25.12.2017 /t10:20:30
    check "$name" 0 $'0x01D37D93-0xE6387300\n' ""
fi

name="/s /u where Windows keeps one set of rules: applied to every year, no note"
if within_budget "$name"; then
    TZ=Europe/Berlin kelp "$DE" "" /q /s /u /d15.07.1900 /t12:00:00
    check "$name" 0 $'0x014FD0CB-0x1E199000\n' ""
fi

name="/r /u past 30827: the note names the year whose rules were used"
if within_budget "$name"; then
    TZ=Europe/Berlin kelp "$DE" "" /q /u /r0x7FFFFFFF-0xFFFFFFFF
    check "$name" 0 $'30828-09-14T02:48:05.4775807Z\n30828-09-14T03:48:05.4775807+01:00\n14.9.30828 03:48:05\n' "kelpworth: /r: the stamp 0x7FFFFFFF-0xFFFFFFFF often stands for \"never\" (directories, account expiry)
kelpworth: /u: the system has no rules of this time zone for 30828: the rules of 30827 are used
"
    TZ=Europe/Berlin kelp "$DE" "" /q /s /u /r0x7FFFFFFF-0xFFFFFFFF
    check "/s $name" 2 "" "kelpworth: /u: the system has no rules of this time zone for 30828 (the nearest are those of 30827); a strict reading needs the rules of the date's own year
"
fi

# The local time of the stamp 0 west of Greenwich lies in 1600, and the
# short form shows that local date and time (Wine's zones have no local
# mean time: -05:00).
name="/r /u of the stamp 0 in New York: its local time on 31.12.1600"
if within_budget "$name"; then
    TZ=America/New_York kelp "$DE" "" /q /u /r0
    check "$name" 0 $'1601-01-01T00:00:00.0000000Z\n1600-12-31T19:00:00.0000000-05:00\n31.12.1600 19:00:00\n' "kelpworth: /r: the stamp 0 often stands for \"not set\"
kelpworth: /u: the system has no rules of this time zone for 1601: the rules of 2000 are used
"
fi

# The short form of a date the system renders none of: the locale's own
# pictures, written by the tool.
USER_FORMS="$BUILD_DIR/tests/wine/kelpworth_user_forms.exe"
for forms in "$DE|31.12.1600 19:03:58" "$US|12/31/1600 7:03:58 PM" "$FI|31.12.1600 19.03.58"; do
    locale=${forms%%|*}
    name="the short form of 31.12.1600 19:03:58 in $locale"
    if ! [ -f "$USER_FORMS" ]; then
        skip "$name" "$USER_FORMS is not built"
    elif within_budget "$name"; then
        launch "$locale" "" wine "$USER_FORMS" 1600 12 31 19 3 58
        check "$name" 0 "${forms#*|}" ""
    fi
done
