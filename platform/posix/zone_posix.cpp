// The time zone on POSIX: the C library's zone (TZ, else /etc/localtime)
// with the tz database's rules for every date.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "platform/platform.h"
#include "platform/zone_rule_text.h"

namespace kelpworth::platform {
namespace {

constexpr std::int64_t SecondsFrom1601To1970 = 11'644'473'600;

// A zone file the C library can read: it starts with the TZif magic.
bool IsZoneFile(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    char magic[4] = {};
    const bool read = std::fread(magic, 1, sizeof magic, file) == sizeof magic;
    std::fclose(file);
    return read && std::memcmp(magic, "TZif", sizeof magic) == 0;
}

// Where the C library looks for a zone named by TZ: an absolute path as it
// stands, a relative one under TZDIR or else the system's zone directory.
std::string ZoneFilePath(const std::string& name) {
    if (name.front() == '/') return name;
    const char* directory = std::getenv("TZDIR");
    const std::string base =
        directory != nullptr && *directory != '\0' ? directory : "/usr/share/zoneinfo";
    return base + "/" + name;
}

// The C library reads a text that is nearly a rule (an offset past 24
// hours, a rule cut short) as far as it can: only a zone that keeps UTC in
// winter and in summer is one it fell back from.
bool ReadAsUtc() {
    // 15.01.2017 and 15.07.2017, 00:00 UTC
    for (const time_t moment : {time_t{1'484'438'400}, time_t{1'500'076'800}}) {
        struct tm local = {};
        if (::localtime_r(&moment, &local) == nullptr || local.tm_gmtoff != 0) return false;
    }
    return true;
}

std::string UnknownZoneOfEnvironment() {
    const char* zone = std::getenv("TZ");
    if (zone == nullptr) return {};
    std::string given = zone;
    const std::string name = given.empty() || given.front() != ':' ? given : given.substr(1);
    if (name.empty() || IsZoneFile(ZoneFilePath(name)) || IsZoneRuleText(name) || !ReadAsUtc()) {
        return {};
    }
    return given;
}

}  // namespace

bool UtcOffsetAt(std::int64_t utcSeconds, std::int32_t& offsetSeconds) {
    const auto seconds = static_cast<time_t>(utcSeconds - SecondsFrom1601To1970);
    struct tm local = {};
    if (::localtime_r(&seconds, &local) == nullptr) return false;
    offsetSeconds = static_cast<std::int32_t>(local.tm_gmtoff);
    return true;
}

std::string UnknownZoneName() {
    // TZ holds for the whole run; a batch asks once a line.
    static const std::string unknown = UnknownZoneOfEnvironment();
    return unknown;
}

std::int32_t ZoneRulesYear(std::int32_t year) { return year; }

std::string DayMonthYearLocaleHint() {
    return "a day.month.year locale such as LC_TIME=de_DE.UTF-8 (see locale -a)";
}

}  // namespace kelpworth::platform
