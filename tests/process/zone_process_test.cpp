// The zone that TZ names, on the real executable: a name the C library
// cannot find, which it replaces by UTC without a word, gets a note with /u
// and a refusal with /s /u; every zone it can find or read as a rule, and
// an empty or unset TZ, gets none.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_process.h"

namespace kelpworth::testing {
namespace {

const std::string UtcStamp = "0x01D37D69-0xFCC9D480\n";  // 25.12.2017 10:20:30 UTC

std::string UnknownNote(const std::string& zone) {
    return "kelpworth: /u: the time zone \"" + zone +
           "\" names no zone file of this system and is no valid TZ rule: UTC is used in its "
           "place\n";
}

class ZoneOfTz : public ::testing::Test {
protected:
    void SetUp() override {
        if (!LocaleAvailable("de_DE.UTF-8")) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    }
    static TProcessResult Run(const std::vector<std::string>& arguments,
                              std::vector<std::string> environment) {
        TProcessOptions options;
        options.Arguments = arguments;
        options.Environment = std::move(environment);
        options.Environment.emplace_back("LANG=de_DE.UTF-8");
        return RunProcess(options);
    }
};

TEST_F(ZoneOfTz, AnUnknownZoneIsNamedAndReadAsUtc) {
    const TProcessResult noted =
        Run({"/q", "/u", "/d25.12.2017", "/t10:20:30"}, {"TZ=Europe/Berln"});
    EXPECT_EQ(noted.ExitCode, 0);
    EXPECT_EQ(noted.Output, UtcStamp);
    EXPECT_EQ(noted.Error, UnknownNote("Europe/Berln"));

    const TProcessResult refused =
        Run({"/q", "/s", "/u", "/d25.12.2017", "/t10:20:30"}, {"TZ=Europe/Berln"});
    EXPECT_EQ(refused.ExitCode, 2);
    EXPECT_EQ(refused.Output, "");
    EXPECT_EQ(refused.Error,
              "kelpworth: /u: the time zone \"Europe/Berln\" names no zone file of this system "
              "and is no valid TZ rule; a strict reading needs a time zone the system knows\n");

    const TProcessResult readBack = Run({"/q", "/u", "/r0x01D37D69-0xFCC9D480"}, {"TZ=XYZ"});
    EXPECT_EQ(readBack.ExitCode, 0);
    EXPECT_EQ(readBack.Output,
              "2017-12-25T10:20:29.0000000Z\n2017-12-25T10:20:29.0000000+00:00\n"
              "25.12.2017 10:20:29\n");
    EXPECT_EQ(readBack.Error, UnknownNote("XYZ"));
    const TProcessResult readBackStrict =
        Run({"/q", "/s", "/u", "/r0x01D37D69-0xFCC9D480"}, {"TZ=XYZ"});
    EXPECT_EQ(readBackStrict.ExitCode, 2);
    EXPECT_EQ(readBackStrict.Output, "");
}

TEST_F(ZoneOfTz, WithoutUTheUnknownZoneChangesNothing) {
    for (const std::vector<std::string>& arguments :
         std::vector<std::vector<std::string>>{{"/q", "/d25.12.2017", "/t10:20:30"},
                                               {"/q", "/s", "/x", "/d25.12.2017", "/t10:20:30"},
                                               {"/q", "/r0"}}) {
        const TProcessResult unknown = Run(arguments, {"TZ=Europe/Berln"});
        const TProcessResult utc = Run(arguments, {"TZ=UTC"});
        EXPECT_EQ(unknown.ExitCode, 0) << arguments.back();
        EXPECT_EQ(unknown.Output, utc.Output) << arguments.back();
        EXPECT_EQ(unknown.Error, utc.Error) << arguments.back();
    }
}

// The zones the C library finds or reads, and the ones it takes as UTC.
TEST_F(ZoneOfTz, ANoteExactlyWhereTheCLibraryFallsBackToUtc) {
    struct TCase {
        std::vector<std::string> Environment;
        const char* Unknown;  // the name in the note; nullptr: no note
    };
    const TCase cases[] = {
        {{"TZ=Europe/Berlin"}, nullptr},
        {{"TZ=:Europe/Berlin"}, nullptr},
        {{"TZ=/usr/share/zoneinfo/Asia/Tokyo"}, nullptr},
        {{"TZ=EST"}, nullptr},  // a zone file, though no rule
        {{"TZ=UTC0"}, nullptr},
        {{"TZ=EST5EDT,M3.2.0,M11.1.0"}, nullptr},
        {{"TZ=<+0330>-3:30"}, nullptr},
        {{"TZ=CET-1CEST,M3.5.0,M10.5.0/3"}, nullptr},
        {{"TZ=JST-9"}, nullptr},
        {{"TZ=ABC25"}, nullptr},         // no rule, but read as far as it goes
        {{"TZ=ABC5XYZ,M3.2.0"}, nullptr},
        {{"TZ="}, nullptr},  // UTC asked for
        {{"TZ"}, nullptr},   // unset: the system's zone
        {{"TZ=Europe/Berln"}, "Europe/Berln"},
        {{"TZ=:Europe/Berln"}, ":Europe/Berln"},
        {{"TZ=Europe"}, "Europe"},  // a directory
        {{"TZ=XYZ"}, "XYZ"},
        {{"TZ=+5"}, "+5"},
        {{"TZ=Europe/Berlin", "TZDIR=/nonexistent"}, "Europe/Berlin"},
    };
    for (const TCase& c : cases) {
        const TProcessResult result = Run({"/q", "/u", "/d25.12.2017", "/t10:20:30"},
                                          c.Environment);
        EXPECT_EQ(result.ExitCode, 0) << c.Environment[0];
        EXPECT_EQ(result.Error, c.Unknown ? UnknownNote(c.Unknown) : "") << c.Environment[0];
        if (c.Unknown) {
            EXPECT_EQ(result.Output, UtcStamp) << c.Environment[0];
        }
    }
}

}  // namespace
}  // namespace kelpworth::testing
