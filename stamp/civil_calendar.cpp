#include "stamp/civil_calendar.h"

#include "stamp/calendar.h"

namespace kelpworth {
namespace {

// 1601-01-01 counted from 0000-03-01, the start of a 400-year cycle whose
// leap day ends the year.
constexpr std::int64_t DaysTo1601 = 584'694;
constexpr std::int64_t DaysPerCycle = 146'097;  // 400 years

// The quotient rounded down, for a negative count too.
std::int64_t FloorDivide(std::int64_t a, std::int64_t b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

}  // namespace

bool IsCalendarDate(std::int64_t year, std::int64_t month, std::int64_t day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
    const int leap = IsLeapYear(static_cast<std::uint16_t>(year)) ? 1 : 0;
    return day <= calendar::MonthDays[leap][month - 1];
}

std::int64_t DaysFrom1601(const TCivilDate& date) {
    // Years begin in March, so the leap day is the last day of a year.
    const std::int64_t year = date.Year - (date.Month <= 2 ? 1 : 0);
    const std::int64_t cycle = FloorDivide(year, 400);
    const std::int64_t yearOfCycle = year - cycle * 400;
    const std::int64_t monthFromMarch = (date.Month + 9) % 12;  // 0 (March) to 11
    // 153 days in each five months from March: days before the month, 0 to
    // 337, plus the day; 0 to 365.
    const std::int64_t dayOfYear = (153 * monthFromMarch + 2) / 5 + date.Day - 1;
    const std::int64_t dayOfCycle =
        yearOfCycle * 365 + yearOfCycle / 4 - yearOfCycle / 100 + dayOfYear;
    return cycle * DaysPerCycle + dayOfCycle - DaysTo1601;
}

TCivilDate CivilDateOf(std::int64_t days) {
    const std::int64_t fromEpoch = days + DaysTo1601;
    const std::int64_t cycle = FloorDivide(fromEpoch, DaysPerCycle);
    const std::int64_t dayOfCycle = fromEpoch - cycle * DaysPerCycle;
    // 0 to 146,096. Taking out the leap days before it (one each 1,460 days
    // of four years, none each 36,524 of a century, one more on the cycle's
    // last day, 146,096) leaves 365 days a year: 0 to 399.
    const std::int64_t yearOfCycle =
        (dayOfCycle - dayOfCycle / 1460 + dayOfCycle / 36524 - dayOfCycle / 146096) / 365;
    const std::int64_t dayOfYear =
        dayOfCycle - (365 * yearOfCycle + yearOfCycle / 4 - yearOfCycle / 100);
    const std::int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;  // dayOfYear 0 to 365: 0 to 11
    TCivilDate date;
    date.Day = static_cast<std::uint16_t>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    date.Month = static_cast<std::uint16_t>(monthFromMarch < 10 ? monthFromMarch + 3
                                                                 : monthFromMarch - 9);
    date.Year = yearOfCycle + cycle * 400 + (date.Month <= 2 ? 1 : 0);
    return date;
}

TStampMoment MomentOfSeconds(std::int64_t seconds) {
    const std::int64_t days = FloorDivide(seconds, SecondsPerCivilDay);
    const TCivilDate date = CivilDateOf(days);
    const auto secondOfDay = static_cast<std::uint32_t>(seconds - days * SecondsPerCivilDay);
    return TStampMoment{static_cast<std::uint16_t>(date.Year),
                        date.Month,
                        date.Day,
                        static_cast<std::uint16_t>(secondOfDay / 3600),
                        static_cast<std::uint16_t>(secondOfDay / 60 % 60),
                        static_cast<std::uint16_t>(secondOfDay % 60),
                        0};
}

}  // namespace kelpworth
