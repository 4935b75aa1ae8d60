// The time zone on Win32: the current zone with its dynamic daylight-saving
// data, whose rules differ from year to year. The rules of the UTC moment's
// year are taken out of the dynamic data (GetTimeZoneInformationForYear)
// and applied (SystemTimeToTzSpecificLocalTime), which is what
// SystemTimeToTzSpecificLocalTimeEx does, and works where that call is
// missing (Wine).
#include <array>

#include "platform/platform.h"
#include "platform/win32/win32_headers.h"

namespace kelpworth::platform {
namespace {

constexpr std::int64_t UnitsPerSecond = 10'000'000;
// The last second a SYSTEMTIME holds, 30827-12-31 23:59:59.
constexpr std::int64_t LastSystemTimeSecond = 922'314'988'799;
constexpr std::int32_t LastSystemTimeYear = 30827;
constexpr std::int64_t SecondsPerDay = 86'400;
// The Gregorian calendar repeats itself, weekdays included, every 400 years.
constexpr std::int64_t FourHundredYears = 146'097 * SecondsPerDay;
// Offsets lie within a day of UTC: the local time of a UTC moment in the
// first two days of 1601 may lie before 1601.
constexpr std::int64_t StartReach = 2 * SecondsPerDay;
constexpr WORD FirstSystemTimeYear = 1601;

std::int32_t SecondOfDay(const SYSTEMTIME& time) {
    return time.wHour * 3600 + time.wMinute * 60 + time.wSecond;  // 0 to 86,399
}

// Local minus UTC in seconds. The two lie less than a day apart, so their
// dates differ by a day at most; a local date before 1601 has no FILETIME.
std::int32_t OffsetBetween(const SYSTEMTIME& utc, const SYSTEMTIME& local) {
    const auto dateKey = [](const SYSTEMTIME& time) {
        return (time.wYear * 100 + time.wMonth) * 100 + time.wDay;
    };
    const int dayStep = dateKey(local) == dateKey(utc)  ? 0
                        : dateKey(local) > dateKey(utc) ? 1
                                                        : -1;
    // -172,799 to 172,799; within a day of 0 for any real offset
    return dayStep * static_cast<std::int32_t>(SecondsPerDay) + SecondOfDay(local) -
           SecondOfDay(utc);
}

// The zone, read once: its dynamic data and the years that data covers.
struct TZone {
    DYNAMIC_TIME_ZONE_INFORMATION Dynamic = {};
    bool Known = false;
    bool HasYears = false;  // false: one set of rules for every year
    DWORD FirstYear = 0;
};

// GetDynamicTimeZoneInformationEffectiveYears lives in ADVAPI32, which the
// program does not import: loaded only by /u, so that no other run loads
// one more library; missing before Windows 8, then the zone counts as one
// set of rules.
bool ReadFirstYear(DYNAMIC_TIME_ZONE_INFORMATION& zone, DWORD& first) {
    using TEffectiveYears = DWORD(WINAPI*)(PDYNAMIC_TIME_ZONE_INFORMATION, LPDWORD, LPDWORD);
    const HMODULE library = LoadLibraryA("advapi32.dll");
    if (library == nullptr) return false;
    // Through the generic function type, which the compiler lets any
    // function pointer pass through.
    const auto call = reinterpret_cast<TEffectiveYears>(reinterpret_cast<void (*)()>(
        GetProcAddress(library, "GetDynamicTimeZoneInformationEffectiveYears")));
    DWORD last = 0;
    return call != nullptr && call(&zone, &first, &last) == ERROR_SUCCESS;
}

const TZone& SystemZone() {
    static const TZone zone = [] {
        TZone read;
        read.Known = GetDynamicTimeZoneInformation(&read.Dynamic) != TIME_ZONE_ID_INVALID;
        read.HasYears = read.Known && ReadFirstYear(read.Dynamic, read.FirstYear);
        return read;
    }();
    return zone;
}

// A year's rules, kept once fetched: GetTimeZoneInformationForYear reads the
// registry (about 450 us a call under Wine), and a batch under /u asks for
// the same few years on every line. Slot by year; a year that shares its
// slot replaces the one before.
struct TYearRules {
    USHORT Year = 0;  // 0: empty
    TIME_ZONE_INFORMATION Rules = {};
};
constexpr std::size_t RuleSlots = 64;

const TIME_ZONE_INFORMATION* RulesOfYear(USHORT year) {
    static std::array<TYearRules, RuleSlots> kept = {};
    TYearRules& slot = kept[year % RuleSlots];
    if (slot.Year != year) {
        TZone zone = SystemZone();  // the call takes the dynamic data unqualified
        if (GetTimeZoneInformationForYear(year, &zone.Dynamic, &slot.Rules) == 0) {
            slot.Year = 0;
            return nullptr;
        }
        slot.Year = year;
    }
    return &slot.Rules;
}

}  // namespace

bool UtcOffsetAt(std::int64_t utcSeconds, std::int32_t& offsetSeconds) {
    // The system's rules reach no further than a SYSTEMTIME; beyond it they
    // hold as they hold at its ends.
    if (utcSeconds < 0) utcSeconds = 0;
    if (utcSeconds > LastSystemTimeSecond) utcSeconds = LastSystemTimeSecond;
    if (!SystemZone().Known) return false;

    // The system converts to no local time before 1601: near its start the
    // moment 400 years on, in the same calendar, is converted with the rules
    // of 1601.
    const bool nearStart = utcSeconds < StartReach;
    ULARGE_INTEGER units = {};
    units.QuadPart = static_cast<ULONGLONG>(utcSeconds + (nearStart ? FourHundredYears : 0)) *
                     UnitsPerSecond;  // below 2^63
    FILETIME utcFile = {units.LowPart, units.HighPart};
    SYSTEMTIME utc = {};
    SYSTEMTIME local = {};
    if (FileTimeToSystemTime(&utcFile, &utc) == 0) return false;
    const TIME_ZONE_INFORMATION* rules =
        RulesOfYear(nearStart ? FirstSystemTimeYear : utc.wYear);
    if (rules == nullptr || SystemTimeToTzSpecificLocalTime(rules, &utc, &local) == 0) {
        return false;
    }
    offsetSeconds = OffsetBetween(utc, local);
    return true;
}

std::string UnknownZoneName() { return {}; }

std::int32_t ZoneRulesYear(std::int32_t year) {
    if (year > LastSystemTimeYear) return LastSystemTimeYear;
    // The dynamic data's last year holds for every later year: the system
    // adds a year only where the rules change. Before its first year it
    // knows nothing and takes the first year's rules.
    const TZone& zone = SystemZone();
    if (zone.HasYears && year < static_cast<std::int32_t>(zone.FirstYear)) {
        return static_cast<std::int32_t>(zone.FirstYear);
    }
    return year;
}

std::string DayMonthYearLocaleHint() {
    return "regional settings whose short date is day.month.year, such as German (Germany)";
}

}  // namespace kelpworth::platform
