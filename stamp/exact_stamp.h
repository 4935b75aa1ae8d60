// The exact count of the date and time a request gives, beside the stamp
// line the tool's compatible arithmetic prints for them, and why the two
// differ where they do.
#pragma once

#include <cstdint>
#include <optional>

#include "kelpworth/stamp.h"

namespace kelpworth {

enum class TStampLineDifference {
    None,                  // the stamp line is the exact count
    OneSecondShort,        // the rounded span fell just below a whole second
    TimeCountedBackwards,  // 02.01.1601 to 29.12.1899: the time of day counts back from midnight
    BeforeTheScale,        // before 01.01.1601 no count exists; the stamp line is the distance back
};

struct TExactStamp {
    std::optional<std::uint64_t> Stamp;  // none before 01.01.1601
    TStampLineDifference Difference = TStampLineDifference::None;
};

// The fields are taken as the arithmetic takes them (a date that is no
// calendar date counts as 30.12.1899, a time that is no time of day as
// 00:00:00) and counted to the whole second, as the stamp line is: the
// fourth field's milliseconds count in neither. `stampLine` is the stamp
// the arithmetic gave for the same fields.
TExactStamp ExactStampBeside(const TStampMoment& fields, std::uint64_t stampLine);

}  // namespace kelpworth
