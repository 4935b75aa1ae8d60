// A Windows-style command line built from argv, for platforms that hand a
// program its arguments already split.
#pragma once

#include <string>
#include <string_view>

namespace kelpworth::platform {

// Quotes an argument the way the usual C runtime reads it back: wrapped in
// double quotes when it is empty or holds a blank, a tab or a double quote;
// a double quote written as \", and backslashes before a quote or at the
// end doubled. Other arguments are copied as they are.
std::string QuoteArgument(std::string_view argument);

// The program part is the base name of argv[0] (directories written with
// forward slashes would read as switches), quoted when it holds a blank or
// a tab; then each further argument after one blank.
std::string CommandLineFromArguments(int argc, const char* const* argv);

}  // namespace kelpworth::platform
