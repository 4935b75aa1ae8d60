// The stamp arithmetic in a tight loop, against the same chain of
// operations computed with the x87 extended format (long double at 64-bit
// precision, each result stored as binary64): the hardware that the
// two-stage rounding reproduces. Both loops run over the same fields; the
// benchmark refuses to run when the two disagree on any of them.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

#include "kelpworth/stamp.h"
#include "stamp/calendar.h"
#include "stamp/two_stage.h"

namespace {

struct TFields {
    std::uint16_t Year, Month, Day, Hour, Minute, Second, Millisecond;
};

// Random moments of the years 1 to 9999 to the millisecond; every 16th
// has a whole second, whose stamps the rounding makes interesting.
const std::vector<TFields>& Moments() {
    static const std::vector<TFields> moments = [] {
        std::mt19937_64 random(20'171'225);
        auto below = [&](std::uint64_t limit) {
            return static_cast<std::uint16_t>(random() % limit);
        };
        std::vector<TFields> all(4096);
        for (std::size_t i = 0; i < all.size(); ++i) {
            TFields& f = all[i];
            f.Year = static_cast<std::uint16_t>(1 + below(9999));
            f.Month = static_cast<std::uint16_t>(1 + below(12));
            f.Day = static_cast<std::uint16_t>(1 + below(28));
            f.Hour = below(24);
            f.Minute = below(60);
            f.Second = below(60);
            f.Millisecond = i % 16 == 0 ? 0 : below(1000);
        }
        return all;
    }();
    return moments;
}

// Each operation rounds once to 64 bits in the x87 and once to binary64
// in the conversion; the day number and the checks are the library's.
double ExtendedTimeFraction(std::uint16_t hour, std::uint16_t minute, std::uint16_t second,
                            std::uint16_t millisecond) {
    if (hour >= 24 || minute >= 60 || second >= 60 || millisecond >= 1000) return 0.0;
    const std::uint32_t milliseconds =
        hour * 3'600'000u + minute * 60'000u + second * 1'000u + millisecond;
    return static_cast<double>(static_cast<long double>(milliseconds) / 86'400'000.0L);
}

std::uint64_t ExtendedStampOfFields(const TFields& f) {
    const double days = kelpworth::DayNumber(f.Year, f.Month, f.Day);
    const double fraction = ExtendedTimeFraction(f.Hour, f.Minute, f.Second, f.Millisecond);
    const long double x = days;
    const double value = static_cast<double>(days >= 0.0 ? x + fraction : x - fraction);
    const long double origin = kelpworth::StampOrigin;
    const double span = static_cast<double>(value >= kelpworth::StampOrigin ? value - origin
                                                                           : origin - value);
    const double seconds = static_cast<double>(static_cast<long double>(span) * 86'400.0L);
    if (!(seconds < 9'223'372'036'854'775'808.0)) return 0;
    return static_cast<std::uint64_t>(static_cast<std::int64_t>(seconds)) * 10'000'000u;
}

bool HasExtendedHardware() {
    if constexpr (std::numeric_limits<long double>::digits != 64) {
        return false;
    } else {
        volatile long double one = 1.0L;
        volatile long double bit63 = 1.0L / 9'223'372'036'854'775'808.0L;
        return one + bit63 != one;
    }
}

void StampOfFields(benchmark::State& state) {
    const std::vector<TFields>& moments = Moments();
    for (auto _ : state) {
        for (const TFields& f : moments) {
            benchmark::DoNotOptimize(kelpworth::StampOfFields(
                f.Year, f.Month, f.Day, f.Hour, f.Minute, f.Second, f.Millisecond));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(moments.size()));
}

void StampOfFieldsOnX87(benchmark::State& state) {
    if (!HasExtendedHardware()) {
        state.SkipWithError("no x87 extended format here");
        return;
    }
    const std::vector<TFields>& moments = Moments();
    for (auto _ : state) {
        for (const TFields& f : moments) benchmark::DoNotOptimize(ExtendedStampOfFields(f));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(moments.size()));
}

// The single operations of the chain, each on the operands it meets there.
void TimeFraction(benchmark::State& state) {
    const std::vector<TFields>& moments = Moments();
    for (auto _ : state) {
        for (const TFields& f : moments) {
            benchmark::DoNotOptimize(
                kelpworth::TimeFraction(f.Hour, f.Minute, f.Second, f.Millisecond));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(moments.size()));
}

void DayNumber(benchmark::State& state) {
    const std::vector<TFields>& moments = Moments();
    for (auto _ : state) {
        for (const TFields& f : moments) {
            benchmark::DoNotOptimize(kelpworth::DayNumber(f.Year, f.Month, f.Day));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(moments.size()));
}

void DateTimeValue(benchmark::State& state) {
    const std::vector<TFields>& moments = Moments();
    for (auto _ : state) {
        for (const TFields& f : moments) {
            benchmark::DoNotOptimize(kelpworth::DateTimeValue(
                f.Year, f.Month, f.Day, f.Hour, f.Minute, f.Second, f.Millisecond));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(moments.size()));
}

void StampText(benchmark::State& state) {
    const std::vector<TFields>& moments = Moments();
    for (auto _ : state) {
        for (const TFields& f : moments) {
            benchmark::DoNotOptimize(kelpworth::StampText(kelpworth::StampOfFields(
                f.Year, f.Month, f.Day, f.Hour, f.Minute, f.Second, f.Millisecond)));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(moments.size()));
}

// One pass of the loop over all moments, in nanoseconds.
template <typename Stamp>
double PassTime(Stamp stamp) {
    const std::vector<TFields>& moments = Moments();
    const auto start = std::chrono::steady_clock::now();
    for (const TFields& f : moments) benchmark::DoNotOptimize(stamp(f));
    return std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start)
        .count();
}

// The two loops timed in turns, which goes first alternating, so that a
// change of the machine's load hits both alike: the median of the ratios.
void PrintPairedRatio(int rounds) {
    const auto library = [](const TFields& f) {
        return kelpworth::StampOfFields(f.Year, f.Month, f.Day, f.Hour, f.Minute, f.Second,
                                        f.Millisecond);
    };
    std::vector<double> ratios;
    for (int i = 0; i < rounds; ++i) {
        double mine = 0;
        double extended = 0;
        if (i % 2 == 0) {
            mine = PassTime(library);
            extended = PassTime(ExtendedStampOfFields);
        } else {
            extended = PassTime(ExtendedStampOfFields);
            mine = PassTime(library);
        }
        ratios.push_back(mine / extended);
    }
    std::sort(ratios.begin(), ratios.end());
    const auto at = [&](double q) {
        return ratios[static_cast<std::size_t>(q * static_cast<double>(ratios.size() - 1))];
    };
    std::printf("StampOfFields / x87 chain: %.3f (median of %d paired passes of %zu moments; "
                "quartiles %.3f .. %.3f)\n",
                at(0.5), rounds, Moments().size(), at(0.25), at(0.75));
}

BENCHMARK(StampOfFields);
BENCHMARK(StampOfFieldsOnX87);
BENCHMARK(DayNumber);
BENCHMARK(TimeFraction);
BENCHMARK(DateTimeValue);
BENCHMARK(StampText);

}  // namespace

// --paired=N: N paired passes for the ratio of the two chains (0: none).
int main(int argc, char** argv) {
    int pairedRounds = 2000;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--paired=", 9) == 0) {
            pairedRounds = std::atoi(argv[i] + 9);
            for (int j = i; j + 1 < argc; ++j) argv[j] = argv[j + 1];
            --argc;
            break;
        }
    }
    if (HasExtendedHardware()) {
        for (const TFields& f : Moments()) {
            const std::uint64_t mine = kelpworth::StampOfFields(f.Year, f.Month, f.Day, f.Hour,
                                                                f.Minute, f.Second, f.Millisecond);
            if (mine != ExtendedStampOfFields(f)) {
                std::fprintf(stderr, "the two chains disagree on %u-%u-%u %u:%u:%u.%u\n", f.Year,
                             f.Month, f.Day, f.Hour, f.Minute, f.Second, f.Millisecond);
                return 1;
            }
        }
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    if (pairedRounds > 0 && HasExtendedHardware()) PrintPairedRatio(pairedRounds);
    benchmark::Shutdown();
    return 0;
}
