// The exact operations form their exact result as a 128-bit integer times a
// power of two, with a sticky flag for nonzero bits cut off below that
// integer, and round it twice. Only 64-bit unsigned integer arithmetic is
// used, and doubles are taken apart and put together through their bit
// patterns.
#include "stamp/two_stage.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

namespace kelpworth {
namespace {

constexpr std::uint64_t FractionMask = (std::uint64_t{1} << 52) - 1;
using two_stage::TopBit;
constexpr std::int32_t SmallestScale = -1074;  // 2^-1074 is the smallest subnormal
constexpr std::int32_t LargestScale = 971;     // 2^971 is the unit of the largest binade

// An unsigned 128-bit number.
struct TWide {
    std::uint64_t High = 0;
    std::uint64_t Low = 0;
};

// Value = (-1)^Negative * Significand * 2^Exponent when Sticky is clear; when
// set, the magnitude lies strictly between that and the next multiple of
// 2^Exponent. Sticky is only set on a significand of at least 65 bits, so
// the cut-off part lies wholly below the round bit of the 64-bit stage.
struct TExact {
    bool Negative = false;
    TWide Significand;
    std::int32_t Exponent = 0;
    bool Sticky = false;
};

// A finite binary64 number: (-1)^Negative * Significand * 2^Exponent, with
// Significand below 2^53.
struct TBinary {
    bool Negative = false;
    std::uint64_t Significand = 0;
    std::int32_t Exponent = 0;
};

std::int32_t BitLength(TWide x) {
    if (x.High != 0) return 128 - std::countl_zero(x.High);
    return 64 - std::countl_zero(x.Low);
}

// 0 <= count < 128.
TWide ShiftLeft(TWide x, std::int32_t count) {
    if (count == 0) return x;
    if (count >= 64) return {x.Low << (count - 64), 0};
    return {(x.High << count) | (x.Low >> (64 - count)), x.Low << count};
}

TWide Add(TWide a, TWide b) {
    const std::uint64_t low = a.Low + b.Low;
    const std::uint64_t carry = low < a.Low ? 1 : 0;
    return {a.High + b.High + carry, low};
}

// Requires a >= b.
TWide Subtract(TWide a, TWide b) {
    const std::uint64_t borrow = a.Low < b.Low ? 1 : 0;
    return {a.High - b.High - borrow, a.Low - b.Low};
}

TBinary Unpack(double value) {
    const auto bits = BitCopy<std::uint64_t>(value);
    const auto field = static_cast<std::int32_t>((bits >> 52) & 0x7FF);
    TBinary x;
    x.Negative = (bits & TopBit) != 0;
    if (field == 0) {  // zero or subnormal
        x.Significand = bits & FractionMask;
        x.Exponent = SmallestScale;
    } else {
        x.Significand = (bits & FractionMask) | (FractionMask + 1);
        x.Exponent = field - 1075;
    }
    return x;
}

// Moves the top bit of a nonzero significand to bit 52, so that comparing
// exponents first and significands second orders the magnitudes.
TBinary Normalized(TBinary x) {
    const std::int32_t shift = std::countl_zero(x.Significand) - 11;
    x.Significand <<= shift;
    x.Exponent -= shift;
    return x;
}

// Second stage: kept * 2^exponent, kept in [2^63, 2^64), to the nearest
// binary64 (ties to even), on the subnormal grid where the value is that
// small and to infinity past the largest finite number.
double RoundToBinary64(bool negative, std::uint64_t kept, std::int32_t exponent) {
    // Bits to drop: 11 for a normal result, more below 2^-1022 where the
    // grid is 2^-1074.
    const std::int32_t drop = std::max(11, SmallestScale - exponent);
    std::uint64_t rounded = 0;
    if (drop < 64) {
        const std::uint64_t half = std::uint64_t{1} << (drop - 1);
        const std::uint64_t rest = kept & ((half << 1) - 1);
        rounded = kept >> drop;
        if (rest > half || (rest == half && (rounded & 1) != 0)) ++rounded;
    } else if (drop == 64) {
        // The value lies in [2^-1075, 2^-1074): exactly half goes to the even 0.
        rounded = kept > TopBit ? 1 : 0;
    }  // A larger drop leaves less than half of 2^-1074: zero.

    // The result is rounded * 2^scale, rounded <= 2^53 and scale >= -1074.
    const std::int32_t scale = exponent + drop;
    const std::uint64_t sign = negative ? TopBit : 0;
    if (scale > LargestScale) {
        return BitCopy<double>(sign | 0x7FF0000000000000);
    }
    // Adding the significand with its leading bit onto the shifted scale
    // builds the exponent field: a leading bit 2^52 lifts a subnormal's
    // field 0 to 1, a carry to 2^53 lifts it once more, and a carry out of
    // the largest binade gives the pattern of infinity.
    const auto field = static_cast<std::uint64_t>(scale - SmallestScale);
    return BitCopy<double>(sign | ((field << 52) + rounded));
}

// First stage to 64 bits, then the second to binary64.
double RoundTwice(const TExact& x) {
    const std::int32_t length = BitLength(x.Significand);
    if (length == 0) return x.Negative ? -0.0 : 0.0;

    // Normalized so that bit 127 is the leading one; the value is then
    // (top.High + top.Low / 2^64) * 2^exponent.
    const TWide top = ShiftLeft(x.Significand, 128 - length);
    std::int32_t exponent = x.Exponent + length - 64;

    std::uint64_t kept = top.High;
    const bool roundBit = (top.Low & TopBit) != 0;
    const bool belowRoundBit = (top.Low << 1) != 0 || x.Sticky;
    if (roundBit && (belowRoundBit || (kept & 1) != 0)) {
        ++kept;
        if (kept == 0) {  // all ones rounded up to 2^64
            kept = TopBit;
            ++exponent;
        }
    }
    return RoundToBinary64(x.Negative, kept, exponent);
}

}  // namespace

double ExactTwoStageDivide(std::uint32_t numerator, std::uint32_t denominator) {
    if (denominator == 0) {
        return numerator == 0 ? std::numeric_limits<double>::quiet_NaN()
                              : std::numeric_limits<double>::infinity();
    }
    if (numerator == 0) return 0.0;

    // Schoolbook division of numerator * 2^96 in four 32-bit digits: each
    // partial dividend (remainder * 2^32 + digit) is below
    // denominator * 2^32 <= 2^64, so each quotient digit is below 2^32.
    const std::uint64_t dividendDigits[4] = {numerator, 0, 0, 0};
    std::uint64_t quotientDigits[4] = {};
    std::uint64_t remainder = 0;
    for (int i = 0; i < 4; ++i) {
        const std::uint64_t partial = (remainder << 32) | dividendDigits[i];
        quotientDigits[i] = partial / denominator;
        remainder = partial % denominator;
    }

    // The quotient is above 2^96 / 2^32 = 2^64, so it has at least 65 bits
    // and the remainder may go into the sticky flag.
    TExact exact;
    exact.Significand = {(quotientDigits[0] << 32) | quotientDigits[1],
                         (quotientDigits[2] << 32) | quotientDigits[3]};
    exact.Exponent = -96;
    exact.Sticky = remainder != 0;
    return RoundTwice(exact);
}

double ExactTwoStageAdd(double a, double b) {
    // Infinities and NaN come out of the plain operation without rounding.
    if (!std::isfinite(a) || !std::isfinite(b)) return a + b;

    TBinary x = Unpack(a);
    TBinary y = Unpack(b);
    // With a zero operand the sum is exact; the plain operation also gives
    // zero its sign (-0 + -0 is -0, every other zero sum +0).
    if (x.Significand == 0 || y.Significand == 0) return a + b;

    x = Normalized(x);
    y = Normalized(y);
    if (y.Exponent > x.Exponent || (y.Exponent == x.Exponent && y.Significand > x.Significand)) {
        std::swap(x, y);
    }

    // x * 2^64 in the 128-bit word: below 2^117. y is aligned to it exactly
    // while the exponent distance is at most 64 (below 2^117 too); further
    // down, its bits below the word go into the sticky flag. The sum is
    // then below 2^118, and with a sticky flag it is at least 2^116, as is
    // the difference (x * 2^64 minus less than 2^53).
    const TWide larger{x.Significand, 0};
    TWide smaller;
    bool sticky = false;
    const std::int64_t distance = std::int64_t{x.Exponent} - y.Exponent;
    if (distance <= 64) {
        smaller = ShiftLeft(TWide{0, y.Significand}, static_cast<std::int32_t>(64 - distance));
    } else if (distance < 128) {
        const auto shift = static_cast<std::int32_t>(distance - 64);  // 1..63
        smaller.Low = y.Significand >> shift;
        sticky = (y.Significand << (64 - shift)) != 0;
    } else {
        sticky = true;
    }

    TExact exact;
    exact.Negative = x.Negative;
    exact.Exponent = x.Exponent - 64;
    exact.Sticky = sticky;
    if (x.Negative == y.Negative) {
        exact.Significand = Add(larger, smaller);
    } else {
        // |x| >= |y|, so the difference is never negative. When cut-off
        // bits of y are missing, the true difference lies strictly between
        // (larger - smaller - 1) and (larger - smaller): take the lower
        // integer and keep the sticky flag.
        exact.Significand = Subtract(larger, smaller);
        if (sticky) exact.Significand = Subtract(exact.Significand, TWide{0, 1});
        if (BitLength(exact.Significand) == 0) return 0.0;  // x - x is +0
    }
    return RoundTwice(exact);
}

double ExactTwoStageMultiply(double a, std::uint32_t factor) {
    if (!std::isfinite(a)) return a * static_cast<double>(factor);

    const TBinary x = Unpack(a);
    // Two partial products: (significand mod 2^32) * factor < 2^64 and
    // (significand div 2^32) * factor < 2^21 * 2^32. Their sum is exact in
    // 128 bits (below 2^85), so no sticky flag is needed.
    const std::uint64_t lowProduct = (x.Significand & 0xFFFFFFFF) * factor;
    const std::uint64_t highProduct = (x.Significand >> 32) * factor;

    TExact exact;
    exact.Negative = x.Negative;
    exact.Significand = Add(TWide{highProduct >> 32, highProduct << 32}, TWide{0, lowProduct});
    exact.Exponent = x.Exponent;
    return RoundTwice(exact);
}

}  // namespace kelpworth
