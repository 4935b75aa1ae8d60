#include "stamp/exact_stamp.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "kelpworth/stamp.h"
#include "stamp/stamp_forms.h"

namespace kelpworth {
namespace {

constexpr std::uint64_t Second = 10'000'000;

std::uint64_t StampLineOf(const TStampMoment& f) {
    return StampOfFields(f.Year, f.Month, f.Day, f.Hour, f.Minute, f.Second,
                         static_cast<std::uint16_t>(f.Units / UnitsPerMillisecond));
}

TEST(ExactStamp, TheCountOfTheFieldsAndWhyTheStampLineDiffers) {
    using enum TStampLineDifference;
    struct Case {
        TStampMoment Fields;
        std::uint64_t WholeSeconds;
        TStampLineDifference Difference;
    };
    const Case cases[] = {
        {{2017, 1, 1, 0, 0, 3, 0}, 13'127'702'403, OneSecondShort},
        {{2017, 1, 1, 0, 0, 3, 10'000}, 13'127'702'403, None},  // 1 ms
        {{1970, 1, 1, 0, 0, 3, 0}, 11'644'473'603, OneSecondShort},
        {{1601, 1, 1, 0, 0, 1, 0}, 1, OneSecondShort},
        {{1601, 1, 1, 12, 0, 0, 0}, 43'200, None},
        {{1601, 1, 2, 0, 0, 1, 0}, 86'401, TimeCountedBackwards},
        {{1601, 1, 2, 0, 0, 1, 500'000}, 86'401, TimeCountedBackwards},
        {{1810, 5, 9, 8, 3, 37, 0}, 0x00EAB526A7451280 / Second, TimeCountedBackwards},
        {{1899, 12, 29, 0, 0, 0, 0}, 9'435'225'600, None},  // midnight counts the same both ways
        {{1899, 12, 30, 0, 0, 1, 0}, 9'435'312'001, None},
        {{2017, 2, 31, 12, 0, 0, 0}, 9'435'355'200, None},  // counts as 30.12.1899
        {{2017, 1, 1, 24, 30, 15, 0}, 13'127'702'400, None},  // counts as 00:00:00
        {{9999, 12, 31, 23, 59, 59, 0}, 265'046'774'399, None},
    };
    for (const Case& c : cases) {
        const TExactStamp exact = ExactStampBeside(c.Fields, StampLineOf(c.Fields));
        const std::string at = std::to_string(c.Fields.Year) + "-" + std::to_string(c.Fields.Month) +
                               "-" + std::to_string(c.Fields.Day);
        ASSERT_TRUE(exact.Stamp.has_value()) << at;
        EXPECT_EQ(*exact.Stamp, c.WholeSeconds * Second) << at;
        EXPECT_EQ(exact.Difference, c.Difference) << at;
    }
    const TExactStamp before = ExactStampBeside({1600, 12, 31, 6, 0, 0, 0}, 0);
    EXPECT_FALSE(before.Stamp.has_value());
    EXPECT_EQ(before.Difference, BeforeTheScale);
}

// Every whole second of the days around the scale's start and around
// 30.12.1899: the exact stamp reads back as the date and time given, and
// the stamp line differs from it exactly as said.
TEST(ExactStamp, ReadsBackAsTheDateAndTimeGivenOnEverySecondAroundTheTurns) {
    struct Days {
        std::uint16_t Year, Month, FirstDay, LastDay;
    };
    int failures = 0;
    for (const Days& days : {Days{1601, 1, 1, 4}, Days{1899, 12, 27, 31}, Days{1900, 1, 1, 2}}) {
        for (std::uint16_t day = days.FirstDay; day <= days.LastDay; ++day) {
            for (std::uint32_t second = 0; second < 86'400; ++second) {
                const TStampMoment fields{days.Year,
                                          days.Month,
                                          day,
                                          static_cast<std::uint16_t>(second / 3600),
                                          static_cast<std::uint16_t>(second / 60 % 60),
                                          static_cast<std::uint16_t>(second % 60),
                                          0};
                const std::uint64_t line = StampLineOf(fields);
                const TExactStamp exact = ExactStampBeside(fields, line);
                if (!exact.Stamp) {
                    ++failures;
                    continue;
                }
                const TStampMoment back = FieldsOfStamp(*exact.Stamp);
                const bool readsBack = back.Year == fields.Year && back.Month == fields.Month &&
                                       back.Day == fields.Day && back.Hour == fields.Hour &&
                                       back.Minute == fields.Minute &&
                                       back.Second == fields.Second && back.Units == 0;
                // 02.01.1601 to 29.12.1899
                const bool countsBack = (fields.Year == 1601 && day >= 2) ||
                                        (fields.Year == 1899 && day < 30);
                TStampLineDifference expected = TStampLineDifference::None;
                if (line != *exact.Stamp) {
                    expected = countsBack ? TStampLineDifference::TimeCountedBackwards
                                          : TStampLineDifference::OneSecondShort;
                    if (!countsBack && line + Second != *exact.Stamp) ++failures;
                }
                if (!readsBack || exact.Difference != expected) ++failures;
            }
        }
    }
    EXPECT_EQ(failures, 0);
    // The reading back prints it so.
    EXPECT_EQ(IsoForm(*ExactStampBeside({1810, 5, 9, 8, 3, 37, 0}, 0).Stamp, false),
              "1810-05-09T08:03:37.0000000");
}

}  // namespace
}  // namespace kelpworth
