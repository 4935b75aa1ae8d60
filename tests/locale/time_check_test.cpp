#include "locale/time_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/test_support.h"

namespace kelpworth {
namespace {

TLocaleState StateWithTimeSeparators(char timeSep, char decimalSep) {
    TLocaleState state;
    state.Settings.TimeSep = timeSep;
    state.Settings.DecimalSep = decimalSep;
    state.Settings.AmText = "vorm.";
    state.Settings.PmText = "nachm.";
    return state;
}

double TimeValue(int hour, int minute, int second, int millisecond) {
    double value = -1;
    EXPECT_TRUE(MakeTimeValue(static_cast<std::uint16_t>(hour), static_cast<std::uint16_t>(minute),
                              static_cast<std::uint16_t>(second),
                              static_cast<std::uint16_t>(millisecond), value));
    return value;
}

using TimeCheckTest = testing::FakePlatformTest;

TEST_F(TimeCheckTest, AnswersForColonAndFullStopSeparators) {
    struct Case {
        const char* Text;
        bool Colon;
        bool FullStop;
    };
    const std::vector<Case> cases = {
        {"10:20:30", true, true},     {"21", true, true},
        {"7:5", true, true},          {"0:0:0", true, true},
        {"0010:20", true, true},      {"24:00:00", true, false},
        {"10:61:00", true, true},     {"99:99:99", true, false},
        {"10:20:30:50", true, true},  {"10:20:30:", true, true},
        {"12:30:", true, true},       {"12::30", false, true},
        {":10", false, false},        {"1234", true, true},
        {"12345", false, false},      {"", true, true},
        {"99:99:99:", false, false},  {"25:00:00:1", false, false},
        {" 10 : 20 ", true, true},    {"23:", true, true},
        // the largest second, and the number reader's stop after 1000
        {"0:0:59:0", true, true},     {"0:0:60:0", false, true},
        {"1000", true, true},         {"10000", false, false},
    };
    const TLocaleState colonWithPoint = StateWithTimeSeparators(':', '.');
    const TLocaleState colonWithComma = StateWithTimeSeparators(':', ',');
    const TLocaleState fullStop = StateWithTimeSeparators('.', ',');
    for (const Case& c : cases) {
        EXPECT_EQ(AcceptTimeText(c.Text, colonWithPoint), c.Colon) << '"' << c.Text << '"';
        EXPECT_EQ(AcceptTimeText(c.Text, colonWithComma), c.Colon) << '"' << c.Text << '"';
        EXPECT_EQ(AcceptTimeText(c.Text, fullStop), c.FullStop) << '"' << c.Text << '"';
    }
}

TEST_F(TimeCheckTest, ReadsDesignatorsBeforeOrAfterTheTime) {
    struct Case {
        const char* Text;
        double Value;
    };
    const std::vector<Case> cases = {
        {"12 AM", TimeValue(0, 0, 0, 0)},
        {"12:30 PM", TimeValue(12, 30, 0, 0)},
        {"1:00AM", TimeValue(1, 0, 0, 0)},
        {"11:59:59 pm", TimeValue(23, 59, 59, 0)},
        {"am 7", TimeValue(7, 0, 0, 0)},
        {"PM 1:15", TimeValue(13, 15, 0, 0)},
        {"nachm. 3", TimeValue(15, 0, 0, 0)},
        {"3 NACHM.", TimeValue(15, 0, 0, 0)},
        {"  vorm.  12:05 ", TimeValue(0, 5, 0, 0)},
        {"10:20:30.5", TimeValue(10, 20, 30, 5)},
        {"10:20:30.999 PM", TimeValue(22, 20, 30, 999)},
    };
    const TLocaleState state = StateWithTimeSeparators(':', '.');
    for (const Case& c : cases) {
        TScanState scan{c.Text, 1};
        double value = -1;
        EXPECT_TRUE(ScanTimeText(scan, value, state)) << c.Text;
        EXPECT_EQ(value, c.Value) << c.Text;
        EXPECT_TRUE(PastTextEnd(scan)) << c.Text;
    }
}

TEST_F(TimeCheckTest, FailedScansThatReadEverythingAreAccepted) {
    const TLocaleState state = StateWithTimeSeparators(':', '.');
    for (const char* text : {"13:00 PM", "0 AM", "10:20:30.1000", "24:00", "PM", "10:20:30."}) {
        TScanState scan{text, 1};
        double value = 0;
        EXPECT_FALSE(ScanTimeText(scan, value, state)) << text;
        EXPECT_TRUE(AcceptTimeText(text, state)) << text;
    }
    for (const char* text : {"13:00 PM x", "AM:10", "10:20:30.x", "PM PM 1"}) {
        EXPECT_FALSE(AcceptTimeText(text, state)) << text;
    }
}

TEST_F(TimeCheckTest, EmptyDesignatorsStillRecogniseAmAndPm) {
    TLocaleState state = StateWithTimeSeparators(':', ',');
    state.Settings.AmText = "";
    state.Settings.PmText = "";
    TScanState scan{"1:30 pm", 1};
    double value = 0;
    EXPECT_TRUE(ScanTimeText(scan, value, state));
    EXPECT_EQ(value, TimeValue(13, 30, 0, 0));
    EXPECT_TRUE(AcceptTimeText("AM 9", state));
}

}  // namespace
}  // namespace kelpworth
