#include "kelpworth/stamp.h"

#include "stamp/civil_calendar.h"
#include "support/text.h"

namespace kelpworth {

std::string StampText(std::uint64_t stamp) {
    constexpr char Digits[] = "0123456789ABCDEF";
    std::string text = "0x00000000-0x00000000";
    // The low half ends the text, the high half ends before the "-0x".
    for (std::size_t digit = 0; digit < 8; ++digit) {
        text[20 - digit] = Digits[(stamp >> (4 * digit)) & 0xF];
        text[9 - digit] = Digits[(stamp >> (32 + 4 * digit)) & 0xF];
    }
    return text;
}

TStampMoment FieldsOfStamp(std::uint64_t stamp) {
    const TCivilMoment civil = CivilMomentOf(static_cast<std::int64_t>(stamp / UnitsPerSecond));
    const TCivilDate& date = civil.Date;
    const auto secondOfDay = static_cast<std::uint32_t>(civil.SecondOfDay);
    TStampMoment moment;
    moment.Year = static_cast<std::uint16_t>(date.Year);
    moment.Month = date.Month;
    moment.Day = date.Day;
    moment.Hour = static_cast<std::uint16_t>(secondOfDay / 3600);
    moment.Minute = static_cast<std::uint16_t>(secondOfDay / 60 % 60);
    moment.Second = static_cast<std::uint16_t>(secondOfDay % 60);
    moment.Units = static_cast<std::uint32_t>(stamp % UnitsPerSecond);
    return moment;
}

}  // namespace kelpworth
