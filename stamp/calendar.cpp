#include "stamp/calendar.h"

#include <cmath>
#include <limits>

#include "stamp/civil_calendar.h"
#include "stamp/two_stage.h"

namespace kelpworth {
namespace {

constexpr std::uint16_t MonthDays[2][12] = {
    {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
};

constexpr std::uint32_t MillisecondsPerDay = 86'400'000;
constexpr std::uint32_t SecondsPerDay = 86'400;

// 1899-12-30 counted in days from 0001-01-01 as day 1.
constexpr std::int32_t ZeroDayOffset = 693'594;

// Days in the months before each month, of a common and of a leap year.
constexpr std::uint16_t DaysBefore[2][12] = {
    {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334},
    {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335},
};

}  // namespace

bool IsLeapYear(std::uint16_t year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

double DayNumber(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
    const int leap = IsLeapYear(year) ? 1 : 0;
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > MonthDays[leap][month - 1]) {
        return 0.0;
    }
    const std::int32_t dayOfYear = DaysBefore[leap][month - 1] + day;

    // Whole years before this one: at most 9998, so every term stays far
    // inside 32 bits and the result within -693593..2958465.
    const std::int32_t years = year - 1;
    const std::int32_t number =
        years * 365 + years / 4 - years / 100 + years / 400 + dayOfYear - ZeroDayOffset;
    return static_cast<double>(number);
}

double TimeFraction(std::uint16_t hour, std::uint16_t minute, std::uint16_t second,
                    std::uint16_t millisecond) {
    if (hour >= 24 || minute >= 60 || second >= 60 || millisecond >= 1000) return 0.0;
    // At most 86,399,999.
    const std::uint32_t milliseconds = hour * 3'600'000u + minute * 60'000u + second * 1'000u +
                                       millisecond;
    return TwoStageDivide(milliseconds, MillisecondsPerDay);
}

double DateTimeValue(std::uint16_t year, std::uint16_t month, std::uint16_t day,
                     std::uint16_t hour, std::uint16_t minute, std::uint16_t second,
                     std::uint16_t millisecond) {
    const double days = DayNumber(year, month, day);
    const double fraction = TimeFraction(hour, minute, second, millisecond);
    // Before the zero day the fraction is subtracted: it counts away from
    // zero, not forward in time. The fraction takes the sign of the day
    // number instead of a branch (a day number is never -0.0).
    return TwoStageAddSmaller(days, std::copysign(fraction, days));
}

double DaySpan(double now, double then) {
    // then - now is the exact negation of now - then: both stages round
    // to nearest, alike for either sign. The magnitude is the span either
    // way, without a branch.
    return std::fabs(TwoStageSubtract(now, then));
}

double SecondSpan(double now, double then) {
    return TwoStageMultiply(DaySpan(now, then), SecondsPerDay);
}

std::int64_t WholeSecondsBetween(double now, double then) {
    const double span = SecondSpan(now, then);
    // A span that does not fit (or NaN) gives the integer-indefinite value
    // of the hardware conversion instead of undefined behaviour.
    constexpr double Limit = 9'223'372'036'854'775'808.0;  // 2^63
    if (!(span < Limit)) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(span);
}

std::uint64_t ExactStampOfFields(std::uint16_t year, std::uint16_t month, std::uint16_t day,
                                 std::uint16_t hour, std::uint16_t minute, std::uint16_t second,
                                 std::uint16_t millisecond) {
    const auto days = static_cast<std::int64_t>(DayNumber(year, month, day));
    const bool validTime = hour < 24 && minute < 60 && second < 60 && millisecond < 1000;
    const std::int64_t timeOfDay =
        validTime ? hour * 3'600'000 + minute * 60'000 + second * 1'000 + millisecond : 0;
    constexpr auto OriginDay = static_cast<std::int64_t>(-StampOrigin);
    constexpr std::int64_t MillisecondsInDay = MillisecondsPerDay;
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

// The steps above are in this file, so the chain runs as one inlined piece
// in a caller's loop.
std::uint64_t StampOfFields(std::uint16_t year, std::uint16_t month, std::uint16_t day,
                            std::uint16_t hour, std::uint16_t minute, std::uint16_t second,
                            std::uint16_t millisecond) {
    const double value = DateTimeValue(year, month, day, hour, minute, second, millisecond);
    // Below 2^38 seconds for any fields, so the product stays below 2^62.
    const std::int64_t seconds = WholeSecondsBetween(value, StampOrigin);
    return static_cast<std::uint64_t>(seconds) * UnitsPerSecond;
}

}  // namespace kelpworth
