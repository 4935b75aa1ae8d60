// What a request gives, shaped by the switches /s, /u and /x: the result
// lines, the messages for standard error, the exit code and the details to
// show. The result writer writes it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "stamp/request.h"
#include "kelpworth/stamp.h"

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
    TStampMoment Fields;
    std::string StampText;
    std::optional<std::int32_t> UtcOffset;
};

struct TRequestOutcome {
    std::vector<TResultLine> Lines;     // none when refused
    std::vector<std::string> Messages;  // notes and refusals, without the program's name
    int ExitCode = 0;
    std::optional<TDetails> Details;    // when the request asked for them
};

TRequestOutcome Refused(std::vector<std::string> messages);

void AddLine(std::vector<TResultLine>& lines, std::string label, std::string value,
             std::string comment = {});

// The decimal, hexadecimal, bytes and registry forms, each a labelled line.
void AddEveryForm(std::vector<TResultLine>& lines, std::uint64_t stamp);

}  // namespace kelpworth
