#include "stamp/zone_offsets.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <utility>
#include <vector>

namespace kelpworth {
namespace {

// Seconds from 1601-01-01 00:00 to a date and time, counted by the standard
// library's calendar.
std::int64_t At(int y, unsigned m, unsigned d, int hour = 0, int minute = 0, int second = 0) {
    using namespace std::chrono;
    const sys_days origin = year{1601} / January / 1;
    const sys_days day = year{y} / month{m} / d;
    return (day - origin).count() * std::int64_t{86'400} + hour * 3600 + minute * 60 + second;
}

// A zone from its published rules: the offset before the first change,
// then each change at its UTC moment.
struct TZone {
    std::int32_t Initial = 0;
    std::vector<std::pair<std::int64_t, std::int32_t>> Changes;
};

TUtcOffsetLookup LookupOf(const TZone& zone) {
    return [zone](std::int64_t utc, std::int32_t& offset) {
        offset = zone.Initial;
        for (const auto& [from, next] : zone.Changes) {
            if (utc >= from) offset = next;
        }
        return true;
    };
}

constexpr std::int32_t Hours = 3600;

// Europe/Berlin in 2024: summer time from 31.03 01:00 UTC to 27.10 01:00 UTC.
const TZone Berlin2024{1 * Hours,
                       {{At(2024, 3, 31, 1), 2 * Hours}, {At(2024, 10, 27, 1), 1 * Hours}}};
// Australia/Lord_Howe in 2024: +11:00 until 07.04 02:00 local, then +10:30
// until 06.10 02:00 local.
const TZone LordHowe2024{39'600,
                         {{At(2024, 4, 6, 15), 37'800}, {At(2024, 10, 5, 15, 30), 39'600}}};
// Pacific/Apia skipped 30.12.2011: from -10:00 to +14:00 after 29.12 23:59:59 local.
const TZone Apia2011{-10 * Hours, {{At(2011, 12, 30, 10), 14 * Hours}}};
const TZone Kathmandu{20'700, {}};

TEST(OffsetsOfLocalTime, AroundTheChangesOfAZone) {
    using enum TLocalTimeKind;
    struct Case {
        const TZone* Zone;
        std::int64_t Local;
        TLocalTimeKind Kind;
        std::int32_t Offset;
        std::int32_t OtherOffset;
    };
    const Case cases[] = {
        {&Berlin2024, At(2024, 1, 15, 12), Unique, 1 * Hours, 0},
        {&Berlin2024, At(2024, 3, 31, 1, 59, 59), Unique, 1 * Hours, 0},
        {&Berlin2024, At(2024, 3, 31, 2), Missing, 1 * Hours, 2 * Hours},
        {&Berlin2024, At(2024, 3, 31, 2, 59, 59), Missing, 1 * Hours, 2 * Hours},
        {&Berlin2024, At(2024, 3, 31, 3), Unique, 2 * Hours, 0},
        {&Berlin2024, At(2024, 10, 27, 1, 59, 59), Unique, 2 * Hours, 0},
        {&Berlin2024, At(2024, 10, 27, 2), Repeated, 2 * Hours, 1 * Hours},
        {&Berlin2024, At(2024, 10, 27, 2, 59, 59), Repeated, 2 * Hours, 1 * Hours},
        {&Berlin2024, At(2024, 10, 27, 3), Unique, 1 * Hours, 0},
        {&LordHowe2024, At(2024, 4, 7, 1, 29, 59), Unique, 39'600, 0},
        {&LordHowe2024, At(2024, 4, 7, 1, 30), Repeated, 39'600, 37'800},
        {&LordHowe2024, At(2024, 4, 7, 2), Unique, 37'800, 0},
        {&LordHowe2024, At(2024, 10, 6, 2, 15), Missing, 37'800, 39'600},
        {&LordHowe2024, At(2024, 10, 6, 2, 30), Unique, 39'600, 0},
        {&Apia2011, At(2011, 12, 29, 23, 59, 59), Unique, -10 * Hours, 0},
        {&Apia2011, At(2011, 12, 30, 12), Missing, -10 * Hours, 14 * Hours},
        {&Apia2011, At(2011, 12, 31, 0), Unique, 14 * Hours, 0},
        {&Kathmandu, At(2017, 12, 25, 10, 20, 30), Unique, 20'700, 0},
    };
    for (const Case& c : cases) {
        const TLocalTimeOffsets offsets = OffsetsOfLocalTime(c.Local, LookupOf(*c.Zone));
        EXPECT_EQ(offsets.Kind, c.Kind) << c.Local;
        EXPECT_EQ(offsets.Offset, c.Offset) << c.Local;
        if (c.Kind != Unique) {
            EXPECT_EQ(offsets.OtherOffset, c.OtherOffset) << c.Local;
        }
    }
}

TEST(OffsetsOfLocalTime, AZoneWithoutAnswersGivesNone) {
    const TUtcOffsetLookup silent = [](std::int64_t, std::int32_t&) { return false; };
    EXPECT_EQ(OffsetsOfLocalTime(At(2024, 1, 1), silent).Kind, TLocalTimeKind::Unknown);
}

TEST(UtcOffsetText, HoursMinutesAndSecondsWhereNeeded) {
    EXPECT_EQ(UtcOffsetText(0), "+00:00");
    EXPECT_EQ(UtcOffsetText(3600), "+01:00");
    EXPECT_EQ(UtcOffsetText(-18'000), "-05:00");
    EXPECT_EQ(UtcOffsetText(20'700), "+05:45");
    EXPECT_EQ(UtcOffsetText(3208), "+00:53:28");
    EXPECT_EQ(UtcOffsetText(-34'200), "-09:30");
    EXPECT_EQ(UtcOffsetText(50'400), "+14:00");
}

TEST(SecondsOfFields, TakesTheFieldsAsTheArithmeticDoes) {
    const auto seconds = [](std::uint16_t y, std::uint16_t mo, std::uint16_t d, std::uint16_t h,
                            std::uint16_t mi, std::uint16_t s) {
        return SecondsOfFields(TStampMoment{y, mo, d, h, mi, s, 0});
    };
    EXPECT_EQ(seconds(2017, 12, 25, 10, 20, 30), At(2017, 12, 25, 10, 20, 30));
    EXPECT_EQ(seconds(2017, 2, 31, 12, 0, 0), At(1899, 12, 30, 12));  // no calendar date
    EXPECT_EQ(seconds(2017, 1, 1, 24, 30, 15), At(2017, 1, 1));       // no time of day
    EXPECT_EQ(seconds(1600, 12, 31, 23, 0, 0), -3600);
}

TEST(FieldsOfSeconds, WithinTheStampsRangeOnly) {
    TStampMoment fields;
    EXPECT_TRUE(FieldsOfSeconds(At(2017, 12, 25, 9, 20, 30), 7, fields));
    EXPECT_EQ(fields.Year, 2017);
    EXPECT_EQ(fields.Month, 12);
    EXPECT_EQ(fields.Day, 25);
    EXPECT_EQ(fields.Hour, 9);
    EXPECT_EQ(fields.Minute, 20);
    EXPECT_EQ(fields.Second, 30);
    EXPECT_EQ(fields.Units, 7u);
    EXPECT_TRUE(FieldsOfSeconds(0, 0, fields));
    EXPECT_TRUE(FieldsOfSeconds(At(9999, 12, 31, 23, 59, 59), 0, fields));
    EXPECT_EQ(fields.Year, 9999);

    fields = TStampMoment{2003, 2, 1, 4, 5, 6, 7};
    EXPECT_FALSE(FieldsOfSeconds(-1, 0, fields));
    EXPECT_FALSE(FieldsOfSeconds(At(10000, 1, 1), 0, fields));
    EXPECT_EQ(fields.Year, 2003);  // untouched
}

}  // namespace
}  // namespace kelpworth
