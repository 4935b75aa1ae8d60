// A request with a date, a time or the clock (/d /t /c): the stamp line,
// then with /x every form and, where the stamp line is another count, the
// exact one.
#pragma once

#include "app/command_line.h"
#include "app/request_outcome.h"
#include "locale/locale_state.h"
#include "app/system_answers.h"

namespace kelpworth {

// The clock gives the texts a strict refusal names, the values that
// failing texts are replaced by, and with /c /u the UTC reading; the zone
// answers /u.
TRequestOutcome StampRequestOutcome(const TCommandLineRequest& request,
                                    const TLocaleTextSettings& settings,
                                    const TSystemAnswers& system);

}  // namespace kelpworth
