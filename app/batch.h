// A batch (/b): every line of standard input is one request, written as
// the switches of one command line and read by the same reader; the
// switches /q /s /u /x of the real command line apply to every line, and
// with /r there every line is a stamp to read back. Each line gives one
// output line, in order: its result lines, tab-separated, or an empty line
// where it has none.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/command_line.h"
#include "locale/locale_state.h"
#include "platform/platform.h"
#include "app/system_answers.h"

namespace kelpworth {

// Converts standard input to its end; returns the exit code: 2 when any
// line was refused or the input could not be read, else 0.
int RunBatch(const TCommandLineRequest& global, const TLocaleTextSettings& settings,
             const TValueChecks& checks, const TSystemAnswers& system,
             platform::Handle input);

}  // namespace kelpworth
