#include "stamp/zone_notes.h"

#include "platform/platform.h"
#include "support/text.h"

namespace kelpworth {
namespace {

constexpr const char* StrictEnd = "; a strict reading needs ";

}  // namespace

TZoneNotes ZoneNotesOf(const TZoneUse& use, bool strict) {
    TZoneNotes notes;
    if (!use.UnknownZone.empty()) {
        notes.Notes.push_back(
            "/u: the time zone \"" + use.UnknownZone +
            "\" names no zone file of this system and is no valid TZ rule" +
            (strict ? std::string(StrictEnd) + "a time zone the system knows"
                    : ": UTC is used in its place"));
    }
    if (use.RulesYear != use.Year) {
        const std::string year = DecimalText(use.Year);
        const std::string rulesYear = DecimalText(use.RulesYear);
        notes.Notes.push_back(
            "/u: the system has no rules of this time zone for " + year +
            (strict ? " (the nearest are those of " + rulesYear + ")" + StrictEnd +
                          "the rules of the date's own year"
                    : ": the rules of " + rulesYear + " are used"));
    }
    notes.Refused = strict && !notes.Notes.empty();
    return notes;
}

TZoneNotes PlatformZoneNotes(std::int32_t year, bool strict) {
    return ZoneNotesOf({platform::UnknownZoneName(), year, platform::ZoneRulesYear(year)}, strict);
}

}  // namespace kelpworth
