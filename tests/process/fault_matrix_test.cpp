// The real executable against everything its surroundings may do: every
// kind of standard output and standard input, command lines of every
// shape, unknown and unusual regional settings and time zones. Whatever it
// meets, it prints the banner and then the help screen or one stamp line
// with exit code 0, or stops at the line whose write failed with the
// run-time error.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/expected_output.h"
#include "run_process.h"

namespace kelpworth::testing {
namespace {

using expected::Banner;
using expected::HelpAt0941;

constexpr const char* Clock = expected::FixedClock;

// Stamp lines of the moments the rows below ask for. At 10:20:30 the day
// value times 86400 comes out a hair below the whole second (x87 rounding,
// ...829.999998), so the truncation gives 10:20:29.
const std::string Now = expected::StampLineAt0941;              // 25.12.2017 09:41:07
const std::string TodayAt102030 = "0x01D37D69-0xFCC9D480\n";    // 25.12.2017 10:20:30
const std::string YearAgoNow = "0x01D25E93-0x04267B80\n";       // 25.12.2016 09:41:07
const std::string YearAgoAt102030 = "0x01D25E98-0x84031480\n";  // 25.12.2016 10:20:30

const std::string Help = HelpAt0941;

class FaultMatrix : public ::testing::Test {
protected:
    void SetUp() override {
        if (const std::string why = WhyFixedRunsCannotBeMade(); !why.empty()) GTEST_SKIP() << why;
    }

    static TProcessOptions Options(std::vector<std::string> arguments,
                                   std::vector<std::string> environment = {"LANG=de_DE.UTF-8"}) {
        TProcessOptions options;
        options.Arguments = std::move(arguments);
        options.Environment = std::move(environment);
        options.FixedClock = Clock;
        return options;
    }

    // Banner, then `rest`, exit code 0, nothing on standard error.
    static void ExpectDefined(const TProcessResult& result, const std::string& rest,
                              const std::string& row) {
        EXPECT_FALSE(result.TimedOut) << row;
        EXPECT_EQ(result.Signal, 0) << row;
        EXPECT_EQ(result.ExitCode, 0) << row;
        EXPECT_EQ(result.Output, Banner + rest) << row;
        EXPECT_EQ(result.Error, "") << row;
    }
};

// ------------------------------------------------------------ standard output

TEST_F(FaultMatrix, AFileReceivesEveryLineAsWritten) {
    for (const auto& [arguments, rest] :
         std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{}, Help}, {{"/c"}, Now}, {{"/d25.12.2016", "/t10:20:30"}, YearAgoAt102030}}) {
        TProcessOptions options = Options(arguments);
        options.Output = OutputTarget::File;
        ExpectDefined(RunProcess(options), rest, arguments.empty() ? "" : arguments[0]);
    }
}

// A file that can grow no further fails the write (EFBIG, 27) of the line
// that reaches its limit; nothing of that line beyond the limit and nothing
// after it is written, and no details follow a stamp line that failed.
TEST_F(FaultMatrix, AFullFileStopsTheProcessAtTheLineThatFailed) {
    struct Row {
        std::vector<std::string> Arguments;
        std::size_t Limit;
        std::string File;
    };
    const std::vector<Row> rows = {
        {{}, Banner.size(), Banner},
        {{"/c", "/m"}, Banner.size(), Banner},
        {{"/c", "/m"}, Banner.size() + 10, Banner + Now.substr(0, 10)},
        // The help screen goes out in pieces of 128 bytes: the second fails.
        {{}, Banner.size() + 200, Banner + Help.substr(0, 200)},
        {{"/?"}, Banner.size() + 128, Banner + Help.substr(0, 128)},
    };
    for (const Row& row : rows) {
        TProcessOptions options = Options(row.Arguments);
        options.Output = OutputTarget::File;
        options.OutputFileLimit = static_cast<long long>(row.Limit);
        const TProcessResult result = RunProcess(options);
        EXPECT_EQ(result.ExitCode, 27) << row.Limit;
        EXPECT_EQ(result.Output, row.File) << row.Limit;
        EXPECT_EQ(result.Error, "Runtime error  27 at 00000020\r\n") << row.Limit;
    }
}

TEST_F(FaultMatrix, ANullDeviceTakesTheHelpScreenToo) {
    TProcessOptions options = Options({"/?"});
    options.Output = OutputTarget::DevNull;
    const TProcessResult result = RunProcess(options);
    EXPECT_EQ(result.ExitCode, 0);
    EXPECT_EQ(result.Error, "");
}

// ------------------------------------------------------------- standard input

TEST_F(FaultMatrix, AHelpRequestNeverHangs) {
    struct Row {
        const char* Name;
        InputSource Input;
    };
    for (const Row& row : {Row{"a pipe whose writer stays", InputSource::OpenPipe},
                           Row{"a terminal that hangs up in the wait", InputSource::Terminal}}) {
        TProcessOptions options = Options({"/?"});
        options.Input = row.Input;
        options.Terminal = TerminalAction::HangUpWhenWaiting;
        options.TimeLimitSeconds = 5;
        const TProcessResult result = RunProcess(options);
        ExpectDefined(result, Help, row.Name);
        EXPECT_EQ(result.KeyWaitSeen, row.Input == InputSource::Terminal) << row.Name;
    }
}

// The key is on the terminal before the process has started; the wait
// takes it.
TEST_F(FaultMatrix, AKeyPressedBeforeTheWaitEndsIt) {
    TProcessOptions options = Options({"/help"});
    options.Input = InputSource::Terminal;
    options.Terminal = TerminalAction::KeyTypedAhead;
    options.TimeLimitSeconds = 5;
    const TProcessResult result = RunProcess(options);
    ExpectDefined(result, Help, "key first");
    EXPECT_TRUE(result.TerminalRestored);
}

// With a terminal to read from, only an explicit help request waits. A key
// would be sent as soon as a wait were seen; these runs must end by
// themselves, before the time limit, without the terminal ever seen
// waiting. The time limit is the assertion for a wait that does not show
// on the terminal.
TEST_F(FaultMatrix, OnlyAnExplicitHelpRequestWaitsOnATerminal) {
    for (const auto& [arguments, rest] :
         std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{}, Help}, {{"foo"}, Help}, {{"/m"}, Help}, {{"/d", "/m"}, Help}, {{"/c"}, Now}}) {
        TProcessOptions options = Options(arguments);
        options.Input = InputSource::Terminal;
        options.Terminal = TerminalAction::KeyWhenWaiting;
        options.TimeLimitSeconds = 5;
        const TProcessResult result = RunProcess(options);
        const std::string row = arguments.empty() ? "(none)" : arguments[0];
        ExpectDefined(result, rest, row);
        EXPECT_FALSE(result.KeyWaitSeen) << row;
        EXPECT_TRUE(result.TerminalRestored) << row;
    }
}

// -------------------------------------------------------------- command lines

struct TLineRow {
    const char* Name;
    std::vector<std::string> Arguments;
    std::string Rest;  // what follows the banner
};

std::vector<std::string> Repeated(const std::string& argument, std::size_t count) {
    return std::vector<std::string>(count, argument);
}

std::vector<std::string> Joined(std::vector<std::string> first, const std::vector<std::string>& then) {
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

TEST_F(FaultMatrix, CommandLinesOfEveryShapeGiveTheDefinedOutput) {
    std::string highBytes;
    for (int byte = 0x80; byte <= 0xFF; ++byte) highBytes.push_back(static_cast<char>(byte));
    const std::vector<std::string> mebibyte = Repeated(std::string(65535, 'x'), 16);

    const std::vector<TLineRow> rows = {
        {"an empty argument", {""}, Help},
        {"an empty argument, then /c", {"", "/c"}, Now},
        {"only blanks", {" ", "   "}, Help},
        {"only quotes", {"\"", "\"\"", "\"\"\""}, Help},
        {"a lone quote", {"\""}, Help},
        {"a lone quote after the date", {"/d25.12.2016\"", "/t10:20:30"}, TodayAt102030},
        {"a tab alone", {"\t"}, Help},
        {"a tab after /d", {"/d\t25.12.2016"}, Now},
        {"tabs around /c", {"\t/c\t"}, Now},
        {"a tab after /t", {"/d25.12.2016", "/t\t10:20:30"}, YearAgoNow},
        {"bytes 0x80 to 0xFF", {highBytes}, Help},
        {"a high byte after the date", {"/d25.12.2016\xA0"}, Now},
        {"high bytes around /C", {"\xC4/C\xD6"}, Now},
        {"a high byte after the time", {"/D25.12.2016", "/T10:20:30\xFF"}, YearAgoNow},
        {"1 MiB after /c", Joined({"/c"}, mebibyte), Now},
        // No slash after the time: the words that follow are glued onto it.
        {"1 MiB after the time", Joined({"/d25.12.2016", "/t10:20:30"}, mebibyte), YearAgoNow},
        // Ninety thousand blanks inside one value, all to be removed.
        {"1 MiB of digits and blanks after /d", Joined({"/d1"}, Repeated("9999999999", 90'000)),
         Now},
        {"thousands of /m", Repeated("/m", 5000), Help},
        {"thousands of empty /d", Repeated("/d", 5000), Help},
        {"thousands of /t", Repeated("/t10:20:30", 3000), TodayAt102030},
        {"thousands of /?", Repeated("/?", 2000), Help},
        {"thousands of /c glued", {[] {
             std::string glued;
             for (int i = 0; i < 3000; ++i) glued += "/c";
             return glued;
         }()},
         Now},
    };
    for (const TLineRow& row : rows) {
        TProcessOptions options = Options(row.Arguments);
        options.TimeLimitSeconds = 20;
        ExpectDefined(RunProcess(options), row.Rest, row.Name);
    }
}

// Help beats /c, /c beats /d and /t; a value ends at the next slash, an
// empty date value with no time switch shows the help screen, and only the
// first occurrence of a switch counts.
TEST_F(FaultMatrix, EverySwitchGluedToEveryOtherFollowsThePrecedence) {
    const std::vector<std::string> switches = {"/c", "/d", "/t", "/m", "/?", "/help",
                                               "/D25.12.2016", "/T10:20:30"};
    // The pairs without a help request and without /c, first then second.
    const std::vector<std::vector<std::string>> dateAndTime = {
        //        /d            /t         /m            /D25.12.2016    /T10:20:30
        /* /d */ {Help, Now, Help, Help, TodayAt102030},
        /* /t */ {Now, Now, Now, YearAgoNow, Now},
        /* /m */ {Now, Now, Help, YearAgoNow, TodayAt102030},
        /* /D */ {YearAgoNow, YearAgoNow, YearAgoNow, YearAgoNow, YearAgoAt102030},
        /* /T */ {TodayAt102030, TodayAt102030, TodayAt102030, YearAgoAt102030,
                  TodayAt102030},
    };
    const auto dateAndTimeIndex = [](std::size_t s) { return s < 4 ? s - 1 : s - 3; };
    for (std::size_t first = 0; first < switches.size(); ++first) {
        for (std::size_t second = 0; second < switches.size(); ++second) {
            const std::string argument = switches[first] + switches[second];
            std::string rest;
            const auto isHelp = [](std::size_t s) { return s == 4 || s == 5; };
            if (isHelp(first) || isHelp(second)) {
                rest = Help;
            } else if (first == 0 || second == 0) {
                rest = Now;
            } else {
                rest = dateAndTime[dateAndTimeIndex(first)][dateAndTimeIndex(second)];
            }
            // With /m the details go to standard error; standard output is as always.
            const TProcessResult result = RunProcess(Options({argument}));
            EXPECT_EQ(result.ExitCode, 0) << argument;
            EXPECT_EQ(result.Output, Banner + rest) << argument;
        }
    }
    std::string all;
    for (const std::string& s : switches) all += s;
    ExpectDefined(RunProcess(Options({all})), Help, all);
}

// ---------------------------------------------------------------- environment

// Any regional setting gives a defined answer: a dotted date counts only
// where the date separator is '.'; elsewhere the current date stands in.
TEST_F(FaultMatrix, AnyRegionalSettingGivesTheDefinedOutput) {
    struct Row {
        std::vector<std::string> Environment;
        std::string Rest;
    };
    std::vector<Row> rows = {
        {{"LANG=de_DE.UTF-8"}, YearAgoAt102030},
        {{"LANG=xx_YY.UTF-8"}, TodayAt102030},
        {{"LC_ALL=no_such_locale"}, TodayAt102030},
        {{"LANG", "LC_ALL"}, TodayAt102030},
        // An unknown category alone falls back to the C settings.
        {{"LANG=de_DE.UTF-8", "LC_TIME=xx_YY", "LC_NUMERIC=@"}, TodayAt102030},
        {{"LANG=de_DE.UTF-8", "LC_NUMERIC=@"}, YearAgoAt102030},
    };
    // Separators of several bytes: year, month and day signs, and blanks.
    std::vector<std::string> skipped;
    for (const char* name : {"ja_JP.UTF-8", "zh_CN.UTF-8", "ko_KR.UTF-8"}) {
        if (LocaleAvailable(name)) {
            rows.push_back({{std::string("LC_ALL=") + name}, TodayAt102030});
        } else {
            skipped.push_back(std::string(name) + ": not installed");
        }
    }
    for (const Row& row : rows) {
        ExpectDefined(RunProcess(Options({"/d25.12.2016", "/t10:20:30"}, row.Environment)),
                      row.Rest, row.Environment.back());
    }
    NoteSkippedCases(skipped);
}

// The clock is read as local time; whatever the zone setting, the local
// reading that faketime fixes is what the stamp counts.
TEST_F(FaultMatrix, AnyTimeZoneSettingGivesTheDefinedOutput) {
    for (const char* zone : {"TZ", "TZ=", "TZ=Pacific/Kiritimati", "TZ=Invalid/Zone",
                             "TZ=<+99>-99", "TZ=:/nonexistent"}) {
        ExpectDefined(RunProcess(Options({"/c"}, {"LANG=de_DE.UTF-8", zone})), Now, zone);
    }
}

}  // namespace
}  // namespace kelpworth::testing
