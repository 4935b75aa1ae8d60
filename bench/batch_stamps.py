"""The Python loop of the batch benchmark: lines "/dDD.MM.YYYY /tHH:MM:SS"
on standard input to stamp lines "0xHHHHHHHH-0xLLLLLLLL", with the standard
library only. It follows the tool's arithmetic in plain binary64 (days since
30.12.1899 plus the fraction of the day, the distance from 1601 in seconds,
truncated), which gives the tool's stamps for these moments."""
import sys
from datetime import date

ZERO_DAY = date(1899, 12, 30).toordinal()
ORIGIN = -109205.0


def main():
    out = []
    append = out.append
    ordinal = date.toordinal
    for line in sys.stdin:
        days = ordinal(date(int(line[8:12]), int(line[5:7]), int(line[2:4]))) - ZERO_DAY
        fraction = (int(line[15:17]) * 3600000 + int(line[18:20]) * 60000
                    + int(line[21:23]) * 1000) / 86400000
        value = days + fraction if days >= 0 else days - fraction
        stamp = int(abs(value - ORIGIN) * 86400) * 10000000
        append("0x%08X-0x%08X\n" % (stamp >> 32, stamp & 0xFFFFFFFF))
    sys.stdout.write("".join(out))


main()
