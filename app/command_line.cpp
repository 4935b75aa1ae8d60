#include "app/command_line.h"

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

template <typename Predicate>
bool AllCharacters(const std::string& text, Predicate accepted) {
    for (char c : text) {
        if (!accepted(c)) return false;
    }
    return true;
}

// A failure raised inside a check counts as a rejection.
bool Passes(const std::function<bool(const std::string&)>& check, const std::string& value) {
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

}  // namespace

TValueChecks CharacterChecksOnly() { return {}; }

bool HasArguments(std::string_view commandLine) {
    std::string argument;
    const std::size_t afterProgram = ReadArgument(commandLine, 0, argument);
    ReadArgument(commandLine, afterProgram, argument);
    return !argument.empty();
}

std::string ExtractValue(std::string_view line, std::size_t start) {
    const std::size_t blank = FindFrom(" ", line, start);
    const std::size_t slash = FindFrom("/", line, start);

    // End position; -1 and 0 both mean "to the end of the line".
    long long end = 0;
    // NOLINTNEXTLINE(bugprone-branch-clone): the cases of the rule, one by one
    if (slash < blank) {
        end = static_cast<long long>(slash) - 1;
    } else if (blank != 0) {
        end = static_cast<long long>(blank);
    } else if (slash > 0) {
        end = static_cast<long long>(slash) - 1;
    }

    std::string raw;
    if (end > 0) {
        if (static_cast<std::size_t>(end) >= start) {
            raw = line.substr(start - 1, static_cast<std::size_t>(end) - start + 1);
        }
    } else {
        raw = line.substr(start - 1);
    }
    // Every blank goes; removing them in one pass keeps a long line linear
    // (no new blank can form where one was taken out).
    std::erase(raw, ' ');
    return raw;
}

TCommandLineRequest ReadCommandLine(std::string_view commandLine, const TValueChecks& checks) {
    TCommandLineRequest request;
    TDateTimeRecord& record = request.Record;
    if (!HasArguments(commandLine)) return request;

    const std::string line = LowerAscii(commandLine);
    request.Details = FindFrom("/m", line, 1) != 0;

    if (FindFrom("/?", line, 1) != 0 || FindFrom("/help", line, 1) != 0) {
        record.Mode = HelpMode;
        return request;
    }

    if (FindFrom("/c", line, 1) != 0) {
        record.DateStr = CurrentDateText();
        record.TimeStr = CurrentTimeText();
        return request;
    }

    if (const std::size_t dateSwitch = FindFrom("/d", line, 1); dateSwitch != 0) {
        const std::size_t start = dateSwitch + 2;
        if (start > line.size()) {
            record.DateStr = CurrentDateText();
        } else {
            const std::string value = ExtractValue(line, SkipBlanksAfterSwitch(line, start));
            const bool accepted =
                AllCharacters(value, IsDateCharacter) && Passes(checks.AcceptDate, value);
            record.DateStr = accepted ? value : CurrentDateText();
        }
    }

    const std::size_t timeSwitch = FindFrom("/t", line, 1);
    if (timeSwitch == 0) {
        if (!record.DateStr.empty()) record.TimeStr = CurrentTimeText();
        return request;
    }
    const std::size_t start = timeSwitch + 2;
    if (start > line.size()) {
        record.TimeStr = CurrentTimeText();
    } else {
        const std::string value = ExtractValue(line, SkipBlanksAfterSwitch(line, start));
        const bool accepted =
            AllCharacters(value, IsTimeCharacter) && Passes(checks.AcceptTime, value);
        record.TimeStr = accepted ? value : CurrentTimeText();
    }
    if (record.DateStr.empty()) record.DateStr = CurrentDateText();
    return request;
}

}  // namespace kelpworth
