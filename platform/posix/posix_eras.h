// The era calendar of a locale from the C library's era descriptions
// ("direction:offset:start:end:name:format").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kelpworth::platform::posix {

struct TEra {
    std::string Name;
    std::int32_t FirstYear = 0;  // the Gregorian year of the era's year 1
};

// Eras whose years count forward, newest first, one entry per name, at
// most `limit`. Descriptions that do not parse are left out.
std::vector<TEra> ForwardErasOf(const std::vector<std::string>& descriptions,
                                std::size_t limit);

// The calendar number of an era calendar: 3 Japanese emperor era, 4
// Taiwan, 5 Korean Tangun era; 0 for any other locale.
std::uint32_t EraCalendarOfLocaleName(std::string_view localeName);

}  // namespace kelpworth::platform::posix
