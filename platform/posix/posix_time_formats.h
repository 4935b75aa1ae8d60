// Turning the C library's date and time formats (strftime conversions)
// into the locale items of the Windows picture language: the short date
// picture, the separators and the clock items.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelpworth::platform::posix {

// One piece of a format: literal text, or a conversion such as %-d or %Ey.
struct TFormatPiece {
    bool IsField = false;
    std::string Literal;
    char Flag = 0;      // '-', '_', '0', '^' or '#'
    char Modifier = 0;  // 'E' or 'O'
    char Letter = 0;
};

// Splits a format; %%, %n and %t become literal text, and literal runs
// are merged.
std::vector<TFormatPiece> SplitFormat(std::string_view format);

// %D and %F written out.
std::vector<TFormatPiece> SplitDateFormat(std::string_view dateFormat);

// %T, %R and %r written out; %r takes the 12-hour format (the C locale's
// when that is empty).
std::vector<TFormatPiece> SplitTimeFormat(std::string_view timeFormat,
                                          std::string_view twelveHourFormat);

// Whether a literal holds an ASCII letter that a picture would read as a
// field letter; two-byte characters must not count.
using TLetterTest = std::function<bool(std::string_view)>;

// The short date picture: %d dd, %e d, %m MM, %Y yyyy, %y yy, %b MMM,
// %B MMMM, %a ddd, %A dddd, %EC gg, %Ey yyyy; literal text quoted where
// it holds letters.
std::string DatePictureOf(const std::vector<TFormatPiece>& dateFormat,
                          const TLetterTest& holdsLetter);

// The literal text between the first and the second day, month or year
// field; none with fewer than two fields.
std::optional<std::string> DateSeparatorOf(const std::vector<TFormatPiece>& dateFormat);

// The clock items of a time format; each is none without an hour field.
struct TClockItems {
    std::optional<std::string> TimeSep;  // literal text after the hour
    std::optional<bool> TwentyFourHour;  // %H or %k rather than %I or %l
    std::optional<bool> LeadingZero;     // the hour has two digits
    bool MarkBeforeHour = false;         // %p stands before the hour
};

TClockItems ClockItemsOf(const std::vector<TFormatPiece>& timeFormat,
                         const std::vector<TFormatPiece>& twelveHourFormat);

}  // namespace kelpworth::platform::posix
