// The one dispatch of a request to what it gives, for a run of its own and
// for a batch line alike.
#pragma once

#include "app/command_line.h"
#include "app/request_outcome.h"
#include "locale/locale_state.h"
#include "app/system_answers.h"

namespace kelpworth {

// A stamp, or a stamp read back; any other kind gives no result (a run of
// its own shows the help screen instead), and under /s it is refused.
TRequestOutcome OutcomeOf(const TCommandLineRequest& request, const TLocaleTextSettings& settings,
                          const TSystemAnswers& system);

}  // namespace kelpworth
