#include "app/command_line.h"

#include <algorithm>
#include <exception>

#include "support/clock_text.h"
#include "support/text.h"

namespace kelpworth {
namespace {

bool SeparatesArguments(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 1 && byte <= 32;
}

// Reads one argument from `at` the way the start-up code splits the line:
// leading separators and pairs of double quotes are skipped, a double
// quote opens a stretch in which separators belong to the argument, and
// the quotes themselves are dropped. Returns the position after it.
std::size_t ReadArgument(std::string_view line, std::size_t at, std::string& argument) {
    argument.clear();
    for (;;) {
        while (at < line.size() && SeparatesArguments(line[at])) ++at;
        if (at + 1 < line.size() && line[at] == '"' && line[at + 1] == '"') {
            at += 2;
        } else {
            break;
        }
    }
    while (at < line.size() && !SeparatesArguments(line[at])) {
        if (line[at] == '"') {
            ++at;
            while (at < line.size() && line[at] != '"') argument.push_back(line[at++]);
            if (at < line.size()) ++at;
        } else {
            argument.push_back(line[at++]);
        }
    }
    return at;
}

bool IsDateCharacter(char c) { return (c >= '0' && c <= '9') || c == '.'; }
bool IsTimeCharacter(char c) { return c >= '0' && c <= ':'; }
bool AnyCharacter(char) { return true; }

// A failure raised inside a check counts as a rejection.
bool Passes(const TValueCheck& check, const std::string& value) {
    try {
        return !check || check(value);
    } catch (const std::exception&) {
        return false;
    }
}

// Blanks after a switch are skipped, but never the last character.
std::size_t SkipBlanksAfterSwitch(std::string_view line, std::size_t position) {
    while (position < line.size() && line[position - 1] == ' ') ++position;
    return position;
}

bool Occurs(std::string_view line, std::string_view name) { return FindFrom(name, line, 1) != 0; }

// The given value when it stands, otherwise the clock's text.
template <typename ClockText>
std::string ValueOrClock(const TGivenValue& given, ClockText clockText) {
    return given.Accepted ? *given.Text : clockText();
}

}  // namespace

bool HasArguments(std::string_view commandLine) {
    std::string argument;
    const std::size_t afterProgram = ReadArgument(commandLine, 0, argument);
    ReadArgument(commandLine, afterProgram, argument);
    return !argument.empty();
}

bool QuietRequested(std::string_view commandLine) {
    return HasArguments(commandLine) && Occurs(LowerAscii(commandLine), "/q");
}

std::string ExtractValue(std::string_view line, std::size_t start) {
    std::string_view value = line.substr(start - 1);
    // With a slash further on, the value ends before it, or at the first
    // blank before it; without one it runs to the end of the line.
    if (const std::size_t slash = value.find('/'); slash != std::string_view::npos) {
        value = value.substr(0, std::min(value.find(' '), slash));
    }
    // Every blank goes; removing them in one pass keeps a long line linear.
    std::string text(value);
    std::erase(text, ' ');
    return text;
}

TGivenValue ReadGivenValue(std::string_view line, std::string_view name,
                           bool (*isValueCharacter)(char), const TValueCheck& check) {
    TGivenValue given;
    const std::size_t position = FindFrom(name, line, 1);
    if (position == 0) return given;
    given.Present = true;
    const std::size_t start = position + name.size();
    if (start > line.size()) return given;  // the switch ends the line: no value at all
    given.Text = ExtractValue(line, SkipBlanksAfterSwitch(line, start));
    given.Accepted = std::all_of(given.Text->begin(), given.Text->end(), isValueCharacter) &&
                     Passes(check, *given.Text);
    return given;
}

TCommandLineRequest ReadCommandLine(std::string_view commandLine, const TValueChecks& checks) {
    TCommandLineRequest request;
    TDateTimeRecord& record = request.Record;
    if (!HasArguments(commandLine)) return request;

    const std::string line = LowerAscii(commandLine);
    request.Details = Occurs(line, "/m");
    request.Quiet = Occurs(line, "/q");
    request.Strict = Occurs(line, "/s");
    request.Utc = Occurs(line, "/u");
    request.EveryForm = Occurs(line, "/x");
    request.Batch = Occurs(line, "/b");

    if (Occurs(line, "/?") || Occurs(line, "/help")) {
        record.Mode = HelpMode;
        return request;
    }
    // A stamp to read back beats the clock and a given date or time; its
    // forms are many, and its reading checks them all.
    request.Stamp = ReadGivenValue(line, "/r", AnyCharacter, {});
    if (request.Stamp.Present) return request;

    if (Occurs(line, "/c")) {
        request.Current = true;
        record.DateStr = CurrentDateText();
        record.TimeStr = CurrentTimeText();
        return request;
    }

    // An empty value passes both checks and stays empty.
    request.Date = ReadGivenValue(line, "/d", IsDateCharacter, checks.AcceptDate);
    if (request.Date.Present) {
        record.DateStr = ValueOrClock(request.Date, [] { return CurrentDateText(); });
    }

    request.Time = ReadGivenValue(line, "/t", IsTimeCharacter, checks.AcceptTime);
    if (!request.Time.Present) {
        if (!record.DateStr.empty()) record.TimeStr = CurrentTimeText();
        return request;
    }
    record.TimeStr = ValueOrClock(request.Time, [] { return CurrentTimeText(); });
    if (record.DateStr.empty()) record.DateStr = CurrentDateText();
    return request;
}

}  // namespace kelpworth
