// Calendar arithmetic: seven date and time fields to the stamp, the count
// of 100-ns units since 1601-01-01 00:00. The count goes through binary64
// day values whose every operation rounds twice (to a 64-bit significand,
// then to binary64), and the printed stamp depends on each of those
// roundings, on the sign rule for days before 1899-12-30 and on the
// truncation to whole seconds. The steps are inline, so that the stamp of
// fields (calendar.cpp) runs as one piece in a caller's loop.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

#include "kelpworth/stamp.h"
#include "stamp/two_stage.h"

namespace kelpworth {

// The date-time value of 1601-01-01 00:00.
inline constexpr double StampOrigin = -109205.0;

namespace calendar {

inline constexpr std::uint16_t MonthDays[2][12] = {
    {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
};

// Days in the months before each month, of a common and of a leap year.
inline constexpr std::uint16_t DaysBefore[2][12] = {
    {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334},
    {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335},
};

inline constexpr std::uint32_t MillisecondsPerDay = 86'400'000;
inline constexpr std::uint32_t SecondsPerDay = 86'400;

// 1899-12-30 counted in days from 0001-01-01 as day 1.
inline constexpr std::int32_t ZeroDayOffset = 693'594;

}  // namespace calendar

inline bool IsLeapYear(std::uint16_t year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

// Whether the fields name a time of day, 00:00:00 to 23:59:59.
inline bool IsTimeOfDay(std::uint16_t hour, std::uint16_t minute, std::uint16_t second) {
    return hour < 24 && minute < 60 && second < 60;
}

// Days from 1899-12-30 (day 0) as a whole binary64 number; 0.0 for fields
// that are not a calendar date of the years 1 to 9999.
inline double DayNumber(std::uint16_t year, std::uint16_t month, std::uint16_t day) {
    using namespace calendar;
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

// The share of the day elapsed at the given time; 0.0 for an invalid time.
inline double TimeFraction(std::uint16_t hour, std::uint16_t minute, std::uint16_t second,
                           std::uint16_t millisecond) {
    // The arithmetic's own rule: a millisecond count past 999 makes no time.
    if (!IsTimeOfDay(hour, minute, second) || millisecond >= 1000) return 0.0;
    // At most 86,399,999.
    const std::uint32_t milliseconds = hour * 3'600'000u + minute * 60'000u + second * 1'000u +
                                       millisecond;
    return TwoStageDivide(milliseconds, calendar::MillisecondsPerDay);
}

// Day number plus the time fraction, or minus it before 1899-12-30, so the
// fraction always counts away from zero.
inline double DateTimeValue(std::uint16_t year, std::uint16_t month, std::uint16_t day,
                            std::uint16_t hour, std::uint16_t minute, std::uint16_t second,
                            std::uint16_t millisecond) {
    const double days = DayNumber(year, month, day);
    const double fraction = TimeFraction(hour, minute, second, millisecond);
    // Before the zero day the fraction is subtracted: it counts away from
    // zero, not forward in time. The fraction takes the sign of the day
    // number instead of a branch (a day number is never -0.0).
    return TwoStageAddSmaller(days, std::copysign(fraction, days));
}

// |now - then| in days, never negative.
inline double DaySpan(double now, double then) {
    // then - now is the exact negation of now - then: both stages round
    // to nearest, alike for either sign. The magnitude is the span either
    // way, without a branch.
    return std::fabs(TwoStageSubtract(now, then));
}

// The day span times 86400.
inline double SecondSpan(double now, double then) {
    return TwoStageMultiply(DaySpan(now, then), calendar::SecondsPerDay);
}

// The second span truncated toward zero. A span of 2^63 or more (or NaN)
// gives the smallest 64-bit integer, as the hardware conversion does.
inline std::int64_t WholeSecondsBetween(double now, double then) {
    const double span = SecondSpan(now, then);
    constexpr double Limit = 9'223'372'036'854'775'808.0;  // 2^63
    if (!(span < Limit)) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(span);
}

// StampOfFields (kelpworth/stamp.h) is the whole seconds between the
// date-time value of the fields and the stamp origin, times 10,000,000.

}  // namespace kelpworth
