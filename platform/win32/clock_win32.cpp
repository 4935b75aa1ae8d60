// The local clock and the system's date and time renderer.
#include "platform/picture.h"
#include "platform/platform.h"
#include "platform/win32/win32_headers.h"

namespace kelpworth::platform {

static_assert(TimeForce24HourFormat == TIME_FORCE24HOURFORMAT);

namespace {

SYSTEMTIME ToNative(const TSystemTime& time) {
    SYSTEMTIME native = {};
    native.wYear = time.Year;
    native.wMonth = time.Month;
    native.wDayOfWeek = time.DayOfWeek;
    native.wDay = time.Day;
    native.wHour = time.Hour;
    native.wMinute = time.Minute;
    native.wSecond = time.Second;
    native.wMilliseconds = time.Milliseconds;
    return native;
}

TSystemTime FromNative(const SYSTEMTIME& native) {
    TSystemTime time;
    time.Year = native.wYear;
    time.Month = native.wMonth;
    time.DayOfWeek = native.wDayOfWeek;
    time.Day = native.wDay;
    time.Hour = native.wHour;
    time.Minute = native.wMinute;
    time.Second = native.wSecond;
    time.Milliseconds = native.wMilliseconds;
    return time;
}

std::string UserLocaleItem(LCTYPE item) {
    char text[128] = {};
    return GetLocaleInfoA(LOCALE_USER_DEFAULT, item, text, sizeof text) == 0 ? std::string()
                                                                             : text;
}

// The user's short date and time pictures written by the tool's own
// renderer, for the dates GetDateFormatA refuses (before 1601, and past
// what a SYSTEMTIME holds). Empty where a picture has a field that is no
// number (a name, an era).
std::string OwnUserForms(const TSystemTime& time) {
    const std::string datePicture = UserLocaleItem(LOCALE_SSHORTDATE);
    const std::string marker = UserLocaleItem(time.Hour < 12 ? LOCALE_S1159 : LOCALE_S2359);
    const std::string timePicture =
        WithTimeMarker(UserLocaleItem(LOCALE_STIMEFORMAT).c_str(), marker);
    if (datePicture.empty() || timePicture.empty() ||
        !IsNumericDatePicture(datePicture.c_str()) ||
        !IsNumericTimePicture(timePicture.c_str())) {
        return {};
    }
    char date[128] = {};
    char clock[128] = {};
    if (RenderDatePicture(time, datePicture.c_str(), date, sizeof date) == 0 ||
        RenderTimePicture(time, 0, timePicture.c_str(), clock, sizeof clock) == 0) {
        return {};
    }
    return std::string(date) + " " + clock;
}

}  // namespace

TSystemTime ReadLocalTime() {
    SYSTEMTIME native = {};
    GetLocalTime(&native);
    return FromNative(native);
}

TSystemTime ReadUniversalTime() {
    SYSTEMTIME native = {};
    GetSystemTime(&native);
    return FromNative(native);
}

int RenderDate(LocaleId locale, std::uint32_t flags, const TSystemTime& time, const char* picture,
               char* buffer, int size) {
    const SYSTEMTIME native = ToNative(time);
    return GetDateFormatA(locale, flags, &native, picture, buffer, size);
}

int RenderTime(LocaleId locale, std::uint32_t flags, const TSystemTime& time, const char* picture,
               char* buffer, int size) {
    const SYSTEMTIME native = ToNative(time);
    return GetTimeFormatA(locale, flags, &native, picture, buffer, size);
}

int TextLength(const char* text) { return lstrlenA(text); }

std::string UserDateTimeText(const TSystemTime& time) {
    const SYSTEMTIME native = ToNative(time);
    char date[128] = {};
    char clock[128] = {};
    if (GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &native, nullptr, date, sizeof date) ==
            0 ||
        GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &native, nullptr, clock, sizeof clock) == 0) {
        return OwnUserForms(time);
    }
    return std::string(date) + " " + clock;
}

}  // namespace kelpworth::platform
