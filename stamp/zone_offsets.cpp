#include "stamp/zone_offsets.h"

#include "stamp/calendar.h"
#include "stamp/civil_calendar.h"

namespace kelpworth {
namespace {

// Offsets lie within a day of UTC, and a zone changes its offset at most
// once in a few days: the offsets two days before and after the local time
// (counted as UTC) are those in force before and after any change that
// the local time can fall into.
constexpr std::int64_t SearchReach = std::int64_t{2} * 86'400;

bool HasOffset(const TUtcOffsetLookup& offsetAt, std::int64_t localSeconds,
               std::int32_t offset) {
    std::int32_t actual = 0;
    return offsetAt(localSeconds - offset, actual) && actual == offset;
}

std::string TwoDigits(std::int32_t value) {
    return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

}  // namespace

TLocalTimeOffsets OffsetsOfLocalTime(std::int64_t localSeconds,
                                     const TUtcOffsetLookup& offsetAt) {
    TLocalTimeOffsets result;
    std::int32_t before = 0;
    std::int32_t after = 0;
    if (!offsetAt(localSeconds - SearchReach, before) ||
        !offsetAt(localSeconds + SearchReach, after)) {
        return result;
    }
    const bool withBefore = HasOffset(offsetAt, localSeconds, before);
    const bool withAfter = before != after && HasOffset(offsetAt, localSeconds, after);
    if (withBefore && withAfter) {
        // The earlier moment, local time minus the larger offset, comes first.
        result.Kind = TLocalTimeKind::Repeated;
        result.Offset = before > after ? before : after;
        result.OtherOffset = before > after ? after : before;
    } else if (withBefore || withAfter) {
        result.Kind = TLocalTimeKind::Unique;
        result.Offset = withBefore ? before : after;
    } else {
        // Two changes close together, or a gap: try the offset in force at
        // the moment the offset before the change points to.
        std::int32_t nearby = 0;
        if (offsetAt(localSeconds - before, nearby) && nearby != before && nearby != after &&
            HasOffset(offsetAt, localSeconds, nearby)) {
            result.Kind = TLocalTimeKind::Unique;
            result.Offset = nearby;
            return result;
        }
        result.Kind = TLocalTimeKind::Missing;
        result.Offset = before;
        result.OtherOffset = after;
    }
    return result;
}

std::string UtcOffsetText(std::int32_t offset) {
    const std::int32_t magnitude = offset < 0 ? -offset : offset;
    std::string text = offset < 0 ? "-" : "+";
    text += TwoDigits(magnitude / 3600) + ":" + TwoDigits(magnitude / 60 % 60);
    if (magnitude % 60 != 0) text += ":" + TwoDigits(magnitude % 60);
    return text;
}

std::int64_t SecondsOfFields(const TStampMoment& fields) {
    TCivilDate date{fields.Year, fields.Month, fields.Day};
    if (!IsCalendarDate(date.Year, date.Month, date.Day)) date = TCivilDate{1899, 12, 30};
    const std::int64_t second = IsTimeOfDay(fields.Hour, fields.Minute, fields.Second)
                                    ? fields.Hour * 3600 + fields.Minute * 60 + fields.Second
                                    : 0;
    return DaysFrom1601(date) * SecondsPerCivilDay + second;
}

bool FieldsOfSeconds(std::int64_t seconds, std::uint32_t units, TStampMoment& fields) {
    // 10000-01-01 00:00, the first moment past the calendar's years
    constexpr std::int64_t EndOfYear9999 = 265'046'774'400;
    if (seconds < 0 || seconds >= EndOfYear9999) return false;
    fields = MomentOfSeconds(seconds);
    fields.Units = units;
    return true;
}

}  // namespace kelpworth
