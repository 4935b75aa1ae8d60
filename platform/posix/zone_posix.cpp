// The time zone on POSIX: the C library's zone (TZ, else /etc/localtime)
// with the tz database's rules for every date.
#include <ctime>

#include "platform/platform.h"

namespace kelpworth::platform {
namespace {

constexpr std::int64_t SecondsFrom1601To1970 = 11'644'473'600;

}  // namespace

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
