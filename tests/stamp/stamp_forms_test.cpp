#include "stamp/stamp_forms.h"

#include "support/text.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace kelpworth {
namespace {

// Worked out by hand from the stamps' bits: a low half whose top bit is
// set, leading zero bytes, the largest valid file time.
TEST(StampForms, EveryFormOfAFewStamps) {
    struct Case {
        std::uint64_t Stamp;
        bool Utc;
        const char* Decimal;
        const char* Hex;
        const char* Bytes;
        const char* Registry;
        const char* Iso;
    };
    const Case cases[] = {
        {0x01D37D69FCC9D480, false, "131586708290000000", "01D37D69FCC9D480",
         "80 D4 C9 FC 69 7D D3 01", "hex(b):80,d4,c9,fc,69,7d,d3,01",
         "2017-12-25T10:20:29.0000000"},
        {0x0000000000989680, true, "10000000", "0000000000989680", "80 96 98 00 00 00 00 00",
         "hex(b):80,96,98,00,00,00,00,00", "1601-01-01T00:00:01.0000000Z"},
        {0, false, "0", "0000000000000000", "00 00 00 00 00 00 00 00",
         "hex(b):00,00,00,00,00,00,00,00", "1601-01-01T00:00:00.0000000"},
        {0x7FFFFFFFFFFFFFFF, true, "9223372036854775807", "7FFFFFFFFFFFFFFF",
         "FF FF FF FF FF FF FF 7F", "hex(b):ff,ff,ff,ff,ff,ff,ff,7f",
         "30828-09-14T02:48:05.4775807Z"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UnsignedDecimalText(c.Stamp), c.Decimal);
        EXPECT_EQ(HexForm(c.Stamp), c.Hex);
        EXPECT_EQ(MemoryBytesForm(c.Stamp), c.Bytes);
        EXPECT_EQ(RegistryForm(c.Stamp), c.Registry);
        EXPECT_EQ(IsoForm(c.Stamp, c.Utc), c.Iso);
    }
    EXPECT_EQ(UnsignedDecimalText(0xFFFFFFFFFFFFFFFF), "18446744073709551615");
}

}  // namespace
}  // namespace kelpworth
