// The clock, and its local reading rendered with a picture: "dd.MM.yyyy",
// "HH:mm:ss", "HH".
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

// "Now" as a run reads it. Each reading asks anew, at the moment it is
// needed: a value replaced by the clock near a second's edge gets the
// second of its own reading. A run passes the system clock down to every
// step that needs the time; tests pass a fixed one.
class TClock {
public:
    virtual ~TClock() = default;
    virtual platform::TSystemTime Local() const = 0;      // GetLocalTime
    virtual platform::TSystemTime Universal() const = 0;  // GetSystemTime
};

// The platform's clock.
const TClock& SystemClock();

// Each call reads the clock anew.
std::string CurrentDateText(const TClock& clock, const char* picture = DatePicture);
std::string CurrentTimeText(const TClock& clock, const char* picture = TimePicture);

// The year of the local clock.
std::uint16_t ThisYear(const TClock& clock);

}  // namespace kelpworth
