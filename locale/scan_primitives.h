// The steps the date and time scanners are built from. A scan state is a
// text and the 1-based position of the next byte to read; every step moves
// the position past what it consumed.
#pragma once

#include <cstdint>
#include <string_view>

#include "locale/locale_state.h"

namespace kelpworth {

struct TScanState {
    std::string_view Text;
    std::int32_t Position = 1;
};

// The position still points at a byte of the text.
inline bool WithinText(const TScanState& scan) {
    return scan.Position >= 1 && scan.Position <= static_cast<std::int64_t>(scan.Text.size());
}

// The position is past the last byte.
inline bool PastTextEnd(const TScanState& scan) {
    return scan.Position > static_cast<std::int64_t>(scan.Text.size());
}

struct TNumberField {
    std::uint16_t Value = 0;
    std::uint8_t Count = 0;  // digits consumed, leading zeros included
};

// Advances over blanks (code 32 only).
void SkipBlanks(TScanState& scan);

// After blanks, digits while the value is below 1000, so at most four
// significant digits; leading zeros are all taken. Fails without a digit,
// leaving the position after the blanks.
bool ReadNumberField(TScanState& scan, TNumberField& field);

// After blanks, consumes `c` when it is the next byte.
bool ExpectChar(TScanState& scan, char c);

// After blanks, consumes `word` when the next bytes equal it in the user's
// locale without regard to case. An empty word fails without moving.
bool ExpectWord(TScanState& scan, std::string_view word);

// Advances to the next digit, stepping over two-byte characters whole.
void SkipToDigit(TScanState& scan, const TLocaleState& state);

enum class TDateFieldOrder { MonthFirst, DayFirst, YearFirst };

// The first of d, e, m, y (any case) in the picture decides; MonthFirst
// when there is none.
TDateFieldOrder DateFieldOrderOf(std::string_view picture);

// The day number of the fields; succeeds only for calendar dates after
// 1899-12-30.
bool MakeDateValue(std::uint16_t year, std::uint16_t month, std::uint16_t day, double& value);

// The share of the day; succeeds only for a time of day.
bool MakeTimeValue(std::uint16_t hour, std::uint16_t minute, std::uint16_t second,
                   std::uint16_t millisecond, double& value);

}  // namespace kelpworth
