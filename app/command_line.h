// Reading a command line, or a batch line, once into one request record.
// Switches are found in one pass over the lower-cased line, anywhere and in
// any order; the program part of the line is searched as well. Positions
// in a line count from 1 here, as the switch marks do; 0 means absent.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "stamp/request.h"
#include "support/clock_text.h"

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

// What a request asks for, by the precedence the manual states:
// help > /b > /r > /c > /d /t.
enum class TRequestKind {
    None,      // no request: the help screen, without a wait
    Help,      // "/?" or "/help": the help screen and a key wait
    Batch,     // "/b": a request on every line of standard input
    ReadBack,  // "/r": a stamp to read back
    Stamp,     // a date, a time or the clock: a stamp
};

struct TCommandLineRequest {
    TRequestKind Kind = TRequestKind::None;
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

// Reads the line; the clock gives the values that the clock replaces, each
// read when it is needed.
TCommandLineRequest ReadCommandLine(std::string_view commandLine, const TValueChecks& checks,
                                    const TClock& clock);

// The same for a line already lower-cased in ASCII: a batch lowers each
// line as it copies it, and spares the reader a copy of its own.
TCommandLineRequest ReadLowerCaseCommandLine(std::string_view line, const TValueChecks& checks,
                                             const TClock& clock);

// The one place that decides what a request asks for.
TRequestKind KindOf(const TCommandLineRequest& request);

// A batch line's request takes /q /s /u /x from the real command line's,
// never starts a batch or a details dialog of its own, and its kind is
// decided anew.
void InheritScriptSwitches(TCommandLineRequest& line, const TCommandLineRequest& global);

}  // namespace kelpworth
