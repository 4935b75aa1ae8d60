// The two-stage operations against the x87 extended format on a sample of
// every kind of operand; verify_two_stage runs the full sweep.
#include <gtest/gtest.h>

#include <iostream>

#include "common/cross_check.h"

namespace kelpworth::testing {
namespace {

class ExtendedHardware : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HasExtendedHardware()) {
            GTEST_SKIP() << "no x87 extended format at 64-bit precision here";
        }
    }

    static void Expect(const char* name, const TCrossCheck& check, std::uint64_t cases) {
        std::cout << CrossCheckSummary(name, check) << '\n';
        EXPECT_EQ(check.Cases, cases);
        EXPECT_EQ(check.Mismatches, 0u) << check.FirstMismatch;
    }
};

TEST_F(ExtendedHardware, TimeFractionsOfEvery97thMillisecond) {
    Expect("time fractions", CrossCheckTimeFractions(0, 86'400'000, 97), 890'722);
}

TEST_F(ExtendedHardware, CalendarStepsOfAMillionMoments) {
    Expect("calendar steps", CrossCheckCalendarDomain(20'170'101, 1'000'000), 4'000'000);
}

TEST_F(ExtendedHardware, OperationsOnGeneralOperands) {
    Expect("general operands", CrossCheckGeneralOperands(16'010'101, 250'000), 1'000'000);
}

}  // namespace
}  // namespace kelpworth::testing
