#include "support/number_reader.h"

#include <gtest/gtest.h>

namespace kelpworth {
namespace {

struct ReadingCase {
    const char* text;
    std::int32_t decimal;
    std::int32_t decimalOrSeven;
};

// Both readings of one reader: the plain one keeps whatever was read, the
// one with a default gives the default whenever the reader failed.
const ReadingCase ReadingCases[] = {
    {"", 0, 7},
    {" ", 0, 7},
    {"0", 0, 0},
    {"007", 7, 7},
    {"08", 8, 8},
    {"  42", 42, 42},
    {"+42", 42, 42},
    {"-42", -42, -42},
    {"- 42", 0, 7},
    {"--5", 0, 7},
    {"42 ", 42, 7},
    {"12a", 12, 7},
    {"-12a", 12, 7},
    {"12:30", 12, 7},
    {"\t5", 0, 7},
    {"$1F", 31, 31},
    {"x1f", 31, 31},
    {"X1F", 31, 31},
    {"0x1F", 31, 31},
    {"0X1f", 31, 31},
    {"-$10", -16, -16},
    {"$", 0, 7},
    {"x", 0, 7},
    {"0x", 0, 7},
    {"$FFFFFFFF", -1, -1},
    {"$80000000", -2147483647 - 1, -2147483647 - 1},
    {"$100000000", 268435456, 7},
    {"2147483647", 2147483647, 2147483647},
    {"2147483648", -2147483647 - 1, 7},
    {"2147483649", -2147483647, 7},
    {"2147483650", 214748365, 7},
    {"21474836480", -2147483647 - 1, 7},
    {"9999999999", 999999999, 7},
    {"-2147483648", -2147483647 - 1, -2147483647 - 1},
    {"-2147483649", 2147483647, 7},
    {"65537", 65537, 65537},
};

class NumberReaderTable : public ::testing::TestWithParam<ReadingCase> {};

TEST_P(NumberReaderTable, BothDecimalReadings) {
    const ReadingCase& c = GetParam();
    EXPECT_EQ(ReadDecimal(c.text), c.decimal) << '"' << c.text << '"';
    EXPECT_EQ(ReadDecimalOr(c.text, 7), c.decimalOrSeven) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(Texts, NumberReaderTable, ::testing::ValuesIn(ReadingCases));

}  // namespace
}  // namespace kelpworth
