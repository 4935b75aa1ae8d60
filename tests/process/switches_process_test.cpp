// The switches for scripts on the real executable: the UTC date and time by
// the system's tz database (/u), quiet output, the strict reading and every
// form of the stamp. The UTC date and time of each moment below are worked
// out by hand from the zone's published rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "run_process.h"

namespace kelpworth::testing {
namespace {

class SwitchesProcess : public ::testing::Test {
protected:
    void SetUp() override {
        if (!LocaleAvailable("de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    }
    static TProcessResult Run(const std::vector<std::string>& arguments, const std::string& zone,
                              const std::string& locale = "de_DE.UTF-8") {
        TProcessOptions options;
        options.Arguments = arguments;
        options.Environment = {"LANG=" + locale, "TZ=" + zone};
        return RunProcess(options);
    }
};

struct ZoneCase {
    const char* Zone;
    const char* LocalDate;
    const char* LocalTime;
    const char* UtcDate;
    const char* UtcTime;
    bool Noted;  // a repeated or missing local time
};

const ZoneCase ZoneCases[] = {
    {"UTC", "25.12.2017", "10:20:30", "25.12.2017", "10:20:30", false},
    // Central European time, summer time from 31.03.2024 02:00 to
    // 27.10.2024 03:00, and local mean time +00:53:28 before April 1893
    {"Europe/Berlin", "25.12.2017", "10:20:30", "25.12.2017", "09:20:30", false},
    {"Europe/Berlin", "31.03.2024", "01:59:59", "31.03.2024", "00:59:59", false},
    {"Europe/Berlin", "31.03.2024", "02:30:00", "31.03.2024", "01:30:00", true},
    {"Europe/Berlin", "31.03.2024", "03:00:00", "31.03.2024", "01:00:00", false},
    {"Europe/Berlin", "27.10.2024", "01:59:59", "26.10.2024", "23:59:59", false},
    {"Europe/Berlin", "27.10.2024", "02:30:00", "27.10.2024", "00:30:00", true},
    {"Europe/Berlin", "27.10.2024", "03:00:00", "27.10.2024", "02:00:00", false},
    {"Europe/Berlin", "01.01.1890", "12:00:00", "01.01.1890", "11:06:32", false},
    {"Europe/Berlin", "01.01.1601", "01:00:00", "01.01.1601", "00:06:32", false},
    // Eastern time: -05:00, summer time -04:00
    {"America/New_York", "25.12.2017", "10:20:30", "25.12.2017", "15:20:30", false},
    {"America/New_York", "04.07.2024", "12:00:00", "04.07.2024", "16:00:00", false},
    // +10:30, summer time +11:00 until 07.04.2024 02:00 (back to 01:30)
    {"Australia/Lord_Howe", "15.01.2024", "12:00:00", "15.01.2024", "01:00:00", false},
    {"Australia/Lord_Howe", "07.04.2024", "01:45:00", "06.04.2024", "14:45:00", true},
    {"Australia/Lord_Howe", "15.07.2024", "12:00:00", "15.07.2024", "01:30:00", false},
    {"Asia/Kathmandu", "25.12.2017", "10:20:30", "25.12.2017", "04:35:30", false},
    // -10:00 until the end of 29.12.2011, then +14:00: 30.12.2011 was skipped
    {"Pacific/Apia", "29.12.2011", "12:00:00", "29.12.2011", "22:00:00", false},
    {"Pacific/Apia", "30.12.2011", "12:00:00", "30.12.2011", "22:00:00", true},
    {"Pacific/Apia", "31.12.2011", "12:00:00", "30.12.2011", "22:00:00", false},
};

// The definition of /u: the stamp line of the local moment with /u is the
// stamp line of its UTC date and time without it.
TEST_F(SwitchesProcess, UtcIsTheStampOfTheMomentsUtcDateAndTime) {
    for (const ZoneCase& c : ZoneCases) {
        const std::string local = std::string(c.Zone) + " " + c.LocalDate + " " + c.LocalTime;
        const TProcessResult utc =
            Run({"/q", "/u", std::string("/d") + c.LocalDate, std::string("/t") + c.LocalTime},
                c.Zone);
        const TProcessResult plain =
            Run({"/q", std::string("/d") + c.UtcDate, std::string("/t") + c.UtcTime}, "UTC");
        EXPECT_EQ(utc.ExitCode, 0) << local;
        EXPECT_EQ(utc.Output.size(), 22u) << local;
        EXPECT_EQ(utc.Output, plain.Output) << local;
        EXPECT_EQ(utc.Error.empty(), !c.Noted) << local << ": " << utc.Error;

        if (!c.Noted) continue;
        const TProcessResult strict = Run({"/q", "/s", "/u", std::string("/d") + c.LocalDate,
                                           std::string("/t") + c.LocalTime},
                                          c.Zone);
        EXPECT_EQ(strict.ExitCode, 2) << local;
        EXPECT_EQ(strict.Output, "") << local;
        EXPECT_NE(strict.Error, "") << local;
    }
}

TEST_F(SwitchesProcess, AUtcDateBefore1601HasNoStamp) {
    const TProcessResult result = Run({"/q", "/u", "/d01.01.1601", "/t00:30:00"}, "Europe/Berlin");
    EXPECT_EQ(result.ExitCode, 2);
    EXPECT_EQ(result.Output, "");
    EXPECT_EQ(result.Error,
              "kelpworth: /u: 01.01.1601 00:30:00 at UTC+00:53:28 falls outside 01.01.1601 to "
              "31.12.9999 in UTC, where the stamp has no count\n");
}

TEST_F(SwitchesProcess, QuietUtcEveryFormInGermanSettings) {
    const TProcessResult result =
        Run({"/q", "/u", "/x", "/d25.12.2017", "/t10:20:30"}, "Europe/Berlin");
    EXPECT_EQ(result.ExitCode, 0);
    EXPECT_EQ(result.Error, "");
    EXPECT_EQ(result.Output,
              "0x01D37D61-0x9B9E0300\n"
              "decimal: 131586672300000000\n"
              "hex: 01D37D619B9E0300\n"
              "bytes: 00 03 9E 9B 61 7D D3 01\n"
              "reg: hex(b):00,03,9e,9b,61,7d,d3,01\n"
              "iso: 2017-12-25T09:20:30.0000000Z\n");
    const TProcessResult plain = Run({"/q", "/d25.12.2017", "/t09:20:30"}, "UTC");
    EXPECT_EQ(result.Output.substr(0, 22), plain.Output);
}

TEST_F(SwitchesProcess, StrictInALocaleThatReadsNoDottedDate) {
    const TProcessResult result =
        Run({"/q", "/s", "/u", "/x", "/d25.12.2017", "/t10:20:30"}, "Europe/Berlin", "en_US.UTF-8");
    EXPECT_EQ(result.ExitCode, 2);
    EXPECT_EQ(result.Output, "");
    EXPECT_NE(result.Error.find("kelpworth: /d \"25.12.2017\": this locale reads no "
                                "day.month.year date (its date separator is '/'); use /c for "
                                "the current moment, or a day.month.year locale such as "
                                "LC_TIME=de_DE.UTF-8"),
              std::string::npos)
        << result.Error;
    EXPECT_EQ(std::count(result.Error.begin(), result.Error.end(), '\n'), 1);
}

}  // namespace
}  // namespace kelpworth::testing
