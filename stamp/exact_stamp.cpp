#include "stamp/exact_stamp.h"

#include "stamp/civil_calendar.h"
#include "stamp/zone_offsets.h"

namespace kelpworth {
namespace {

// 30.12.1899, the arithmetic's zero day, counted from 01.01.1601.
constexpr std::int64_t ZeroDay = 109'205;

}  // namespace

TExactStamp ExactStampBeside(const TStampMoment& fields, std::uint64_t stampLine) {
    // From -584,388 days (01.01.0001) to 3,067,670 days (31.12.9999), in
    // seconds well inside 2^38.
    const std::int64_t seconds = SecondsOfFields(fields);
    TExactStamp exact;
    if (seconds < 0) {
        exact.Difference = TStampLineDifference::BeforeTheScale;
        return exact;
    }
    // At most 265,046,774,399 seconds: times 10^7 stays below 2^62.
    exact.Stamp = static_cast<std::uint64_t>(seconds) * UnitsPerSecond;
    if (*exact.Stamp == stampLine) return exact;
    const std::int64_t day = seconds / SecondsPerCivilDay;
    exact.Difference = day >= 1 && day < ZeroDay ? TStampLineDifference::TimeCountedBackwards
                                                 : TStampLineDifference::OneSecondShort;
    return exact;
}

}  // namespace kelpworth
