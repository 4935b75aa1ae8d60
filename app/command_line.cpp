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

// Passes over one argument from `at` the way the start-up code splits the
// line: leading separators and pairs of double quotes are skipped, a double
// quote opens a stretch in which separators belong to the argument, and the
// quotes themselves are dropped. Returns the position after it; `empty`
// says whether the argument has no character.
std::size_t SkipArgument(std::string_view line, std::size_t at, bool& empty) {
    empty = true;
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
            for (; at < line.size() && line[at] != '"'; ++at) empty = false;
            if (at < line.size()) ++at;
        } else {
            empty = false;
            ++at;
        }
    }
    return at;
}

// Where each switch first occurs in the lower-cased line: the 1-based
// position of the first slash followed by its character, 0 when there is
// none; and whether "/help" occurs. One pass instead of a search for each.
struct TSwitchMarks {
    std::size_t First[128] = {};
    bool Help = false;

    std::size_t At(char letter) const { return First[static_cast<unsigned char>(letter)]; }
    bool Has(char letter) const { return At(letter) != 0; }
};

TSwitchMarks MarkSwitches(std::string_view line) {
    TSwitchMarks marks;
    for (std::size_t slash = line.find('/'); slash != std::string_view::npos && slash + 1 < line.size();
         slash = line.find('/', slash + 1)) {
        const auto next = static_cast<unsigned char>(line[slash + 1]);
        if (next < 128 && marks.First[next] == 0) marks.First[next] = slash + 1;
        if (next == 'h' && line.compare(slash, 5, "/help") == 0) marks.Help = true;
    }
    return marks;
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

// The given value when it stands, otherwise the clock's text.
template <typename ClockText>
std::string ValueOrClock(const TGivenValue& given, ClockText clockText) {
    return given.Accepted ? *given.Text : clockText();
}

}  // namespace

bool HasArguments(std::string_view commandLine) {
    bool empty = true;
    const std::size_t afterProgram = SkipArgument(commandLine, 0, empty);
    SkipArgument(commandLine, afterProgram, empty);
    return !empty;
}

bool QuietRequested(std::string_view commandLine) {
    return HasArguments(commandLine) && MarkSwitches(LowerAscii(commandLine)).Has('q');
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

TGivenValue GivenValueAt(std::string_view line, std::size_t switchPosition,
                         bool (*isValueCharacter)(char), const TValueCheck& check) {
    TGivenValue given;
    if (switchPosition == 0) return given;
    given.Present = true;
    const std::size_t start = switchPosition + 2;
    if (start > line.size()) return given;  // the switch ends the line: no value at all
    given.Text = ExtractValue(line, SkipBlanksAfterSwitch(line, start));
    given.Accepted = std::all_of(given.Text->begin(), given.Text->end(), isValueCharacter) &&
                     Passes(check, *given.Text);
    return given;
}

TRequestKind KindOf(const TCommandLineRequest& request) {
    if (request.Record.Mode == HelpMode) return TRequestKind::Help;
    if (request.Batch) return TRequestKind::Batch;
    if (request.Stamp.Present) return TRequestKind::ReadBack;
    // A strict request says what is wrong with an empty date, too.
    if (!request.Record.DateStr.empty() || (request.Strict && request.Date.Present)) {
        return TRequestKind::Stamp;
    }
    return TRequestKind::None;
}

void InheritScriptSwitches(TCommandLineRequest& line, const TCommandLineRequest& global) {
    line.Quiet = line.Quiet || global.Quiet;
    line.Strict = line.Strict || global.Strict;
    line.Utc = line.Utc || global.Utc;
    line.EveryForm = line.EveryForm || global.EveryForm;
    line.Details = false;  // no dialog inside a batch
    line.Batch = false;    // no batch within a batch
    line.Kind = KindOf(line);
}

namespace {

// `line` is the command line lower-cased in ASCII: switches are found in
// any letter case, and values are read in lower case.
TCommandLineRequest ReadSwitches(std::string_view line, const TValueChecks& checks,
                                 const TClock& clock) {
    TCommandLineRequest request;
    TDateTimeRecord& record = request.Record;
    if (!HasArguments(line)) return request;

    const TSwitchMarks switches = MarkSwitches(line);
    request.Details = switches.Has('m');
    request.Quiet = switches.Has('q');
    request.Strict = switches.Has('s');
    request.Utc = switches.Has('u');
    request.EveryForm = switches.Has('x');
    request.Batch = switches.Has('b');

    if (switches.Has('?') || switches.Help) {
        record.Mode = HelpMode;
        return request;
    }
    // A stamp to read back beats the clock and a given date or time; its
    // forms are many, and its reading checks them all.
    request.Stamp = GivenValueAt(line, switches.At('r'), AnyCharacter, {});
    if (request.Stamp.Present) return request;

    if (switches.Has('c')) {
        request.Current = true;
        record.DateStr = CurrentDateText(clock);
        record.TimeStr = CurrentTimeText(clock);
        return request;
    }

    // An empty value passes both checks and stays empty.
    request.Date = GivenValueAt(line, switches.At('d'), IsDateCharacter, checks.AcceptDate);
    if (request.Date.Present) {
        record.DateStr = ValueOrClock(request.Date, [&] { return CurrentDateText(clock); });
    }

    request.Time = GivenValueAt(line, switches.At('t'), IsTimeCharacter, checks.AcceptTime);
    if (!request.Time.Present) {
        if (!record.DateStr.empty()) record.TimeStr = CurrentTimeText(clock);
        return request;
    }
    record.TimeStr = ValueOrClock(request.Time, [&] { return CurrentTimeText(clock); });
    if (record.DateStr.empty()) record.DateStr = CurrentDateText(clock);
    return request;
}

}  // namespace

TCommandLineRequest ReadCommandLine(std::string_view commandLine, const TValueChecks& checks,
                                    const TClock& clock) {
    TCommandLineRequest request = ReadSwitches(LowerAscii(commandLine), checks, clock);
    request.Kind = KindOf(request);
    return request;
}

TCommandLineRequest ReadLowerCaseCommandLine(std::string_view line, const TValueChecks& checks,
                                             const TClock& clock) {
    TCommandLineRequest request = ReadSwitches(line, checks, clock);
    request.Kind = KindOf(request);
    return request;
}

}  // namespace kelpworth
