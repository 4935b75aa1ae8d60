#include "stamp/civil_calendar.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "kelpworth/stamp.h"
#include "stamp/calendar.h"

namespace kelpworth {
namespace {

TEST(CivilCalendar, FixedDays) {
    struct Case {
        TCivilDate Date;
        std::int64_t Days;
    };
    const Case cases[] = {
        {{1601, 1, 1}, 0},          {{1601, 1, 2}, 1},          {{1600, 12, 31}, -1},
        {{1600, 2, 29}, -307},      {{1, 1, 1}, -584'388},      {{1899, 12, 30}, 109'205},
        {{1970, 1, 1}, 134'774},    {{2000, 2, 29}, 145'790},   {{2017, 12, 25}, 152'299},
        {{9999, 12, 31}, 3'067'670}, {{10000, 1, 1}, 3'067'671}, {{0, 12, 31}, -584'389},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DaysFrom1601(c.Date), c.Days) << c.Date.Year << '-' << c.Date.Month;
        const TCivilDate back = CivilDateOf(c.Days);
        EXPECT_EQ(back.Year, c.Date.Year);
        EXPECT_EQ(back.Month, c.Date.Month);
        EXPECT_EQ(back.Day, c.Date.Day);
    }
}

// Two independent countings of the same calendar agree on every day of the
// years 1 to 9999: the exact one and the day number of the stamp's own
// arithmetic, which counts from 30.12.1899.
TEST(CivilCalendar, AgreesWithTheDayNumberOnEveryDay) {
    std::int64_t days = DaysFrom1601({1, 1, 1});
    int mismatches = 0;
    for (std::int64_t year = 1; year <= 9999; ++year) {
        for (std::uint16_t month = 1; month <= 12; ++month) {
            for (std::uint16_t day = 1; day <= 31; ++day) {
                const auto y = static_cast<std::uint16_t>(year);
                if (!IsCalendarDate(year, month, day)) {
                    mismatches += DayNumber(y, month, day) == 0.0 ? 0 : 1;
                    continue;
                }
                const TCivilDate date = CivilDateOf(days);
                mismatches += DaysFrom1601({year, month, day}) == days ? 0 : 1;
                mismatches += date.Year == year && date.Month == month && date.Day == day ? 0 : 1;
                mismatches += DayNumber(y, month, day) + 109'205.0 == static_cast<double>(days)
                                  ? 0
                                  : 1;
                ++days;
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(days, DaysFrom1601({10000, 1, 1}));
}

TEST(FieldsOfStamp, TheMomentToTheHundredNanoseconds) {
    struct Case {
        std::uint64_t Stamp;
        TStampMoment Moment;
    };
    const Case cases[] = {
        {0, {1601, 1, 1, 0, 0, 0, 0}},
        {1, {1601, 1, 1, 0, 0, 0, 1}},
        {0x01D37D69FCC9D480, {2017, 12, 25, 10, 20, 29, 0}},
        {116'444'736'000'000'000, {1970, 1, 1, 0, 0, 0, 0}},
        {116'444'735'999'999'999, {1969, 12, 31, 23, 59, 59, 9'999'999}},
        {0x24C85A5ED127A980, {9999, 12, 31, 23, 59, 59, 0}},
        {0x7FFFFFFFFFFFFFFF, {30828, 9, 14, 2, 48, 5, 4'775'807}},
        {0xFFFFFFFFFFFFFFFF, {60056, 5, 28, 5, 36, 10, 9'551'615}},
    };
    for (const Case& c : cases) {
        const TStampMoment m = FieldsOfStamp(c.Stamp);
        EXPECT_EQ(m.Year, c.Moment.Year) << c.Stamp;
        EXPECT_EQ(m.Month, c.Moment.Month) << c.Stamp;
        EXPECT_EQ(m.Day, c.Moment.Day) << c.Stamp;
        EXPECT_EQ(m.Hour, c.Moment.Hour) << c.Stamp;
        EXPECT_EQ(m.Minute, c.Moment.Minute) << c.Stamp;
        EXPECT_EQ(m.Second, c.Moment.Second) << c.Stamp;
        EXPECT_EQ(m.Units, c.Moment.Units) << c.Stamp;
    }
}

// The exact count is the reverse of reading a stamp back: every 100-ns
// step of the scale's first and last seconds, every second of the days
// around 30.12.1899, and a spread of counts across the range.
TEST(StampOfMoment, ReversesFieldsOfStamp) {
    const auto roundTrip = [](std::uint64_t stamp) {
        const std::optional<std::uint64_t> back = StampOfMoment(FieldsOfStamp(stamp));
        return back.has_value() && *back == stamp;
    };
    int mismatches = 0;
    for (std::uint64_t units = 0; units < 10'000'000; units += 7) {
        mismatches += roundTrip(units) ? 0 : 1;
        mismatches += roundTrip(LastStamp - units) ? 0 : 1;
    }
    constexpr std::uint64_t Second = 10'000'000;
    const std::uint64_t zeroDay = 109'205ULL * 86'400 * Second;  // 30.12.1899 00:00
    for (std::uint64_t stamp = zeroDay - 3 * 86'400 * Second; stamp < zeroDay + 3 * 86'400 * Second;
         stamp += Second) {
        mismatches += roundTrip(stamp) ? 0 : 1;
    }
    for (std::uint64_t stamp = 0; stamp < LastStamp - 0x10000000000000ULL;
         stamp += 0x10000000000000ULL + 12'345) {
        mismatches += roundTrip(stamp) ? 0 : 1;
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(StampOfMoment, NothingForFieldsThatNameNoMomentOfTheScale) {
    const TStampMoment none[] = {
        {1600, 12, 31, 23, 59, 59, 9'999'999},  // before the scale
        {30828, 9, 14, 2, 48, 5, 4'775'808},    // past the last count
        {30828, 9, 14, 2, 48, 6, 0},
        {65535, 12, 31, 23, 59, 59, 0},         // past it by far: no overflow
        {2023, 2, 29, 12, 0, 0, 0},
        {2017, 13, 1, 0, 0, 0, 0},
        {2017, 12, 0, 0, 0, 0, 0},
        {2017, 12, 25, 24, 0, 0, 0},
        {2017, 12, 25, 23, 60, 0, 0},
        {2017, 12, 25, 23, 59, 60, 0},
        {2017, 12, 25, 23, 59, 59, 10'000'000},
    };
    for (const TStampMoment& moment : none) {
        EXPECT_FALSE(StampOfMoment(moment).has_value())
            << moment.Year << '-' << moment.Month << '-' << moment.Day << ' ' << moment.Hour
            << ':' << moment.Minute << ':' << moment.Second << '.' << moment.Units;
    }
    EXPECT_EQ(StampOfMoment({2024, 2, 29, 0, 0, 0, 0}).value_or(0), 0x01DA6AA2'3CE90000ULL);
    EXPECT_EQ(StampOfMoment({2017, 12, 25, 10, 20, 30, 0}).value_or(0), 0x01D37D69'FD626B00ULL);
}

}  // namespace
}  // namespace kelpworth
