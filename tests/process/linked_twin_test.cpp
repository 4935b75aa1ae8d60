// A statically linked tool reads the same regional settings through the C
// library as its dynamically linked twin, which the runs with a fixed clock
// use: both give the same bytes for the same command line, in locales of
// every kind, on the real clock. Where the executable is linked
// dynamically itself there is nothing to compare.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_process.h"

namespace kelpworth::testing {
namespace {

TProcessResult RunWith(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& locale) {
    TProcessOptions options;
    options.ProgramPath = program;
    options.Arguments = arguments;
    options.Environment = {"LANG=" + locale};
    return RunProcess(options);
}

TEST(LinkedTwin, GivesTheSameOutputInEveryKindOfLocale) {
    const std::string shipped = ExecutablePath();
    const std::string twin = KELPWORTH_CLOCK_EXE;
    if (shipped == twin) GTEST_SKIP() << "the executable is its own twin";

    // A value ends at the next slash, so no date value ever holds the '/'
    // that the '/' locales separate their fields with: what these locales
    // do with a date on a command line is refuse the dotted one at its
    // first '.', and take today's date instead.
    const std::vector<std::vector<std::string>> commandLines = {
        // Read as a date where the separator is '.', refused where it is '/'.
        {"/m", "/d25.12.2017", "/t10:20:30"},
        // The date value is "12" alone, a full date in no locale: today's
        // date stands in everywhere.
        {"/m", "/d12/25/2017", "/t10:20:30"},
        {"/m", "/t23:59:59:99"},
    };
    std::vector<std::string> skipped;  // C is always there
    for (const char* locale :
         {"C", "de_DE.UTF-8", "en_US.UTF-8", "fi_FI.UTF-8", "tr_TR.UTF-8", "ru_RU.KOI8-R",
          "ja_JP.UTF-8", "ja_JP.EUC-JP", "ko_KR.EUC-KR", "zh_TW.Big5", "th_TH.UTF-8"}) {
        if (!LocaleAvailable(locale)) {
            skipped.push_back(std::string(locale) + ": not installed");
            continue;
        }
        for (const std::vector<std::string>& arguments : commandLines) {
            // The twin runs before and after: whatever the clock fills in
            // matches at least one of them, even across midnight.
            const TProcessResult before = RunWith(twin, arguments, locale);
            const TProcessResult mine = RunWith(shipped, arguments, locale);
            const TProcessResult after = RunWith(twin, arguments, locale);
            EXPECT_EQ(mine.ExitCode, 0) << locale;
            const bool same = (mine.Output == before.Output && mine.Error == before.Error) ||
                              (mine.Output == after.Output && mine.Error == after.Error);
            EXPECT_TRUE(same) << locale << " " << arguments[1] << "\n"
                              << mine.Output << mine.Error << "--- twin:\n"
                              << before.Output << before.Error;
        }
    }
    NoteSkippedCases(skipped);
}

}  // namespace
}  // namespace kelpworth::testing
