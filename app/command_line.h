// Reading the command line into a request record. Switches are found by
// plain substring search in the lower-cased line, anywhere and in any
// order; the program part of the line is searched as well.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "app/request.h"

namespace kelpworth {

// The checks a value must pass after its character check; a rejected value
// is replaced by the clock.
struct TValueChecks {
    std::function<bool(const std::string&)> AcceptDate;
    std::function<bool(const std::string&)> AcceptTime;
};

// Checks that accept every value that passed its character check.
TValueChecks CharacterChecksOnly();

struct TCommandLineRequest {
    TDateTimeRecord Record;
    bool Details = false;  // "/m" anywhere
};

// Whether the line carries at least one argument after the program name,
// counted the way the process start-up splits a command line.
bool HasArguments(std::string_view commandLine);

// The value that starts at 1-based position `start` of `line`: it ends at
// the next slash, or at the next blank when a slash follows later; with no
// slash after it, it runs to the end of the line. Blanks are removed.
std::string ExtractValue(std::string_view line, std::size_t start);

TCommandLineRequest ReadCommandLine(std::string_view commandLine, const TValueChecks& checks);

}  // namespace kelpworth
