// The switches for scripts, through the whole run over the fake platform:
// quiet output (/q), the strict reading (/s), the UTC date and time (/u)
// and every form of the stamp (/x).
#include <string>
#include <vector>

#include "app/run_flow.h"
#include "common/expected_output.h"
#include "common/test_support.h"

namespace kelpworth {
namespace {

const std::string& Banner = expected::Banner;

class Switches : public testing::FakePlatformTest {
protected:
    void SetUp() override {
        FakePlatformTest::SetUp();
        // a day.month.year locale, and the clock at 25.12.2017 09:41:07
        fake().LocaleItems = {{platform::LocaleSShortDate, "dd.MM.yyyy"},
                              {platform::LocaleSDate, "."}};
        fake().InputEvents = {{1, 1}};
    }
    int Run(const std::string& arguments) {
        fake().CommandLine = "kelpworth " + arguments;
        ResetConsoleChannel();
        return RunKelpworth();
    }
    // The stamp line of a plain run of `arguments`, on a fresh output.
    std::string StampLineOf(const std::string& arguments) {
        fake().Output.clear();
        Run("/q " + arguments);
        std::string line = fake().Output;
        fake().Output.clear();
        fake().ErrorStream.clear();
        return line;
    }
    // Europe/Berlin's rules of 2024 and the winter before: +01:00, summer
    // time from 31.03.2024 01:00 UTC to 27.10.2024 01:00 UTC.
    void BerlinZone() {
        fake().ZoneOffset = 3600;
        fake().ZoneChanges = {{13'356'320'400, 7200}, {13'374'464'400, 3600}};
    }
};

TEST_F(Switches, QuietLeavesOnlyTheResultLines) {
    EXPECT_EQ(Run("/q /d25.12.2017 /t10:20:30"), 0);
    EXPECT_EQ(fake().Journal, "0x01D37D69-0xFCC9D480\n");  // no banner, no colours
}

TEST_F(Switches, QuietHelpHasNoBannerAndStillWaitsWhenAskedFor) {
    Run("/q /?");
    EXPECT_EQ(fake().Journal, expected::HelpAt0941);
    EXPECT_EQ(fake().InputReads, 1);

    fake::ResetFake();
    Run("/q /s /u /x");  // no date, time or clock switch: the help screen, no wait
    EXPECT_EQ(fake().Output, expected::HelpAt0941);
    EXPECT_EQ(fake().InputReads, 0);
}

TEST_F(Switches, HelpBeatsTheNewSwitches) {
    Run("/s /u /x /d25.12.2017 /help");
    EXPECT_EQ(fake().Output, Banner + expected::HelpAt0941);
    EXPECT_EQ(fake().InputReads, 1);
}

TEST_F(Switches, StrictRefusesWhatWouldBeReplacedWithExitCode2) {
    for (const char* arguments :
         {"/s /d32.01.2017 /t10:20:30", "/s /d25.12.2017 /t10:61", "/s /d25.12.2017",
          "/s /d", "/s /d/t10", "/s /d31.02.2017 /t10", "/s /d25.12.2017 /t24:00:00",
          "/s /d25-12-2017 /t10"}) {
        fake().Output.clear();
        fake().ErrorStream.clear();
        EXPECT_EQ(Run(arguments), 2) << arguments;
        EXPECT_EQ(fake().Output, Banner) << arguments;
        EXPECT_EQ(fake().ErrorStream.rfind("kelpworth: /", 0), 0u) << arguments;
        EXPECT_EQ(fake().ErrorStream.back(), '\n') << arguments;
        EXPECT_TRUE(fake().Dialogs.empty());

        fake().Output.clear();
        EXPECT_EQ(Run(std::string("/q /m ") + arguments), 2) << arguments;
        EXPECT_EQ(fake().Output, "") << arguments;
        EXPECT_TRUE(fake().Dialogs.empty());
    }
}

TEST_F(Switches, StrictLetsAGoodRequestAndTheClockThrough) {
    EXPECT_EQ(Run("/q /s /d01.01.1601 /t10:00:00"), 0);  // the first day with stamps
    EXPECT_EQ(fake().Output, "0x00000053-0xD1AC1000\n");
    fake().Output.clear();
    EXPECT_EQ(Run("/q /s /d25.12.2017 /t10:20:30"), 0);
    EXPECT_EQ(Run("/q /s /t09:41:07"), 0);
    EXPECT_EQ(Run("/q /s /c"), 0);
    EXPECT_EQ(fake().Output, "0x01D37D69-0xFCC9D480\n" + expected::StampLineAt0941 +
                                 expected::StampLineAt0941);
    EXPECT_EQ(fake().ErrorStream, "");
}

TEST_F(Switches, EveryFormFollowsTheStampLine) {
    EXPECT_EQ(Run("/q /x /d25.12.2017 /t10:20:30"), 0);
    EXPECT_EQ(fake().Output,
              "0x01D37D69-0xFCC9D480\n"
              "decimal: 131586708290000000\n"
              "hex: 01D37D69FCC9D480\n"
              "bytes: 80 D4 C9 FC 69 7D D3 01\n"
              "reg: hex(b):80,d4,c9,fc,69,7d,d3,01\n"
              "iso: 2017-12-25T10:20:29.0000000\n"
              "exact: 0x01D37D69-0xFD626B00 2017-12-25T10:20:30.0000000; the stamp above is one "
              "second short by the tool's compatible arithmetic\n");

    fake().Output.clear();
    Run("/q /x /d01.01.1601 /t00:00:00");  // no second lost: no last line
    EXPECT_EQ(fake().Output,
              "0x00000000-0x00000000\ndecimal: 0\nhex: 0000000000000000\n"
              "bytes: 00 00 00 00 00 00 00 00\nreg: hex(b):00,00,00,00,00,00,00,00\n"
              "iso: 1601-01-01T00:00:00.0000000\n");
}

// The exact line is the count of the date and time given, shown with the
// reason wherever the stamp line is another count; reading it back gives
// the date and time typed.
TEST_F(Switches, TheExactLineIsTheCountOfTheDateAndTimeGiven) {
    struct Case {
        const char* Arguments;
        const char* ExactLine;  // empty: none
        const char* ReadBack;   // the first line of /r of the exact stamp
    };
    const Case cases[] = {
        {"/d25.12.2017 /t10:20:30",
         "exact: 0x01D37D69-0xFD626B00 2017-12-25T10:20:30.0000000; the stamp above is one second "
         "short by the tool's compatible arithmetic",
         "2017-12-25T10:20:30.0000000"},
        {"/d09.05.1810 /t08:03:37",
         "exact: 0x00EAB526-0xA7451280 1810-05-09T08:03:37.0000000; the stamp above counts the "
         "time of day backwards from midnight, as the tool's compatible arithmetic does on the "
         "days 02.01.1601 to 29.12.1899",
         "1810-05-09T08:03:37.0000000"},
        {"/d02.01.1601 /t00:00:01",
         "exact: 0x000000C9-0x2B025680 1601-01-02T00:00:01.0000000; the stamp above counts the "
         "time of day backwards from midnight, as the tool's compatible arithmetic does on the "
         "days 02.01.1601 to 29.12.1899",
         "1601-01-02T00:00:01.0000000"},
        {"/d01.01.1601 /t10:00:00", "", "1601-01-01T10:00:00.0000000"},
        {"/d30.12.1899 /t00:00:01", "", "1899-12-30T00:00:01.0000000"},
        {"/d01.01.1500 /t10:00:00",
         "exact: none (01.01.1500 10:00:00 lies before 01.01.1601, where stamps begin; the stamp "
         "above is its distance from that day)",
         nullptr},
    };
    for (const Case& c : cases) {
        const std::string output = StampLineOf(std::string("/x ") + c.Arguments);
        const std::size_t exact = output.find("\nexact: ");
        const std::string exactLine =
            exact == std::string::npos ? "" : output.substr(exact + 1, output.size() - exact - 2);
        EXPECT_EQ(exactLine, c.ExactLine) << c.Arguments;
        if (c.ReadBack == nullptr) continue;
        // The exact stamp, or the stamp line where it is the exact one.
        const std::string stamp = exact == std::string::npos ? output.substr(0, 21)
                                                             : output.substr(exact + 8, 21);
        const std::string readBack = StampLineOf("/r" + stamp);
        EXPECT_EQ(readBack.substr(0, readBack.find('\n')), c.ReadBack) << c.Arguments;
    }
}

// Every result line of a request goes out in one write, so that a reader
// that takes the first line and goes never races with the rest.
TEST_F(Switches, TheResultLinesOfARequestGoOutInOneWrite) {
    for (const char* arguments : {"/q /x /d25.12.2017 /t10:20:30", "/q /x /r0x01D37D69-0xFCC9D480",
                                  "/q /r0"}) {
        fake().WriteSizes.clear();
        fake().Output.clear();
        Run(arguments);
        ASSERT_EQ(fake().WriteSizes.size(), 1u) << arguments;
        EXPECT_EQ(fake().WriteSizes[0], fake().Output.size()) << arguments;
    }
    // A failed write still stops with the run-time error.
    fake().FailWriteNumber = 1;
    fake().Output.clear();
    fake().ErrorStream.clear();
    try {
        Run("/q /x /d25.12.2017 /t10:20:30");
        FAIL() << "the process should have ended";
    } catch (const fake::ProcessExit& exit) {
        EXPECT_EQ(exit.Code, 28u);
    }
    EXPECT_EQ(fake().ErrorStream, "Runtime error  28 at 00000020\r\n");
}

// The notes on the two stamps that stand for no moment in practice, and on
// no other.
TEST_F(Switches, NotSetAndNeverAreNotedOnTheirStampsAlone) {
    struct Case {
        const char* Stamp;
        const char* Note;
    };
    const Case cases[] = {
        {"0", "kelpworth: /r: the stamp 0 often stands for \"not set\"\n"},
        {"0x7FFFFFFF-0xFFFFFFFF",
         "kelpworth: /r: the stamp 0x7FFFFFFF-0xFFFFFFFF often stands for \"never\" "
         "(directories, account expiry)\n"},
        {"1", ""},
        {"0x7FFFFFFF-0xFFFFFFFE", ""},
        {"0x3FFFFFFF-0xFFFFFFFF", ""},
    };
    for (const Case& c : cases) {
        fake().ErrorStream.clear();
        EXPECT_EQ(Run(std::string("/q /r") + c.Stamp), 0) << c.Stamp;
        EXPECT_EQ(fake().ErrorStream, c.Note) << c.Stamp;
    }
}

// West of Greenwich the stamp 0 is a local time of 31.12.1600: the short
// form shows that local date and time, as the ISO line above it does.
TEST_F(Switches, ReadBackInLocalTimeBefore1601) {
    fake().ZoneOffset = -17'762;  // New York's local mean time, -04:56:02
    EXPECT_EQ(Run("/q /u /r0"), 0);
    EXPECT_EQ(fake().Output,
              "1601-01-01T00:00:00.0000000Z\n1600-12-31T19:03:58.0000000-04:56:02\n"
              "31.12.1600 19:03:58\n");
}

// The definition: the stamp with /u is the stamp the tool prints for the
// same moment's UTC date and time.
TEST_F(Switches, UtcIsTheStampOfTheUtcDateAndTime) {
    BerlinZone();
    struct Case {
        const char* Local;
        const char* Utc;
    };
    const Case cases[] = {
        {"/d25.12.2017 /t10:20:30", "/d25.12.2017 /t09:20:30"},
        {"/d15.07.2024 /t12:00:00", "/d15.07.2024 /t10:00:00"},
        {"/d01.01.2024 /t00:30:00:50", "/d31.12.2023 /t23:30:00:50"},
        {"/d31.03.2024 /t03:00:00", "/d31.03.2024 /t01:00:00"},
        {"/d31.02.2017 /t12:00:00", "/d30.12.1899 /t11:00:00"},  // no calendar date
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StampLineOf(std::string("/u ") + c.Local), StampLineOf(c.Utc)) << c.Local;
    }
}

TEST_F(Switches, UtcOfARepeatedOrMissingHour) {
    BerlinZone();
    // The repeated hour: its first occurrence, with a note.
    const std::string firstOccurrence = StampLineOf("/d27.10.2024 /t00:30:00");
    EXPECT_EQ(Run("/q /u /d27.10.2024 /t02:30:00"), 0);
    EXPECT_EQ(fake().Output, firstOccurrence);
    EXPECT_EQ(fake().ErrorStream,
              "kelpworth: /u: 27.10.2024 02:30:00 occurs twice in this time zone (clocks were "
              "turned back): read as its first occurrence, 27.10.2024 00:30:00 UTC (UTC+02:00); "
              "the second is 27.10.2024 01:30:00 UTC (UTC+01:00)\n");
    // The missing hour: the offset before the change, with a note.
    const std::string beforeTheChange = StampLineOf("/d31.03.2024 /t01:30:00");
    EXPECT_EQ(Run("/q /u /d31.03.2024 /t02:30:00"), 0);
    EXPECT_EQ(fake().Output, beforeTheChange);
    EXPECT_EQ(fake().ErrorStream,
              "kelpworth: /u: 31.03.2024 02:30:00 does not occur in this time zone (clocks were "
              "turned forward): read with the offset before the change, as 31.03.2024 01:30:00 "
              "UTC (UTC+01:00); with the offset after it, it would be 31.03.2024 00:30:00 UTC "
              "(UTC+02:00)\n");
    // Strict: both are refused.
    for (const char* arguments : {"/q /s /u /d27.10.2024 /t02:30:00",
                                  "/q /s /u /d31.03.2024 /t02:30:00"}) {
        fake().Output.clear();
        fake().ErrorStream.clear();
        EXPECT_EQ(Run(arguments), 2) << arguments;
        EXPECT_EQ(fake().Output, "") << arguments;
        EXPECT_NE(fake().ErrorStream.find("a strict reading needs a local time that occurs once"),
                  std::string::npos);
    }
}

TEST_F(Switches, UtcOutsideTheStampsRangeHasNoStamp) {
    BerlinZone();
    EXPECT_EQ(Run("/q /u /d01.01.1601 /t00:30:00"), 2);
    EXPECT_EQ(fake().Output, "");
    EXPECT_EQ(fake().ErrorStream,
              "kelpworth: /u: 01.01.1601 00:30:00 at UTC+01:00 falls outside 01.01.1601 to "
              "31.12.9999 in UTC, where the stamp has no count\n");
    fake().ErrorStream.clear();
    EXPECT_EQ(Run("/q /u /d01.01.1601 /t01:00:00"), 0);
    EXPECT_EQ(fake().Output, "0x00000000-0x00000000\n");
}

TEST_F(Switches, UtcOfTheClockIsTheClocksOwnUtcReading) {
    BerlinZone();
    fake().Clock = {2017, 12, 1, 25, 10, 41, 7, 0};
    fake().UniversalClock = testing::FixedClock();
    EXPECT_EQ(Run("/q /u /c /m"), 0);
    EXPECT_EQ(fake().Output, expected::StampLineAt0941);
    ASSERT_EQ(fake().Dialogs.size(), 1u);
    EXPECT_EQ(fake().Dialogs[0].first,
              "'DateStr=25.12.2017'\r\n'TimeStr=10:41:07'\r\n'Day=25'\r\n'Month=12'\r\n"
              "'Year=2017'\r\n'Hour=10'\r\n'Minute=41'\r\n'Second=7'\r\n"
              "'Hex=0x01D37D64-0x7CED3B80'\r\n'Offset=+01:00'");
}

TEST_F(Switches, UtcWithEveryFormMarksTheMomentAsUtc) {
    BerlinZone();
    Run("/q /u /x /d25.12.2017 /t10:20:30");
    EXPECT_NE(fake().Output.find("\niso: 2017-12-25T09:20:30.0000000Z\n"), std::string::npos);
}

}  // namespace
}  // namespace kelpworth
