// What a request's steps ask of the system, passed in with the request
// rather than fetched on the way: the clock, the time zone's offsets and
// what the user is owed about the zone, the user's short date and time
// forms, and how to choose a day.month.year locale. A run passes the
// platform's answers (run_flow.cpp); tests pass their own.
#pragma once

#include <functional>
#include <string>

#include "kelpworth/stamp.h"
#include "stamp/zone_decision.h"
#include "support/clock_text.h"

namespace kelpworth {

struct TSystemAnswers {
    const TClock& Clock;
    TUtcOffsetLookup UtcOffsetAt;
    TZoneNotesLookup ZoneNotes;
    // A moment's whole second in the user's short forms; empty where the
    // system renders none.
    std::function<std::string(const TStampMoment&)> UserForms;
    // For messages: how to choose regional settings that read day.month.year.
    std::function<std::string()> DayMonthYearLocaleHint;
};

}  // namespace kelpworth
