#include "platform/argv_command_line.h"

#include <gtest/gtest.h>

namespace kelpworth::platform {
namespace {

// The shell has removed its quotes: each argument goes in as it came, after
// one blank, so that a value holding a blank reads as the same words typed.
TEST(CommandLineFromArguments, JoinsTheArgumentsAsTheyCame) {
    const char* argv[] = {"/tmp/home/user/mnt/kelpworth", "/d25.12.2017 /t10:20:30", "/t 10",
                          "say \"hi\"", "c:\\dir \\"};
    EXPECT_EQ(CommandLineFromArguments(5, argv),
              "kelpworth /d25.12.2017 /t10:20:30 /t 10 say \"hi\" c:\\dir \\");

    // Typed, the words would not end in a blank.
    const char* trailing[] = {"kelpworth", "/q", "/x", "/d ", "", "\t"};
    EXPECT_EQ(CommandLineFromArguments(6, trailing), "kelpworth /q /x /d");
}

TEST(CommandLineFromArguments, TakesTheBaseNameOfTheProgram) {
    const char* spaced[] = {"/opt/my tools/kelp worth", ""};
    EXPECT_EQ(CommandLineFromArguments(2, spaced), "\"kelp worth\"");

    const char* alone[] = {"kelpworth"};
    EXPECT_EQ(CommandLineFromArguments(1, alone), "kelpworth");
    EXPECT_EQ(CommandLineFromArguments(0, alone), "");
}

}  // namespace
}  // namespace kelpworth::platform
