// The arithmetic the two-stage operations reproduce, on the x87 extended
// format: each operation loads its operands from volatile memory and stores
// its result to a volatile double, so the compiler can neither fold it at
// compile time nor keep the result in a wider register. The x87 rounds once
// to 64 bits in the operation and once to binary64 in the store. Only
// meaningful where long double is that format.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace kelpworth::testing {

// long double has a 64-bit significand and the precision control really
// keeps 64 bits at run time: 1 + 2^-63 needs all 64 bits, and 1 + 2^-64 is
// a tie that goes to 1.
inline bool HasExtendedHardware() {
    if constexpr (std::numeric_limits<long double>::digits != 64) {
        return false;
    } else {
        volatile long double one = 1.0L;
        volatile long double bit63 = std::ldexp(1.0L, -63);
        volatile long double bit64 = std::ldexp(1.0L, -64);
        return one + bit63 != one && one + bit64 == one;
    }
}

inline double ExtendedAdd(double a, double b) {
    volatile long double x = a;
    volatile long double y = b;
    volatile double result = static_cast<double>(x + y);
    return result;
}

inline double ExtendedSubtract(double a, double b) {
    volatile long double x = a;
    volatile long double y = b;
    volatile double result = static_cast<double>(x - y);
    return result;
}

inline double ExtendedMultiply(double a, std::uint32_t factor) {
    volatile long double x = a;
    volatile long double y = factor;
    volatile double result = static_cast<double>(x * y);
    return result;
}

inline double ExtendedDivide(std::uint32_t numerator, std::uint32_t denominator) {
    volatile long double x = numerator;
    volatile long double y = denominator;
    volatile double result = static_cast<double>(x / y);
    return result;
}

}  // namespace kelpworth::testing
