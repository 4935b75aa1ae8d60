// Language identifiers of locale names such as "de_DE.UTF-8" or
// "sr_RS@latin".
#pragma once

#include <cstdint>
#include <string_view>

namespace kelpworth::platform::posix {

// "de" of "de_DE.UTF-8"; empty for an empty name.
std::string_view LanguageCodeOf(std::string_view localeName);

// "DE" of "de_DE.UTF-8"; empty without a territory.
std::string_view TerritoryCodeOf(std::string_view localeName);

// The language identifier (primary language, default sublanguage) of the
// name's ISO 639 code; 0 for C, POSIX and unknown languages.
std::uint32_t LanguageIdOfLocaleName(std::string_view localeName);

}  // namespace kelpworth::platform::posix
