// The stamp for other programs: a calendar date and time of day as the
// count of 100-ns units since 1601-01-01 00:00, and its printed form.
#pragma once

#include <cstdint>
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

}  // namespace kelpworth
