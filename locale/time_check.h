// The time check: does a text read as a time in the user's settings?
#pragma once

#include <string>

#include "locale/locale_state.h"
#include "locale/scan_primitives.h"

namespace kelpworth {

// Reads an hour, optional minute, second and millisecond fields and a
// morning or afternoon designator before or after them, and builds a time
// value. Leaves the position where it stopped. The check needs only the
// answer; the value shows tests which fields were read.
bool ScanTimeText(TScanState& scan, double& value, const TLocaleState& state);

// Accepted when the scan succeeded or read the whole text.
bool AcceptTimeText(const std::string& text, const TLocaleState& state);

}  // namespace kelpworth
