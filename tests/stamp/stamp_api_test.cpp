#include "kelpworth/stamp.h"

#include <gtest/gtest.h>

namespace kelpworth {
namespace {

TEST(StampText, TwoHalvesOfEightUppercaseDigits) {
    EXPECT_EQ(StampText(0), "0x00000000-0x00000000");
    EXPECT_EQ(StampText(0x01D2642B7535D800), "0x01D2642B-0x7535D800");
    EXPECT_EQ(StampText(0xABCDEF), "0x00000000-0x00ABCDEF");
    EXPECT_EQ(StampText(0xFFFFFFFFFFFFFFFF), "0xFFFFFFFF-0xFFFFFFFF");
}

// The library gives the tool's stamps, the one-second-short ones included.
TEST(StampText, OfTheStampOfFields) {
    EXPECT_EQ(StampText(StampOfFields(2017, 12, 25, 10, 20, 30, 0)), "0x01D37D69-0xFCC9D480");
    EXPECT_EQ(StampText(StampOfFields(2017, 12, 25, 10, 20, 30, 1)), "0x01D37D69-0xFD626B00");
    EXPECT_EQ(StampOfFields(1970, 1, 1, 0, 0, 0, 0), 116'444'736'000'000'000u);
    EXPECT_EQ(StampText(StampOfFields(1601, 1, 1, 0, 0, 0, 0)), "0x00000000-0x00000000");
}

}  // namespace
}  // namespace kelpworth
