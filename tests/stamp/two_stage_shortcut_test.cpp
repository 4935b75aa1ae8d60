// The binary64 shortcut of the two-stage operations against the integer
// emulation alone, on operands placed around the halfway points where the
// two stages part from one rounding. Needs no x87: it holds on every
// processor the library is built for.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>
#include <string>

#include "stamp/two_stage.h"

namespace kelpworth {
namespace {

using TRandom = std::mt19937_64;

std::string Bits(double value) {
    char text[20];
    std::snprintf(text, sizeof text, "%016llX",
                  static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(value)));
    return text;
}

bool Same(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b) ||
           (std::isnan(a) && std::isnan(b));
}

// A normal number with a random 52-bit fraction and a binade between
// 2^-1000 and 2^1000, or near the ends of the range now and then.
double RandomNormal(TRandom& random) {
    const int exponent = random() % 8 == 0 ? static_cast<int>(random() % 2046) - 1022
                                           : static_cast<int>(random() % 2000) - 1000;
    const double significand = 1.0 + std::ldexp(static_cast<double>(random() >> 12), -52);
    const double value = std::ldexp(significand, exponent);
    return random() % 2 == 0 ? value : -value;
}

// An addend that puts a + b at the halfway point above a, moved by whole
// and fractional 64-bit half-units, or that reaches far below a.
double NearHalfway(TRandom& random, double a) {
    const int unitExponent = std::ilogb(a) - 52;
    const double steps = static_cast<double>(static_cast<int>(random() % 9) - 4);
    const double crumbs = std::ldexp(static_cast<double>(random() % 4), -14);
    double offset = 0.5 + std::ldexp(steps, -12) + (random() % 2 == 0 ? crumbs : -crumbs);
    if (random() % 4 == 0) offset = std::ldexp(offset, -static_cast<int>(random() % 70));
    const double b = std::ldexp(offset, unitExponent);
    return random() % 2 == 0 ? b : -b;
}

TEST(TwoStageShortcut, DivisionsOfTheDayAndOfRandomIntegers) {
    for (std::uint32_t ms = 0; ms < 86'400'000; ms += 997) {
        const double shortcut = TwoStageDivide(ms, 86'400'000);
        const double exact = ExactTwoStageDivide(ms, 86'400'000);
        ASSERT_TRUE(Same(shortcut, exact)) << ms << ": " << Bits(shortcut) << " " << Bits(exact);
    }
    TRandom random(19'991'231);
    for (int i = 0; i < 200'000; ++i) {
        const auto n = static_cast<std::uint32_t>(random());
        // Divisors of few significant bits take the shortcut, others not.
        const auto d = static_cast<std::uint32_t>(random() >> (32 + random() % 32)) << (random() % 8);
        const double shortcut = TwoStageDivide(n, d);
        const double exact = ExactTwoStageDivide(n, d);
        ASSERT_TRUE(Same(shortcut, exact)) << n << " / " << d << ": " << Bits(shortcut) << " "
                                           << Bits(exact);
    }
}

TEST(TwoStageShortcut, SumsAroundHalfwayPoints) {
    TRandom random(20'260'101);
    for (int i = 0; i < 300'000; ++i) {
        double a = RandomNormal(random);
        if (i % 5 == 0) a = std::ldexp(std::copysign(1.0, a), std::ilogb(a));  // a power of two
        const double b = NearHalfway(random, a);
        const double exact = ExactTwoStageAdd(a, b);
        ASSERT_TRUE(Same(TwoStageAdd(a, b), exact)) << Bits(a) << " + " << Bits(b);
        ASSERT_TRUE(Same(TwoStageAdd(b, a), exact)) << Bits(b) << " + " << Bits(a);
        ASSERT_TRUE(Same(TwoStageAddSmaller(a, b), exact)) << Bits(a) << " + " << Bits(b);
        ASSERT_TRUE(Same(TwoStageSubtract(a, -b), exact)) << Bits(a) << " - " << Bits(-b);
    }
}

TEST(TwoStageShortcut, ProductsWithShortAndLongFactors) {
    TRandom random(16'010'102);
    const std::uint32_t factors[] = {1, 3, 86'400, 2047, 2047u << 21, 4095, 86'400'000,
                                     0xFFFFFFFF, 0};
    for (int i = 0; i < 100'000; ++i) {
        double a = RandomNormal(random);
        if (i % 7 == 0) a = std::ldexp(a, -60);  // down into the subnormals
        for (const std::uint32_t factor : factors) {
            ASSERT_TRUE(Same(TwoStageMultiply(a, factor), ExactTwoStageMultiply(a, factor)))
                << Bits(a) << " * " << factor;
        }
    }
}

TEST(TwoStageShortcut, SpecialOperandsGoTheExactWay) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double largest = std::numeric_limits<double>::max();
    const double operands[] = {0.0, -0.0, inf, -inf, nan, largest, -largest,
                               std::numeric_limits<double>::min(),
                               std::numeric_limits<double>::denorm_min(), 1.0, -1.0};
    for (const double a : operands) {
        for (const double b : operands) {
            ASSERT_TRUE(Same(TwoStageAdd(a, b), ExactTwoStageAdd(a, b))) << a << " + " << b;
        }
        ASSERT_TRUE(Same(TwoStageMultiply(a, 86'400), ExactTwoStageMultiply(a, 86'400))) << a;
    }
}

}  // namespace
}  // namespace kelpworth
