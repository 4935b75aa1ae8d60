#include "app/command_line.h"

#include <stdexcept>
#include <string>

#include "common/fixed_clock.h"
#include "common/test_support.h"

namespace kelpworth {
namespace {

// The clock reads 03.04.2026 05:06:07 in these tests.
constexpr const char* Today = "03.04.2026";
constexpr const char* Now = "05:06:07";

struct LineCase {
    const char* commandLine;
    const char* dateStr;
    const char* timeStr;
    const char* mode;
    bool details;
};

const LineCase LineCases[] = {
    // nothing after the program name, and lines that hold no argument
    {"kelpworth", "", "", "", false},
    {"kelpworth   ", "", "", "", false},
    {"kelpworth \"\"", "", "", "", false},
    {"\"c:\\tools\\kelpworth.exe\"/c", "", "", "", false},  // glued to the program part
    // help beats /c, /c beats /d and /t
    {"kelpworth /?", "", "", "help", false},
    {"kelpworth /HELP", "", "", "help", false},
    {"kelpworth /help /c", "", "", "help", false},
    {"kelpworth /m /? /d25.12.2017", "", "", "help", true},
    {"kelpworth /c", Today, Now, "", false},
    {"kelpworth /c /d01.01.2000", Today, Now, "", false},
    {"kelpworth /m /c", Today, Now, "", true},
    {"kelpworth \"\" /c", Today, Now, "", false},
    // values, switch case, order, blanks
    {"kelpworth /d25.12.2017 /t10:20:30", "25.12.2017", "10:20:30", "", false},
    {"kelpworth /D25.12.2017 /T10:20:30", "25.12.2017", "10:20:30", "", false},
    {"kelpworth /d 25.12.2017 /t 10:20:30", "25.12.2017", "10:20:30", "", false},
    {"kelpworth /t10:20:30 /d25.12.2017", "25.12.2017", "10:20:30", "", false},
    {"kelpworth /d25.12.2017/t10:20:30", "25.12.2017", "10:20:30", "", false},
    {"kelpworth /d25.12.2017", "25.12.2017", Now, "", false},
    {"kelpworth /t21", Today, "21", "", false},
    // a value runs to the end of the line when no slash follows
    {"kelpworth /d25.12.2017 extra", Today, Now, "", false},
    {"kelpworth /t10:20 30", Today, "10:2030", "", false},
    // foreign characters fail the character check
    {"kelpworth /d25-12-2017", Today, Now, "", false},
    {"kelpworth /d\t25.12.2017", Today, Now, "", false},
    {"kelpworth /t10.20", Today, Now, "", false},
    // a switch at the very end, and empty values
    {"kelpworth /d", Today, Now, "", false},
    {"kelpworth /t", Today, Now, "", false},
    {"kelpworth /d ", "", "", "", false},
    {"kelpworth /d /m", "", "", "", true},
    {"kelpworth /d/t10:20:30", Today, "10:20:30", "", false},
    {"kelpworth /d25.12.2017 /t", "25.12.2017", Now, "", false},
    {"kelpworth /d25.12.2017 /t /m", "25.12.2017", "", "", true},
    // no switch at all
    {"kelpworth foo", "", "", "", false},
    {"kelpworth /m", "", "", "", true},
    // the program part is searched too
    {"/tmp/kelpworth x", Today, Now, "", false},
};

class CommandLineTable : public testing::FakePlatformTest,
                         public ::testing::WithParamInterface<LineCase> {};

TEST_P(CommandLineTable, GivesTheRequest) {
    const LineCase& c = GetParam();
    fake().Clock = {2026, 4, 5, 3, 5, 6, 7, 0};
    const TCommandLineRequest request = ReadCommandLine(c.commandLine, TValueChecks{}, SystemClock());
    EXPECT_EQ(request.Record.DateStr, c.dateStr);
    EXPECT_EQ(request.Record.TimeStr, c.timeStr);
    EXPECT_EQ(request.Record.Mode, c.mode);
    EXPECT_EQ(request.Details, c.details);
}

INSTANTIATE_TEST_SUITE_P(Lines, CommandLineTable, ::testing::ValuesIn(LineCases));

// The reader reads the clock it is given, and only for the values the
// clock gives: once for each, in the order the texts are needed.
TEST(ReadCommandLine, ReadsTheClockItIsGivenForWhatTheClockGives) {
    struct Case {
        const char* CommandLine;
        TRequestKind Kind;
        const char* DateStr;
        const char* TimeStr;
        int Readings;
    };
    const Case cases[] = {
        {"kelpworth /d25.12.2017 /t10:20:30", TRequestKind::Stamp, "25.12.2017", "10:20:30", 0},
        {"kelpworth /d25.12.2017", TRequestKind::Stamp, "25.12.2017", "05:06:07", 1},
        {"kelpworth /t10", TRequestKind::Stamp, "03.04.2026", "10", 1},
        {"kelpworth /c", TRequestKind::Stamp, "03.04.2026", "05:06:07", 2},
        {"kelpworth /r0 /c", TRequestKind::ReadBack, "", "", 0},
        {"kelpworth /b /r", TRequestKind::Batch, "", "", 0},
        {"kelpworth /? /c", TRequestKind::Help, "", "", 0},
        {"kelpworth /m", TRequestKind::None, "", "", 0},
    };
    for (const Case& c : cases) {
        const testing::TFixedClock clock({2026, 4, 5, 3, 5, 6, 7, 0});
        const TCommandLineRequest request = ReadCommandLine(c.CommandLine, TValueChecks{}, clock);
        EXPECT_EQ(request.Kind, c.Kind) << c.CommandLine;
        EXPECT_EQ(request.Record.DateStr, c.DateStr) << c.CommandLine;
        EXPECT_EQ(request.Record.TimeStr, c.TimeStr) << c.CommandLine;
        EXPECT_EQ(clock.LocalReads, c.Readings) << c.CommandLine;
        EXPECT_EQ(clock.UniversalReads, 0) << c.CommandLine;
    }
}

// A batch line takes the script switches of the real command line and is
// never a batch or a dialog of its own.
TEST(InheritScriptSwitches, ABatchLineTakesTheScriptSwitches) {
    const testing::TFixedClock clock({2026, 4, 5, 3, 5, 6, 7, 0});
    const TCommandLineRequest global = ReadCommandLine("kelpworth /b /s /u /x", {}, clock);
    TCommandLineRequest line = ReadCommandLine("kelpworth /b /m /d", {}, clock);
    EXPECT_EQ(line.Kind, TRequestKind::Batch);
    InheritScriptSwitches(line, global);
    EXPECT_EQ(line.Kind, TRequestKind::Stamp);  // strict: an empty date is a request to refuse
    EXPECT_TRUE(line.Strict && line.Utc && line.EveryForm);
    EXPECT_FALSE(line.Batch || line.Details);
}

TEST(HasArguments, CountsTheWayTheStartUpSplitsTheLine) {
    EXPECT_FALSE(HasArguments(""));
    EXPECT_FALSE(HasArguments("kelpworth"));
    EXPECT_FALSE(HasArguments("kelpworth \t "));
    EXPECT_FALSE(HasArguments("kelpworth \"\" \"\""));
    EXPECT_FALSE(HasArguments("kelpworth \""));
    EXPECT_FALSE(HasArguments("\"c:\\my tools\\kelpworth.exe\"/d25.12.2017"));
    EXPECT_TRUE(HasArguments("\"c:\\my tools\\kelpworth.exe\" /d25.12.2017"));
    EXPECT_TRUE(HasArguments("kelpworth \"\" x"));
    EXPECT_TRUE(HasArguments("kelpworth \" \""));
    EXPECT_TRUE(HasArguments("kelpworth\x01x"));  // bytes 1 to 32 separate
}

TEST(ExtractValue, EndsAtASlashOrAtABlankBeforeALaterSlash) {
    EXPECT_EQ(ExtractValue("/d25.12.2017 /t1", 3), "25.12.2017");
    EXPECT_EQ(ExtractValue("/d25.12.2017/t1", 3), "25.12.2017");
    EXPECT_EQ(ExtractValue("/d25.12 2017", 3), "25.122017");
    EXPECT_EQ(ExtractValue("/d25 12 /t1", 3), "25");  // the first blank before the slash
    EXPECT_EQ(ExtractValue("/d/t1", 3), "");
    EXPECT_EQ(ExtractValue("/d   /t1", 3), "");
    EXPECT_EQ(ExtractValue("/d ", 3), "");
}

}  // namespace
}  // namespace kelpworth
