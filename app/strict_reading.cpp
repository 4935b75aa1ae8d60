#include "app/strict_reading.h"

#include <algorithm>

#include "stamp/civil_calendar.h"
#include "stamp/stamp_conversion.h"
#include "support/text.h"

namespace kelpworth {
namespace {

// A separator as the messages show it: the character in quotes, or its
// code when it has no glyph.
std::string ShownCharacter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte > 32 && byte < 127) return std::string("'") + c + "'";
    return "code " + DecimalText(byte);
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

// The switch and its text as given, then what is wrong with it.
std::string Given(std::string_view name, const TGivenValue& given, const std::string& problem) {
    std::string text(name);
    if (given.Text && !given.Text->empty()) text += " " + Quoted(*given.Text) + ":";
    return text + " " + problem;
}

// What a value switch gave that cannot stand before its fields are read;
// empty when it stands.
std::string ValueProblem(const TGivenValue& given, std::string_view what, char separator) {
    if (!given.Text) return "has no value";
    if (given.Text->empty()) return "has an empty value";
    const bool ownCharacters = std::all_of(given.Text->begin(), given.Text->end(), [&](char c) {
        return (c >= '0' && c <= '9') || c == separator;
    });
    if (!ownCharacters) {
        return std::string("holds characters other than digits and '") + separator + "'";
    }
    if (!given.Accepted) return "does not read as a " + std::string(what) + " in this locale";
    return {};
}

std::string OutOfRange(std::string_view field, std::uint16_t value, std::string_view range) {
    return std::string(field) + " " + DecimalText(value) + " is out of range (" +
           std::string(range) + ")";
}

std::string DateFieldProblem(const std::string& text) {
    TStampMoment fields = NoFieldsRead;
    switch (SplitDateText(text, fields)) {
        case 1: return OutOfRange("day", fields.Day, "1 to 31");
        case 2: return OutOfRange("month", fields.Month, "1 to 12");
        case 3: return "the year needs four digits";
        default: break;
    }
    const auto separators =
        std::count_if(text.begin(), text.end(), [](char c) { return c < '0' || c > '9'; });
    if (separators < 2) return "needs a day, a month and a four-digit year";
    if (fields.Year == 0) return "year 0000 is out of range (0001 to 9999)";
    return {};
}

std::string TimeFieldProblem(const std::string& text) {
    TStampMoment fields = NoFieldsRead;
    switch (SplitTimeText(text, fields)) {
        case 1: return OutOfRange("hour", fields.Hour, "0 to 23");
        case 2: return OutOfRange("minute", fields.Minute, "0 to 59");
        case 3: return OutOfRange("second", fields.Second, "0 to 59");
        case 4: return OutOfRange("the fourth field", fields.Units / UnitsPerMillisecond, "0 to 99");
        default: return {};
    }
}

// A date whose fields pass, read as another day by the arithmetic.
std::string MisreadDate(const std::string& text) {
    TStampMoment fields = NoFieldsRead;
    SplitDateText(text, fields);
    if (!IsCalendarDate(fields.Year, fields.Month, fields.Day)) {
        return "is no calendar date; without /s it would count as 30.12.1899";
    }
    if (fields.Year < 1601) {
        return "lies before 01.01.1601, where stamps begin; without /s its distance from that "
               "day would count instead";
    }
    return {};
}

// A time whose fields pass, read as another time by the arithmetic.
std::string MisreadTime(const std::string& text) {
    TStampMoment fields = NoFieldsRead;
    SplitTimeText(text, fields);
    if (fields.Hour == 24) {
        return "is no time of day; without /s it would count as 00:00:00 of the same day";
    }
    return {};
}

void CheckDate(const TCommandLineRequest& request, const TLocaleTextSettings& settings,
               const TClockTexts& clock, std::string_view localeHint,
               std::vector<std::string>& problems) {
    const TGivenValue& date = request.Date;
    if (!date.Present) return;
    const std::string replaced = "; without /s the current date " + clock.Date + " would be used";
    if (settings.DateSep != '.') {
        problems.push_back(Given("/d", date,
                                 "this locale reads no day.month.year date (its date separator "
                                 "is " + ShownCharacter(settings.DateSep) +
                                     "); use /c for the current moment, or " +
                                     std::string(localeHint)) +
                           replaced);
        return;
    }
    std::string problem = ValueProblem(date, "date", '.');
    if (problem.empty()) problem = DateFieldProblem(*date.Text);
    if (!problem.empty()) {
        problems.push_back(Given("/d", date, problem) + replaced);
        return;
    }
    problem = MisreadDate(*date.Text);
    if (!problem.empty()) problems.push_back("/d " + Quoted(*date.Text) + " " + problem);
}

void CheckTime(const TCommandLineRequest& request, const TLocaleTextSettings& settings,
               const TClockTexts& clock, std::vector<std::string>& problems) {
    const TGivenValue& time = request.Time;
    if (!time.Present) {
        if (request.Date.Present) {
            problems.push_back(
                "/d without /t: add /t00:00:00 for midnight, or leave out /s to take the "
                "current time");
        }
        return;
    }
    std::string clockTime = clock.Time;
    std::replace(clockTime.begin(), clockTime.end(), ':', settings.TimeSep);
    std::string problem = ValueProblem(time, "time", ':');
    if (!problem.empty() && time.Text && !time.Text->empty() && settings.TimeSep != ':') {
        problem += " (its time separator is " + ShownCharacter(settings.TimeSep) + ")";
    }
    if (problem.empty()) problem = TimeFieldProblem(*time.Text);
    if (!problem.empty()) {
        problems.push_back(Given("/t", time, problem) + "; without /s the current time " +
                           clockTime + " would be used");
        return;
    }
    problem = MisreadTime(*time.Text);
    if (!problem.empty()) problems.push_back("/t " + Quoted(*time.Text) + " " + problem);
}

}  // namespace

std::vector<std::string> StrictReadingProblems(const TCommandLineRequest& request,
                                               const TLocaleTextSettings& settings,
                                               const TClockTexts& clock,
                                               std::string_view localeHint) {
    std::vector<std::string> problems;
    if (request.Current) return problems;  // the clock is what /c asks for
    CheckDate(request, settings, clock, localeHint, problems);
    CheckTime(request, settings, clock, problems);
    return problems;
}

}  // namespace kelpworth
