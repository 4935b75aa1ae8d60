#include "web/moment_reading.h"

#include "stamp/calendar.h"
#include "support/text.h"

namespace kelpworth::web {
namespace {

constexpr std::string_view DateForm = "read as year-month-day, e.g. 2017-12-25";
constexpr std::string_view TimeForm =
    "read as hours:minutes:seconds, e.g. 10:20:30 or 10:20:30.1234567";
constexpr const char* MonthNames[12] = {"January", "February", "March",     "April",
                                        "May",     "June",     "July",      "August",
                                        "September", "October", "November", "December"};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Takes `count` digits (0..99999) from the front of `text`; false when
// fewer are there.
bool TakeDigits(std::string_view& text, std::size_t count, std::uint32_t& value) {
    if (text.size() < count) return false;
    value = 0;
    for (std::size_t at = 0; at < count; ++at) {
        if (!IsDigit(text[at])) return false;
        value = value * 10 + static_cast<std::uint32_t>(text[at] - '0');
    }
    text.remove_prefix(count);
    return true;
}

std::size_t LeadingDigits(std::string_view text) {
    std::size_t count = 0;
    while (count < text.size() && IsDigit(text[count])) ++count;
    return count;
}

bool TakeChar(std::string_view& text, char c) {
    if (text.empty() || text.front() != c) return false;
    text.remove_prefix(1);
    return true;
}

TMomentReading Failure(TMomentField field, std::string problem) {
    TMomentReading reading;
    reading.Failed = field;
    reading.Problem = std::move(problem);
    return reading;
}

// "YYYY-MM-DD" with a year of 4 or 5 digits; the calendar checks it.
TMomentReading ReadDate(std::string_view& text) {
    const std::size_t yearDigits = LeadingDigits(text);
    std::uint32_t year = 0;
    std::uint32_t month = 0;
    std::uint32_t day = 0;
    if (yearDigits < 4 || yearDigits > 5 || !TakeDigits(text, yearDigits, year) ||
        !TakeChar(text, '-') || !TakeDigits(text, 2, month) || !TakeChar(text, '-') ||
        !TakeDigits(text, 2, day) || (!text.empty() && IsDigit(text.front()))) {
        return Failure(TMomentField::Date, "no date: " + std::string(DateForm));
    }
    if (year < 1601) {
        return Failure(TMomentField::Date,
                       "the year " + UnsignedDecimalText(year) +
                           " is before the first stamp: the count begins at 1601-01-01");
    }
    if (month < 1 || month > 12) {
        return Failure(TMomentField::Date,
                       "the month " + UnsignedDecimalText(month) + " is not 01 to 12");
    }
    const bool leap = IsLeapYear(static_cast<std::uint16_t>(year));
    const std::uint32_t days = calendar::MonthDays[leap ? 1 : 0][month - 1];
    if (day < 1 || day > days) {
        return Failure(TMomentField::Date, "no such day: " + std::string(MonthNames[month - 1]) +
                                               " " + UnsignedDecimalText(year) + " has " +
                                               UnsignedDecimalText(days) + " days");
    }
    TMomentReading reading;
    reading.Moment.Year = static_cast<std::uint16_t>(year);
    reading.Moment.Month = static_cast<std::uint16_t>(month);
    reading.Moment.Day = static_cast<std::uint16_t>(day);
    return reading;
}

// "HH:MM", "HH:MM:SS" or "HH:MM:SS.F" with 1 to 7 decimals.
bool ReadTime(std::string_view& text, TMomentReading& reading) {
    std::uint32_t hour = 0;
    std::uint32_t minute = 0;
    std::uint32_t second = 0;
    std::uint32_t units = 0;
    if (!TakeDigits(text, 2, hour) || !TakeChar(text, ':') || !TakeDigits(text, 2, minute)) {
        reading = Failure(TMomentField::Time, "no time of day: " + std::string(TimeForm));
        return false;
    }
    if (TakeChar(text, ':') && !TakeDigits(text, 2, second)) {
        reading = Failure(TMomentField::Time, "no seconds after the colon: " +
                                                  std::string(TimeForm));
        return false;
    }
    if (TakeChar(text, '.')) {
        const std::size_t decimals = LeadingDigits(text);
        if (decimals == 0 || decimals > 7) {
            reading = Failure(TMomentField::Time,
                              decimals == 0 ? "no digits after the decimal point"
                                            : "more than 7 decimal places: the stamp counts "
                                              "100 ns, the 7th decimal of the second");
            return false;
        }
        TakeDigits(text, decimals, units);
        for (std::size_t pad = decimals; pad < 7; ++pad) units *= 10;  // at most 9,999,999
    }
    if (hour > 23 || minute > 59 || second > 59) {
        const char* what = hour > 23 ? "the hour is 00 to 23" : minute > 59 ? "the minute is 00 to 59"
                                                                            : "the second is 00 to 59";
        reading = Failure(TMomentField::Time, std::string(what) + " (24:00 is 00:00 of the next day)");
        return false;
    }
    reading.Moment.Hour = static_cast<std::uint16_t>(hour);
    reading.Moment.Minute = static_cast<std::uint16_t>(minute);
    reading.Moment.Second = static_cast<std::uint16_t>(second);
    reading.Moment.Units = units;
    return true;
}

}  // namespace

bool LooksLikeMoment(std::string_view text) {
    const std::size_t yearDigits = LeadingDigits(text);
    return yearDigits >= 4 && yearDigits <= 5 && text.size() > yearDigits + 3 &&
           text[yearDigits] == '-' && IsDigit(text[yearDigits + 1]) &&
           IsDigit(text[yearDigits + 2]) && text[yearDigits + 3] == '-';
}

TMomentReading ReadMomentText(std::string_view text) {
    std::string_view rest = text;
    TMomentReading reading = ReadDate(rest);
    if (reading.Failed != TMomentField::None) return reading;
    const std::size_t dateLength = text.size() - rest.size();
    if (TakeChar(rest, 'T') || TakeChar(rest, 't') || TakeChar(rest, ' ')) {
        while (TakeChar(rest, ' ')) {
        }
        if (!ReadTime(rest, reading)) return reading;
    }
    reading.Utc = TakeChar(rest, 'Z') || TakeChar(rest, 'z');
    if (!rest.empty()) {
        // The rest is not quoted: a result line holds no tab or line end.
        const bool inTime = text.size() - rest.size() > dateLength;
        return Failure(inTime ? TMomentField::Time : TMomentField::Date,
                       inTime ? "more than a time of day: " + std::string(TimeForm)
                              : "more than a date: " + std::string(DateForm) +
                                    ", then T and the time of day");
    }
    return reading;
}

}  // namespace kelpworth::web
