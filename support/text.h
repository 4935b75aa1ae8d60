// Routines on the program's texts: byte strings in the ANSI code page.
// Positions are 1-based and 0 means "not found", as the callers count them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kelpworth {

// Decimal digits with a leading '-' for negative values; no padding.
std::string DecimalText(std::int32_t value);

// Decimal digits of an unsigned 64-bit number; no padding.
std::string UnsignedDecimalText(std::uint64_t value);

// The value of a hexadecimal digit of either case; -1 for any other byte.
int HexDigitValue(char c);

// Uppercase hexadecimal digits of `value` (taken as unsigned), padded with
// '0' to `minimumWidth`; a width above 32 counts as 0 and a longer number
// is never cut.
std::string HexText(std::uint64_t value, std::int32_t minimumWidth);

// 'A'..'Z' become 'a'..'z'; every other byte stays as it is.
std::string LowerAscii(std::string_view text);

// 1-based position of the first occurrence of `pattern` in `text` at or
// after `start` (at least 1); 0 when there is none or either is empty.
std::size_t FindFrom(std::string_view pattern, std::string_view text, std::size_t start);

// Replaces every occurrence of `pattern`. The search resumes where the
// replacement was inserted, so an occurrence formed at the junction is
// replaced too; `replacement` must not contain `pattern`.
std::string ReplaceAll(std::string_view text, std::string_view pattern,
                       std::string_view replacement);

// Removes every byte with a code of 32 or less from both ends.
std::string TrimText(std::string_view text);

}  // namespace kelpworth
