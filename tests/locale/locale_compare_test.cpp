#include "locale/locale_compare.h"

#include <gtest/gtest.h>

#include "common/test_support.h"

namespace kelpworth {
namespace {

// A code page whose two-byte characters open with 0x81..0x9F.
TLocaleState DoubleByteState() {
    TLocaleState state;
    state.Identity.DoubleByteScript = true;
    for (unsigned byte = 0x81; byte <= 0x9F; ++byte) state.LeadByteSet.set(byte);
    return state;
}

using LocaleCompareTest = testing::FakePlatformTest;

TEST_F(LocaleCompareTest, ComparesWithoutCase) {
    EXPECT_EQ(LocaleCompareNoCase("pm", "PM"), 0);
    EXPECT_EQ(LocaleCompareNoCase("", ""), 0);
    EXPECT_LT(LocaleCompareNoCase("AM", "PM"), 0);
    EXPECT_GT(LocaleCompareNoCase("PMx", "pm"), 0);
}

TEST(LimitedCompareNoCase, StopsAtTheLimitAndAtTheEndOfEitherText) {
    EXPECT_EQ(LimitedCompareNoCase("GGyy", "gg", 2), 0);
    EXPECT_EQ(LimitedCompareNoCase("yYyY/MM", "yyyy", 4), 0);
    EXPECT_NE(LimitedCompareNoCase("g", "gg", 2), 0);    // the picture ends first
    EXPECT_NE(LimitedCompareNoCase("yyy", "yyyy", 4), 0);
    EXPECT_EQ(LimitedCompareNoCase("ab", "AB", 5), 0);   // both end within the limit
    EXPECT_NE(LimitedCompareNoCase("abc", "ab", 5), 0);
}

TEST(ClassifyByte, PairsLeadBytesFromTheStart) {
    const TLocaleState state = DoubleByteState();
    // lead, trail (itself a lead value), lead, trail 'A', single 'B'
    const std::string text = "\x81\x82\x83" "AB";
    EXPECT_EQ(ClassifyByte(text, 0, state), TByteKind::Lead);
    EXPECT_EQ(ClassifyByte(text, 1, state), TByteKind::Trail);
    EXPECT_EQ(ClassifyByte(text, 2, state), TByteKind::Lead);
    EXPECT_EQ(ClassifyByte(text, 3, state), TByteKind::Trail);
    EXPECT_EQ(ClassifyByte(text, 4, state), TByteKind::Single);
    EXPECT_EQ(ClassifyByte(text, 5, state), TByteKind::Single);  // the end

    TLocaleState single = state;
    single.Identity.DoubleByteScript = false;
    EXPECT_EQ(ClassifyByte(text, 0, single), TByteKind::Single);
    EXPECT_EQ(ClassifyByte(text, 3, single), TByteKind::Single);
}

TEST_F(LocaleCompareTest, FindsOnlyOccurrencesOnCharacterBoundaries) {
    const TLocaleState state = DoubleByteState();
    // "A" first appears as the second byte of \x81 A.
    EXPECT_EQ(LocaleFindText("\x81" "AxA", "A", state), 3u);
    EXPECT_EQ(LocalePosition("A", "\x81" "AxA", state), 4u);
    EXPECT_EQ(LocaleFindText("\x81" "A", "A", state), std::nullopt);
    EXPECT_EQ(LocalePosition("A", "\x81" "A", state), 0u);
    // A two-byte character is found whole, also after other ones.
    EXPECT_EQ(LocaleFindText("\x81\x82\x82\x41", "\x82\x41", state), 2u);
    EXPECT_EQ(LocaleFindText("\x81\x82\x41", "\x82\x41", state), std::nullopt);

    // Without double-byte support every occurrence counts.
    TLocaleState single = state;
    single.Identity.DoubleByteScript = false;
    EXPECT_EQ(LocaleFindText("\x81" "AxA", "A", single), 1u);
}

TEST_F(LocaleCompareTest, FindsByteExactOccurrences) {
    const TLocaleState state;
    EXPECT_EQ(LocalePosition("e", "eeee/MM/dd", state), 1u);
    EXPECT_EQ(LocalePosition("e", "yyyy/MM/dd", state), 0u);
    EXPECT_EQ(LocalePosition("E", "eeee", state), 0u);  // case matters here
    EXPECT_EQ(LocalePosition("", "eeee", state), 0u);
    EXPECT_EQ(LocalePosition("e", "", state), 0u);
    EXPECT_EQ(LocalePosition("longer", "long", state), 0u);
}

}  // namespace
}  // namespace kelpworth
