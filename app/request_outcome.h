// What a request for a stamp (/d /t /c) or for a stamp read back (/r)
// gives, shaped by the switches /s, /u and /x: the result lines, the
// messages for standard error, the exit code and the details to show. One
// run writes them line by line; a batch writes each request's result lines
// as one line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/command_line.h"
#include "locale/locale_state.h"
#include "stamp/stamp_fields.h"

namespace kelpworth {

// The exit code of a run that refused its request: nothing was converted.
inline constexpr int RefusedExitCode = 2;

// A result line: the value alone, or "Label: value", then the comment.
struct TResultLine {
    std::string Label;
    std::string Value;
    std::string Comment;  // for a reader; a batch line leaves it out
};

// What /m shows of a conversion.
struct TDetails {
    TDateTimeRecord Used;
    TStampFields Fields;
    std::string StampText;
    std::optional<std::int32_t> UtcOffset;
};

struct TRequestOutcome {
    std::vector<TResultLine> Lines;     // none when refused
    std::vector<std::string> Messages;  // notes and refusals, without the program's name
    int ExitCode = 0;
    std::optional<TDetails> Details;    // when the request asked for them
};

// A request with a date, a time or the clock: the stamp line, then with /x
// every form.
TRequestOutcome StampRequestOutcome(const TCommandLineRequest& request,
                                    const TLocaleTextSettings& settings);

// A request with /r: the moment the stamp stands for in ISO 8601 and in the
// user's short forms; with /u read as UTC, then the local time with its
// offset; with /x every form.
TRequestOutcome StampReadingOutcome(const TCommandLineRequest& request,
                                    const TLocaleTextSettings& settings);

// Writes the messages to standard error (each after "kelpworth: " and
// `messagePrefix`), the result lines to standard output and the details;
// returns the exit code. `title` is the program's window title.
int CarryOut(const TRequestOutcome& outcome, std::string_view title);

// The result lines as one line: their values, tab-separated, without labels
// and comments; appended to `line`.
void AppendOneLine(std::string& line, const TRequestOutcome& outcome);

// "kelpworth: " before a message.
std::string MessageLine(std::string_view message);

}  // namespace kelpworth
