#include "stamp/calendar.h"

#include "stamp/civil_calendar.h"

namespace kelpworth {

std::uint64_t ExactStampOfFields(std::uint16_t year, std::uint16_t month, std::uint16_t day,
                                 std::uint16_t hour, std::uint16_t minute, std::uint16_t second,
                                 std::uint16_t millisecond) {
    const auto days = static_cast<std::int64_t>(DayNumber(year, month, day));
    const bool validTime = hour < 24 && minute < 60 && second < 60 && millisecond < 1000;
    const std::int64_t timeOfDay =
        validTime ? hour * 3'600'000 + minute * 60'000 + second * 1'000 + millisecond : 0;
    constexpr auto OriginDay = static_cast<std::int64_t>(-StampOrigin);
    constexpr std::int64_t MillisecondsInDay = calendar::MillisecondsPerDay;
    // Milliseconds from the origin, never negative: the time of day counts
    // away from the zero day, and days before the origin count back to it.
    std::int64_t milliseconds = 0;
    if (days >= 0) {
        milliseconds = (days + OriginDay) * MillisecondsInDay + timeOfDay;
    } else if (days > -OriginDay) {
        milliseconds = (days + OriginDay) * MillisecondsInDay - timeOfDay;
    } else {
        milliseconds = (-OriginDay - days) * MillisecondsInDay + timeOfDay;
    }
    return static_cast<std::uint64_t>(milliseconds / 1000) * UnitsPerSecond;
}

std::uint64_t StampOfFields(std::uint16_t year, std::uint16_t month, std::uint16_t day,
                            std::uint16_t hour, std::uint16_t minute, std::uint16_t second,
                            std::uint16_t millisecond) {
    const double value = DateTimeValue(year, month, day, hour, minute, second, millisecond);
    // Below 2^38 seconds for any fields, so the product stays below 2^62.
    const std::int64_t seconds = WholeSecondsBetween(value, StampOrigin);
    return static_cast<std::uint64_t>(seconds) * UnitsPerSecond;
}

}  // namespace kelpworth
