#include "kelpworth/stamp.h"

#include "stamp/calendar.h"
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
    TStampMoment moment = MomentOfSeconds(static_cast<std::int64_t>(stamp / UnitsPerSecond));
    moment.Units = static_cast<std::uint32_t>(stamp % UnitsPerSecond);
    return moment;
}

std::optional<std::uint64_t> StampOfMoment(const TStampMoment& moment) {
    const bool leap = IsLeapYear(moment.Year);
    if (moment.Year < 1601 || moment.Month < 1 || moment.Month > 12 || moment.Day < 1 ||
        moment.Day > calendar::MonthDays[leap ? 1 : 0][moment.Month - 1] ||
        !IsTimeOfDay(moment.Hour, moment.Minute, moment.Second) ||
        moment.Units >= UnitsPerSecond) {
        return std::nullopt;
    }
    // Years up to 65535: days at most 23,350,000 and seconds below 2.1e12,
    // far inside 64 bits; only the count in units could overflow.
    const std::int64_t days = DaysFrom1601({moment.Year, moment.Month, moment.Day});
    const auto seconds = static_cast<std::uint64_t>(
        days * SecondsPerCivilDay + std::int64_t{moment.Hour} * 3600 +
        std::int64_t{moment.Minute} * 60 + moment.Second);
    if (seconds > LastStamp / UnitsPerSecond) return std::nullopt;
    const std::uint64_t stamp = seconds * UnitsPerSecond + moment.Units;
    if (stamp > LastStamp) return std::nullopt;
    return stamp;
}

}  // namespace kelpworth
