// The clock on POSIX, local (the time zone from the system, TZ honoured)
// and in UTC.
#include <cstring>
#include <ctime>

#include "platform/picture.h"
#include "platform/platform.h"
#include "platform/posix/posix_locale_data.h"

namespace kelpworth::platform {
namespace {

// The clock now, broken down by `breakDown` (localtime_r or gmtime_r).
TSystemTime ReadClock(struct tm* (*breakDown)(const time_t*, struct tm*)) {
    struct timespec now = {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    struct tm fields = {};
    const time_t seconds = now.tv_sec;
    breakDown(&seconds, &fields);

    TSystemTime time;
    time.Year = static_cast<std::uint16_t>(fields.tm_year + 1900);
    time.Month = static_cast<std::uint16_t>(fields.tm_mon + 1);
    time.DayOfWeek = static_cast<std::uint16_t>(fields.tm_wday);
    time.Day = static_cast<std::uint16_t>(fields.tm_mday);
    time.Hour = static_cast<std::uint16_t>(fields.tm_hour);
    time.Minute = static_cast<std::uint16_t>(fields.tm_min);
    // A leap second shows as 59, as the platform's own clock would.
    time.Second = static_cast<std::uint16_t>(fields.tm_sec > 59 ? 59 : fields.tm_sec);
    time.Milliseconds = static_cast<std::uint16_t>(now.tv_nsec / 1000000);
    return time;
}

}  // namespace

TSystemTime ReadLocalTime() { return ReadClock(::localtime_r); }

TSystemTime ReadUniversalTime() { return ReadClock(::gmtime_r); }

int RenderDate(LocaleId, std::uint32_t, const TSystemTime& time, const char* picture,
               char* buffer, int size) {
    return RenderDatePicture(time, picture, buffer, size);
}

int RenderTime(LocaleId, std::uint32_t flags, const TSystemTime& time, const char* picture,
               char* buffer, int size) {
    return RenderTimePicture(time, flags, picture, buffer, size);
}

int TextLength(const char* text) { return static_cast<int>(std::strlen(text)); }

std::string UserDateTimeText(const TSystemTime& time) {
    struct tm fields = {};
    fields.tm_year = time.Year - 1900;
    fields.tm_mon = time.Month - 1;
    fields.tm_mday = time.Day;
    fields.tm_hour = time.Hour;
    fields.tm_min = time.Minute;
    fields.tm_sec = time.Second;
    fields.tm_wday = time.DayOfWeek;
    fields.tm_isdst = -1;
    return posix::FormatUserForms(posix::ProcessLocaleData(), fields);
}

}  // namespace kelpworth::platform
