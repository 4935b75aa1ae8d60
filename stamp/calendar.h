// Calendar arithmetic: seven date and time fields to the stamp, the count
// of 100-ns units since 1601-01-01 00:00. The count goes through binary64
// day values whose every operation rounds twice (to a 64-bit significand,
// then to binary64), and the printed stamp depends on each of those
// roundings, on the sign rule for days before 1899-12-30 and on the
// truncation to whole seconds.
#pragma once

#include <cstdint>

#include "kelpworth/stamp.h"

namespace kelpworth {

// The date-time value of 1601-01-01 00:00.
inline constexpr double StampOrigin = -109205.0;

bool IsLeapYear(std::uint16_t year);

// Days from 1899-12-30 (day 0) as a whole binary64 number; 0.0 for fields
// that are not a calendar date of the years 1 to 9999.
double DayNumber(std::uint16_t year, std::uint16_t month, std::uint16_t day);

// The share of the day elapsed at the given time; 0.0 for an invalid time.
double TimeFraction(std::uint16_t hour, std::uint16_t minute, std::uint16_t second,
                    std::uint16_t millisecond);

// Day number plus the time fraction, or minus it before 1899-12-30, so the
// fraction always counts away from zero.
double DateTimeValue(std::uint16_t year, std::uint16_t month, std::uint16_t day,
                     std::uint16_t hour, std::uint16_t minute, std::uint16_t second,
                     std::uint16_t millisecond);

// |now - then| in days, never negative.
double DaySpan(double now, double then);

// The day span times 86400.
double SecondSpan(double now, double then);

// The second span truncated toward zero. A span of 2^63 or more (or NaN)
// gives the smallest 64-bit integer, as the hardware conversion does.
std::int64_t WholeSecondsBetween(double now, double then);

// StampOfFields (kelpworth/stamp.h) is the whole seconds between the
// date-time value of the fields and the stamp origin, times 10,000,000.

// The same rules without any rounding: invalid fields, the sign rule and
// the truncation to whole seconds as StampOfFields has them. StampOfFields
// gives this stamp, or one second less where the rounded span falls just
// below a whole second.
std::uint64_t ExactStampOfFields(std::uint16_t year, std::uint16_t month, std::uint16_t day,
                                 std::uint16_t hour, std::uint16_t minute, std::uint16_t second,
                                 std::uint16_t millisecond);

}  // namespace kelpworth
