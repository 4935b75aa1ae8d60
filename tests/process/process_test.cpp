// The real executable, run as a process: exact bytes, exit codes and the
// behaviour of its standard streams.
#include <gtest/gtest.h>

#include <string>

#include "common/expected_output.h"
#include "run_process.h"

namespace kelpworth::testing {
namespace {

const std::string& Banner = expected::Banner;
const std::string& HelpAt0941 = expected::HelpAt0941;

constexpr const char* Clock = expected::FixedClock;

class Executable : public ::testing::Test {
protected:
    void SetUp() override {
        if (const std::string why = WhyFixedRunsCannotBeMade(); !why.empty()) GTEST_SKIP() << why;
    }
    static TProcessResult Run(std::vector<std::string> arguments,
                              std::vector<std::string> environment = {"LANG=de_DE.UTF-8"}) {
        TProcessOptions options;
        options.Arguments = std::move(arguments);
        options.Environment = std::move(environment);
        options.FixedClock = Clock;
        return RunProcess(options);
    }
};

TEST_F(Executable, NoArgumentsPrintTheBannerAndTheHelpScreen) {
    const TProcessResult result = Run({});
    EXPECT_EQ(result.ExitCode, 0);
    EXPECT_EQ(result.Output, Banner + HelpAt0941);
    EXPECT_EQ(result.Output.find('\x1b'), std::string::npos);  // no colours into a pipe
    EXPECT_EQ(result.Error, "");
}

TEST_F(Executable, PrintsTheStampOfAGivenMoment) {
    struct Case {
        std::vector<std::string> arguments;
        std::string stampLine;
    };
    const Case cases[] = {
        {{"/d01.01.1601", "/t00:00:00"}, "0x00000000-0x00000000\n"},
        {{"/d01.01.2017", "/t12:34:56"}, "0x01D2642B-0x7535D800\n"},
        {{"/D31.12.9999", "/T23:59:59"}, "0x24C85A5E-0xD127A980\n"},
        {{"/t00:00:03", "/d01.01.2017"}, "0x01D263C1-0xFFE1ED00\n"},
        {{"/d01.01.2017/t00:00:03:1"}, "0x01D263C2-0x007A8380\n"},
        // today, 25.12.2017, from the fixed clock
        {{"/c"}, expected::StampLineAt0941},
        {{"/c", "/d01.01.2000"}, expected::StampLineAt0941},
        {{"/d25.12.2017", "/t09:41:07"}, expected::StampLineAt0941},
        {{"/t09:41:07"}, expected::StampLineAt0941},
        {{"/d32.01.2017", "/t09:41:07"}, expected::StampLineAt0941},
        {{"/d25.12.2017", "/t10:61:00"}, expected::StampLineAt0941},
    };
    for (const Case& c : cases) {
        const TProcessResult result = Run(c.arguments);
        EXPECT_EQ(result.ExitCode, 0);
        EXPECT_EQ(result.Output, Banner + c.stampLine) << c.arguments[0];
    }
}

TEST_F(Executable, ShowsTheDetailsOnStandardError) {
    const TProcessResult result = Run({"/m", "/d05.03.2017", "/t07:08:09"});
    EXPECT_EQ(result.ExitCode, 0);
    EXPECT_EQ(result.Output, Banner + "0x01D2957F-0x3E8D5280\n");
    EXPECT_EQ(result.Error,
              "'DateStr=05.03.2017'\r\n'TimeStr=07:08:09'\r\n'Day=5'\r\n'Month=3'\r\n"
              "'Year=2017'\r\n'Hour=7'\r\n'Minute=8'\r\n'Second=9'\r\n"
              "'Hex=0x01D2957F-0x3E8D5280'\n");
}

TEST_F(Executable, AHelpRequestWithoutATerminalEndsAtOnce) {
    for (InputSource input : {InputSource::DevNull, InputSource::Pipe, InputSource::Closed}) {
        TProcessOptions options;
        options.Arguments = {"/?"};
        options.FixedClock = Clock;
        options.Input = input;
        options.TimeLimitSeconds = 5;
        const TProcessResult result = RunProcess(options);
        EXPECT_FALSE(result.TimedOut);
        EXPECT_EQ(result.ExitCode, 0);
        EXPECT_EQ(result.Output, Banner + HelpAt0941);
    }
}

// The key is sent once the terminal is seen in the key wait, with the
// help screen already written.
TEST_F(Executable, AHelpRequestOnATerminalWaitsForAKey) {
    TProcessOptions options;
    options.Arguments = {"/help"};
    options.FixedClock = Clock;
    options.Input = InputSource::Terminal;
    options.Terminal = TerminalAction::KeyWhenWaiting;
    const TProcessResult result = RunProcess(options);
    EXPECT_TRUE(result.KeyWaitSeen);
    EXPECT_EQ(result.OutputAtKeyWait, Banner + HelpAt0941);
    EXPECT_FALSE(result.TimedOut);
    EXPECT_EQ(result.ExitCode, 0);
    EXPECT_EQ(result.Output, Banner + HelpAt0941);
    EXPECT_TRUE(result.TerminalRestored);
}

// The signal goes out once the terminal is seen in the key wait; the
// process puts the terminal back and then ends by that very signal.
TEST_F(Executable, ASignalDuringTheKeyWaitRestoresTheTerminal) {
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) {
        TProcessOptions options;
        options.Arguments = {"/?"};
        options.FixedClock = Clock;
        options.Input = InputSource::Terminal;
        options.Terminal = TerminalAction::SignalWhenWaiting;
        options.Signal = signalNumber;
        const TProcessResult result = RunProcess(options);
        SCOPED_TRACE(::testing::Message() << "signal " << signalNumber);
        EXPECT_TRUE(result.KeyWaitSeen);
        EXPECT_EQ(result.OutputAtKeyWait, Banner + HelpAt0941);
        EXPECT_FALSE(result.TimedOut);
        EXPECT_EQ(result.Signal, signalNumber);
        EXPECT_TRUE(result.TerminalRestored);
    }
}

TEST_F(Executable, FailedWritesStopWithTheRunTimeError) {
    struct Case {
        OutputTarget output;
        int exitCode;
        const char* message;
    };
    const Case cases[] = {
        {OutputTarget::DevFull, 28, "Runtime error  28 at 00000020\r\n"},
        {OutputTarget::BrokenPipe, 32, "Runtime error  32 at 00000020\r\n"},
        {OutputTarget::Closed, 105, "Runtime error 105 at 00000010\r\n"},
    };
    for (const Case& c : cases) {
        // The real clock: faketime itself would take the free descriptor 1.
        TProcessOptions options;
        options.Output = c.output;
        const TProcessResult result = RunProcess(options);
        EXPECT_EQ(result.ExitCode, c.exitCode);
        EXPECT_EQ(result.Signal, 0);
        EXPECT_EQ(result.Error, c.message);
    }
}

TEST_F(Executable, WritesToDevNullSucceed) {
    TProcessOptions options;
    options.Arguments = {"/c"};
    options.FixedClock = Clock;
    options.Output = OutputTarget::DevNull;
    const TProcessResult result = RunProcess(options);
    EXPECT_EQ(result.ExitCode, 0);
    EXPECT_EQ(result.Error, "");
}

}  // namespace
}  // namespace kelpworth::testing
