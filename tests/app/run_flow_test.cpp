#include "app/run_flow.h"

#include <string>

#include "common/expected_output.h"
#include "common/test_support.h"

namespace kelpworth {
namespace {

const std::string& Banner = expected::Banner;
const std::string& HelpAt0941 = expected::HelpAt0941;

class RunFlow : public testing::FakePlatformTest {
protected:
    int Run(const std::string& commandLine) {
        fake().CommandLine = commandLine;
        fake().Clock = testing::FixedClock();
        fake().InputEvents = {{1, 1}};
        return RunKelpworth();
    }
};

TEST_F(RunFlow, NoArgumentsShowTheBannerAndTheFilledHelpScreen) {
    EXPECT_EQ(Run("kelpworth"), 0);
    EXPECT_EQ(fake().Output, Banner + HelpAt0941);
    EXPECT_EQ(fake().InputReads, 0);  // no wait without an explicit request
}

TEST_F(RunFlow, TheColourBracketsExactlyTheBanner) {
    Run("kelpworth");
    EXPECT_EQ(fake().Journal, "<attr 10>" + Banner + "<attr 7>" + HelpAt0941);
}

TEST_F(RunFlow, OnlyAnExplicitHelpRequestWaitsForAKey) {
    struct Case {
        const char* commandLine;
        bool waits;
    };
    const Case cases[] = {
        {"kelpworth", false},     {"kelpworth /?", true},  {"kelpworth /HeLp", true},
        {"kelpworth foo", false}, {"kelpworth /m", false}, {"kelpworth /help /c", true},
        {"kelpworth /d ", false},
    };
    for (const Case& c : cases) {
        fake::ResetFake();
        Run(c.commandLine);
        EXPECT_EQ(fake().Output, Banner + HelpAt0941) << c.commandLine;
        EXPECT_EQ(fake().InputReads, c.waits ? 1 : 0) << c.commandLine;
    }
}

TEST_F(RunFlow, ADateRequestPrintsOneStampLineAfterTheBanner) {
    fake().LocaleItems = {{platform::LocaleSShortDate, "dd.MM.yyyy"},  // a day-month-year locale
                          {platform::LocaleSDate, "."}};
    EXPECT_EQ(Run("kelpworth /d01.01.1601 /t00:00:00"), 0);
    EXPECT_EQ(fake().Output, Banner + "0x00000000-0x00000000\n");
    EXPECT_TRUE(fake().Dialogs.empty());
}

TEST_F(RunFlow, DetailsFollowTheStampLine) {
    Run("kelpworth /m /c");
    ASSERT_EQ(fake().Dialogs.size(), 1u);
    EXPECT_NE(fake().Dialogs[0].first.find("'DateStr=25.12.2017'"), std::string::npos);
}

TEST_F(RunFlow, AFailedBannerWriteEndsBeforeAnythingElse) {
    fake().FailWriteNumber = 1;
    fake().FailWriteError = 32;
    try {
        Run("kelpworth");
        FAIL() << "the process should have ended";
    } catch (const fake::ProcessExit& exit) {
        EXPECT_EQ(exit.Code, 32u);
    }
    EXPECT_EQ(fake().Output, "");
    EXPECT_EQ(fake().ErrorStream, "Runtime error  32 at 00000020\r\n");
}

TEST(FilledHelpText, ReadsTheClockOncePerPlaceholder) {
    fake::ResetFake();
    fake::Fake().Clock = {2017, 12, 1, 25, 13, 5, 0, 0};
    const std::string help = FilledHelpText(SystemClock());
    EXPECT_EQ(fake::Fake().ClockReads, 3);
    EXPECT_NE(help.find("/d25.12.2017 /t13:05:00"), std::string::npos);
    EXPECT_NE(help.find("while 13:00:00"), std::string::npos);
    EXPECT_EQ(help.find('%'), std::string::npos);
}

}  // namespace
}  // namespace kelpworth
