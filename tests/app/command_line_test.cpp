#include "app/command_line.h"

#include <stdexcept>
#include <string>

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
