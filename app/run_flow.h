// The whole life of one process: console preparation, banner, command
// line, then either the stamp or the help screen.
#pragma once

#include <cstdint>
#include <string>

namespace kelpworth {

inline constexpr std::uint16_t BannerAttribute = 10;  // bright green on black
inline constexpr std::uint16_t NormalAttribute = 7;   // grey on black

// The help text with the current date, time and hour filled in, each read
// from the clock at the moment of its replacement.
std::string FilledHelpText();

// Runs the process from start-up to shutdown; returns the exit code.
int RunKelpworth();

}  // namespace kelpworth
