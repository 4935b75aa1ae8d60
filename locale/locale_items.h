// Reading single items of the user's locale through the platform, and the
// parts of the locale that are not plain items: the language, the lead
// bytes of the code page and the era tables.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "locale/locale_state.h"
#include "platform/platform.h"

namespace kelpworth {

// The item as text, or `fallback` when it is missing or longer than 255
// bytes. An item that exists but is empty gives the empty text.
std::string ReadLocaleText(platform::LocaleId locale, std::uint32_t item,
                           std::string_view fallback);

// The item's one character, or `fallback` when it is missing or has two or
// more characters. An empty item gives the character with code 0.
char ReadLocaleChar(platform::LocaleId locale, std::uint32_t item, char fallback);

// A numeric item: the whole item must read as a decimal number, otherwise
// `fallback` counts.
std::int32_t ReadLocaleNumber(platform::LocaleId locale, std::uint32_t item,
                              std::string_view fallbackText, std::int32_t fallback);

// Language, double-byte support and, with it, the lead bytes.
void LoadLocaleIdentity(TLocaleState& state);

// Era names and year offsets of the thread locale's optional era calendar.
void LoadEraTables(TLocaleState& state);

}  // namespace kelpworth
