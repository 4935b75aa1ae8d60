// What /u owes its user about the zone the platform applies: a zone named
// but unknown, which the platform replaces by UTC, and a year whose rules
// the platform does not have, for which it takes another year's. Each is a
// note, or under /s a refusal.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kelpworth {

struct TZoneUse {
    std::string UnknownZone;     // the zone named but unknown; empty: none
    std::int32_t Year = 0;       // the year of the moment converted
    std::int32_t RulesYear = 0;  // the year whose rules the platform applies to it
};

struct TZoneNotes {
    std::vector<std::string> Notes;  // without the program's name
    bool Refused = false;            // under /s: the notes refuse the request
};

TZoneNotes ZoneNotesOf(const TZoneUse& use, bool strict);

// The notes for a moment in `year` of the platform's zone.
TZoneNotes PlatformZoneNotes(std::int32_t year, bool strict);

}  // namespace kelpworth
