// A moment as people type it into the page: "2017-12-25T10:20:30.1234567",
// the time optional (midnight), its seconds optional, up to 7 decimal
// places of the second, a blank instead of the "T", and an optional "Z"
// that fixes the moment to UTC. Where it fails, which field and why.
#pragma once

#include <string>
#include <string_view>

#include "kelpworth/stamp.h"

namespace kelpworth::web {

enum class TMomentField {
    None,  // read
    Date,
    Time,
};

struct TMomentReading {
    TStampMoment Moment;
    bool Utc = false;  // a "Z" ended the text
    TMomentField Failed = TMomentField::None;
    std::string Problem;  // what is wrong and what is read
};

// Whether the text starts as a moment does ("YYYY-MM-DD"), not as a stamp.
bool LooksLikeMoment(std::string_view text);

// The calendar and the clock decide here; the range of the stamp is the
// caller's (the zone moves it). The text comes without blanks around it.
TMomentReading ReadMomentText(std::string_view text);

}  // namespace kelpworth::web
