#include "platform/argv_command_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace kelpworth::platform {
namespace {

TEST(QuoteArgument, QuotesAsTheCRuntimeReadsItBack) {
    struct Case {
        const char* argument;
        const char* quoted;
    };
    const Case cases[] = {
        {"/d25.12.2017", "/d25.12.2017"},
        {"", "\"\""},
        {"a b", "\"a b\""},
        {"a\tb", "\"a\tb\""},
        {"say \"hi\"", "\"say \\\"hi\\\"\""},
        {"a\\\"b", "\"a\\\\\\\"b\""},   // a\"b: the backslash before the quote doubled
        {"c:\\dir \\", "\"c:\\dir \\\\\""},  // a backslash at the end doubled
        {"c:\\dir\\x", "c:\\dir\\x"},      // no quoting needed: backslashes as they are
    };
    for (const Case& c : cases) EXPECT_EQ(QuoteArgument(c.argument), c.quoted) << c.argument;
}

TEST(CommandLineFromArguments, TakesTheBaseNameOfTheProgram) {
    const char* argv[] = {"/tmp/home/chris/mnt/kelpworth", "/d25.12.2017", "/t 10"};
    EXPECT_EQ(CommandLineFromArguments(3, argv), "kelpworth /d25.12.2017 \"/t 10\"");

    const char* spaced[] = {"/opt/my tools/kelp worth", ""};
    EXPECT_EQ(CommandLineFromArguments(2, spaced), "\"kelp worth\" \"\"");

    const char* alone[] = {"kelpworth"};
    EXPECT_EQ(CommandLineFromArguments(1, alone), "kelpworth");
    EXPECT_EQ(CommandLineFromArguments(0, alone), "");
}

}  // namespace
}  // namespace kelpworth::platform
