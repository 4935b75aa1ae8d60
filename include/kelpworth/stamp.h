// The stamp for other programs: a calendar date and time of day as the
// count of 100-ns units since 1601-01-01 00:00, and its printed form.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kelpworth {

// The stamp of the fields, exactly as the console tool prints it: an
// invalid date counts as 1899-12-30 and an invalid time as 00:00; the
// millisecond is 0..999.
std::uint64_t StampOfFields(std::uint16_t year, std::uint16_t month, std::uint16_t day,
                            std::uint16_t hour, std::uint16_t minute, std::uint16_t second,
                            std::uint16_t millisecond);

// "0x" + high 8 hexadecimal digits + "-" + "0x" + low 8 digits, uppercase:
// 21 characters.
std::string StampText(std::uint64_t stamp);

// A date and time of day to the 100 ns, in the proleptic Gregorian
// calendar: the one date-and-time type of the stamp library and the tool.
// Fields as read may lie outside their ranges (a time of 24:00:00, a day
// 31 in February); the arithmetic says what it makes of them.
struct TStampMoment {
    std::uint16_t Year = 1601;
    std::uint16_t Month = 1;
    std::uint16_t Day = 1;
    std::uint16_t Hour = 0;
    std::uint16_t Minute = 0;
    std::uint16_t Second = 0;
    std::uint32_t Units = 0;  // 100-ns units after the second, 0 to 9,999,999
};

inline constexpr std::uint32_t UnitsPerMillisecond = 10'000;

// The moment a stamp stands for, exactly: every count has one, up to the
// year 60056 (2^64 - 1). The reverse of the count itself, not of
// StampOfFields, whose arithmetic can come out a second short and counts
// the time of day backwards on the days 02.01.1601 to 29.12.1899.
TStampMoment FieldsOfStamp(std::uint64_t stamp);

// The last count a file time takes, 30828-09-14T02:48:05.4775807; above it
// the top bit is set and the count is no valid file time.
inline constexpr std::uint64_t LastStamp = 0x7FFF'FFFF'FFFF'FFFF;

// The exact count of a moment, to the 100 ns: the reverse of FieldsOfStamp
// on 1601-01-01T00:00:00 to LastStamp. Nothing when the fields name no
// moment there: no calendar date, a time of day outside 00:00:00 to
// 23:59:59, Units past 9,999,999, or a moment outside that range.
std::optional<std::uint64_t> StampOfMoment(const TStampMoment& moment);

}  // namespace kelpworth
