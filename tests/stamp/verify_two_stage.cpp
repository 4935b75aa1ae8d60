// The long cross-check of the two-stage operations against the x87
// extended format: every millisecond of the day and many millions of
// random operands. Exit code 77 where there is no such hardware.
#include <chrono>
#include <cstdint>
#include <iostream>

#include "common/cross_check.h"

namespace {

using kelpworth::testing::TCrossCheck;

template <typename Run>
bool Report(const char* name, Run run) {
    const auto start = std::chrono::steady_clock::now();
    const TCrossCheck check = run();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    std::cout << kelpworth::testing::CrossCheckSummary(name, check) << ", " << elapsed.count()
              << " s\n";
    if (check.Mismatches != 0) std::cout << "  first mismatch: " << check.FirstMismatch << '\n';
    return check.Mismatches == 0;
}

}  // namespace

int main() {
    using namespace kelpworth::testing;
    if (!HasExtendedHardware()) {
        std::cout << "skipped: no x87 extended format at 64-bit precision here\n";
        return 77;
    }
    bool passed = Report("time fractions", [] { return CrossCheckTimeFractions(0, 86'400'000, 1); });
    passed &= Report("calendar steps", [] { return CrossCheckCalendarDomain(99'991'231, 10'000'000); });
    passed &= Report("general operands", [] { return CrossCheckGeneralOperands(16'011'231, 5'000'000); });
    std::cout << (passed ? "all equal\n" : "MISMATCHES\n");
    return passed ? 0 : 1;
}
