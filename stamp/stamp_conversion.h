// A request with a date becomes one stamp line on standard output. A text
// whose fields fail their checks is replaced by the clock and the whole
// conversion starts over.
#pragma once

#include <string>
#include <string_view>

#include "stamp/request.h"
#include "stamp/stamp_fields.h"

namespace kelpworth {

// Splits a date text into day, month and year; false when a group fails
// its check (day 1..31, month 1..12, a year of exactly four digits).
bool SplitDateText(std::string_view text, TStampFields& fields);

// Splits a time text into hour, minute, second and the fourth field; false
// when a group fails its check (hour up to 24, minute and second up to 59,
// fourth field up to 99). Missing groups stay 0.
bool SplitTimeText(std::string_view text, TStampFields& fields);

struct TConversionResult {
    TDateTimeRecord Used;  // the record after any replacement by the clock
    TStampFields Fields;
    std::string StampText;
};

// Reads the fields of `record`, replacing failing texts by the clock, and
// computes the stamp. Nothing is written.
TConversionResult ComputeStamp(TDateTimeRecord record);

// The whole conversion: compute, write the stamp line, and show the
// details when asked to. `title` is the program's window title.
void ConvertRequest(const TDateTimeRecord& record, bool details, std::string_view title);

}  // namespace kelpworth
