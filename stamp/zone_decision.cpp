#include "stamp/zone_decision.h"

#include "support/text.h"

namespace kelpworth {
namespace {

std::string TwoDigits(std::uint16_t value) {
    return value < 10 ? "0" + DecimalText(value) : DecimalText(value);
}

}  // namespace

std::string MomentText(const TStampMoment& fields, char timeSep) {
    return TwoDigits(fields.Day) + "." + TwoDigits(fields.Month) + "." +
           DecimalText(fields.Year) + " " + TwoDigits(fields.Hour) + timeSep +
           TwoDigits(fields.Minute) + timeSep + TwoDigits(fields.Second);
}

namespace {

std::string UtcText(std::int64_t localSeconds, std::int32_t offset, char timeSep) {
    TStampMoment utc;
    if (!FieldsOfSeconds(localSeconds - offset, 0, utc)) return "outside the stamp's range";
    return MomentText(utc, timeSep) + " UTC";
}

}  // namespace

TUtcFields UtcOfLocal(const TStampMoment& local, bool strict, char timeSep,
                      const TUtcOffsetLookup& offsetAt, const TZoneNotesLookup& zoneNotes) {
    TUtcFields utc;
    const std::int64_t seconds = SecondsOfFields(local);
    const TLocalTimeOffsets offsets = OffsetsOfLocalTime(seconds, offsetAt);
    // The local date and time as the arithmetic takes them; before 1601 as
    // given.
    TStampMoment read = local;
    FieldsOfSeconds(seconds, local.Units, read);
    const std::string moment = MomentText(read, timeSep);
    TZoneNotes zone = zoneNotes(read.Year, strict);
    utc.Notes = std::move(zone.Notes);
    utc.Refused = zone.Refused;
    if (utc.Refused) return utc;
    if (offsets.Kind == TLocalTimeKind::Unknown) {
        utc.Notes.push_back("/u: the time zone gives no UTC offset for " + moment);
        utc.Refused = true;
        return utc;
    }
    utc.Offset = offsets.Offset;
    // "27.10.2024 00:30:00 UTC (UTC+02:00)"
    const std::string first = UtcText(seconds, offsets.Offset, timeSep) + " (UTC" +
                              UtcOffsetText(offsets.Offset) + ")";
    const std::string other = UtcText(seconds, offsets.OtherOffset, timeSep) + " (UTC" +
                              UtcOffsetText(offsets.OtherOffset) + ")";
    std::string note;
    if (offsets.Kind == TLocalTimeKind::Repeated) {
        note = moment + " occurs twice in this time zone (clocks were turned back): " +
               (strict ? "first " + first + ", then " + other
                       : "read as its first occurrence, " + first + "; the second is " + other);
    } else if (offsets.Kind == TLocalTimeKind::Missing) {
        note = moment + " does not occur in this time zone (clocks were turned forward): " +
               (strict ? "with the offset before the change it would be " + first +
                             ", with the offset after it " + other
                       : "read with the offset before the change, as " + first +
                             "; with the offset after it, it would be " + other);
    }
    if (!note.empty()) {
        utc.Notes.push_back("/u: " + note +
                            (strict ? "; a strict reading needs a local time that occurs once"
                                    : ""));
        utc.Refused = strict;
        if (strict) return utc;
    }
    if (!FieldsOfSeconds(seconds - offsets.Offset, local.Units, utc.Fields)) {
        utc.Notes.push_back("/u: " + moment + " at UTC" + UtcOffsetText(offsets.Offset) +
                            " falls outside 01.01.1601 to 31.12.9999 in UTC, where the stamp "
                            "has no count");
        utc.Refused = true;
    }
    return utc;
}

}  // namespace kelpworth
