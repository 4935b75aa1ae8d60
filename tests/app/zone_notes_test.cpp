// The notes /u owes about the zone the platform applies: a zone named but
// unknown (UTC in its place) and a year whose rules the platform lacks.
#include "stamp/zone_notes.h"

#include <string>
#include <vector>

#include "app/request_outcome.h"
#include "app/run_flow.h"
#include "common/test_support.h"

namespace kelpworth {
namespace {

const std::string UnknownNote =
    "/u: the time zone \"Europe/Berln\" names no zone file of this system and is no valid TZ "
    "rule: UTC is used in its place";
const std::string UnknownRefusal =
    "/u: the time zone \"Europe/Berln\" names no zone file of this system and is no valid TZ "
    "rule; a strict reading needs a time zone the system knows";
const std::string RulesNote = "/u: the system has no rules of this time zone for 1900: the rules "
                              "of 2000 are used";
const std::string RulesRefusal =
    "/u: the system has no rules of this time zone for 1900 (the nearest are those of 2000); a "
    "strict reading needs the rules of the date's own year";

TEST(ZoneNotesOf, NamesWhatThePlatformPutInPlaceOfTheZone) {
    struct TCase {
        TZoneUse Use;
        bool Strict;
        std::vector<std::string> Notes;
        bool Refused;
    };
    const TCase cases[] = {
        {{"", 2017, 2017}, false, {}, false},
        {{"", 2017, 2017}, true, {}, false},
        {{"Europe/Berln", 2017, 2017}, false, {UnknownNote}, false},
        {{"Europe/Berln", 2017, 2017}, true, {UnknownRefusal}, true},
        {{"", 1900, 2000}, false, {RulesNote}, false},
        {{"", 1900, 2000}, true, {RulesRefusal}, true},
        {{"Europe/Berln", 1900, 2000}, false, {UnknownNote, RulesNote}, false},
        {{"", 30828, 30827},
         false,
         {"/u: the system has no rules of this time zone for 30828: the rules of 30827 are used"},
         false},
    };
    for (const TCase& c : cases) {
        const TZoneNotes notes = ZoneNotesOf(c.Use, c.Strict);
        EXPECT_EQ(notes.Notes, c.Notes) << c.Use.UnknownZone << " " << c.Use.Year;
        EXPECT_EQ(notes.Refused, c.Refused) << c.Use.UnknownZone << " " << c.Use.Year;
    }
}

class ZoneNotesRun : public testing::FakePlatformTest {
protected:
    void SetUp() override {
        FakePlatformTest::SetUp();
        fake().LocaleItems = {{platform::LocaleSShortDate, "dd.MM.yyyy"},
                              {platform::LocaleSDate, "."}};
    }
    int Run(const std::string& arguments) {
        fake().CommandLine = "kelpworth " + arguments;
        fake().Output.clear();
        fake().ErrorStream.clear();
        ResetConsoleChannel();
        return RunKelpworth();
    }
};

TEST_F(ZoneNotesRun, AnUnknownZoneIsNamedAndUtcUsedOrUnderStrictRefused) {
    fake().UnknownZone = "Europe/Berln";  // the platform answers with UTC
    EXPECT_EQ(Run("/q /u /d25.12.2017 /t10:20:30"), 0);
    EXPECT_EQ(fake().Output, "0x01D37D69-0xFCC9D480\n");
    EXPECT_EQ(fake().ErrorStream, "kelpworth: " + UnknownNote + "\n");

    EXPECT_EQ(Run("/q /u /r0x01D37D69-0xFCC9D480"), 0);
    EXPECT_EQ(fake().Output,
              "2017-12-25T10:20:29.0000000Z\n2017-12-25T10:20:29.0000000+00:00\n"
              "25.12.2017 10:20:29\n");
    EXPECT_EQ(fake().ErrorStream, "kelpworth: " + UnknownNote + "\n");

    for (const char* arguments :
         {"/q /s /u /d25.12.2017 /t10:20:30", "/q /s /u /r0x01D37D69-0xFCC9D480"}) {
        EXPECT_EQ(Run(arguments), RefusedExitCode) << arguments;
        EXPECT_EQ(fake().Output, "") << arguments;
        EXPECT_EQ(fake().ErrorStream, "kelpworth: " + UnknownRefusal + "\n") << arguments;
    }
}

TEST_F(ZoneNotesRun, WithoutUNothingIsSaidOfTheZone) {
    fake().UnknownZone = "Europe/Berln";
    fake().FirstRulesYear = 2000;
    for (const char* arguments : {"/q /d15.07.1900 /t12:00:00", "/q /s /d15.07.1900 /t12:00:00",
                                  "/q /r0", "/q /s /x /r0"}) {
        EXPECT_EQ(Run(arguments), 0) << arguments;
        EXPECT_EQ(fake().ErrorStream.find("/u:"), std::string::npos) << arguments;
    }
}

TEST_F(ZoneNotesRun, AYearOutsideTheZonesRulesNamesTheYearWhoseRulesWereUsed) {
    fake().ZoneOffset = 3600;
    fake().FirstRulesYear = 2000;
    fake().LastRulesYear = 2030;
    Run("/q /d15.07.1900 /t11:00:00");
    const std::string utcStamp = fake().Output;  // by the rules of 2000, +01:00
    EXPECT_EQ(Run("/q /u /d15.07.1900 /t12:00:00"), 0);
    EXPECT_EQ(fake().Output, utcStamp);
    EXPECT_EQ(fake().ErrorStream, "kelpworth: " + RulesNote + "\n");
    EXPECT_EQ(Run("/q /s /u /d15.07.1900 /t12:00:00"), RefusedExitCode);
    EXPECT_EQ(fake().Output, "");
    EXPECT_EQ(fake().ErrorStream, "kelpworth: " + RulesRefusal + "\n");

    // Read back: the year of the UTC moment.
    EXPECT_EQ(Run("/q /u /r0x7FFFFFFF-0xFFFFFFFF"), 0);
    EXPECT_EQ(fake().ErrorStream,
              "kelpworth: /r: the stamp 0x7FFFFFFF-0xFFFFFFFF often stands for \"never\" "
              "(directories, account expiry)\nkelpworth: /u: the system has no rules of this "
              "time zone for 30828: the rules of 2030 are used\n");
    EXPECT_EQ(Run("/q /s /u /r0"), RefusedExitCode);
    EXPECT_EQ(fake().Output, "");
    EXPECT_EQ(fake().ErrorStream,
              "kelpworth: /u: the system has no rules of this time zone for 1601 (the nearest "
              "are those of 2000); a strict reading needs the rules of the date's own year\n");

    // Inside the years: no word.
    EXPECT_EQ(Run("/q /s /u /d15.07.2017 /t12:00:00"), 0);
    EXPECT_EQ(fake().ErrorStream, "");
}

}  // namespace
}  // namespace kelpworth
