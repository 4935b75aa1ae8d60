// The date check: does a text read as a date in the user's settings?
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "locale/locale_state.h"
#include "locale/scan_primitives.h"

namespace kelpworth {

// The era year offset of the first era whose name contains `name`; 0 when
// none does or the name is empty.
std::int32_t EraOffsetForName(std::string_view name, const TLocaleState& state);

// Reads the clock's year. A date scan asks for it only where it needs it,
// at the moment it needs it: for a date without a year, and for a Korean
// two-digit era year.
using TYearReading = std::function<std::uint16_t()>;

// An era year as a Gregorian year, with the scan's era offset (which the
// Korean reading turns negative).
std::uint16_t EraYearToYear(std::uint16_t year, std::int32_t& eraOffset,
                            const TLocaleState& state, const TYearReading& thisYear);

// Reads two or three numbers with the date separator in the user's order
// and builds a date value of them. Leaves the position where it stopped.
// The checks need only the answer; the value shows tests which fields were
// read.
bool ScanDateText(TScanState& scan, double& value, const TLocaleState& state,
                  const TYearReading& thisYear);

// Accepted when the scan succeeded or read the whole text.
bool AcceptDateText(const std::string& text, const TLocaleState& state, const TYearReading& thisYear);

}  // namespace kelpworth
