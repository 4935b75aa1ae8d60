// A request for a stamp, carried out with the switches that shape it: the
// strict reading (/s), the UTC date and time (/u), every form of the stamp
// (/x) and the details (/m).
#pragma once

#include <string_view>

#include "app/command_line.h"
#include "locale/locale_state.h"

namespace kelpworth {

// The exit code of a run that refused its request: nothing was converted.
inline constexpr int RefusedExitCode = 2;

// Writes the stamp line and what the switches add to it; returns the exit
// code. `title` is the program's window title.
int CarryOutStampRequest(const TCommandLineRequest& request, const TLocaleTextSettings& settings,
                         std::string_view title);

}  // namespace kelpworth
