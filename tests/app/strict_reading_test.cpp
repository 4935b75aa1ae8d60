#include "app/strict_reading.h"

#include <string>
#include <vector>

#include "locale/date_check.h"
#include "locale/time_check.h"
#include "common/test_support.h"

namespace kelpworth {
namespace {

TLocaleState Settings(char dateSep, char timeSep) {
    TLocaleState state;
    state.Settings.ShortDatePicture = dateSep == '.' ? "dd.MM.yyyy" : "M/d/yyyy";
    state.Settings.DateSep = dateSep;
    state.Settings.TimeSep = timeSep;
    state.Settings.DecimalSep = ',';
    return state;
}

const TClockTexts Clock{"03.04.2026", "05:06:07"};
constexpr std::string_view Hint = "a day.month.year locale";

std::vector<std::string> ProblemsOf(const std::string& arguments, const TLocaleState& state) {
    const TValueChecks checks{
        [&](const std::string& text) { return AcceptDateText(text, state, [] { return std::uint16_t{2026}; }); },
        [&](const std::string& text) { return AcceptTimeText(text, state); }};
    const TCommandLineRequest request = ReadCommandLine("kelpworth " + arguments, checks, SystemClock());
    return StrictReadingProblems(request, state.Settings, Clock, Hint);
}

const std::string TodayInstead = "; without /s the current date 03.04.2026 would be used";
const std::string NowInstead = "; without /s the current time 05:06:07 would be used";
const std::string WithoutTime =
    "/d without /t: add /t00:00:00 for midnight, or leave out /s to take the "
    "current time";

struct StrictCase {
    const char* Arguments;
    std::vector<std::string> Problems;
};

class StrictReadingDayMonthYear : public testing::FakePlatformTest,
                                  public ::testing::WithParamInterface<StrictCase> {};

TEST_P(StrictReadingDayMonthYear, NamesEveryReplacement) {
    const StrictCase& c = GetParam();
    EXPECT_EQ(ProblemsOf(c.Arguments, Settings('.', ':')), c.Problems);
}

const StrictCase DayMonthYearCases[] = {
    // requests that stand as given, or ask for the clock
    {"/s /d25.12.2017 /t10:20:30", {}},
    {"/s /d1.2.2017 /t21", {}},
    {"/s /t10:20:30", {}},
    {"/s /c", {}},
    {"/s /c /d32.01.2017", {}},
    // the date
    {"/s /d25.12.2017", {WithoutTime}},
    {"/s /d", {"/d has no value" + TodayInstead, WithoutTime}},
    {"/s /d /t10", {"/d has an empty value" + TodayInstead}},
    {"/s /d25-12-2017 /t10",
     {"/d \"25-12-2017\": holds characters other than digits and '.'" +
      TodayInstead}},
    {"/s /d25..12 /t10",
     {"/d \"25..12\": does not read as a date in this locale" + TodayInstead}},
    {"/s /d32.01.2017 /t10",
     {"/d \"32.01.2017\": day 32 is out of range (1 to 31)" + TodayInstead}},
    {"/s /d01.13.2017 /t10",
     {"/d \"01.13.2017\": month 13 is out of range (1 to 12)" + TodayInstead}},
    {"/s /d01.01.17 /t10",
     {"/d \"01.01.17\": the year needs four digits" + TodayInstead}},
    {"/s /d01.01.0000 /t10",
     {"/d \"01.01.0000\": year 0000 is out of range (0001 to 9999)" + TodayInstead}},
    {"/s /d25.12 /t10",
     {"/d \"25.12\": needs a day, a month and a four-digit year" + TodayInstead}},
    {"/s /d31.02.2017 /t10",
     {"/d \"31.02.2017\" is no calendar date; without /s it would count as "
      "30.12.1899"}},
    {"/s /d31.12.1600 /t10",
     {"/d \"31.12.1600\" lies before 01.01.1601, where stamps begin; without /s its "
      "distance from that day would count instead"}},
    // the time
    {"/s /d25.12.2017 /t", {"/t has no value" + NowInstead}},
    {"/s /d25.12.2017 /t /m", {"/t has an empty value" + NowInstead}},
    {"/s /d25.12.2017 /t10.20",
     {"/t \"10.20\": holds characters other than digits and ':'" + NowInstead}},
    {"/s /d25.12.2017 /t12345",
     {"/t \"12345\": does not read as a time in this locale" + NowInstead}},
    {"/s /d25.12.2017 /t25:00",
     {"/t \"25:00\": hour 25 is out of range (0 to 23)" + NowInstead}},
    {"/s /d25.12.2017 /t10:61",
     {"/t \"10:61\": minute 61 is out of range (0 to 59)" + NowInstead}},
    {"/s /d25.12.2017 /t10:20:61",
     {"/t \"10:20:61\": second 61 is out of range (0 to 59)" + NowInstead}},
    {"/s /d25.12.2017 /t10:20:30:100",
     {"/t \"10:20:30:100\": the fourth field 100 is out of range (0 to 99)" +
      NowInstead}},
    {"/s /d25.12.2017 /t24:00:00",
     {"/t \"24:00:00\" is no time of day; without /s it would count as 00:00:00 of "
      "the same day"}},
    // both
    {"/s /d32.01.2017 /t10:61",
     {"/d \"32.01.2017\": day 32 is out of range (1 to 31)" + TodayInstead,
      "/t \"10:61\": minute 61 is out of range (0 to 59)" + NowInstead}},
};

INSTANTIATE_TEST_SUITE_P(Lines, StrictReadingDayMonthYear, ::testing::ValuesIn(DayMonthYearCases));

using StrictReading = testing::FakePlatformTest;

TEST_F(StrictReading, ALocaleThatReadsNoDottedDateSaysHowToGetOne) {
    const std::string expected =
        "/d \"25.12.2017\": this locale reads no day.month.year date (its date "
        "separator is '/'); use /c for the current moment, or a day.month.year locale" +
        TodayInstead;
    EXPECT_EQ(ProblemsOf("/s /d25.12.2017 /t10:20:30", Settings('/', ':')),
              std::vector<std::string>{expected});
    // A value the locale lets through fails as well: no date can be read.
    EXPECT_EQ(ProblemsOf("/s /d25 /t10:20:30", Settings('/', ':')).size(), 1u);
}

TEST_F(StrictReading, ATimeIsShownWithTheLocalesSeparator) {
    EXPECT_EQ(ProblemsOf("/s /d25.12.2017 /t24:00:00", Settings('.', '.')),
              std::vector<std::string>{
                  "/t \"24:00:00\": does not read as a time in this locale (its time "
                  "separator is '.'); without /s the current time 05.06.07 would be used"});
}

}  // namespace
}  // namespace kelpworth
