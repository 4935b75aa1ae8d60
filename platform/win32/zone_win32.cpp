// The time zone on Win32: the current zone with its dynamic daylight-saving
// data, whose rules differ from year to year. The rules of the UTC moment's
// year are taken out of the dynamic data (GetTimeZoneInformationForYear)
// and applied (SystemTimeToTzSpecificLocalTime), which is what
// SystemTimeToTzSpecificLocalTimeEx does, and works where that call is
// missing (Wine).
#include "platform/platform.h"
#include "platform/win32/win32_headers.h"

namespace kelpworth::platform {
namespace {

constexpr std::int64_t UnitsPerSecond = 10'000'000;
// The last second a SYSTEMTIME holds, 30827-12-31 23:59:59.
constexpr std::int64_t LastSystemTimeSecond = 922'314'988'799;

std::int64_t SecondsOf(const FILETIME& time) {
    ULARGE_INTEGER units = {};
    units.LowPart = time.dwLowDateTime;
    units.HighPart = time.dwHighDateTime;
    return static_cast<std::int64_t>(units.QuadPart / UnitsPerSecond);
}

}  // namespace

bool UtcOffsetAt(std::int64_t utcSeconds, std::int32_t& offsetSeconds) {
    // The system's rules reach no further than a SYSTEMTIME; beyond it they
    // hold as they hold at its ends.
    if (utcSeconds < 0) utcSeconds = 0;
    if (utcSeconds > LastSystemTimeSecond) utcSeconds = LastSystemTimeSecond;
    static DYNAMIC_TIME_ZONE_INFORMATION zone = {};
    static const bool zoneKnown = GetDynamicTimeZoneInformation(&zone) != TIME_ZONE_ID_INVALID;
    if (!zoneKnown) return false;

    ULARGE_INTEGER units = {};
    units.QuadPart = static_cast<ULONGLONG>(utcSeconds) * UnitsPerSecond;
    FILETIME utcFile = {units.LowPart, units.HighPart};
    SYSTEMTIME utc = {};
    TIME_ZONE_INFORMATION rules = {};
    SYSTEMTIME local = {};
    FILETIME localFile = {};
    if (FileTimeToSystemTime(&utcFile, &utc) == 0 ||
        GetTimeZoneInformationForYear(utc.wYear, &zone, &rules) == 0 ||
        SystemTimeToTzSpecificLocalTime(&rules, &utc, &local) == 0 ||
        SystemTimeToFileTime(&local, &localFile) == 0) {
        return false;
    }
    offsetSeconds = static_cast<std::int32_t>(SecondsOf(localFile) - utcSeconds);
    return true;
}

std::string DayMonthYearLocaleHint() {
    return "regional settings whose short date is day.month.year, such as German (Germany)";
}

}  // namespace kelpworth::platform
