// A request's date and time texts read into fields and converted to the
// stamp. A text whose fields fail their checks is replaced by the clock and
// the whole conversion starts over.
#pragma once

#include <string>
#include <string_view>

#include "stamp/request.h"
#include "kelpworth/stamp.h"
#include "support/clock_text.h"

namespace kelpworth {

// Fields before any is read: every one 0, so that a date text without a
// year reads as year 0.
inline constexpr TStampMoment NoFieldsRead{0, 0, 0, 0, 0, 0, 0};

// Which digit group failed its check, counted from 1; 0 when none did.
// The splitting stops at the first group that fails.
using TFailedGroup = int;
inline constexpr TFailedGroup NoFailedGroup = 0;

// Splits a date text into day, month and year; a group fails its check
// outside day 1..31, month 1..12, or without exactly four year digits.
TFailedGroup SplitDateText(std::string_view text, TStampMoment& fields);

// Splits a time text into hour, minute, second and the fourth field; a
// group fails above hour 24, minute or second 59, fourth field 99.
// Missing groups stay 0.
TFailedGroup SplitTimeText(std::string_view text, TStampMoment& fields);

struct TConversionResult {
    TDateTimeRecord Used;  // the record after any replacement by the clock
    TStampMoment Fields;
    std::uint64_t Stamp = 0;
};

// Reads the fields of `record`, replacing failing texts by the clock's
// readings, and computes the stamp. Nothing is written.
TConversionResult ComputeStamp(TDateTimeRecord record, const TClock& clock);

}  // namespace kelpworth
