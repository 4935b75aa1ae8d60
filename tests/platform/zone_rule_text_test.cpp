#include "platform/zone_rule_text.h"

#include <gtest/gtest.h>

#include <string_view>

namespace kelpworth::platform {
namespace {

TEST(ZoneRuleText, AcceptsEveryPartOfTheForm) {
    for (const std::string_view text : {
             "UTC0",
             "JST-9",
             "EST5EDT",                            // summer time by the default rules
             "EST5EDT,M3.2.0,M11.1.0",
             "CET-1CEST,M3.5.0,M10.5.0/3",
             "<+0330>-3:30",
             "<-03>3",
             "<UTC+12>-12",
             "NZST-12NZDT-13,M9.5.0,M4.1.0/3",
             "ABC+5:30:15",
             "ABC24",                               // the largest offset
             "ABC5XYZ,J1,J365",
             "ABC5XYZ,0,365",
             "ABC5XYZ,M3.2.0/-2,M11.1.0/167",       // times a week away
             "ABC5XYZ,M3.2.0/24:00:00,M11.1.0/1:2:3",
             "ABC5XYZ,M12.5.6,M1.1.0",
             "ABC005",
         }) {
        EXPECT_TRUE(IsZoneRuleText(text)) << text;
    }
}

TEST(ZoneRuleText, RefusesWhatTheCLibraryWouldTakeAsUtc) {
    for (const std::string_view text : {
             "",
             "Europe/Berln",
             "Europe/Berlin",                      // a zone file's name, no rule
             "XYZ",
             "EST",
             "+5",
             "AB5",                                 // a name of two letters
             "<AB>5",
             "<A_B>5",
             "<ABC5",
             "ABC5 ",
             "ABC5:",
             "ABC5.5",
             "ABC5:60",
             "ABC25",
             "ABC1234",
             "ABC5XYZ,",
             "ABC5XYZ,M3.2.0",                      // the end of summer time missing
             "ABC5XYZ,M13.1.0,M11.1.0",
             "ABC5XYZ,M3.6.0,M11.1.0",
             "ABC5XYZ,M3.0.0,M11.1.0",
             "ABC5XYZ,M3.5.7,M11.1.0",
             "ABC5XYZ,J0,J365",
             "ABC5XYZ,0,366",
             "ABC5XYZ,M3.2.0/168,M11.1.0",
             "ABC5XYZ,M3.2.0,M11.1.0,M12.1.0",
             "ABC5XYZ4x",
         }) {
        EXPECT_FALSE(IsZoneRuleText(text)) << text;
    }
}

}  // namespace
}  // namespace kelpworth::platform
