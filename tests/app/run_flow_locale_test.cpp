// The run reads the locale at start-up and holds the command-line values
// to its date and time checks.
#include <gtest/gtest.h>

#include <string>

#include "app/run_flow.h"
#include "locale/locale_state.h"
#include "common/test_support.h"

namespace kelpworth {
namespace {

class LocaleChecksAtStart : public testing::FakePlatformTest {
protected:
    // The stamp line of a run at the clock 25.12.2017 09:41:07.
    std::string StampLineOf(const std::string& commandLine) {
        fake().CommandLine = commandLine;
        fake().Clock = testing::FixedClock();
        RunKelpworth();
        const std::string& output = fake().Output;
        const std::size_t lineLength = 22;  // "0x", 8 digits, "-0x", 8 digits, line feed
        if (output.size() < lineLength) return std::string();
        return output.substr(output.size() - lineLength);
    }
};

TEST_F(LocaleChecksAtStart, ADateInTheLocalesFormStands) {
    fake().LocaleItems = {{platform::LocaleSShortDate, "dd.MM.yyyy"}, {platform::LocaleSDate, "."}};
    const std::string given = StampLineOf("kelpworth /d01.01.1601 /t00:00:00");
    EXPECT_EQ(given, "0x00000000-0x00000000\n");
}

TEST_F(LocaleChecksAtStart, ADateTheLocaleCannotReadBecomesTheCurrentDate) {
    // No regional data: the date separator is '/', so a '.' is never read.
    const std::string rejected = StampLineOf("kelpworth /d01.01.1601 /t09:41:07");
    fake::ResetFake();
    const std::string current = StampLineOf("kelpworth /c");
    EXPECT_EQ(rejected, current);
    EXPECT_NE(rejected, "0x00000000-0x00000000\n");
}

}  // namespace
}  // namespace kelpworth
