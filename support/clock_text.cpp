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

namespace {

class TSystemClock final : public TClock {
public:
    platform::TSystemTime Local() const override { return platform::ReadLocalTime(); }
    platform::TSystemTime Universal() const override { return platform::ReadUniversalTime(); }
};

}  // namespace

const TClock& SystemClock() {
    static const TSystemClock clock;
    return clock;
}

std::string CurrentDateText(const TClock& clock, const char* picture) {
    return DateText(clock.Local(), picture);
}

std::string CurrentTimeText(const TClock& clock, const char* picture) {
    return TimeText(clock.Local(), picture);
}

std::uint16_t ThisYear(const TClock& clock) { return clock.Local().Year; }

}  // namespace kelpworth
