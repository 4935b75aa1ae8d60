#include "stamp/calendar.h"

#include "stamp/civil_calendar.h"

namespace kelpworth {

std::uint64_t StampOfFields(std::uint16_t year, std::uint16_t month, std::uint16_t day,
                            std::uint16_t hour, std::uint16_t minute, std::uint16_t second,
                            std::uint16_t millisecond) {
    const double value = DateTimeValue(year, month, day, hour, minute, second, millisecond);
    // Below 2^38 seconds for any fields, so the product stays below 2^62.
    const std::int64_t seconds = WholeSecondsBetween(value, StampOrigin);
    return static_cast<std::uint64_t>(seconds) * UnitsPerSecond;
}

}  // namespace kelpworth
