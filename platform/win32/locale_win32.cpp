// The locale service on Win32: the system's own locale data.
#include <cstring>

#include "platform/platform.h"
#include "platform/win32/win32_headers.h"

namespace kelpworth::platform {

// The numbers the seam speaks are the system's own.
static_assert(LocaleUserDefault == LOCALE_USER_DEFAULT);
static_assert(LocaleSDecimal == LOCALE_SDECIMAL && LocaleSDate == LOCALE_SDATE &&
              LocaleSTime == LOCALE_STIME && LocaleSShortDate == LOCALE_SSHORTDATE);
static_assert(LocaleITime == LOCALE_ITIME && LocaleITLZero == LOCALE_ITLZERO &&
              LocaleS1159 == LOCALE_S1159 && LocaleS2359 == LOCALE_S2359);
static_assert(LocaleITimeMarkPosn == LOCALE_ITIMEMARKPOSN &&
              LocaleICalendarType == LOCALE_ICALENDARTYPE &&
              LocaleIOptionalCalendar == LOCALE_IOPTIONALCALENDAR);
static_assert(CalendarGregorian == CAL_GREGORIAN && CalendarJapaneseEra == CAL_JAPAN &&
              CalendarTaiwan == CAL_TAIWAN && CalendarKoreanTangun == CAL_KOREA);
static_assert(CalIYearOffsetRange == CAL_IYEAROFFSETRANGE && CalSEraString == CAL_SERASTRING);
static_assert(CompareLess == CSTR_LESS_THAN && CompareEqual == CSTR_EQUAL &&
              CompareGreater == CSTR_GREATER_THAN && NormIgnoreCase == NORM_IGNORECASE);
static_assert(MetricDbcsEnabled == SM_DBCSENABLED);
static_assert(LeadByteFieldSize == MAX_LEADBYTES);

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

bool AnsiLeadByteRanges(std::uint8_t (&leadBytes)[LeadByteFieldSize]) {
    CPINFO info = {};
    if (GetCPInfo(CP_ACP, &info) == 0) return false;
    static_assert(sizeof info.LeadByte == sizeof leadBytes);
    std::memcpy(leadBytes, info.LeadByte, sizeof leadBytes);
    return true;
}

int SystemMetric(int index) { return GetSystemMetrics(index); }

}  // namespace kelpworth::platform
