#include "stamp/stamp_reading.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace kelpworth {
namespace {

TEST(ReadStampText, EveryFormGivesTheSame64Bits) {
    const std::uint64_t Stamp = 0x01D37D69FCC9D480;
    for (const char* text :
         {"0x01D37D69-0xFCC9D480", "0x01d37d69-0xfcc9d480", "01D37D69-FCC9D480",
          "0X01D37D69-FCC9D480", "0x1D37D69-0xFCC9D480", "0x01D37D69FCC9D480", "0x1d37d69fcc9d480",
          "131586708290000000", "0000131586708290000000", "80,d4,c9,fc,69,7d,d3,01",
          "hex(b):80,d4,c9,fc,69,7d,d3,01", "HEX(B):80,D4,C9,FC,69,7D,D3,01"}) {
        const TStampTextReading reading = ReadStampText(text);
        EXPECT_EQ(reading.Kind, TStampTextKind::Stamp) << text;
        EXPECT_EQ(reading.Stamp, Stamp) << text;
    }
}

TEST(ReadStampText, TheEndsOfTheRange) {
    struct Case {
        const char* Text;
        std::uint64_t Stamp;
    };
    const Case cases[] = {
        {"0", 0},
        {"0x0", 0},
        {"0x00000000-0x00000000", 0},
        {"00,00,00,00,00,00,00,00", 0},
        {"18446744073709551615", 0xFFFFFFFFFFFFFFFF},
        {"0xFFFFFFFFFFFFFFFF", 0xFFFFFFFFFFFFFFFF},
        {"0x00000000000000000001", 1},  // leading zeros beyond 16 digits
        {"0x7FFFFFFF-0xFFFFFFFF", 0x7FFFFFFFFFFFFFFF},
        {"ff,ff,ff,ff,ff,ff,ff,7f", 0x7FFFFFFFFFFFFFFF},
    };
    for (const Case& c : cases) {
        const TStampTextReading reading = ReadStampText(c.Text);
        EXPECT_EQ(reading.Kind, TStampTextKind::Stamp) << c.Text;
        EXPECT_EQ(reading.Stamp, c.Stamp) << c.Text;
    }
}

TEST(ReadStampText, MoreThan64BitsIsTooLarge) {
    for (const char* text : {"18446744073709551616", "99999999999999999999999", "0x10000000000000000",
                             "80,d4,c9,fc,69,7d,d3,01,00"}) {
        EXPECT_EQ(ReadStampText(text).Kind, TStampTextKind::TooLarge) << text;
    }
}

TEST(ReadStampText, NothingElseIsAStamp) {
    for (const char* text :
         {"", "0x", "x12", "0x-0x1", "0x1-", "-0x1", "0x123456789-0x1", "0x1-0x123456789",
          "0x1-0x2-0x3", "12a", "1.5", " 12", "+12", "-12", "0xg1", "80,d4,c9,fc,69,7d,d3",
          "80,d4,c9,fc,69,7d,d3,1", "8,0d4,c9,fc,69,7d,d3,01", "80,d4,c9,fc,69,7d,d3,01,",
          "hex(b):", "hex(b)80,d4,c9,fc,69,7d,d3,01", "hex(a):80,d4,c9,fc,69,7d,d3,01",
          "80;d4;c9;fc;69;7d;d3;01", "0x01D37D69 -0xFCC9D480", "0x01D37D69-0x1FCC9D480",
          "0x101D37D69-0xFCC9D480", "0x01D37D69-0x0FCC9D480"}) {
        EXPECT_EQ(ReadStampText(text).Kind, TStampTextKind::NoForm) << '"' << text << '"';
    }
}

}  // namespace
}  // namespace kelpworth
