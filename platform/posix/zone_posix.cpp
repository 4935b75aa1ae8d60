// The time zone on POSIX: the C library's zone (TZ, else /etc/localtime)
// with the tz database's rules for every date.
#include <ctime>

#include "platform/platform.h"

namespace kelpworth::platform {
namespace {

constexpr std::int64_t SecondsFrom1601To1970 = 11'644'473'600;

}  // namespace

TSystemTime ReadUniversalTime() {
    struct timespec now = {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    struct tm utc = {};
    const time_t seconds = now.tv_sec;
    ::gmtime_r(&seconds, &utc);

    TSystemTime time;
    time.Year = static_cast<std::uint16_t>(utc.tm_year + 1900);
    time.Month = static_cast<std::uint16_t>(utc.tm_mon + 1);
    time.DayOfWeek = static_cast<std::uint16_t>(utc.tm_wday);
    time.Day = static_cast<std::uint16_t>(utc.tm_mday);
    time.Hour = static_cast<std::uint16_t>(utc.tm_hour);
    time.Minute = static_cast<std::uint16_t>(utc.tm_min);
    time.Second = static_cast<std::uint16_t>(utc.tm_sec > 59 ? 59 : utc.tm_sec);
    time.Milliseconds = static_cast<std::uint16_t>(now.tv_nsec / 1000000);
    return time;
}

bool UtcOffsetAt(std::int64_t utcSeconds, std::int32_t& offsetSeconds) {
    const auto seconds = static_cast<time_t>(utcSeconds - SecondsFrom1601To1970);
    struct tm local = {};
    if (::localtime_r(&seconds, &local) == nullptr) return false;
    offsetSeconds = static_cast<std::int32_t>(local.tm_gmtoff);
    return true;
}

std::string DayMonthYearLocaleHint() {
    return "a day.month.year locale such as LC_TIME=de_DE.UTF-8 (see locale -a)";
}

}  // namespace kelpworth::platform
