#include "stamp/calendar.h"

#include <limits>

#include "stamp/two_stage.h"

namespace kelpworth {
namespace {

constexpr std::uint16_t kMonthDays[2][12] = {
    {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
};

constexpr std::uint32_t kMillisecondsPerDay = 86'400'000;
constexpr std::uint32_t kSecondsPerDay = 86'400;
constexpr std::uint64_t kUnitsPerSecond = 10'000'000;

// 1899-12-30 counted in days from 0001-01-01 as day 1.
constexpr std::int32_t kZeroDayOffset = 693'594;

}  // namespace

bool IsLeapYear(std::uint16_t year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

double DayNumber(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
    const auto& monthDays = kMonthDays[IsLeapYear(year) ? 1 : 0];
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > monthDays[month - 1]) {
        return 0.0;
    }
    std::int32_t dayOfYear = day;
    for (std::int32_t i = 0; i < month - 1; ++i) dayOfYear += monthDays[i];

    // Whole years before this one: at most 9998, so every term stays far
    // inside 32 bits and the result within -693593..2958465.
    const std::int32_t years = year - 1;
    const std::int32_t number =
        years * 365 + years / 4 - years / 100 + years / 400 + dayOfYear - kZeroDayOffset;
    return static_cast<double>(number);
}

double TimeFraction(std::uint16_t hour, std::uint16_t minute, std::uint16_t second,
                    std::uint16_t millisecond) {
    if (hour >= 24 || minute >= 60 || second >= 60 || millisecond >= 1000) return 0.0;
    // At most 86,399,999.
    const std::uint32_t milliseconds = hour * 3'600'000u + minute * 60'000u + second * 1'000u +
                                       millisecond;
    return TwoStageDivide(milliseconds, kMillisecondsPerDay);
}

double DateTimeValue(std::uint16_t year, std::uint16_t month, std::uint16_t day,
                     std::uint16_t hour, std::uint16_t minute, std::uint16_t second,
                     std::uint16_t millisecond) {
    const double days = DayNumber(year, month, day);
    const double fraction = TimeFraction(hour, minute, second, millisecond);
    // Before the zero day the fraction is subtracted: it counts away from
    // zero, not forward in time.
    return days >= 0.0 ? TwoStageAdd(days, fraction) : TwoStageSubtract(days, fraction);
}

double DaySpan(double now, double then) {
    return now >= then ? TwoStageSubtract(now, then) : TwoStageSubtract(then, now);
}

double SecondSpan(double now, double then) {
    return TwoStageMultiply(DaySpan(now, then), kSecondsPerDay);
}

std::int64_t WholeSecondsBetween(double now, double then) {
    const double span = SecondSpan(now, then);
    // A span that does not fit (or NaN) gives the integer-indefinite value
    // of the hardware conversion instead of undefined behaviour.
    constexpr double kLimit = 9'223'372'036'854'775'808.0;  // 2^63
    if (!(span < kLimit)) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(span);
}

std::uint64_t StampOfFields(std::uint16_t year, std::uint16_t month, std::uint16_t day,
                            std::uint16_t hour, std::uint16_t minute, std::uint16_t second,
                            std::uint16_t millisecond) {
    const double value = DateTimeValue(year, month, day, hour, minute, second, millisecond);
    // Below 2^38 seconds for any fields, so the product stays below 2^62.
    const std::int64_t seconds = WholeSecondsBetween(value, StampOrigin);
    return static_cast<std::uint64_t>(seconds) * kUnitsPerSecond;
}

}  // namespace kelpworth
