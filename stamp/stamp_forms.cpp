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

std::string Padded(std::uint32_t value, std::size_t width) {
    std::string digits = UnsignedDecimalText(value);
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    return digits;
}

// The ISO 8601 text of `seconds` from 1601-01-01 00:00 (before it when
// negative) and `units` of 100 ns, then `suffix`.
std::string IsoText(std::int64_t seconds, std::uint32_t units, std::string_view suffix) {
    const TCivilMoment moment = CivilMomentOf(seconds);
    const TCivilDate& date = moment.Date;
    const auto secondOfDay = static_cast<std::uint32_t>(moment.SecondOfDay);
    std::string text = Padded(static_cast<std::uint32_t>(date.Year), 4) + "-" +
                       Padded(date.Month, 2) + "-" + Padded(date.Day, 2) + "T" +
                       Padded(secondOfDay / 3600, 2) + ":" + Padded(secondOfDay / 60 % 60, 2) +
                       ":" + Padded(secondOfDay % 60, 2) + "." + Padded(units, 7);
    text += suffix;
    return text;
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
