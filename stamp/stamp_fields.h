// The date and time fields read from a request.
#pragma once

#include <cstdint>

namespace kelpworth {

struct TStampFields {
    std::uint16_t Day = 0;
    std::uint16_t Month = 0;
    std::uint16_t Year = 0;
    std::uint16_t Hour = 0;
    std::uint16_t Minute = 0;
    std::uint16_t Second = 0;
    std::uint16_t Fourth = 0;  // the fourth time field, taken as milliseconds
};

}  // namespace kelpworth
