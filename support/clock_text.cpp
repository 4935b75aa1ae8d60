#include "support/clock_text.h"

namespace kelpworth {
namespace {

// Room for 260 characters and the terminating byte 0.
constexpr int RenderBufferSize = 261;

}  // namespace

std::string DateText(const platform::TSystemTime& clock, const char* picture) {
    char buffer[RenderBufferSize] = {};
    platform::RenderDate(platform::LocaleUserDefault, 0, clock, picture, buffer,
                         RenderBufferSize);
    return std::string(buffer, static_cast<std::size_t>(platform::TextLength(buffer)));
}

std::string TimeText(const platform::TSystemTime& clock, const char* picture) {
    char buffer[RenderBufferSize] = {};
    platform::RenderTime(platform::LocaleUserDefault, platform::TimeForce24HourFormat, clock,
                         picture, buffer, RenderBufferSize);
    return std::string(buffer, static_cast<std::size_t>(platform::TextLength(buffer)));
}

std::string CurrentDateText(const char* picture) {
    return DateText(platform::ReadLocalTime(), picture);
}

std::string CurrentTimeText(const char* picture) {
    return TimeText(platform::ReadLocalTime(), picture);
}

std::uint16_t ThisYear() { return platform::ReadLocalTime().Year; }

}  // namespace kelpworth
