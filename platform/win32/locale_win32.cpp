// The locale service on Win32: the system's own locale data.
#include <cstring>

#include "platform/platform.h"
#include "platform/win32/win32_headers.h"

namespace kelpworth::platform {
namespace {

// EnumCalendarInfoA's callback takes no context: the caller's callback and
// context wait here for the length of one enumeration.
CalendarValueCallback gCalendarCallback = nullptr;
void* gCalendarContext = nullptr;

BOOL CALLBACK ForwardCalendarValue(LPSTR value) {
    return gCalendarCallback(value, gCalendarContext) ? TRUE : FALSE;
}

}  // namespace

LocaleId ThreadLocale() { return GetThreadLocale(); }

int ReadLocaleItem(LocaleId locale, std::uint32_t item, char* buffer, int size) {
    return GetLocaleInfoA(locale, item, buffer, size);
}

void EnumCalendarValues(CalendarValueCallback callback, void* context, LocaleId locale,
                        std::uint32_t calendar, std::uint32_t kind) {
    gCalendarCallback = callback;
    gCalendarContext = context;
    EnumCalendarInfoA(ForwardCalendarValue, locale, calendar, kind);
    gCalendarCallback = nullptr;
    gCalendarContext = nullptr;
}

int CompareLocaleText(LocaleId locale, std::uint32_t flags, const char* a, int lengthA,
                      const char* b, int lengthB) {
    return CompareStringA(locale, flags, a, lengthA, b, lengthB);
}

bool AnsiLeadByteRanges(std::uint8_t (&leadBytes)[12]) {
    CPINFO info = {};
    if (GetCPInfo(CP_ACP, &info) == 0) return false;
    static_assert(sizeof info.LeadByte == sizeof leadBytes);
    std::memcpy(leadBytes, info.LeadByte, sizeof leadBytes);
    return true;
}

int SystemMetric(int index) { return GetSystemMetrics(index); }

}  // namespace kelpworth::platform
