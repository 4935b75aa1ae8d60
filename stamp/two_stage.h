// Floating-point operations that round their exact result twice: first to
// the nearest number with a 64-bit significand, then to the nearest
// binary64, both with ties to even. Every compiler and processor gives the
// same bits.
//
// The operations first round once with binary64 arithmetic and work out
// the exact error of that rounding. Two stages can only differ from one
// rounding when the exact result lies within half a 64-bit unit of a point
// halfway between two binary64 numbers, where the first stage may land on
// that point: about one result in 2000. Only then, and outside the ranges
// where the check holds, the integer emulation (two_stage.cpp) decides.
// Inline, because the calendar arithmetic chains them in tight loops.
#pragma once

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

#include "support/bit_copy.h"

namespace kelpworth {

// The integer emulation alone: the same bits on any arithmetic.
double ExactTwoStageDivide(std::uint32_t numerator, std::uint32_t denominator);
double ExactTwoStageAdd(double a, double b);
double ExactTwoStageMultiply(double a, std::uint32_t factor);

namespace two_stage {

// The shortcut needs binary64 operations that round once, to nearest, with
// no wider format in between: true of SSE2, ARM and other current units,
// not of the x87 itself.
inline constexpr bool OneRoundingHardware =
    std::numeric_limits<double>::is_iec559 && FLT_EVAL_METHOD == 0;

// The exponent field of a binary64 number.
inline constexpr std::uint64_t ExponentField = std::uint64_t{0x7FF} << 52;

// The top bit of a 64-bit word: the sign of a binary64 number, and the
// halfway point of the bits a rounding cuts off.
inline constexpr std::uint64_t TopBit = std::uint64_t{1} << 63;

// The largest error that keeps two stages equal to one rounding of a
// result lies just below unit * 2047/4096: half a binary64 unit less half
// a 64-bit unit. Returns that bound, (2 - 2^-10) * 2^(exponent - 54), an
// exact number of 11 significant bits, taking the exponent of the next
// number towards zero: below a power of two the grid is twice as fine, and
// the smaller bound is also safe above it. Results in the lowest 54
// binades get a negative bound or NaN, so no error passes and the exact
// emulation decides. At the top the bound holds as it is (overflow rounds
// as to an even neighbour 2^1024), and an infinite or NaN result comes
// with a NaN error.
inline double HalfwayMargin(double rounded) {
    const std::uint64_t below = (BitCopy<std::uint64_t>(rounded) & ~TopBit) - 1;
    return BitCopy<double>((below & ExponentField) - (std::uint64_t{54} << 52) +
                                 (std::uint64_t{0x3FF} << 42));
}

// Half a binary64 unit of a normal result, the error of an exact tie.
inline double HalfUnit(double rounded) {
    const std::uint64_t field = BitCopy<std::uint64_t>(rounded) & ExponentField;
    return BitCopy<double>(field - (std::uint64_t{53} << 52));
}

inline std::int32_t SignificantBits(std::uint32_t x) {
    return static_cast<std::int32_t>(std::bit_width(x)) - std::countr_zero(x);
}

}  // namespace two_stage

// numerator / denominator; denominator must not be 0.
inline double TwoStageDivide(std::uint32_t numerator, std::uint32_t denominator) {
    using namespace two_stage;
    // (A zero numerator passes too: its quotient and remainder are 0.)
    if (OneRoundingHardware && denominator != 0 && SignificantBits(denominator) <= 26) {
        const double n = numerator;
        const double d = denominator;
        const double quotient = n / d;
        // The remainder n - quotient * d, exactly: the quotient splits into
        // a high part of 26 significant bits and a low part of 27, whose
        // products with a divisor of at most 26 significant bits are exact,
        // and each difference is a multiple of the quotient's unit small
        // enough to be a binary64 number. The error is remainder / d.
        constexpr std::uint64_t LowBits = (std::uint64_t{1} << 27) - 1;
        const double high = BitCopy<double>(BitCopy<std::uint64_t>(quotient) & ~LowBits);
        const double low = quotient - high;
        const double remainder = (n - high * d) - low * d;
        if (std::fabs(remainder) < HalfwayMargin(quotient) * d) return quotient;
    }
    return ExactTwoStageDivide(numerator, denominator);
}

inline double TwoStageAdd(double a, double b) {
    using namespace two_stage;
    if (OneRoundingHardware) {
        const double sum = a + b;
        // The exact error of the sum (Knuth's two-sum, no branch).
        const double bPart = sum - a;
        const double aPart = sum - bPart;
        const double error = std::fabs((a - aPart) + (b - bPart));
        if (error < HalfwayMargin(sum)) return sum;
        // An exact tie has 54 significant bits: the first stage keeps it,
        // and the second rounds it as the one rounding did. Common where
        // the sum reaches the next binade.
        if (error == HalfUnit(sum) && error != 0.0) return sum;
    }
    return ExactTwoStageAdd(a, b);
}

// a + b where b is no larger in magnitude than a, or a is 0 (a whole day
// number and a fraction of a day): the error of the sum then takes two
// operations (Dekker's fast two-sum) instead of five.
inline double TwoStageAddSmaller(double a, double b) {
    using namespace two_stage;
    if (OneRoundingHardware) {
        const double sum = a + b;
        const double error = std::fabs(b - (sum - a));
        if (error < HalfwayMargin(sum)) return sum;
        if (error == HalfUnit(sum) && error != 0.0) return sum;
    }
    return ExactTwoStageAdd(a, b);
}

inline double TwoStageSubtract(double a, double b) {
    return TwoStageAdd(a, -b);
}

// a * factor.
inline double TwoStageMultiply(double a, std::uint32_t factor) {
    using namespace two_stage;
    // With at most 11 significant bits in the factor the exact product has
    // at most 64 and the first stage keeps it: one rounding is all there
    // is (86400 = 675 * 2^7 is such a factor). That holds for subnormal,
    // overflowing, zero, infinite and NaN products alike.
    if (OneRoundingHardware && factor != 0 && SignificantBits(factor) <= 11) {
        return a * static_cast<double>(factor);
    }
    return ExactTwoStageMultiply(a, factor);
}

}  // namespace kelpworth
