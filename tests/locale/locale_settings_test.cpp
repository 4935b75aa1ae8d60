#include "locale/locale_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "locale/date_picture.h"
#include "locale/locale_items.h"
#include "common/test_support.h"

namespace kelpworth {
namespace {

using LocaleSettingsTest = testing::FakePlatformTest;

TEST_F(LocaleSettingsTest, ReadsADayMonthYearLocale) {
    fake().ThreadLocaleId = 0x0407;
    fake().LocaleItems = {{platform::LocaleSShortDate, "dd.MM.yyyy"}, {platform::LocaleSDate, "."},
                          {platform::LocaleSTime, ":"},           {platform::LocaleSDecimal, ","},
                          {platform::LocaleS1159, ""},            {platform::LocaleS2359, ""},
                          {platform::LocaleICalendarType, "1"},   {platform::LocaleITime, "1"},
                          {platform::LocaleITLZero, "1"}};
    const TLocaleState state = LoadLocaleTextSettings();
    EXPECT_EQ(state.Settings.ShortDatePicture, "dd.MM.yyyy");
    EXPECT_EQ(state.Settings.DateSep, '.');
    EXPECT_EQ(state.Settings.TimeSep, ':');
    EXPECT_EQ(state.Settings.DecimalSep, ',');
    // Empty designators stay empty rather than taking the defaults.
    EXPECT_EQ(state.Settings.AmText, "");
    EXPECT_EQ(state.Settings.PmText, "");
    EXPECT_EQ(state.Settings.ShortTimePicture, "hh:mm");
    EXPECT_EQ(state.Identity.PrimaryLanguage, 0x07u);
    EXPECT_FALSE(state.Identity.DoubleByteScript);
}

TEST_F(LocaleSettingsTest, NoRegionalDataGivesTheDefaults) {
    fake().ThreadLocaleId = 0;
    fake().LocaleItems.clear();
    const TLocaleState state = LoadLocaleTextSettings();
    EXPECT_EQ(state.Settings.DateSep, '/');
    EXPECT_EQ(state.Settings.TimeSep, ':');
    EXPECT_EQ(state.Settings.DecimalSep, '.');
    EXPECT_EQ(state.Settings.ShortDatePicture, "m/d/yy");
    EXPECT_EQ(state.Settings.AmText, "am");
    EXPECT_EQ(state.Settings.PmText, "pm");
    EXPECT_EQ(state.Settings.ShortTimePicture, "h:mm AMPM");
    EXPECT_EQ(state.Identity.PrimaryLanguage, platform::LanguageEnglish);
    EXPECT_TRUE(state.EraNameTable[0].empty());
    EXPECT_EQ(state.EraYearOffsetTable[0], 0);
}

TEST_F(LocaleSettingsTest, CharacterItemsFitOnlyWithOneCharacter) {
    // A full stop followed by a blank does not fit: the default, not '.'.
    fake().LocaleItems = {{platform::LocaleSDate, ". "}, {platform::LocaleSTime, ""}, {platform::LocaleSDecimal, ","}};
    EXPECT_EQ(ReadLocaleChar(0x0409, platform::LocaleSDate, '/'), '/');
    EXPECT_EQ(ReadLocaleChar(0x0409, platform::LocaleSTime, ':'), '\0');
    EXPECT_EQ(ReadLocaleChar(0x0409, platform::LocaleSDecimal, '.'), ',');
    EXPECT_EQ(ReadLocaleChar(0x0409, platform::LocaleS1159, '?'), '?');
}

TEST_F(LocaleSettingsTest, TextItemsLongerThan255BytesGiveTheDefault) {
    fake().LocaleItems = {{platform::LocaleS1159, std::string(255, 'a')},
                          {platform::LocaleS2359, std::string(256, 'p')}};
    EXPECT_EQ(ReadLocaleText(0x0409, platform::LocaleS1159, "am"), std::string(255, 'a'));
    EXPECT_EQ(ReadLocaleText(0x0409, platform::LocaleS2359, "pm"), "pm");
}

TEST_F(LocaleSettingsTest, ComposesTheShortTimePicture) {
    struct Case {
        const char* LeadingZero;
        const char* Clock;
        const char* MarkPosition;
        const char* Picture;
    };
    const std::vector<Case> cases = {
        {"1", "1", "0", "hh:mm"},
        {"0", "1", "1", "h:mm"},
        {"0", "0", "0", "h:mm AMPM"},
        {"1", "0", "0", "hh:mm AMPM"},
        {"0", "0", "1", "AMPM h:mm"},
        {"x", "0", "1", "AMPM h:mm"},   // an unreadable item counts as 0
        {"1", " 1", "0", "hh:mm"},      // leading blanks are allowed
        {"1", "1 ", "0", "hh:mm AMPM"}, // trailing ones are not
    };
    for (const Case& c : cases) {
        fake().LocaleItems = {{platform::LocaleITLZero, c.LeadingZero},
                              {platform::LocaleITime, c.Clock},
                              {platform::LocaleITimeMarkPosn, c.MarkPosition}};
        EXPECT_EQ(ComposeShortTimePicture(0x0409), c.Picture)
            << c.LeadingZero << "/" << c.Clock << "/" << c.MarkPosition;
    }
}

TEST_F(LocaleSettingsTest, EraCalendarTurnsYearLettersIntoEraYearLetters) {
    TLocaleState state;
    state.Identity.PrimaryLanguage = platform::LanguageJapanese;
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"gg y/M/d", "ggg e/M/d"},
        {"GGyy/MM/dd", "gggee/MM/dd"},
        {"yyyy/MM/dd", "eeee/MM/dd"},
        {"YYYYY", "eeeee"},
        {"yyy", "eee"},
        {"dd.MM.g", "dd.MM.g"},  // a lone g at the end is no "gg"
        {"", ""},
    };
    for (const auto& [picture, adapted] : cases) {
        for (const int calendar : {3, 4, 5}) {
            EXPECT_EQ(AdaptDatePictureFor(picture, calendar, state), adapted) << picture;
        }
    }
}

TEST_F(LocaleSettingsTest, EraAdaptationStepsOverTwoByteCharacters) {
    TLocaleState state;
    state.Identity.DoubleByteScript = true;
    state.LeadByteSet.set(0x81);
    // The second byte of a two-byte character is no 'y', and a lead byte
    // at the very end keeps only itself.
    EXPECT_EQ(AdaptDatePictureFor("yy\x81y/M/d\x81", 3, state), "ee\x81y/M/d\x81");
    EXPECT_EQ(AdaptDatePictureFor("\x81gg", 3, state), "\x81gg");
}

TEST_F(LocaleSettingsTest, AdaptationReadsTheCalendarTypeOfTheThreadLocale) {
    fake().ThreadLocaleId = 0x0411;
    fake().LocaleItems = {{platform::LocaleSShortDate, "gg yy/MM/dd"}, {platform::LocaleICalendarType, "3"}};
    EXPECT_EQ(LoadLocaleTextSettings().Settings.ShortDatePicture, "ggg ee/MM/dd");

    // An unreadable calendar type counts as Gregorian.
    fake().LocaleItems.insert_or_assign(platform::LocaleICalendarType, std::string("3x"));
    EXPECT_EQ(LoadLocaleTextSettings().Settings.ShortDatePicture, " yy/MM/dd");
}

TEST_F(LocaleSettingsTest, ChineseJapaneseAndKoreanDropEraLettersOnOtherCalendars) {
    TLocaleState state;
    for (const std::uint32_t language : {platform::LanguageChinese, platform::LanguageJapanese, platform::LanguageKorean}) {
        state.Identity.PrimaryLanguage = language;
        EXPECT_EQ(AdaptDatePictureFor("gg yyyy/M/d Gg", 1, state), " yyyy/M/d ");
    }
    state.Identity.PrimaryLanguage = 0x07;
    EXPECT_EQ(AdaptDatePictureFor("gg yyyy/M/d", 1, state), "gg yyyy/M/d");

    fake().ThreadLocaleId = 0x0804;
    fake().LocaleItems = {{platform::LocaleSShortDate, "yyyy/M/d gg"}};
    EXPECT_EQ(LoadLocaleTextSettings().Settings.ShortDatePicture, "yyyy/M/d ");
}

TEST_F(LocaleSettingsTest, WalksTheLeadByteRangesOfTheCodePage) {
    const std::uint8_t ranges[12] = {0x81, 0x83, 0xE0, 0xE0, 0x90, 0x8F, 0, 0, 0xA0, 0xA1};
    std::copy(std::begin(ranges), std::end(ranges), fake().LeadBytes);
    fake().DbcsEnabled = true;
    TLocaleState state;
    LoadLocaleIdentity(state);
    TLeadByteSet expected;
    for (const unsigned byte : {0x81u, 0x82u, 0x83u, 0xE0u}) expected.set(byte);
    EXPECT_TRUE(state.Identity.DoubleByteScript);
    EXPECT_EQ(state.LeadByteSet, expected);  // high below low adds nothing; 0,0 ends

    fake().DbcsEnabled = false;
    TLocaleState single;
    LoadLocaleIdentity(single);
    EXPECT_TRUE(single.LeadByteSet.none());

    fake().DbcsEnabled = true;
    fake().LeadBytesAvailable = false;
    TLocaleState unknown;
    LoadLocaleIdentity(unknown);
    EXPECT_TRUE(unknown.Identity.DoubleByteScript);
    EXPECT_TRUE(unknown.LeadByteSet.none());
}

TEST_F(LocaleSettingsTest, WalksAllSixLeadByteRanges) {
    const std::uint8_t ranges[12] = {1, 1, 3, 3, 5, 5, 7, 7, 9, 9, 11, 12};
    std::copy(std::begin(ranges), std::end(ranges), fake().LeadBytes);
    fake().DbcsEnabled = true;
    TLocaleState state;
    LoadLocaleIdentity(state);
    EXPECT_EQ(state.LeadByteSet.count(), 7u);
    EXPECT_TRUE(state.LeadByteSet.test(12));
}

TEST_F(LocaleSettingsTest, LanguageIsTheLowTenBitsOfTheThreadLocale) {
    fake().ThreadLocaleId = 0x00010412;  // sort bits above the language are ignored
    TLocaleState state;
    LoadLocaleIdentity(state);
    EXPECT_EQ(state.Identity.PrimaryLanguage, platform::LanguageKorean);
}

class EraTableTest : public testing::FakePlatformTest {
protected:
    void SetUp() override {
        FakePlatformTest::SetUp();
        fake().ThreadLocaleId = 0x0411;
        fake().DbcsEnabled = true;
        fake().LocaleItems.insert_or_assign(platform::LocaleIOptionalCalendar, std::string("3"));
    }
    void SetEras(std::vector<std::string> names, std::vector<std::string> offsets) {
        fake().CalendarValues[{3, platform::CalSEraString}] = std::move(names);
        fake().CalendarValues[{3, platform::CalIYearOffsetRange}] = std::move(offsets);
    }
};

TEST_F(EraTableTest, FillsNamesAndOffsetsFromTheFirstSlot) {
    SetEras({"R", "H", "S", "T", "M"}, {"2019", "1989", "1926", "1912", "1868"});
    const TLocaleState state = LoadLocaleTextSettings();
    EXPECT_EQ(state.EraNameTable[0], "R");
    EXPECT_EQ(state.EraNameTable[4], "M");
    EXPECT_EQ(state.EraNameTable[5], "");
    EXPECT_EQ(state.EraYearOffsetTable[0], 2019);
    EXPECT_EQ(state.EraYearOffsetTable[4], 1868);
    EXPECT_EQ(state.EraYearOffsetTable[5], -1);  // free slots keep their mark
    EXPECT_EQ(state.EraYearOffsetTable[6], -1);
}

TEST_F(EraTableTest, KeepsAtMostSevenEntries) {
    SetEras({"1", "2", "3", "4", "5", "6", "7", "8"},
            {"10", "20", "x", "40", "50", "60", "70", "80"});
    const TLocaleState state = LoadLocaleTextSettings();
    EXPECT_EQ(state.EraNameTable[6], "7");
    EXPECT_EQ(state.EraYearOffsetTable[2], 0);  // unreadable offset
    EXPECT_EQ(state.EraYearOffsetTable[6], 70);
}

TEST_F(EraTableTest, AnEmptyEnumerationLeavesNoNamesAndFreeOffsets) {
    const TLocaleState state = LoadLocaleTextSettings();
    for (std::size_t slot = 0; slot < platform::EraSlots; ++slot) {
        EXPECT_EQ(state.EraNameTable[slot], "");
        EXPECT_EQ(state.EraYearOffsetTable[slot], -1);
    }
}

TEST_F(EraTableTest, OnlyEraCalendarsOnDoubleByteSystemsAreRead) {
    SetEras({"R"}, {"2019"});
    fake().CalendarValues[{1, platform::CalSEraString}] = {"A.D."};
    fake().CalendarValues[{1, platform::CalIYearOffsetRange}] = {"0"};
    for (const char* type : {"1", "2", "6", "", "three"}) {
        fake().LocaleItems.insert_or_assign(platform::LocaleIOptionalCalendar, std::string(type));
        const TLocaleState state = LoadLocaleTextSettings();
        EXPECT_EQ(state.EraNameTable[0], "") << type;
        EXPECT_EQ(state.EraYearOffsetTable[0], 0) << type;
    }
    fake().LocaleItems.insert_or_assign(platform::LocaleIOptionalCalendar, std::string("3"));
    fake().DbcsEnabled = false;
    EXPECT_EQ(LoadLocaleTextSettings().EraNameTable[0], "");
}

}  // namespace
}  // namespace kelpworth
