#include "common/cross_check.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <sstream>
#include <string>

#include "common/extended_arithmetic.h"
#include "stamp/calendar.h"
#include "stamp/two_stage.h"

namespace kelpworth::testing {
namespace {

// The same operations rounded once, on binary64 arithmetic.
double SingleAdd(double a, double b) {
    volatile double x = a;
    volatile double y = b;
    return x + y;
}

double SingleMultiply(double a, std::uint32_t factor) {
    volatile double x = a;
    volatile double y = factor;
    return x * y;
}

double SingleDivide(std::uint32_t numerator, std::uint32_t denominator) {
    volatile double x = numerator;
    volatile double y = denominator;
    return x / y;
}

std::string Bits(double value) {
    std::ostringstream text;
    text << std::hex << std::uppercase << std::bit_cast<std::uint64_t>(value);
    return text.str();
}

bool SameResult(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b) ||
           (std::isnan(a) && std::isnan(b));
}

// Records one comparison; `operands` is only built for the first mismatch.
template <typename Describe>
void Compare(TCrossCheck& check, double emulated, double extended, double single,
             Describe describe) {
    ++check.Cases;
    if (!SameResult(emulated, single)) ++check.DoubleRoundings;
    if (SameResult(emulated, extended)) return;
    if (check.Mismatches++ == 0) {
        check.FirstMismatch =
            describe() + " gave " + Bits(emulated) + ", the hardware " + Bits(extended);
    }
}

using TRandom = std::mt19937_64;

std::uint64_t Below(TRandom& random, std::uint64_t limit) {
    return random() % limit;
}

double FromFields(bool negative, std::uint64_t field, std::uint64_t fraction) {
    return std::bit_cast<double>((negative ? std::uint64_t{1} << 63 : 0) | (field << 52) |
                                 (fraction & ((std::uint64_t{1} << 52) - 1)));
}

// A 52-bit fraction that is uniform, or nearly all zeros or all ones, or a
// single bit: the patterns whose sums come close to ties.
std::uint64_t RandomFraction(TRandom& random) {
    const std::uint64_t low = random() & 0xFFF;
    switch (Below(random, 4)) {
        case 0: return random();
        case 1: return low;
        case 2: return ~low;
        default: return std::uint64_t{1} << Below(random, 52);
    }
}

// An exponent field of a finite number, 0 (subnormal) now and then.
std::uint64_t RandomField(TRandom& random) {
    return Below(random, 16) == 0 ? 0 : 1 + Below(random, 2046);
}

// A second operand at a random exponent distance below (or a little above)
// the first: mostly within the 128-bit window, sometimes far beyond it.
double Partner(TRandom& random, double first) {
    const auto firstField =
        static_cast<std::int64_t>((std::bit_cast<std::uint64_t>(first) >> 52) & 0x7FF);
    const std::int64_t distance = Below(random, 10) == 0
                                      ? static_cast<std::int64_t>(Below(random, 2200))
                                      : static_cast<std::int64_t>(Below(random, 140)) - 4;
    std::int64_t field = firstField - distance;
    if (field < 0) field = 0;
    if (field > 2046) field = 2046;
    const bool negative = Below(random, 2) == 0;
    return FromFields(negative, static_cast<std::uint64_t>(field), RandomFraction(random));
}

std::uint32_t RandomFactor(TRandom& random) {
    switch (Below(random, 3)) {
        case 0: return static_cast<std::uint32_t>(random());
        case 1: return static_cast<std::uint32_t>(Below(random, 1000));
        default: return 86'400;
    }
}

}  // namespace

TCrossCheck CrossCheckTimeFractions(std::uint32_t first, std::uint32_t end, std::uint32_t stride) {
    TCrossCheck check;
    constexpr std::uint32_t Day = 86'400'000;
    for (std::uint32_t ms = first; ms < end; ms += stride) {
        Compare(check, TwoStageDivide(ms, Day), ExtendedDivide(ms, Day), SingleDivide(ms, Day),
                [&] { return std::to_string(ms) + " / 86400000"; });
    }
    return check;
}

TCrossCheck CrossCheckCalendarDomain(std::uint64_t seed, std::uint64_t count) {
    TCrossCheck check;
    TRandom random(seed);
    constexpr std::int64_t FirstDay = -693'593;  // 0001-01-01
    constexpr std::int64_t LastDay = 2'958'465;  // 9999-12-31
    for (std::uint64_t i = 0; i < count; ++i) {
        const auto day = static_cast<double>(
            FirstDay + static_cast<std::int64_t>(Below(random, LastDay - FirstDay + 1)));
        const auto ms = static_cast<std::uint32_t>(Below(random, 86'400'000));
        const double fraction = TwoStageDivide(ms, 86'400'000);

        // The date-time value: the fraction counts away from zero.
        const bool forward = day >= 0.0;
        const double value =
            forward ? TwoStageAdd(day, fraction) : TwoStageSubtract(day, fraction);
        const double extendedValue =
            forward ? ExtendedAdd(day, fraction) : ExtendedSubtract(day, fraction);
        const double singleValue = SingleAdd(day, forward ? fraction : -fraction);
        Compare(check, value, extendedValue, singleValue, [&] {
            return Bits(day) + (forward ? " + " : " - ") + Bits(fraction);
        });
        // The calendar's own way to the same value.
        Compare(check, TwoStageAddSmaller(day, forward ? fraction : -fraction), extendedValue,
                singleValue, [&] { return Bits(day) + " +- " + Bits(fraction) + " (smaller)"; });

        const double larger = value >= StampOrigin ? value : StampOrigin;
        const double smaller = value >= StampOrigin ? StampOrigin : value;
        const double span = DaySpan(value, StampOrigin);
        Compare(check, span, ExtendedSubtract(larger, smaller), SingleAdd(larger, -smaller),
                [&] { return Bits(larger) + " - " + Bits(smaller); });

        Compare(check, SecondSpan(value, StampOrigin), ExtendedMultiply(span, 86'400),
                SingleMultiply(span, 86'400), [&] { return Bits(span) + " * 86400"; });
    }
    return check;
}

TCrossCheck CrossCheckGeneralOperands(std::uint64_t seed, std::uint64_t count) {
    TCrossCheck check;
    TRandom random(seed);
    for (std::uint64_t i = 0; i < count; ++i) {
        // One draw per statement: the order of arguments is unspecified.
        const bool negative = Below(random, 2) == 0;
        const std::uint64_t field = RandomField(random);
        const double a = FromFields(negative, field, RandomFraction(random));
        const double b = Partner(random, a);
        Compare(check, TwoStageAdd(a, b), ExtendedAdd(a, b), SingleAdd(a, b),
                [&] { return Bits(a) + " + " + Bits(b); });
        Compare(check, TwoStageSubtract(a, b), ExtendedSubtract(a, b), SingleAdd(a, -b),
                [&] { return Bits(a) + " - " + Bits(b); });

        const std::uint32_t factor = RandomFactor(random);
        Compare(check, TwoStageMultiply(a, factor), ExtendedMultiply(a, factor),
                SingleMultiply(a, factor),
                [&] { return Bits(a) + " * " + std::to_string(factor); });

        const auto numerator = static_cast<std::uint32_t>(random());
        const std::uint32_t denominator = RandomFactor(random) | 1;
        Compare(check, TwoStageDivide(numerator, denominator),
                ExtendedDivide(numerator, denominator), SingleDivide(numerator, denominator),
                [&] { return std::to_string(numerator) + " / " + std::to_string(denominator); });
    }
    return check;
}

std::string CrossCheckSummary(const char* name, const TCrossCheck& check) {
    return std::string(name) + ": " + std::to_string(check.Cases) + " cases, " +
           std::to_string(check.Mismatches) + " mismatches, " +
           std::to_string(check.DoubleRoundings) + " double roundings";
}

}  // namespace kelpworth::testing
