// The local clock rendered with a picture: "dd.MM.yyyy", "HH:mm:ss", "HH".
#pragma once

#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace kelpworth {

inline constexpr const char* DatePicture = "dd.MM.yyyy";
inline constexpr const char* TimePicture = "HH:mm:ss";
inline constexpr const char* HourPicture = "HH";

std::string DateText(const platform::TSystemTime& clock, const char* picture);
std::string TimeText(const platform::TSystemTime& clock, const char* picture);

// Each call reads the clock anew.
std::string CurrentDateText(const char* picture = DatePicture);
std::string CurrentTimeText(const char* picture = TimePicture);

// The year of the local clock.
std::uint16_t ThisYear();

}  // namespace kelpworth
