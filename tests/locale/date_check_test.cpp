#include "locale/date_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "stamp/calendar.h"
#include "common/test_support.h"

namespace kelpworth {
namespace {

TLocaleState StateWithDatePicture(const std::string& picture, char separator) {
    TLocaleState state;
    state.Settings.ShortDatePicture = picture;
    state.Settings.DateSep = separator;
    state.Settings.ShortTimePicture = "h:mm AMPM";
    return state;
}

// The clock's year, in which a date without a year is read.
std::uint16_t ClockYear() { return 2017; }

class DateCheckTest : public testing::FakePlatformTest {
protected:
    const TLocaleState dayFirst = StateWithDatePicture("dd.MM.yyyy", '.');
    const TLocaleState monthFirst = StateWithDatePicture("M/d/yyyy", '/');
};

TEST_F(DateCheckTest, AnswersForDayMonthYearAndMonthDayYearLocales) {
    struct Case {
        const char* Text;
        bool DayFirst;
        bool MonthFirst;
    };
    const std::vector<Case> cases = {
        {"25.12.2017", true, false},   {"1.2.2017", true, false},
        {"29.02.2016", true, false},   {"29.02.2017", true, false},
        {"32.01.2017", true, false},   {"01.13.2017", true, false},
        {"25.12.17", true, false},     {"25.12.017", true, false},
        {"25.12.17.", false, false},   {"25.12.17.1", false, false},
        {"25.12", true, false},        {"25.13", true, false},
        {"25.12.", true, false},       {"25..12", false, false},
        {".25.12.2017", false, false}, {"2017", true, true},
        {"12345", false, false},       {"", true, true},
        {"25.12.2017.", true, false},  {"25.12.2017..", true, false},
        {"01.02.2017.5", true, false}, {"31.02.2017.5", false, false},
        {"01.02.20171", true, false},  {"31.02.20171", false, false},
        {"01.01.1601", true, false},   {"01.01.1601.5", false, false},
        {"31.12.1899.5", true, false}, {"12.345678", false, false},
        // blanks before numbers and separators are skipped
        {"25. 12. 2017", true, false}, {" 25.12.2017", true, false},
        {"32.01.2017 ", true, false},  {"25.12.17 ", false, false},
        {"0000025.12.2017", true, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AcceptDateText(c.Text, dayFirst, ClockYear), c.DayFirst) << '"' << c.Text << '"';
        EXPECT_EQ(AcceptDateText(c.Text, monthFirst, ClockYear), c.MonthFirst) << '"' << c.Text << '"';
    }
}

TEST_F(DateCheckTest, ReadsTheFieldsInTheLocaleOrder) {
    struct Case {
        const char* Picture;
        char Separator;
        const char* Text;
        double Value;
    };
    const std::vector<Case> cases = {
        {"dd.MM.yyyy", '.', "25.12.2017", DayNumber(2017, 12, 25)},
        {"M/d/yyyy", '/', "12/25/2017", DayNumber(2017, 12, 25)},
        {"yyyy-MM-dd", '-', "2017-12-25", DayNumber(2017, 12, 25)},
        {"dd.MM.yyyy", '.', "25.12", DayNumber(2017, 12, 25)},  // the clock's year
        {"M/d/yyyy", '/', "12/25", DayNumber(2017, 12, 25)},
        {"yyyy-MM-dd", '-', "12-25", DayNumber(2017, 12, 25)},  // month, day
        {"'day' dd", '.', "25.12.2017", DayNumber(2017, 12, 25)},  // first letter d
        {"Hxx", '.', "12.25.2017", DayNumber(2017, 12, 25)},      // no field letter
    };
    for (const Case& c : cases) {
        const TLocaleState state = StateWithDatePicture(c.Picture, c.Separator);
        TScanState scan{c.Text, 1};
        double value = -1;
        EXPECT_TRUE(ScanDateText(scan, value, state, ClockYear)) << c.Text;
        EXPECT_EQ(value, c.Value) << c.Text;
        EXPECT_EQ(scan.Position, static_cast<std::int32_t>(std::string(c.Text).size()) + 1);
    }
}

TEST_F(DateCheckTest, LeavesThePositionWhereTheScanStopped) {
    TScanState scan{"25.12.17.1", 1};
    double value = 0;
    EXPECT_FALSE(ScanDateText(scan, value, dayFirst, ClockYear));
    EXPECT_EQ(scan.Position, 9);  // on the '.' after the short year

    TScanState notADate{"31.02.2017.5", 1};
    EXPECT_FALSE(ScanDateText(notADate, value, dayFirst, ClockYear));
    EXPECT_EQ(notADate.Position, 12);  // one trailing separator was taken
}

TEST_F(DateCheckTest, AnEmptyPictureReadsNothing) {
    const TLocaleState state = StateWithDatePicture("", '.');
    EXPECT_FALSE(AcceptDateText("25.12.2017", state, ClockYear));
    EXPECT_TRUE(AcceptDateText("", state, ClockYear));
}

// Era calendars on a code page whose two-byte characters open with
// 0x81..0x9F.
class EraDateTest : public DateCheckTest {
protected:
    static constexpr const char* NewEra = "\x97\xDF\x98\x61";
    static constexpr const char* OldEra = "\x95\xBD\x90\xAC";

    TLocaleState EraState(const std::string& picture, std::uint32_t language) {
        TLocaleState state = StateWithDatePicture(picture, '/');
        state.Identity.DoubleByteScript = true;
        state.Identity.PrimaryLanguage = language;
        for (unsigned byte = 0x81; byte <= 0x9F; ++byte) state.LeadByteSet.set(byte);
        return state;
    }
    static double Scan(const std::string& text, const TLocaleState& state, bool& ok) {
        TScanState scan{text, 1};
        double value = 0;
        ok = ScanDateText(scan, value, state, ClockYear);
        return value;
    }
};

TEST_F(EraDateTest, ANamedEraSetsTheYearOffset) {
    TLocaleState state = EraState("gggee/MM/dd", platform::LanguageJapanese);
    state.EraNameTable = {NewEra, OldEra};
    state.EraYearOffsetTable = {2019, 1989, -1, -1, -1, -1, -1};
    bool ok = false;
    EXPECT_EQ(Scan(std::string(OldEra) + "29/12/25", state, ok), DayNumber(2017, 12, 25));
    EXPECT_TRUE(ok);
    EXPECT_EQ(Scan(std::string(" ") + NewEra + " 1/5/1", state, ok), DayNumber(2019, 5, 1));
    EXPECT_TRUE(ok);
    // The first character of a name is found within the era's full name.
    EXPECT_EQ(Scan(std::string(OldEra, 2) + "29/12/25", state, ok), DayNumber(2017, 12, 25));
    EXPECT_TRUE(ok);

    // An unknown or missing name gives no offset, and the short year fails.
    Scan("\x88\x9F" "29/12/25", state, ok);
    EXPECT_FALSE(ok);
    Scan("29/12/25", state, ok);
    EXPECT_FALSE(ok);
    EXPECT_TRUE(AcceptDateText("\x88\x9F" "29/12/25", state, ClockYear));  // read to the end
}

TEST_F(EraDateTest, ALeadByteAtTheEndOfTheTextEndsTheScanJustPastIt) {
    const TLocaleState state = EraState("gggee/MM/dd", platform::LanguageJapanese);
    for (const std::string text : {"\x81", "ab\x81", "\x81\x40\x81"}) {
        TScanState scan{text, 1};
        double value = 0;
        EXPECT_FALSE(ScanDateText(scan, value, state, ClockYear));
        EXPECT_EQ(scan.Position, static_cast<std::int32_t>(text.size()) + 1) << text.size();
        EXPECT_TRUE(AcceptDateText(text, state, ClockYear));
    }
}

TEST_F(EraDateTest, EraYearLettersTakeTheNewestEra) {
    TLocaleState state = EraState("eee/M/d", 0x04);
    state.EraYearOffsetTable = {1912, -1, -1, -1, -1, -1, -1};
    bool ok = false;
    EXPECT_EQ(Scan("106/12/25", state, ok), DayNumber(2017, 12, 25));
    EXPECT_TRUE(ok);

    state.EraYearOffsetTable[0] = 0;  // no era: a short year fails again
    Scan("99/12/25", state, ok);
    EXPECT_FALSE(ok);
}

TEST_F(EraDateTest, KoreanYearsCountFromTheEraWithTheirCentury) {
    TLocaleState state = EraState("eeee/MM/dd", platform::LanguageKorean);
    state.EraYearOffsetTable = {2333, -1, -1, -1, -1, -1, -1};
    bool ok = false;
    EXPECT_EQ(Scan("4350/12/25", state, ok), DayNumber(2017, 12, 25));
    EXPECT_TRUE(ok);
    // A year up to 99 takes the era's current century.
    EXPECT_EQ(Scan("50/12/25", state, ok), DayNumber(2017, 12, 25));
    EXPECT_TRUE(ok);
}

TEST_F(EraDateTest, EraYearToYearAdjustsTheOffset) {
    TLocaleState japanese = EraState("ee", platform::LanguageJapanese);
    std::int32_t offset = 1989;
    EXPECT_EQ(EraYearToYear(29, offset, japanese, ClockYear), 2017);
    EXPECT_EQ(offset, 1988);

    TLocaleState korean = EraState("ee", platform::LanguageKorean);
    offset = 2333;
    EXPECT_EQ(EraYearToYear(50, offset, korean, ClockYear), 2017);
    EXPECT_EQ(offset, -2333);
    EXPECT_EQ(EraYearToYear(4350, offset, korean, ClockYear), 2017);  // already negative
    EXPECT_EQ(offset, -2333);
}

TEST_F(EraDateTest, EraOffsetForNameStopsAtTheFirstEmptySlot) {
    TLocaleState state = EraState("gg", platform::LanguageJapanese);
    state.EraNameTable = {NewEra, "", OldEra};
    state.EraYearOffsetTable = {2019, 7, 1989, -1, -1, -1, -1};
    EXPECT_EQ(EraOffsetForName(NewEra, state), 2019);
    EXPECT_EQ(EraOffsetForName(OldEra, state), 0);
    EXPECT_EQ(EraOffsetForName("", state), 0);
}

TEST_F(EraDateTest, DayNamesAfterTheDateAreSkippedUpToADesignator) {
    TLocaleState state = EraState("yyyy/MM/dd ddd", platform::LanguageJapanese);
    state.Settings.AmText = "AM";
    state.Settings.PmText = "PM";
    struct Case {
        const char* Text;
        bool Accepted;
    };
    const std::vector<Case> cases = {
        {"2017/02/30 Mon", true},        // not a date, but every word was skipped
        {"2017/02/30 Mon Tue  ", true},
        {"2017/02/30 Mon pm 5", false},  // stops at the designator
        {"2017/02/30", true},
        {"2017/12/25 Mon pm 5", true},   // a date, whatever follows
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AcceptDateText(c.Text, state, ClockYear), c.Accepted) << c.Text;
    }

    TLocaleState exactCase = state;
    exactCase.Settings.ShortDatePicture = "yyyy/MM/dd DDD";
    EXPECT_FALSE(AcceptDateText("2017/02/30 Mon", exactCase, ClockYear));
    TLocaleState singleByte = state;
    singleByte.Identity.DoubleByteScript = false;
    EXPECT_FALSE(AcceptDateText("2017/02/30 Mon", singleByte, ClockYear));
}

TEST_F(EraDateTest, DayNamesStopAtTheNextDigitForADigitTimePicture) {
    TLocaleState state = EraState("yyyy/MM/dd ddd", platform::LanguageJapanese);
    state.Settings.ShortTimePicture = "0h:mm";
    EXPECT_FALSE(AcceptDateText("2017/02/30 Mon 5", state, ClockYear));
    EXPECT_TRUE(AcceptDateText("2017/02/30 Mon", state, ClockYear));
}

TEST_F(EraDateTest, EmptyDesignatorsStopAfterOneWord) {
    TLocaleState state = EraState("yyyy/MM/dd ddd", platform::LanguageJapanese);
    state.Settings.AmText = "";
    state.Settings.PmText = "";
    EXPECT_TRUE(AcceptDateText("2017/02/30 Mon", state, ClockYear));
    EXPECT_FALSE(AcceptDateText("2017/02/30 Mon Tue", state, ClockYear));
}

}  // namespace
}  // namespace kelpworth
