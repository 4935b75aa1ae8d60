// Bit patterns of the two-stage operations on operands whose results can
// be worked out by hand, and on double-rounding cases found on the x87.
#include "stamp/two_stage.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace kelpworth {
namespace {

double FromBits(std::uint64_t bits) {
    return std::bit_cast<double>(bits);
}

std::uint64_t BitsOf(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

constexpr std::uint64_t One = 0x3FF0000000000000;
constexpr std::uint64_t Largest = 0x7FEFFFFFFFFFFFFF;
constexpr std::uint64_t Infinity = 0x7FF0000000000000;

struct TSumCase {
    const char* Why;
    std::uint64_t A;
    std::uint64_t B;
    std::uint64_t Sum;
};

TEST(TwoStageAdd, RoundsTwiceWithCorrectStickyBits) {
    const TSumCase cases[] = {
        // 1 + 2^-53 + 2^-105: the 64-bit stage lands on the tie 1 + 2^-53,
        // the binary64 stage takes the even 1; one rounding gives 1 + 2^-52.
        {"tie made by the first stage", One, 0x3CA0000000000001, One},
        // 1 + 2^-53 + 2^-64: an exact 64-bit tie goes down to even first.
        {"64-bit tie to even", One, 0x3CA0020000000000, One},
        // 1 + 2^-53 + 2^-63 + 2^-64: the 64-bit tie goes up, past the half.
        {"64-bit tie up", One, 0x3CA0060000000000, 0x3FF0000000000001},
        // 1 - 2^-54 - 2^-106 lands on the tie below 1, which goes up to 1.
        {"tie below a power of two", One, 0xBC90000000000001, One},
        {"negative operands mirror", 0xBFF0000000000000, 0xBCA0020000000000, 0xBFF0000000000000},
        {"ordinary tie to even", 0x3FF0000000000001, 0x3CA0000000000000, 0x3FF0000000000002},
        {"operands swapped", 0x3CA0000000000001, One, One},
        // Second operands far below the first: only their sticky bit counts.
        {"smallest subnormal added", One, 0x0000000000000001, One},
        {"smallest subnormal subtracted", One, 0x8000000000000001, One},
        {"part inside, part below the window", One, 0xBBF0000000000001, One},
        {"huge minus tiny", Largest, 0x8000000000000001, Largest},
        // Subnormal results are exact.
        {"subnormal sum", 0x0000000000000001, 0x0000000000000001, 0x0000000000000002},
        {"normal difference to subnormal", 0x0018000000000000, 0x8010000000000000,
         0x0008000000000000},
        // Past the largest finite number: half an ulp is a tie that goes up.
        {"overflow at the tie", Largest, 0x7C90000000000000, Infinity},
        {"below the tie stays finite", Largest, 0x7C80000000000000, Largest},
        {"overflow of the sum", Largest, Largest, Infinity},
        // Zeros and cancellation.
        {"cancellation gives +0", 0xC0FAA95000000000, 0x40FAA95000000000, 0},
        {"-0 + -0", 0x8000000000000000, 0x8000000000000000, 0x8000000000000000},
        {"+0 + -0", 0, 0x8000000000000000, 0},
        {"zero operand", 0x8000000000000000, 0xC0FAA95000000000, 0xC0FAA95000000000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BitsOf(TwoStageAdd(FromBits(c.A), FromBits(c.B))), c.Sum) << c.Why;
        EXPECT_EQ(BitsOf(TwoStageSubtract(FromBits(c.A), -FromBits(c.B))), c.Sum) << c.Why;
    }
}

TEST(TwoStageAdd, PassesInfinitiesAndNaNThrough) {
    const double infinity = std::numeric_limits<double>::infinity();
    EXPECT_EQ(TwoStageAdd(infinity, 1.0), infinity);
    EXPECT_EQ(TwoStageSubtract(1.0, infinity), -infinity);
    EXPECT_TRUE(std::isnan(TwoStageAdd(infinity, -infinity)));
    EXPECT_TRUE(std::isnan(TwoStageSubtract(std::numeric_limits<double>::quiet_NaN(), 1.0)));
}

struct TProductCase {
    std::uint64_t A;
    std::uint32_t Factor;
    std::uint64_t Product;
};

TEST(TwoStageMultiply, RoundsTwice) {
    const TProductCase cases[] = {
        {0x3FF8000000000000, 3, 0x4012000000000000},  // 1.5 * 3 = 4.5
        {0x3FFFFFFFFFFFFFFF, 0xFFFFFFFF, 0x41FFFFFFFFDFFFFF},
        // Found on the x87: one rounding would give one unit more or less.
        {0x3FFCFF41661F4D0B, 3'202'104'144, 0x41F59E649DE2D50E},
        {0x3FFD9B6E80D1BE51, 219'930'724, 0x41B841DF4C3A4AB0},
        {0x3FFD18CAD6B51F91, 1'464'105'833, 0x41E3D66B17626C64},
        {0x8000000000000001, 3, 0x8000000000000003},  // subnormal, exact
        {Largest, 2, Infinity},
        {0xC000000000000000, 0, 0x8000000000000000},  // -2 * 0 = -0
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BitsOf(TwoStageMultiply(FromBits(c.A), c.Factor)), c.Product)
            << std::hex << c.A << " * " << std::dec << c.Factor;
    }
    EXPECT_TRUE(std::isnan(TwoStageMultiply(std::numeric_limits<double>::infinity(), 0)));
}

struct TQuotientCase {
    std::uint32_t Numerator;
    std::uint32_t Denominator;
    std::uint64_t Quotient;
};

TEST(TwoStageDivide, RoundsTwiceWithTheRemainderAsStickyBit) {
    const TQuotientCase cases[] = {
        {43'039, 86'400'000, 0x3F4052AC25B51CEC},  // one rounding: ...CED
        {46'445, 86'400'000, 0x3F419D5CBC89909E},  // one rounding: ...09F
        {2'519'395'369, 4'102'958'215, 0x3FE3A63ED5563D3C},
        {3'206'031'094, 1'494'547'323, 0x400129456C04CA64},
        {1, 3, 0x3FD5555555555555},
        {1, 0xFFFFFFFF, 0x3DF0000000100000},
        {0xFFFFFFFF, 1, 0x41EFFFFFFFE00000},
        {43'200'000, 86'400'000, 0x3FE0000000000000},
        {0, 7, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(BitsOf(TwoStageDivide(c.Numerator, c.Denominator)), c.Quotient)
            << c.Numerator << " / " << c.Denominator;
    }
}

TEST(TwoStageDivide, ByZeroGivesTheIeeeResult) {
    EXPECT_EQ(TwoStageDivide(5, 0), std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(TwoStageDivide(0, 0)));
}

}  // namespace
}  // namespace kelpworth
