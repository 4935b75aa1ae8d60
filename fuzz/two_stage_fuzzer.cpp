// The portable two-stage arithmetic against the x87 extended format it
// reproduces: each operation on raw operand bits, and the calendar steps on
// date and time fields. Input: two doubles, a factor, a quotient's
// numerator and denominator, then seven fields.
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

#include "fuzz_bytes.h"
#include "common/extended_arithmetic.h"
#include "stamp/calendar.h"
#include "stamp/two_stage.h"

namespace kelpworth::fuzz {
namespace {

using testing::ExtendedAdd;
using testing::ExtendedDivide;
using testing::ExtendedMultiply;
using testing::ExtendedSubtract;
using testing::HasExtendedHardware;

bool Same(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b) ||
           (std::isnan(a) && std::isnan(b));
}

void RequireSame(double emulated, double extended, const char* what, double a, double b) {
    if (Same(emulated, extended)) return;
    char detail[200];
    std::snprintf(detail, sizeof detail, "%016llX %016llX gave %016llX, the hardware %016llX",
                  static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(a)),
                  static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(b)),
                  static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(emulated)),
                  static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(extended)));
    Violated(what, detail);
}

void CheckCalendarSteps(TFuzzBytes& bytes) {
    const auto year = static_cast<std::uint16_t>(TakeWord(bytes) % 10001);
    const auto month = static_cast<std::uint16_t>(TakeByte(bytes) % 14);
    const auto day = static_cast<std::uint16_t>(TakeByte(bytes) % 33);
    const auto hour = static_cast<std::uint16_t>(TakeByte(bytes) % 25);
    const auto minute = static_cast<std::uint16_t>(TakeByte(bytes) % 61);
    const auto second = static_cast<std::uint16_t>(TakeByte(bytes) % 61);
    const auto millisecond = static_cast<std::uint16_t>(TakeWord(bytes) % 1001);

    const double days = DayNumber(year, month, day);
    const bool validTime = hour < 24 && minute < 60 && second < 60 && millisecond < 1000;
    const std::uint32_t elapsed =
        validTime ? hour * 3'600'000u + minute * 60'000u + second * 1'000u + millisecond : 0;
    const double fraction = ExtendedDivide(elapsed, 86'400'000);
    RequireSame(TimeFraction(hour, minute, second, millisecond), fraction, "time fraction",
                days, fraction);

    const double value =
        days >= 0.0 ? ExtendedAdd(days, fraction) : ExtendedSubtract(days, fraction);
    RequireSame(DateTimeValue(year, month, day, hour, minute, second, millisecond), value,
                "date-time value", days, fraction);

    const double span = value >= StampOrigin ? ExtendedSubtract(value, StampOrigin)
                                             : ExtendedSubtract(StampOrigin, value);
    RequireSame(DaySpan(value, StampOrigin), span, "day span", value, StampOrigin);
    const double seconds = ExtendedMultiply(span, 86'400);
    RequireSame(SecondSpan(value, StampOrigin), seconds, "second span", span, 86'400);

    const auto whole = static_cast<std::int64_t>(seconds);  // far below 2^63 here
    Require(WholeSecondsBetween(value, StampOrigin) == whole, "whole seconds");
    Require(StampOfFields(year, month, day, hour, minute, second, millisecond) ==
                static_cast<std::uint64_t>(whole) * 10'000'000u,
            "stamp of the fields");
}

}  // namespace
}  // namespace kelpworth::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    if (!kelpworth::fuzz::HasExtendedHardware()) {
        std::fprintf(stderr, "no x87 extended format at 64-bit precision here\n");
        std::exit(1);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kelpworth;
    using namespace kelpworth::fuzz;

    TFuzzBytes bytes{data, size};
    const double a = std::bit_cast<double>(TakeQuad(bytes));
    const double b = std::bit_cast<double>(TakeQuad(bytes));
    const std::uint32_t factor = TakeLong(bytes);
    const std::uint32_t numerator = TakeLong(bytes);
    const std::uint32_t denominator = TakeLong(bytes);

    RequireSame(TwoStageAdd(a, b), ExtendedAdd(a, b), "sum", a, b);
    RequireSame(TwoStageSubtract(a, b), ExtendedSubtract(a, b), "difference", a, b);
    RequireSame(TwoStageMultiply(a, factor), ExtendedMultiply(a, factor), "product", a,
                static_cast<double>(factor));
    if (denominator != 0) {
        RequireSame(TwoStageDivide(numerator, denominator),
                    ExtendedDivide(numerator, denominator), "quotient",
                    static_cast<double>(numerator), static_cast<double>(denominator));
    }
    CheckCalendarSteps(bytes);
    return 0;
}
