#include "support/text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace kelpworth {
namespace {

TEST(DecimalText, CoversTheWhole32BitRange) {
    EXPECT_EQ(DecimalText(0), "0");
    EXPECT_EQ(DecimalText(-5), "-5");
    EXPECT_EQ(DecimalText(65535), "65535");
    EXPECT_EQ(DecimalText(std::numeric_limits<std::int32_t>::min()), "-2147483648");
}

TEST(HexText, PadsButNeverCuts) {
    EXPECT_EQ(HexText(0, 16), "0000000000000000");
    EXPECT_EQ(HexText(31, 0), "1F");
    EXPECT_EQ(HexText(31, 4), "001F");
    EXPECT_EQ(HexText(0x123456789ull, 4), "123456789");
    EXPECT_EQ(HexText(~std::uint64_t{0}, 16), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(HexText(31, 33), "1F");  // a width above 32 counts as 0
    EXPECT_EQ(HexText(31, 32), std::string(30, '0') + "1F");
}

TEST(LowerAscii, LeavesTheUpperHalfOfTheCodePageAlone) {
    // 0xC4 is a Cyrillic capital letter in the Windows Cyrillic code page.
    EXPECT_EQ(LowerAscii("Prog /HELP \xC4"), "prog /help \xC4");
}

TEST(FindFrom, SearchesFromAOneBasedPosition) {
    EXPECT_EQ(FindFrom("/", "/d1/t2", 1), 1u);
    EXPECT_EQ(FindFrom("/", "/d1/t2", 2), 4u);
    EXPECT_EQ(FindFrom("/", "/d1/t2", 5), 0u);
    EXPECT_EQ(FindFrom("/t2x", "/t2", 1), 0u);  // pattern longer than the text
    EXPECT_EQ(FindFrom("", "/t2", 1), 0u);
    EXPECT_EQ(FindFrom("/", "", 1), 0u);
    EXPECT_EQ(FindFrom("t2", "/d1/t2", 5), 5u);  // the last candidate
    EXPECT_EQ(FindFrom("t2", "/d1/t2", 6), 0u);  // beyond it
}

TEST(ReplaceAll, ReplacesOccurrencesFormedAtTheJunction) {
    EXPECT_EQ(ReplaceAll("a   b", " ", ""), "ab");
    EXPECT_EQ(ReplaceAll("abb", "ab", "a"), "a");
    EXPECT_EQ(ReplaceAll("x%t1%y%t1%", "%t1%", "09"), "x09y09");
    EXPECT_EQ(ReplaceAll("abc", "", "z"), "abc");
}

TEST(TrimText, RemovesControlBytesAndBlanksButNotHighBytes) {
    EXPECT_EQ(TrimText("\t 25.12\r\n"), "25.12");
    EXPECT_EQ(TrimText("   "), "");
    EXPECT_EQ(TrimText(""), "");
    EXPECT_EQ(TrimText("\xA4\xBF "), "\xA4\xBF");
}

}  // namespace
}  // namespace kelpworth
