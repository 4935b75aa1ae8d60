// A printed stamp read back: reading back is exact, so it shows what the
// kept arithmetic produced. From 30.12.1899 on it gives the moment's whole
// second, or one second less exactly where the arithmetic came out a
// second short; on 02.01.1601 to 29.12.1899, where the arithmetic counts
// the time of day backwards, it gives the moment the count stands for.
// Everything is checked against the standard library's calendar.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <random>

#include "kelpworth/stamp.h"

namespace kelpworth {
namespace {

using namespace std::chrono;

constexpr std::int64_t UnitsPerSecond = 10'000'000;
const sys_days Origin = year{1601} / January / 1;
const sys_days ZeroDay = year{1899} / December / 30;

struct TMoment {
    int Year;
    unsigned Month;
    unsigned Day;
    int Hour;
    int Minute;
    int Second;
};

// The moment `seconds` after 1601-01-01 00:00.
TMoment MomentAt(std::int64_t seconds) {
    const sys_seconds at = Origin + std::chrono::seconds{seconds};
    const sys_days day = floor<days>(at);
    const year_month_day date{day};
    const hh_mm_ss time{at - day};
    return {int{date.year()}, unsigned{date.month()}, unsigned{date.day()},
            static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
            static_cast<int>(time.seconds().count())};
}

// The whole seconds the stamp's rules give for a moment without rounding:
// the time of day counts forward from 30.12.1899 on, and backwards from the
// start of the day on 02.01.1601 to 29.12.1899.
std::int64_t RuleSeconds(const TMoment& m) {
    const sys_days day = year{m.Year} / month{m.Month} / m.Day;
    const std::int64_t dayStart = (day - Origin).count() * 86'400;
    const std::int64_t timeOfDay = m.Hour * 3600 + m.Minute * 60 + m.Second;
    if (day >= ZeroDay || day == Origin) return dayStart + timeOfDay;
    return dayStart - timeOfDay;
}

// Reads back the stamp of `m`; counts what breaks the relation.
int Mismatches(const TMoment& m) {
    const std::uint64_t stamp =
        StampOfFields(static_cast<std::uint16_t>(m.Year), static_cast<std::uint16_t>(m.Month),
                      static_cast<std::uint16_t>(m.Day), static_cast<std::uint16_t>(m.Hour),
                      static_cast<std::uint16_t>(m.Minute), static_cast<std::uint16_t>(m.Second), 0);
    const auto kept = static_cast<std::int64_t>(stamp / UnitsPerSecond);
    const std::int64_t rule = RuleSeconds(m);
    if (stamp % UnitsPerSecond != 0 || (kept != rule && kept != rule - 1)) return 1;

    const TStampMoment back = FieldsOfStamp(stamp);
    const TMoment expected = MomentAt(kept);
    const bool same = back.Year == expected.Year && back.Month == expected.Month &&
                      back.Day == expected.Day && back.Hour == expected.Hour &&
                      back.Minute == expected.Minute && back.Second == expected.Second &&
                      back.Units == 0;
    if (!same) return 1;
    // From the zero day on: the moment itself, or the second before it.
    const sys_days day = year{m.Year} / month{m.Month} / m.Day;
    if (day >= ZeroDay) {
        const TMoment given = MomentAt(RuleSeconds(m) - (rule - kept));
        if (given.Second != back.Second || given.Minute != back.Minute) return 1;
    }
    return 0;
}

TEST(RoundTrip, EverySecondOfSomeDays) {
    struct Day {
        year_month_day Date;
        int ShortSeconds;  // whole seconds one short of the exact count; -1: not known
    };
    const Day days[] = {
        {year{1601} / January / 1, 43'136},  {year{1601} / January / 2, -1},
        {year{1750} / March / 15, -1},       {year{1899} / December / 29, -1},
        {year{1899} / December / 30, 0},     {year{1970} / January / 1, 10'368},
        {year{2017} / January / 1, 10'496},  {year{9999} / December / 31, 10'368},
    };
    for (const auto& [date, known] : days) {
        int mismatches = 0;
        int shortSeconds = 0;
        for (int second = 0; second < 86'400; ++second) {
            const TMoment m{int{date.year()}, unsigned{date.month()}, unsigned{date.day()},
                            second / 3600, second / 60 % 60, second % 60};
            mismatches += Mismatches(m);
            const std::uint64_t stamp = StampOfFields(
                static_cast<std::uint16_t>(m.Year), static_cast<std::uint16_t>(m.Month),
                static_cast<std::uint16_t>(m.Day), static_cast<std::uint16_t>(m.Hour),
                static_cast<std::uint16_t>(m.Minute), static_cast<std::uint16_t>(m.Second), 0);
            shortSeconds += static_cast<std::int64_t>(stamp / UnitsPerSecond) < RuleSeconds(m);
        }
        EXPECT_EQ(mismatches, 0) << int{date.year()};
        if (known >= 0) {
            EXPECT_EQ(shortSeconds, known) << int{date.year()};
        }
    }
}

TEST(RoundTrip, RandomMomentsOf1601To9999) {
    std::mt19937_64 random(20171225);
    const auto first = Origin.time_since_epoch().count();
    const auto last = sys_days{year{9999} / December / 31}.time_since_epoch().count();
    std::uniform_int_distribution<std::int64_t> days(first, last);
    std::uniform_int_distribution<int> seconds(0, 86'399);
    int mismatches = 0;
    for (int draw = 0; draw < 2'000'000; ++draw) {
        const year_month_day date{sys_days{std::chrono::days{days(random)}}};
        const int second = seconds(random);
        mismatches += Mismatches({int{date.year()}, unsigned{date.month()}, unsigned{date.day()},
                                  second / 3600, second / 60 % 60, second % 60});
    }
    EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace kelpworth
