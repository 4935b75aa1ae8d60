#include "stamp/stamp_forms.h"

#include "kelpworth/stamp.h"
#include "stamp/civil_calendar.h"
#include "stamp/zone_offsets.h"
#include "support/text.h"

namespace kelpworth {
namespace {

// The byte of the stamp at memory offset `index`, least significant first.
std::uint8_t ByteAt(std::uint64_t stamp, int index) {
    return static_cast<std::uint8_t>(stamp >> (8 * index));
}

// Writes `value` as `width` digits before `end`; returns where they begin.
char* Digits(char* end, std::uint32_t value, int width) {
    for (int digit = 0; digit < width; ++digit) {
        *--end = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    return end;
}

// The ISO 8601 text of `seconds` from 1601-01-01 00:00 (before it when
// negative) and `units` of 100 ns, then `suffix`.
std::string IsoText(std::int64_t seconds, std::uint32_t units, std::string_view suffix) {
    const TStampMoment moment = MomentOfSeconds(seconds);
    const std::uint32_t year = moment.Year;
    // "YYYY-MM-DDTHH:MM:SS.UUUUUUU", the year of five digits after 9999
    char text[32] = "0000-00-00T00:00:00.0000000";
    char* const end = text + 27;
    Digits(end, units, 7);
    Digits(end - 8, moment.Second, 2);
    Digits(end - 11, moment.Minute, 2);
    Digits(end - 14, moment.Hour, 2);
    Digits(end - 17, moment.Day, 2);
    Digits(end - 20, moment.Month, 2);
    Digits(end - 23, year % 10000, 4);
    std::string iso(text, end);
    if (year > 9999) iso.replace(0, 4, UnsignedDecimalText(year));
    iso += suffix;
    return iso;
}

}  // namespace

std::string HexForm(std::uint64_t stamp) { return HexText(stamp, 16); }

std::string MemoryBytesForm(std::uint64_t stamp) {
    std::string text;
    for (int index = 0; index < 8; ++index) {
        if (index > 0) text += ' ';
        text += HexText(ByteAt(stamp, index), 2);
    }
    return text;
}

std::string RegistryForm(std::uint64_t stamp) {
    std::string text = "hex(b):";
    for (int index = 0; index < 8; ++index) {
        if (index > 0) text += ',';
        text += LowerAscii(HexText(ByteAt(stamp, index), 2));
    }
    return text;
}

std::string IsoForm(std::uint64_t stamp, bool utc) {
    return IsoText(static_cast<std::int64_t>(stamp / UnitsPerSecond),
                   static_cast<std::uint32_t>(stamp % UnitsPerSecond), utc ? "Z" : "");
}

std::string LocalIsoForm(std::uint64_t stamp, std::int32_t offset) {
    return IsoText(static_cast<std::int64_t>(stamp / UnitsPerSecond) + offset,
                   static_cast<std::uint32_t>(stamp % UnitsPerSecond), UtcOffsetText(offset));
}

}  // namespace kelpworth
