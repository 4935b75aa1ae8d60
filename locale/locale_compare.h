// Text comparisons that respect the user's locale and the two-byte
// characters of the ANSI code page.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "locale/locale_state.h"

namespace kelpworth {

// Case-insensitive comparison in the user's locale; 0 when equal. Two
// empty texts are equal.
int LocaleCompareNoCase(std::string_view a, std::string_view b);

// Compares at most `n` bytes and never past the end of `b`, folding only
// 'a'..'z'; 0 when equal. The end of either text reads as a byte 0.
int LimitedCompareNoCase(std::string_view a, std::string_view b, std::size_t n);

enum class TByteKind { Single, Lead, Trail };

// What the byte at `index` is within `text`; the end of the text counts as
// a single byte. Without double-byte support every byte is single.
TByteKind ClassifyByte(std::string_view text, std::size_t index, const TLocaleState& state);

// Offset of the first occurrence of `sought` in `text` that starts on a
// character boundary; none when either is empty or there is none.
std::optional<std::size_t> LocaleFindText(std::string_view text, std::string_view sought,
                                          const TLocaleState& state);

// 1-based position of what LocaleFindText finds, 0 when it finds nothing.
std::size_t LocalePosition(std::string_view sought, std::string_view text,
                           const TLocaleState& state);

}  // namespace kelpworth
