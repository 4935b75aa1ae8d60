// The questions Kelpworth asks its platform: one set of free functions,
// answered by exactly one implementation chosen at link time (posix/,
// win32/, or the test fake). Nothing above this layer includes a system
// header. Each function names the Windows call that answers it on Win32;
// other implementations answer the same question with the same meaning.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kelpworth::platform {

// ---------------------------------------------------------------- process

// Called once by main() before anything else; the POSIX layer keeps argv
// here and ignores SIGPIPE. Win32 ignores the arguments.
void StartProcess(int argc, char** argv);

// The unparsed command line, program part included (GetCommandLineA).
std::string ReadRawCommandLine();

// Ends the process with the given exit code (ExitProcess).
[[noreturn]] void EndProcess(std::uint32_t exitCode);

// ---------------------------------------------------------------- console

// A standard handle: a file descriptor on POSIX, a HANDLE on Win32.
using Handle = std::intptr_t;
inline constexpr Handle InvalidHandle = -1;

enum class StandardStream { Output, Input };

// GetStdHandle(STD_OUTPUT_HANDLE / STD_INPUT_HANDLE).
Handle StandardHandle(StandardStream which);

// GetFileType(handle) != FILE_TYPE_UNKNOWN: the handle refers to a device
// (a file, pipe or character device) at all.
bool HandleHasDevice(Handle handle);

// WriteFile: true on success. On failure LastErrorCode() tells why.
bool WriteBytes(Handle handle, const char* bytes, std::uint32_t count);

// GetLastError after a failed call of this layer.
std::uint32_t LastErrorCode();

// CharToOemBuffA in place; always keeps the length.
void ConvertAnsiToOem(char* bytes, std::uint32_t count);

// Text attributes: bright green (FOREGROUND_GREEN | FOREGROUND_INTENSITY)
// and grey (FOREGROUND_RED | FOREGROUND_GREEN | FOREGROUND_BLUE) on black.
inline constexpr std::uint16_t BannerAttribute = 10;
inline constexpr std::uint16_t NormalAttribute = 7;

// SetConsoleTextAttribute; a handle that is no console ignores it.
void SetTextAttribute(Handle output, std::uint16_t attribute);

// One console input event (INPUT_RECORD, reduced to what is examined).
struct TInputEvent {
    std::uint16_t EventType = 0;  // 1 = KEY_EVENT
    std::uint32_t KeyDown = 0;    // bKeyDown of a key event
};
inline constexpr std::uint16_t KeyEventType = 1;

// ReadConsoleInputA for one event. Blocks until an event is available;
// false when no event can ever be read (input is no console, or the read
// failed or ended), so that a waiting caller stops instead of spinning.
bool ReadInputEvent(Handle input, TInputEvent& event);

// Standard error, for the copy of the run-time error message; failures
// are ignored.
void WriteToErrorStream(const char* bytes, std::uint32_t count);

// ReadFile: up to `size` bytes of standard input, as they come; `count` 0
// at its end. False when reading failed (LastErrorCode() tells why).
bool ReadInputBytes(Handle input, char* buffer, std::uint32_t size, std::uint32_t& count);

// WideCharToMultiByte(CP_ACP, 0, ...): Unicode characters (no surrogates)
// appended to `text` in the code page the command line comes in: the ANSI
// code page on Win32, the locale's character set on POSIX. A character the
// code page lacks becomes the platform's stand-in (Win32: a best-fit
// character or '?'; POSIX: '?').
void AppendAnsiText(std::u32string_view characters, std::string& text);

// --------------------------------------------------------------- windowing

// LoadIconA(own module, "MAINICON") sent to the console window with
// WM_SETICON / ICON_BIG. Cosmetic; any failure is ignored.
void ShowConsoleIcon();

using WindowHandle = std::intptr_t;  // 0: none

// FindWindowA(no class, title).
WindowHandle FindTopWindow(const std::string& title);

// MB_OK: one OK button, no icon.
inline constexpr std::uint32_t MessageStylePlain = 0;

// MessageBoxA(owner, text, caption, style); blocks until closed. Where the
// platform has no dialogs the text goes to standard error, one line feed
// after it.
void ShowMessageDialog(WindowHandle owner, const std::string& text,
                       const std::string& caption, std::uint32_t style);

// -------------------------------------------------------------- the clock

// SYSTEMTIME, field for field.
struct TSystemTime {
    std::uint16_t Year = 0;
    std::uint16_t Month = 0;
    std::uint16_t DayOfWeek = 0;
    std::uint16_t Day = 0;
    std::uint16_t Hour = 0;
    std::uint16_t Minute = 0;
    std::uint16_t Second = 0;
    std::uint16_t Milliseconds = 0;
};

// GetLocalTime.
TSystemTime ReadLocalTime();

using LocaleId = std::uint32_t;
inline constexpr LocaleId LocaleUserDefault = 0x400;
inline constexpr std::uint32_t TimeForce24HourFormat = 8;

// GetDateFormatA / GetTimeFormatA: render the date or the time of `time`
// with `picture` into `buffer` (NUL-terminated, `size` bytes at most).
// Returns the renderer's count (0 on failure); callers do not rely on it.
int RenderDate(LocaleId locale, std::uint32_t flags, const TSystemTime& time,
               const char* picture, char* buffer, int size);
int RenderTime(LocaleId locale, std::uint32_t flags, const TSystemTime& time,
               const char* picture, char* buffer, int size);

// lstrlenA: bytes before the first byte 0.
int TextLength(const char* text);

// A date and time in the user's own short date and time forms, as the
// user's settings write them (GetDateFormatA with DATE_SHORTDATE and
// GetTimeFormatA, each with no picture, joined by a blank; on POSIX the
// locale's %x and %X). Empty when the platform cannot render it.
std::string UserDateTimeText(const TSystemTime& time);

// ------------------------------------------------------------ the time zone

// GetSystemTime: the clock in UTC.
TSystemTime ReadUniversalTime();

// The offset of the system's time zone from UTC in seconds, east positive,
// in force at a UTC moment given in whole seconds from 1601-01-01 00:00
// (negative before it), by the zone's rules for that date: historic and
// future rules alike (SystemTimeToTzSpecificLocalTimeEx with the dynamic
// time-zone information; on POSIX the C library's zone from TZ, else
// /etc/localtime). False when the zone has no answer.
bool UtcOffsetAt(std::int64_t utcSeconds, std::int32_t& offsetSeconds);

// Where the zone that UtcOffsetAt applies is not the one the user chose:
// the name the user gave (TZ on POSIX) when it names neither a zone file of
// the system nor a valid TZ rule and the C library, finding nothing it can
// read, uses UTC in its place without a word. Empty where the zone is the
// one chosen, the system's own (TZ unset) or UTC asked for (TZ empty, as
// the C library reads it). Win32 takes the zone from the system's
// settings: always empty there.
std::string UnknownZoneName();

// The year whose rules UtcOffsetAt applies to moments in `year`: the year
// itself where the platform has rules for it, or keeps one set of rules for
// every year; else the nearest year it has rules for (on Win32 the first
// year of the zone's dynamic data, or 30827, the last year a SYSTEMTIME
// holds). POSIX has the zone's rules for every year.
std::int32_t ZoneRulesYear(std::int32_t year);

// For messages: how a user of this platform chooses regional settings
// that write dates as day.month.year.
std::string DayMonthYearLocaleHint();

// --------------------------------------------------------- locale service

// Primary language numbers (the low 10 bits of a language identifier)
// that change how a date is read.
inline constexpr std::uint32_t LanguageChinese = 0x04;
inline constexpr std::uint32_t LanguageEnglish = 0x09;
inline constexpr std::uint32_t LanguageJapanese = 0x11;
inline constexpr std::uint32_t LanguageKorean = 0x12;

// GetThreadLocale; 0 is possible.
LocaleId ThreadLocale();

// The locale items read (LOCALE_SDECIMAL and its family).
inline constexpr std::uint32_t LocaleSDecimal = 0x0E;
inline constexpr std::uint32_t LocaleSDate = 0x1D;
inline constexpr std::uint32_t LocaleSTime = 0x1E;
inline constexpr std::uint32_t LocaleSShortDate = 0x1F;
inline constexpr std::uint32_t LocaleITime = 0x23;
inline constexpr std::uint32_t LocaleITLZero = 0x25;
inline constexpr std::uint32_t LocaleS1159 = 0x28;
inline constexpr std::uint32_t LocaleS2359 = 0x29;
inline constexpr std::uint32_t LocaleITimeMarkPosn = 0x1005;
inline constexpr std::uint32_t LocaleICalendarType = 0x1009;
inline constexpr std::uint32_t LocaleIOptionalCalendar = 0x100B;

// GetLocaleInfoA: copies the item and a terminating NUL into `buffer` and
// returns the count including the NUL; 0 when the item is missing or does
// not fit in `size` bytes. An empty item returns 1.
int ReadLocaleItem(LocaleId locale, std::uint32_t item, char* buffer, int size);

// Calendar identifiers: the Gregorian calendar, and the Japanese emperor
// era, Taiwan and Korean Tangun era calendars.
inline constexpr std::uint32_t CalendarGregorian = 1;
inline constexpr std::uint32_t CalendarJapaneseEra = 3;
inline constexpr std::uint32_t CalendarTaiwan = 4;
inline constexpr std::uint32_t CalendarKoreanTangun = 5;

// Kinds of calendar values: era year offsets (CAL_IYEAROFFSETRANGE) and
// era names (CAL_SERASTRING).
inline constexpr std::uint32_t CalIYearOffsetRange = 3;
inline constexpr std::uint32_t CalSEraString = 4;

// The most eras a calendar keeps; the enumeration stops there.
inline constexpr std::size_t EraSlots = 7;

// EnumCalendarInfoA: calls `callback` once per value (NUL-terminated)
// until it returns false or the values run out.
using CalendarValueCallback = bool (*)(const char* value, void* context);
void EnumCalendarValues(CalendarValueCallback callback, void* context,
                        LocaleId locale, std::uint32_t calendar,
                        std::uint32_t kind);

// CompareStringA's results, and its flag for comparing without case.
inline constexpr int CompareFailed = 0;
inline constexpr int CompareLess = 1;
inline constexpr int CompareEqual = 2;
inline constexpr int CompareGreater = 3;
inline constexpr std::uint32_t NormIgnoreCase = 1;

// CompareStringA.
int CompareLocaleText(LocaleId locale, std::uint32_t flags, const char* a,
                      int lengthA, const char* b, int lengthB);

// GetCPInfo(CP_ACP).LeadByte: up to six (low, high) pairs ended by a pair
// of zero bytes. False when the information cannot be obtained.
inline constexpr std::size_t LeadByteFieldSize = 12;
bool AnsiLeadByteRanges(std::uint8_t (&leadBytes)[LeadByteFieldSize]);

// GetSystemMetrics.
inline constexpr int MetricDbcsEnabled = 42;
int SystemMetric(int index);

}  // namespace kelpworth::platform
