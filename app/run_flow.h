// The whole life of one process: console preparation, banner, command
// line, then either the stamp or the help screen.
#pragma once

#include <string>

#include "support/clock_text.h"

namespace kelpworth {

// The help text with the current date, time and hour filled in, each read
// from the clock at the moment of its replacement.
std::string FilledHelpText(const TClock& clock);

// Runs the process from start-up to shutdown; returns the exit code.
int RunKelpworth();

}  // namespace kelpworth
