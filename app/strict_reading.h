// The strict reading (/s): wherever the tool would put the clock's date or
// time in place of what was given, or read a date as another day, a
// message instead. Each names the switch, the text as given and what would
// have been read.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "locale/locale_state.h"

namespace kelpworth {

// What the clock would put in place of a date or a time: its date as
// "dd.MM.yyyy" and its time as "HH:mm:ss".
struct TClockTexts {
    std::string Date;
    std::string Time;
};

// One message for each thing the request's /d and /t values would have
// replaced or misread (without the program's name before it); none when
// the request stands as given. `localeHint`
// says how to choose a locale that reads day.month.year dates.
std::vector<std::string> StrictReadingProblems(const TCommandLineRequest& request,
                                               const TLocaleTextSettings& settings,
                                               const TClockTexts& clock,
                                               std::string_view localeHint);

}  // namespace kelpworth
