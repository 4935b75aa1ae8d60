// The calendar arithmetic against its fixed points, against exact integer
// arithmetic of the same rules and against bit patterns taken on the x87.
#include "stamp/calendar.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "kelpworth/stamp.h"

namespace kelpworth {
namespace {

struct TFields {
    std::uint16_t Year = 0;
    std::uint16_t Month = 0;
    std::uint16_t Day = 0;
    std::uint16_t Hour = 0;
    std::uint16_t Minute = 0;
    std::uint16_t Second = 0;
    std::uint16_t Millisecond = 0;
};

std::string Describe(const TFields& f) {
    return std::to_string(f.Day) + "." + std::to_string(f.Month) + "." + std::to_string(f.Year) +
           " " + std::to_string(f.Hour) + ":" + std::to_string(f.Minute) + ":" +
           std::to_string(f.Second) + ", " + std::to_string(f.Millisecond);
}

double ValueOf(const TFields& f) {
    return DateTimeValue(f.Year, f.Month, f.Day, f.Hour, f.Minute, f.Second, f.Millisecond);
}

std::int64_t WholeSecondsOf(const TFields& f) {
    return WholeSecondsBetween(ValueOf(f), StampOrigin);
}

std::uint64_t StampOf(const TFields& f) {
    return StampOfFields(f.Year, f.Month, f.Day, f.Hour, f.Minute, f.Second, f.Millisecond);
}

std::uint64_t BitsOf(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

// Milliseconds from 1601-01-01 00:00 by the same rules without rounding:
// the time counts backwards on the days between the origin and the zero
// day, and days before the origin count as a positive distance.
std::int64_t ExactMilliseconds(std::int64_t day, std::int64_t millisecondOfDay) {
    constexpr std::int64_t Origin = -109'205;
    constexpr std::int64_t Day = 86'400'000;
    if (day >= 0) return (day - Origin) * Day + millisecondOfDay;
    if (day > Origin) return (day - Origin) * Day - millisecondOfDay;
    if (day == Origin) return millisecondOfDay;
    return (Origin - day) * Day + millisecondOfDay;
}

std::int64_t ExactWholeSeconds(const TFields& f) {
    const auto day = static_cast<std::int64_t>(DayNumber(f.Year, f.Month, f.Day));
    const std::int64_t ms = f.Hour * 3'600'000 + f.Minute * 60'000 + f.Second * 1'000 + f.Millisecond;
    return ExactMilliseconds(day, ms) / 1'000;
}

struct TStampCase {
    TFields Fields;
    std::int32_t DayNumber;
    std::int64_t WholeSeconds;
    const char* Stamp;
};

TEST(StampOfFields, FixedPointsAndOddRules) {
    const TStampCase cases[] = {
        {{1601, 1, 1, 0, 0, 0, 0}, -109205, 0, "0x00000000-0x00000000"},
        {{1601, 1, 1, 12, 0, 0, 0}, -109205, 43200, "0x00000064-0x9534E000"},
        {{1601, 1, 2, 0, 0, 0, 0}, -109204, 86400, "0x000000C9-0x2A69C000"},
        // Counted backwards from the start of the day.
        {{1601, 1, 2, 12, 0, 0, 0}, -109204, 43200, "0x00000064-0x9534E000"},
        // Before the origin: the distance, counted positive.
        {{1600, 12, 31, 0, 0, 0, 0}, -109206, 86400, "0x000000C9-0x2A69C000"},
        {{1600, 12, 31, 6, 0, 0, 0}, -109206, 108000, "0x000000FB-0x75043000"},
        {{1, 1, 1, 0, 0, 0, 0}, -693593, 50491123200, "0x0701CE17-0x22770000"},
        {{1750, 3, 15, 8, 30, 0, 0}, -54711, 4708251000, "0x00A7454B-0x1BAF0C00"},
        {{1899, 12, 29, 18, 0, 0, 0}, -1, 9435160800, "0x014F3449-0x9ED3B000"},
        {{1899, 12, 30, 0, 0, 0, 0}, 0, 9435312000, "0x014F35A9-0xA90CC000"},
        {{1899, 12, 30, 12, 0, 0, 0}, 0, 9435355200, "0x014F360E-0x3E41A000"},
        // Invalid dates are the zero day; the time still applies.
        {{2017, 2, 31, 12, 0, 0, 0}, 0, 9435355200, "0x014F360E-0x3E41A000"},
        {{2017, 2, 29, 0, 0, 0, 0}, 0, 9435312000, "0x014F35A9-0xA90CC000"},
        {{1900, 2, 29, 0, 0, 0, 0}, 0, 9435312000, "0x014F35A9-0xA90CC000"},
        {{2000, 2, 29, 0, 0, 0, 0}, 36585, 12596256000, "0x01BF8247-0xEBCC8000"},
        {{1970, 1, 1, 0, 0, 0, 0}, 25569, 11644473600, "0x019DB1DE-0xD53E8000"},
        {{2017, 1, 1, 0, 0, 0, 0}, 42736, 13127702400, "0x01D263C1-0xFEB0C000"},
        {{2017, 1, 1, 12, 34, 56, 0}, 42736, 13127747696, "0x01D2642B-0x7535D800"},
        {{2017, 1, 1, 12, 34, 56, 50}, 42736, 13127747696, "0x01D2642B-0x7535D800"},
        // Invalid times are 00:00; the date still applies.
        {{2017, 1, 1, 24, 0, 0, 0}, 42736, 13127702400, "0x01D263C1-0xFEB0C000"},
        {{2017, 1, 1, 24, 30, 15, 0}, 42736, 13127702400, "0x01D263C1-0xFEB0C000"},
        {{9999, 12, 31, 23, 59, 59, 0}, 2958465, 265046774399, "0x24C85A5E-0xD127A980"},
        {{9999, 12, 31, 23, 59, 59, 99}, 2958465, 265046774399, "0x24C85A5E-0xD127A980"},
    };
    for (const auto& c : cases) {
        const TFields& f = c.Fields;
        SCOPED_TRACE(Describe(f));
        EXPECT_EQ(DayNumber(f.Year, f.Month, f.Day), c.DayNumber);
        EXPECT_EQ(WholeSecondsOf(f), c.WholeSeconds);
        EXPECT_EQ(StampText(StampOf(f)), c.Stamp);
        EXPECT_EQ(StampOf(f), static_cast<std::uint64_t>(c.WholeSeconds) * 10'000'000u);
    }
}

struct TShortCase {
    TFields Fields;
    std::int64_t WholeSeconds;
    std::int64_t ExactCount;
    const char* Stamp;
};

TEST(StampOfFields, TruncationCanLoseASecond) {
    const TShortCase cases[] = {
        {{2017, 1, 1, 0, 0, 3, 0}, 13127702402, 13127702403, "0x01D263C1-0xFFE1ED00"},
        {{2017, 1, 1, 0, 0, 3, 1}, 13127702403, 13127702403, "0x01D263C2-0x007A8380"},
        {{1970, 1, 1, 0, 0, 3, 0}, 11644473602, 11644473603, "0x019DB1DE-0xD66FAD00"},
        {{1601, 1, 1, 0, 0, 1, 0}, 0, 1, "0x00000000-0x00000000"},
        {{1601, 1, 1, 0, 0, 1, 1}, 1, 1, "0x00000000-0x00989680"},
        {{1601, 1, 1, 0, 0, 2, 0}, 2, 2, "0x00000000-0x01312D00"},
        {{1, 1, 1, 0, 0, 10, 0}, 50491123209, 50491123210, "0x0701CE17-0x27D44A80"},
        // Counted backwards, exact arithmetic itself loses the second.
        {{1601, 1, 2, 0, 0, 1, 0}, 86399, 86399, "0x000000C9-0x29D12980"},
        {{1601, 1, 2, 0, 0, 1, 50}, 86398, 86398, "0x000000C9-0x29389300"},
    };
    for (const auto& c : cases) {
        const TFields& f = c.Fields;
        SCOPED_TRACE(Describe(f));
        EXPECT_EQ(ExactWholeSeconds(f), c.ExactCount);
        EXPECT_EQ(WholeSecondsOf(f), c.WholeSeconds);
        EXPECT_EQ(StampText(StampOf(f)), c.Stamp);
    }
}

struct TShortDay {
    TFields Day;               // the time fields are ignored
    int ShortTimes;            // whole-second times one second short
    std::int64_t FirstShort;   // second of the day of the first one; -1: not checked
};

// Every whole-second time of the day against exact arithmetic: the result
// is exact or one short, and a millisecond of 1 always gives the exact count.
TEST(StampOfFields, WholeSecondTimesOneShortPerDay) {
    const TShortDay days[] = {
        {{2017, 1, 1}, 10'496, 3},
        {{1970, 1, 1}, 10'368, 3},
        {{9999, 12, 31}, 10'368, -1},
        {{1601, 1, 1}, 43'136, 1},
        {{1899, 12, 30}, 0, -1},
    };
    for (const auto& d : days) {
        SCOPED_TRACE(Describe(d.Day));
        int shortTimes = 0;
        std::int64_t firstShort = -1;
        for (std::uint32_t second = 0; second < 86'400; ++second) {
            TFields f = d.Day;
            f.Hour = static_cast<std::uint16_t>(second / 3600);
            f.Minute = static_cast<std::uint16_t>(second / 60 % 60);
            f.Second = static_cast<std::uint16_t>(second % 60);
            const std::int64_t missing = ExactWholeSeconds(f) - WholeSecondsOf(f);
            ASSERT_TRUE(missing == 0 || missing == 1) << Describe(f);
            if (missing == 1 && shortTimes++ == 0) firstShort = second;
            f.Millisecond = 1;
            ASSERT_EQ(WholeSecondsOf(f), ExactWholeSeconds(f)) << Describe(f);
        }
        EXPECT_EQ(shortTimes, d.ShortTimes);
        if (d.FirstShort >= 0) {
            EXPECT_EQ(firstShort, d.FirstShort);
        }
    }
}

// Random moments of the whole domain: a millisecond of 1 or more always
// gives the exact count, a whole-second time the exact count or one less.
TEST(StampOfFields, StaysWithinOneSecondOfExactArithmetic) {
    std::mt19937_64 random(99'991'231);
    for (int i = 0; i < 200'000; ++i) {
        TFields f{static_cast<std::uint16_t>(1 + random() % 9999),
                  static_cast<std::uint16_t>(1 + random() % 12),
                  static_cast<std::uint16_t>(1 + random() % 31),
                  static_cast<std::uint16_t>(random() % 24),
                  static_cast<std::uint16_t>(random() % 60),
                  static_cast<std::uint16_t>(random() % 60),
                  static_cast<std::uint16_t>(random() % 4 == 0 ? 0 : random() % 1000)};
        const std::int64_t missing = ExactWholeSeconds(f) - WholeSecondsOf(f);
        if (f.Millisecond == 0) {
            ASSERT_TRUE(missing == 0 || missing == 1) << Describe(f);
        } else {
            ASSERT_EQ(missing, 0) << Describe(f);
        }
    }
}

// Date-time values whose sum or difference rounds twice to another number
// than one rounding would, with the following spans, as taken on the x87.
TEST(DateTimeValue, DoubleRoundedValuesAndSpans) {
    struct TCase {
        TFields Fields;
        std::uint64_t Value;       // one rounding differs in the last bit
        std::uint64_t SecondSpan;
        std::int64_t WholeSeconds;
    };
    const TCase cases[] = {
        {{8616, 7, 3, 9, 8, 7, 77}, 0x4142B75130B8BA7C, 0x4249C5DF417B89DA, 221387850487},
        {{1713, 6, 23, 7, 33, 2, 97}, 0xC0F0A1D508A1FBB0, 0x41EA71B93A3CE55F, 3549284817},
        {{554, 11, 25, 19, 22, 46, 53}, 0xC11DFC5B3ADB5F66, 0x421EBEA488183645, 33011868166},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Describe(c.Fields));
        const double value = ValueOf(c.Fields);
        EXPECT_EQ(BitsOf(value), c.Value);
        EXPECT_EQ(BitsOf(SecondSpan(value, StampOrigin)), c.SecondSpan);
        EXPECT_EQ(WholeSecondsOf(c.Fields), c.WholeSeconds);
    }
}

TEST(DayNumber, FixedPointsAndLeapYears) {
    EXPECT_EQ(DayNumber(1, 1, 1), -693593.0);
    EXPECT_EQ(DayNumber(1601, 1, 1), -109205.0);
    EXPECT_EQ(DayNumber(1899, 12, 30), 0.0);
    EXPECT_EQ(DayNumber(1970, 1, 1), 25569.0);
    EXPECT_EQ(DayNumber(2017, 1, 1), 42736.0);
    EXPECT_EQ(DayNumber(9999, 12, 31), 2958465.0);
    EXPECT_EQ(DayNumber(1600, 2, 29), DayNumber(1600, 3, 1) - 1);
    EXPECT_EQ(DayNumber(2016, 2, 29), DayNumber(2016, 3, 1) - 1);

    EXPECT_TRUE(IsLeapYear(4));
    EXPECT_TRUE(IsLeapYear(1600));
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(1));
    EXPECT_FALSE(IsLeapYear(1700));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_FALSE(IsLeapYear(2017));
}

TEST(DayNumber, InvalidDatesAreTheZeroDay) {
    const TFields invalid[] = {
        {0, 1, 1}, {10000, 1, 1}, {2017, 13, 1}, {2017, 0, 1}, {2017, 1, 0}, {2017, 1, 32},
        {2017, 2, 29}, {1900, 2, 29}, {2017, 4, 31}, {65535, 65535, 65535},
    };
    for (const auto& f : invalid) {
        EXPECT_EQ(BitsOf(DayNumber(f.Year, f.Month, f.Day)), BitsOf(0.0)) << Describe(f);
    }
}

// Walking every calendar day of the years 1 to 9999 with the month lengths
// of the proleptic Gregorian calendar, the day number rises by one a day.
TEST(DayNumber, CountsEveryDayOnce) {
    double expected = -693593.0;
    for (std::uint16_t year = 1; year <= 9999; ++year) {
        const bool leap = year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
        const std::uint16_t lengths[] = {31, static_cast<std::uint16_t>(leap ? 29 : 28), 31, 30,
                                         31, 30, 31, 31, 30, 31, 30, 31};
        for (std::uint16_t month = 1; month <= 12; ++month) {
            for (std::uint16_t day = 1; day <= lengths[month - 1]; ++day) {
                ASSERT_EQ(DayNumber(year, month, day), expected) << day << "." << month << "." << year;
                expected += 1.0;
            }
            ASSERT_EQ(DayNumber(year, month, lengths[month - 1] + 1), 0.0);
        }
    }
    EXPECT_EQ(expected, 2958466.0);
}

TEST(TimeFraction, ExactValuesAndInvalidTimes) {
    EXPECT_EQ(TimeFraction(12, 0, 0, 0), 0.5);
    EXPECT_EQ(TimeFraction(6, 0, 0, 0), 0.25);
    EXPECT_EQ(BitsOf(TimeFraction(0, 0, 43, 39)), 0x3F4052AC25B51CECu);
    EXPECT_LT(TimeFraction(23, 59, 59, 999), 1.0);
    EXPECT_EQ(TimeFraction(24, 0, 0, 0), 0.0);
    EXPECT_EQ(TimeFraction(0, 60, 0, 0), 0.0);
    EXPECT_EQ(TimeFraction(0, 0, 60, 0), 0.0);
    EXPECT_EQ(TimeFraction(0, 0, 0, 1000), 0.0);
    EXPECT_EQ(TimeFraction(65535, 65535, 65535, 65535), 0.0);
}

TEST(DateTimeValue, FractionCountsAwayFromZero) {
    EXPECT_EQ(DateTimeValue(1899, 12, 31, 6, 0, 0, 0), 1.25);
    EXPECT_EQ(DateTimeValue(1899, 12, 29, 6, 0, 0, 0), -1.25);
    EXPECT_EQ(DateTimeValue(2017, 2, 31, 18, 0, 0, 0), 0.75);
}

TEST(DaySpan, IsTheDistanceEitherWay) {
    EXPECT_EQ(DaySpan(1.25, -1.25), 2.5);
    EXPECT_EQ(DaySpan(-1.25, 1.25), 2.5);
    EXPECT_EQ(DaySpan(StampOrigin, StampOrigin), 0.0);
    EXPECT_EQ(SecondSpan(-109204.5, StampOrigin), 43200.0);
}

TEST(WholeSecondsBetween, GivesTheIndefiniteValueWhenTheSpanDoesNotFit) {
    EXPECT_EQ(WholeSecondsBetween(1e300, 0.0), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(WholeSecondsBetween(std::nan(""), 0.0), std::numeric_limits<std::int64_t>::min());
}

}  // namespace
}  // namespace kelpworth
