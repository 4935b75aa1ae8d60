// Which UTC reading a local date and time gets in the system's zone, and
// what the user is told about it: a repeated hour is read as its first
// occurrence, a missing one with the offset before the change, each with a
// note; a strict reading refuses both.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "kelpworth/stamp.h"
#include "stamp/zone_notes.h"
#include "stamp/zone_offsets.h"

namespace kelpworth {

// What a conversion to UTC gives: the UTC fields and the offset used, or
// the messages that refuse it.
struct TUtcFields {
    TStampMoment Fields;
    std::int32_t Offset = 0;
    std::vector<std::string> Notes;  // the stamp follows them
    bool Refused = false;            // the notes refuse it
};

// The UTC date and time of the local `local` in the zone that `offsetAt`
// answers for, by the zone's rules for that date. Dates and times in the
// notes are written dd.mm.yyyy with `timeSep` between hours, minutes and
// seconds.
// `zoneNotes` says what the user is owed about the zone itself for a
// moment of a year (a zone named but unknown, another year's rules); its
// notes come first, and a refusal among them ends the conversion.
using TZoneNotesLookup = std::function<TZoneNotes(std::int32_t year, bool strict)>;
TUtcFields UtcOfLocal(const TStampMoment& local, bool strict, char timeSep,
                      const TUtcOffsetLookup& offsetAt, const TZoneNotesLookup& zoneNotes);

// "25.12.2017 10:20:30" with the given time separator.
std::string MomentText(const TStampMoment& fields, char timeSep);

}  // namespace kelpworth
