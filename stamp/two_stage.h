// Floating-point operations that round their exact result twice: first to
// the nearest number with a 64-bit significand, then to the nearest
// binary64, both with ties to even. Integer arithmetic only, so every
// compiler and processor gives the same bits.
#pragma once

#include <cstdint>

namespace kelpworth {

// numerator / denominator; denominator must not be 0.
double TwoStageDivide(std::uint32_t numerator, std::uint32_t denominator);

double TwoStageAdd(double a, double b);
double TwoStageSubtract(double a, double b);

// a * factor.
double TwoStageMultiply(double a, std::uint32_t factor);

}  // namespace kelpworth
