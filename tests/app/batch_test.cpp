// A batch over the fake platform: each input line is read as the switches
// of one command line, and gives the line a run of its own would print.
#include "app/batch.h"

#include <string>
#include <vector>

#include "app/run_flow.h"
#include "common/batch_line.h"
#include "common/expected_output.h"
#include "common/test_support.h"

namespace kelpworth {
namespace {

class BatchLines : public testing::FakePlatformTest {
protected:
    void SetUp() override {
        FakePlatformTest::SetUp();
        // a day.month.year locale, Berlin's winter offset, the clock at
        // 25.12.2017 09:41:07
        fake().LocaleItems = {{platform::LocaleSShortDate, "dd.MM.yyyy"},
                              {platform::LocaleSDate, "."}};
        fake().ZoneOffset = 3600;
        fake().UniversalClock = {2017, 12, 1, 25, 8, 41, 7, 0};
        fake().InputEvents = {{1, 1}};
    }
    int Run(const std::string& arguments, const std::string& input) {
        fake().CommandLine = "kelpworth " + arguments;
        fake().InputBytes = input;
        fake().InputTaken = 0;
        fake().Output.clear();
        fake().ErrorStream.clear();
        ResetConsoleChannel();
        return RunKelpworth();
    }
    // What a run of its own prints for `arguments` /q, as a batch line. The
    // words as a shell passes them: without the blanks that end the line.
    std::string AloneAsOneLine(std::string arguments) {
        while (!arguments.empty() && arguments.back() == ' ') arguments.pop_back();
        Run("/q " + arguments, "");
        return testing::BatchLineOf(fake().Output);
    }
};

// The equivalence that defines a batch: for any line L, its output line is
// what `kelpworth <switches> L` prints alone.
TEST_F(BatchLines, EachLineGivesWhatItsOwnRunPrints) {
    const char* lines[] = {
        "/d25.12.2017 /t10:20:30", "/D01.01.1601 /T00:00:00", "/t21", "/c",
        "/c /d01.01.2000", "/d32.01.2017 /t10:20:30", "/d25.12.2017/t00:00:03",
        "/d31.12.9999 /t23:59:59:99", "/d31.02.2017 /t12:00", "/r0x01D37D69-0xFCC9D480",
        "/r80,d4,c9,fc,69,7d,d3,01", "/r131586708290000000 /d01.01.2000", "/r0x7FFFFFFFFFFFFFFF",
        "/m /d05.03.2017 /t07:08:09", "/u /d27.10.2024 /t02:30:00", "/x /d01.01.2017 /t00:00:03",
        "/d09.05.1810 /t08:03:37", "/d01.01.1500 /t10:00:00",
        // a switch with an empty value, at the end of the line and before another switch
        "/d ", "/t ", "/r ", "/d /t10:20:30", "/t /d25.12.2017", "/r /d25.12.2017", "/d25.12.2017 /t ",
    };
    for (const char* switches : {"", "/x", "/u", "/u /x"}) {
        for (const char* line : lines) {
            const std::string alone = AloneAsOneLine(std::string(switches) + " " + line);
            Run(std::string("/q /b ") + switches, std::string(line) + "\n");
            EXPECT_EQ(fake().Output, alone + "\n") << switches << " | " << line;
        }
    }
}

TEST_F(BatchLines, OneOutputLineForEveryInputLine) {
    const std::string input =
        "/d25.12.2017 /t10:20:30\r\n"  // CR LF
        "\n"                           // empty: no request
        "/?\n"                         // help: no help screen, no wait
        "foo\n"
        "/m /c\n"                      // no dialog
        "/b /c\n"                      // no batch within a batch
        "/d25.12.2017 /t10:20:30 \x01\xff\n"  // spoilt by trailing bytes: the clock
        "/c";                          // no final line end
    fake().InputChunk = 3;  // lines across many reads
    EXPECT_EQ(Run("/b", input), 0);
    const std::string now = expected::StampLineAt0941;
    EXPECT_EQ(fake().Output, expected::Banner + "0x01D37D69-0xFCC9D480\n\n\n\n" + now + now +
                                 now + now);
    EXPECT_EQ(fake().ErrorStream, "");
    EXPECT_TRUE(fake().Dialogs.empty());
    EXPECT_EQ(fake().InputReads, 0);
}

// Tabs separate like blanks in a batch line, as in the files /b /x writes.
TEST_F(BatchLines, TabsSeparateLikeBlanks) {
    for (const char* switches : {"/q /b", "/q /b /x", "/q /b /s"}) {
        Run(switches, "/d25.12.2017 /t10:20:30\n/r 0x01D37D69-0xFCC9D480\n/d 25.12.2017 /t 10:20:30\n");
        const std::string blanks = fake().Output;
        Run(switches, "/d25.12.2017\t/t10:20:30\n/r\t0x01D37D69-0xFCC9D480\t\r\n\t/d\t25.12.2017\t/t\t10:20:30\n");
        EXPECT_EQ(fake().Output, blanks) << switches;
        EXPECT_EQ(fake().ErrorStream, "") << switches;
    }
}

// An empty or blank line is no request and no fault, also under /s; a line
// that asks for help or holds switches but no request still is one there.
TEST_F(BatchLines, BlankLinesGiveEmptyLinesEvenWhenStrict) {
    EXPECT_EQ(Run("/q /s /b", "/d25.12.2017 /t10:20:30\n\n   \n\t \r\n/c\n\n"), 0);
    EXPECT_EQ(fake().Output, "0x01D37D69-0xFCC9D480\n\n\n\n" + expected::StampLineAt0941 + "\n");
    EXPECT_EQ(fake().ErrorStream, "");
    EXPECT_EQ(Run("/q /s /b /r", "0\n\n"), 0);
    EXPECT_EQ(fake().Output, "1601-01-01T00:00:00.0000000\t01.01.1601 00:00:00\n\n");

    EXPECT_EQ(Run("/q /s /b", "/?\n/x\n"), 2);
    EXPECT_EQ(fake().Output, "\n\n");
    EXPECT_EQ(fake().ErrorStream,
              "kelpworth: line 1: no request: give /d and /t, /c or /r\n"
              "kelpworth: line 2: no request: give /d and /t, /c or /r\n");
}

// The exact column gives the stamp of the date and time given, as the
// run of its own does.
TEST_F(BatchLines, TheExactColumnIsTheExactStamp) {
    Run("/q /b /x", "/d09.05.1810 /t08:03:37\n/d25.12.2017 /t10:20:30\n");
    EXPECT_NE(fake().Output.find("\t0x00EAB526-0xA7451280\n"), std::string::npos);
    EXPECT_NE(fake().Output.find("\t0x01D37D69-0xFD626B00\n"), std::string::npos);
}

TEST_F(BatchLines, ANulByteIsOneMoreCharacterOfTheLine) {
    const char input[] = "/c\0x\n/d25.12.2017 /t10:20:30\0\n";
    Run("/q /b", std::string(input, sizeof input - 1));
    EXPECT_EQ(fake().Output, expected::StampLineAt0941 + expected::StampLineAt0941);
}

TEST_F(BatchLines, StrictGoesOnAndEndsWithExitCode2) {
    const std::string input = "/d25.12.2017 /t10:20:30\n/d32.01.2017 /t10:20:30\n/m\n/c\n";
    EXPECT_EQ(Run("/q /s /b", input), 2);
    EXPECT_EQ(fake().Output, "0x01D37D69-0xFCC9D480\n\n\n" + expected::StampLineAt0941);
    EXPECT_EQ(fake().ErrorStream,
              "kelpworth: line 2: /d \"32.01.2017\": day 32 is out of range (1 to 31); without "
              "/s the current date 25.12.2017 would be used\n"
              "kelpworth: line 3: no request: give /d and /t, /c or /r\n");
}

TEST_F(BatchLines, AStampThatCannotBeReadGivesAnEmptyLine) {
    EXPECT_EQ(Run("/q /b", "/r0x8000000000000000\n/rxyz\n/r0\n"), 2);
    EXPECT_EQ(fake().Output, "\n\n1601-01-01T00:00:00.0000000\t01.01.1601 00:00:00\n");
    EXPECT_NE(fake().ErrorStream.find("kelpworth: line 1: /r \"0x8000000000000000\""),
              std::string::npos);
    EXPECT_NE(fake().ErrorStream.find("kelpworth: line 2: /r \"xyz\": no stamp"),
              std::string::npos);
    EXPECT_NE(fake().ErrorStream.find("kelpworth: line 3: /r: the stamp 0 often stands for"),
              std::string::npos);
}

TEST_F(BatchLines, WithRReadsEveryLineAsAStamp) {
    Run("/q /b /r", "0x01D37D69-0xFCC9D480\n131586708290000000\n/c\n");
    const std::string read = "2017-12-25T10:20:29.0000000\t25.12.2017 10:20:29\n";
    EXPECT_EQ(fake().Output, read + read + "\n");
}

TEST_F(BatchLines, HelpBeatsTheBatch) {
    Run("/b /?", "/c\n");
    EXPECT_EQ(fake().Output, expected::Banner + expected::HelpAt0941);
    EXPECT_EQ(fake().InputTaken, 0u);
}

TEST_F(BatchLines, AnInputThatCannotBeReadEndsWithExitCode2) {
    fake().InputFailsAfter = 3;
    EXPECT_EQ(Run("/q /b", "/c\n/c\n"), 2);
    EXPECT_EQ(fake().Output, expected::StampLineAt0941);
    EXPECT_EQ(fake().ErrorStream, "kelpworth: standard input could not be read (error 109)\n");
}

TEST_F(BatchLines, AFailedWriteStopsWithTheRunTimeError) {
    fake().FailWriteNumber = 1;
    std::string input;
    for (int line = 0; line < 5000; ++line) input += "/d25.12.2017 /t10:20:30\n";
    try {
        Run("/q /b", input);
        FAIL() << "the process should have ended";
    } catch (const fake::ProcessExit& exit) {
        EXPECT_EQ(exit.Code, 28u);
    }
    EXPECT_EQ(fake().Output, "");
    EXPECT_EQ(fake().ErrorStream, "Runtime error  28 at 00000030\r\n");
    EXPECT_LT(fake().InputTaken, input.size());  // it stopped at once
}

}  // namespace
}  // namespace kelpworth
