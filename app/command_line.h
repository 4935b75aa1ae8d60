// Reading the command line into a request record. Switches are found by
// plain substring search in the lower-cased line, anywhere and in any
// order; the program part of the line is searched as well.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "stamp/request.h"

namespace kelpworth {

// A check a value must pass after its character check; a rejected value
// is replaced by the clock. An empty check accepts everything.
using TValueCheck = std::function<bool(const std::string&)>;

struct TValueChecks {
    TValueCheck AcceptDate;
    TValueCheck AcceptTime;
};

// What the command line gave for a switch that takes a value.
struct TGivenValue {
    bool Present = false;             // the switch occurs
    std::optional<std::string> Text;  // its value; none when the switch ends the line
    bool Accepted = false;            // the value passed its character check and its check
};

struct TCommandLineRequest {
    TDateTimeRecord Record;
    bool Details = false;    // "/m": show the details
    bool Quiet = false;      // "/q": no banner
    bool Strict = false;     // "/s": refuse what would be replaced
    bool Utc = false;        // "/u": the stamp of the moment's UTC date and time
    bool EveryForm = false;  // "/x": every form of the stamp
    bool Batch = false;      // "/b": a request on every line of standard input
    bool Current = false;    // "/c" made the request (help and "/r" aside)
    TGivenValue Stamp;       // what "/r" gave: a stamp to read back
    TGivenValue Date;        // what "/d" gave
    TGivenValue Time;        // what "/t" gave
};

// Whether the line carries at least one argument after the program name,
// counted the way the process start-up splits a command line.
bool HasArguments(std::string_view commandLine);

// Whether the line asks for quiet output ("/q"), as ReadCommandLine finds
// it; known before the banner is due.
bool QuietRequested(std::string_view commandLine);

// The value that starts at 1-based position `start` of `line`: it ends at
// the next slash, or at the next blank when a slash follows later; with no
// slash after it, it runs to the end of the line. Blanks are removed.
std::string ExtractValue(std::string_view line, std::size_t start);

// The value of the switch (a slash and a letter) at the 1-based position
// `switchPosition` of the lower-cased `line`, 0 when it is absent: blanks
// after the switch are skipped, the value is extracted, and it is accepted
// when every character passes `isValueCharacter` and then `check` accepts
// it. A failure raised inside the check counts as a rejection.
TGivenValue GivenValueAt(std::string_view line, std::size_t switchPosition,
                         bool (*isValueCharacter)(char), const TValueCheck& check);

TCommandLineRequest ReadCommandLine(std::string_view commandLine, const TValueChecks& checks);

}  // namespace kelpworth
