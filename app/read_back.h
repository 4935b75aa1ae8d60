// A stamp read back (/r): the moment it stands for in ISO 8601 and in the
// user's short forms; with /u read as UTC, then the local time with its
// offset; with /x every form.
#pragma once

#include "app/command_line.h"
#include "app/request_outcome.h"
#include "app/system_answers.h"

namespace kelpworth {

TRequestOutcome StampReadingOutcome(const TCommandLineRequest& request,
                                    const TSystemAnswers& system);

}  // namespace kelpworth
