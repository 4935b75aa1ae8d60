// Exact integer arithmetic on the proleptic Gregorian calendar, counted in
// days and seconds from 1601-01-01 00:00, where the stamp's scale begins.
// Unlike the stamp's own arithmetic it has no rounding and no sign rule:
// it says which moment a count stands for, and the reverse.
#pragma once

#include <cstdint>

#include "kelpworth/stamp.h"

namespace kelpworth {

inline constexpr std::int64_t SecondsPerCivilDay = 86'400;
inline constexpr std::uint64_t UnitsPerSecond = 10'000'000;  // 100-ns units

// A calendar date; the year may lie outside 1..9999 (and below 1601) where
// a count leads there.
struct TCivilDate {
    std::int64_t Year = 1601;
    std::uint16_t Month = 1;
    std::uint16_t Day = 1;
};

// Whether the fields name a day of the calendar (years 1 to 9999).
bool IsCalendarDate(std::int64_t year, std::int64_t month, std::int64_t day);

// Days from 1601-01-01 to the date, negative before it. The date must be a
// calendar date of any year.
std::int64_t DaysFrom1601(const TCivilDate& date);

// The date `days` days after 1601-01-01 (before it when negative).
TCivilDate CivilDateOf(std::int64_t days);

// The date and time of day of a moment `seconds` after 1601-01-01 00:00
// (before it when negative), Units 0. The seconds must lie within the years
// 1 to 65535 (-50,522,659,200 to 2,006,317,727,999 around the origin).
TStampMoment MomentOfSeconds(std::int64_t seconds);

}  // namespace kelpworth
