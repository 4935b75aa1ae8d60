// A command line built from argv, for platforms that hand a program its
// arguments already split.
#pragma once

#include <string>

namespace kelpworth::platform {

// The program part is the base name of argv[0] (directories written with
// forward slashes would read as switches), quoted when it holds a blank or
// a tab so that it is still passed over as one argument; then each further
// argument as it is, after one blank, and no blank at the end: the line
// the same words give typed. The shell has already taken its quotes away;
// quoting an argument again would put quotes into its values.
std::string CommandLineFromArguments(int argc, const char* const* argv);

}  // namespace kelpworth::platform
