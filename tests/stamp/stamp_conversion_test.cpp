#include "stamp/stamp_conversion.h"

#include "kelpworth/stamp.h"

#include <string>

#include "common/test_support.h"

namespace kelpworth {
namespace {

// The fields as read, in the order a date is written here.
struct ReadFields {
    std::uint16_t Day, Month, Year, Hour, Minute, Second, Fourth;
};

// The clock reads 03.04.2026 05:06:07 in these tests.
struct ConversionCase {
    const char* dateStr;
    const char* timeStr;
    const char* usedDate;
    const char* usedTime;
    ReadFields fields;
};

const ConversionCase ConversionCases[] = {
    {"25.12.2017", "10:20:30", "25.12.2017", "10:20:30", {25, 12, 2017, 10, 20, 30, 0}},
    // date texts the field checks reject are replaced by the clock
    {"32.01.2017", "10:20:30", "03.04.2026", "10:20:30", {3, 4, 2026, 10, 20, 30, 0}},
    {"01.13.2017", "10:20:30", "03.04.2026", "10:20:30", {3, 4, 2026, 10, 20, 30, 0}},
    {"01.01.17", "10:20:30", "03.04.2026", "10:20:30", {3, 4, 2026, 10, 20, 30, 0}},
    {"01.01.0000", "10:20:30", "03.04.2026", "10:20:30", {3, 4, 2026, 10, 20, 30, 0}},
    {"25.12", "10:20:30", "03.04.2026", "10:20:30", {3, 4, 2026, 10, 20, 30, 0}},
    {"", "", "03.04.2026", "05:06:07", {3, 4, 2026, 5, 6, 7, 0}},
    // accepted oddities
    {"1.1.2017", "7:5", "1.1.2017", "7:5", {1, 1, 2017, 7, 5, 0, 0}},
    {"01.01.2017.5", "21", "01.01.2017.5", "21", {1, 1, 2017, 21, 0, 0, 0}},
    {"65537.1.2017", "10", "65537.1.2017", "10", {1, 1, 2017, 10, 0, 0, 0}},
    {"31.02.2017", "24:00:00", "31.02.2017", "24:00:00", {31, 2, 2017, 24, 0, 0, 0}},
    {"01.01.1600", "10:20:30:50", "01.01.1600", "10:20:30:50", {1, 1, 1600, 10, 20, 30, 50}},
    {"01.01.2017", "1:2:3:4:99999", "01.01.2017", "1:2:3:4:99999", {1, 1, 2017, 1, 2, 3, 4}},
    // time texts the field checks reject
    {"25.12.2017", "10:61:00", "25.12.2017", "05:06:07", {25, 12, 2017, 5, 6, 7, 0}},
    {"25.12.2017", "25", "25.12.2017", "05:06:07", {25, 12, 2017, 5, 6, 7, 0}},
    {"25.12.2017", "10:20:30:100", "25.12.2017", "05:06:07", {25, 12, 2017, 5, 6, 7, 0}},
    // both replaced
    {"99.99.9999", "99:99", "03.04.2026", "05:06:07", {3, 4, 2026, 5, 6, 7, 0}},
};

class StampConversionTable : public testing::FakePlatformTest,
                             public ::testing::WithParamInterface<ConversionCase> {};

TEST_P(StampConversionTable, ReadsTheFieldsOrFallsBackToTheClock) {
    const ConversionCase& c = GetParam();
    fake().Clock = {2026, 4, 5, 3, 5, 6, 7, 0};
    const TConversionResult result = ComputeStamp({c.dateStr, c.timeStr, ""}, SystemClock());
    EXPECT_EQ(result.Used.DateStr, c.usedDate);
    EXPECT_EQ(result.Used.TimeStr, c.usedTime);
    EXPECT_EQ(result.Fields.Day, c.fields.Day);
    EXPECT_EQ(result.Fields.Month, c.fields.Month);
    EXPECT_EQ(result.Fields.Year, c.fields.Year);
    EXPECT_EQ(result.Fields.Hour, c.fields.Hour);
    EXPECT_EQ(result.Fields.Minute, c.fields.Minute);
    EXPECT_EQ(result.Fields.Second, c.fields.Second);
    EXPECT_EQ(result.Fields.Units, c.fields.Fourth * UnitsPerMillisecond);
}

INSTANTIATE_TEST_SUITE_P(Records, StampConversionTable, ::testing::ValuesIn(ConversionCases));

using StampConversion = testing::FakePlatformTest;

TEST_F(StampConversion, TheStampTextsOfKnownMoments) {
    struct Case {
        const char* dateStr;
        const char* timeStr;
        const char* stampText;
    };
    const Case cases[] = {
        {"01.01.1601", "00:00:00", "0x00000000-0x00000000"},
        {"01.01.2017", "12:34:56", "0x01D2642B-0x7535D800"},
        {"01.01.2017", "12:34:56:50", "0x01D2642B-0x7535D800"},
        {"31.12.1600", "00:00:00", "0x000000C9-0x2A69C000"},
        {"31.12.9999", "23:59:59", "0x24C85A5E-0xD127A980"},
        {"01.01.2017", "24:30:15", "0x01D263C1-0xFEB0C000"},
        {"31.02.2017", "12:00:00", "0x014F360E-0x3E41A000"},
        // the largest fourth field restores the second the rounding loses;
        // 100 is too large, and the clock's time (09:41:07) stands in
        {"25.12.2017", "10:20:30:99", "0x01D37D69-0xFD626B00"},
        {"25.12.2017", "10:20:30:100", "0x01D37D64-0x7CED3B80"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StampText(ComputeStamp({c.dateStr, c.timeStr, ""}, SystemClock()).Stamp), c.stampText)
            << c.dateStr << ' ' << c.timeStr;
    }
}

TEST_F(StampConversion, NeverLoopsOnAClockWhoseTextFailsTheChecks) {
    fake().Clock = {0, 0, 0, 0, 0, 0, 0, 0};  // renders 00.00.0000
    const TConversionResult result = ComputeStamp({"", "", ""}, SystemClock());
    EXPECT_EQ(result.Used.DateStr, "00.00.0000");
    EXPECT_LE(result.Stamp, 0x24C85A5ED127A980u);  // at most 31.12.9999 23:59:59
}

}  // namespace
}  // namespace kelpworth
