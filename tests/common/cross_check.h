// Compares the two-stage operations with the x87 extended format, the
// arithmetic they reproduce, on generated operands. Where long double is
// not that format there is nothing to compare with.
#pragma once

#include <cstdint>
#include <string>

#include "common/extended_arithmetic.h"

namespace kelpworth::testing {

struct TCrossCheck {
    std::uint64_t Cases = 0;           // operations compared
    std::uint64_t Mismatches = 0;
    std::uint64_t DoubleRoundings = 0;  // cases whose result differs from one rounding
    std::string FirstMismatch;         // operation, operands and both results
};

// ms / 86,400,000 for ms = first, first + stride, ... below end.
TCrossCheck CrossCheckTimeFractions(std::uint32_t first, std::uint32_t end, std::uint32_t stride);

// `count` random moments of the years 1 to 9999 to the millisecond: the
// date-time value (sum or difference, by the general and by the calendar's
// addition), the day span from the stamp origin and the second span, each
// on the same operands for both sides.
TCrossCheck CrossCheckCalendarDomain(std::uint64_t seed, std::uint64_t count);

// `count` random operand sets of every magnitude, subnormals included, with
// exponent distances from 0 to past 2000 and significands near ties: an
// addition, a subtraction, a product with a 32-bit factor and a quotient of
// 32-bit integers each.
TCrossCheck CrossCheckGeneralOperands(std::uint64_t seed, std::uint64_t count);

// "name: N cases, M mismatches, D double roundings".
std::string CrossCheckSummary(const char* name, const TCrossCheck& check);

}  // namespace kelpworth::testing
