// Local wall-clock time in a time zone with rules: the UTC offset a local
// date and time is read with, and where clocks were turned back or forward
// around it, the other possibility.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "kelpworth/stamp.h"

namespace kelpworth {

// The zone's offset from UTC in seconds (east positive) in force at a UTC
// moment, in whole seconds from 1601-01-01 00:00 UTC; false when the zone
// has no answer for that moment.
using TUtcOffsetLookup = std::function<bool(std::int64_t utcSeconds, std::int32_t& offset)>;

enum class TLocalTimeKind {
    Unique,    // the local time occurs once
    Repeated,  // it occurs twice: clocks were turned back over it
    Missing,   // it never occurs: clocks were turned forward over it
    Unknown,   // the zone had no answer
};

struct TLocalTimeOffsets {
    TLocalTimeKind Kind = TLocalTimeKind::Unknown;
    // The offset the local time is read with: its only one, that of its
    // first occurrence, or that in force before the change it falls into.
    std::int32_t Offset = 0;
    // Repeated: the offset of the second occurrence. Missing: the offset in
    // force after the change.
    std::int32_t OtherOffset = 0;
};

// `localSeconds` is the local date and time counted as if it were UTC, in
// seconds from 1601-01-01 00:00.
TLocalTimeOffsets OffsetsOfLocalTime(std::int64_t localSeconds, const TUtcOffsetLookup& offsetAt);

// "+01:00", "-05:00", "+05:45", and to the second where needed: "+00:53:28".
std::string UtcOffsetText(std::int32_t offset);

// The date and time the stamp arithmetic takes the fields for, in seconds
// from 1601-01-01 00:00: a date that is no calendar date counts as
// 30.12.1899, a time that is no time of day as 00:00:00. The fourth field
// is not counted.
std::int64_t SecondsOfFields(const TStampMoment& fields);

// The fields of the date and time `seconds` from 1601-01-01 00:00, with the
// units given; false, and the fields untouched, when the date lies
// outside 01.01.1601 to 31.12.9999, where the stamp has no count.
bool FieldsOfSeconds(std::int64_t seconds, std::uint32_t units, TStampMoment& fields);

}  // namespace kelpworth
