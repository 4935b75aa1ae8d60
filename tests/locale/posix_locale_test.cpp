// The POSIX locale service on real locales of this machine. A locale that
// is not installed is skipped.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "locale/date_check.h"
#include "locale/locale_settings.h"
#include "locale/time_check.h"
#include "platform/posix/posix_eras.h"
#include "platform/posix/posix_language.h"
#include "platform/posix/posix_locale_data.h"
#include "platform/posix/posix_time_formats.h"

namespace kelpworth::platform::posix {
namespace {

// Skips the test when the locale is not installed.
#define REQUIRE_LOCALE(name) \
    if (!Installed(name)) GTEST_SKIP() << (name) << " is not installed"

bool Installed(const std::string& name) {
    const locale_t probe = ::newlocale(LC_ALL_MASK, name.c_str(), nullptr);
    if (probe == nullptr) return false;
    ::freelocale(probe);
    return true;
}

// A locale name as a test name.
std::string TestNameOf(std::string name) {
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    return name;
}

TPosixLocaleData Load(const std::string& name) { return LoadPosixLocaleData(name, name, name); }

// The item as the text reader (256 bytes) sees it; "<missing>" when absent.
std::string Text(const TPosixLocaleData& data, std::uint32_t item) {
    char buffer[256];
    const int count = CopyLocaleItem(data, item, buffer, sizeof buffer);
    return count > 0 ? std::string(buffer, static_cast<std::size_t>(count - 1)) : "<missing>";
}

// The item as the character reader (2 bytes) sees it; "<default>" when it
// does not fit or is missing.
std::string Char(const TPosixLocaleData& data, std::uint32_t item) {
    char buffer[2];
    const int count = CopyLocaleItem(data, item, buffer, sizeof buffer);
    if (count <= 0) return "<default>";
    return count == 1 ? std::string() : std::string(1, buffer[0]);
}

int Compare(const TPosixLocaleData& data, std::uint32_t flags, const std::string& a,
            const std::string& b) {
    return CompareTextsIn(data, flags, a.data(), static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size()));
}

struct TLocaleCase {
    const char* Name;
    const char* ShortDate;
    const char* DateSep;
    const char* TimeSep;
    const char* DecimalSep;
    const char* Am;
    const char* Pm;
    const char* Clock;        // ITIME
    const char* LeadingZero;  // ITLZERO
    const char* MarkFirst;    // ITIMEMARKPOSN
    const char* Calendar;     // IOPTIONALCALENDAR
    std::uint32_t Language;
    bool DoubleByte;
};

// Test names show the locale rather than the bytes of the case.
void PrintTo(const TLocaleCase& c, std::ostream* out) { *out << c.Name; }

class PosixLocaleItems : public ::testing::TestWithParam<TLocaleCase> {};

TEST_P(PosixLocaleItems, MapTheCLibraryData) {
    const TLocaleCase& c = GetParam();
    REQUIRE_LOCALE(c.Name);
    const TPosixLocaleData data = Load(c.Name);
    EXPECT_EQ(Text(data, LocaleSShortDate), c.ShortDate);
    EXPECT_EQ(Char(data, LocaleSDate), c.DateSep);
    EXPECT_EQ(Char(data, LocaleSTime), c.TimeSep);
    EXPECT_EQ(Char(data, LocaleSDecimal), c.DecimalSep);
    EXPECT_EQ(Text(data, LocaleS1159), c.Am);
    EXPECT_EQ(Text(data, LocaleS2359), c.Pm);
    EXPECT_EQ(Text(data, LocaleITime), c.Clock);
    EXPECT_EQ(Text(data, LocaleITLZero), c.LeadingZero);
    EXPECT_EQ(Text(data, LocaleITimeMarkPosn), c.MarkFirst);
    EXPECT_EQ(Text(data, LocaleIOptionalCalendar), c.Calendar);
    EXPECT_EQ(Text(data, LocaleICalendarType), "1");
    EXPECT_EQ(data.Language, c.Language);
    EXPECT_EQ(data.DoubleByte, c.DoubleByte);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, PosixLocaleItems,
    ::testing::Values(
        TLocaleCase{"C", "MM/dd/yy", "/", ":", ".", "AM", "PM", "1", "1", "0", "1", 0, false},
        TLocaleCase{"POSIX", "MM/dd/yy", "/", ":", ".", "AM", "PM", "1", "1", "0", "1", 0,
                    false},
        TLocaleCase{"de_DE.UTF-8", "dd.MM.yyyy", ".", ":", ",", "", "", "1", "1", "0", "1",
                    0x0407, false},
        TLocaleCase{"en_US.UTF-8", "MM/dd/yyyy", "/", ":", ".", "AM", "PM", "0", "1", "0", "1",
                    0x0409, false},
        TLocaleCase{"fi_FI.UTF-8", "dd.MM.yyyy", ".", ".", ",", "", "", "1", "1", "0", "1",
                    0x040B, false},
        // 年 月 日, 時, 午前 and 午後 in EUC-JP; the two-byte separators do
        // not fit a character.
        TLocaleCase{"ja_JP.EUC-JP", "yyyy\xC7\xAFMM\xB7\xEE" "dd\xC6\xFC", "<default>",
                    "<default>", ".", "\xB8\xE1\xC1\xB0", "\xB8\xE1\xB8\xE5", "1", "1", "1",
                    "3", 0x0411, true}),
    [](const ::testing::TestParamInfo<TLocaleCase>& param) {
        return TestNameOf(param.param.Name);
    });

TEST(PosixLocaleData, ALocaleThatCannotBeLoadedIsTheCLocale) {
    const TPosixLocaleData unknown = LoadPosixLocaleData("xx_YY.UTF-8", "xx_YY", "no such");
    const TPosixLocaleData c = Load("C");
    EXPECT_EQ(unknown.Items, c.Items);
    EXPECT_EQ(unknown.Language, 0u);
    EXPECT_FALSE(unknown.DoubleByte);
    EXPECT_EQ(Compare(unknown, NormIgnoreCase, "Pm", "pM"), 2);
}

TEST(PosixLocaleData, CategoriesComeFromTheirOwnLocales) {
    REQUIRE_LOCALE("de_DE.UTF-8");
    REQUIRE_LOCALE("en_US.UTF-8");
    const TPosixLocaleData mixed = LoadPosixLocaleData("en_US.UTF-8", "de_DE.UTF-8", "C");
    EXPECT_EQ(Text(mixed, LocaleSShortDate), "MM/dd/yyyy");
    EXPECT_EQ(Char(mixed, LocaleSDecimal), ",");
    EXPECT_EQ(mixed.Language, 0x0409u);
}

TEST(PosixLocaleData, JapaneseEucHasLeadBytesAndEras) {
    REQUIRE_LOCALE("ja_JP.EUC-JP");
    const TPosixLocaleData data = Load("ja_JP.EUC-JP");
    const std::uint8_t leadBytes[12] = {0x8E, 0x8E, 0xA1, 0xA8, 0xB0, 0xF4};
    EXPECT_TRUE(std::equal(std::begin(leadBytes), std::end(leadBytes), data.LeadBytes));
    EXPECT_EQ(data.EraCalendar, 3u);
    // 令和 平成 昭和 大正 明治 西暦, newest first, each era once.
    const std::vector<std::string> names = {"\xCE\xE1\xCF\xC2", "\xCA\xBF\xC0\xAE",
                                            "\xBE\xBC\xCF\xC2", "\xC2\xE7\xC0\xB5",
                                            "\xCC\xC0\xBC\xA3", "\xC0\xBE\xCE\xF1"};
    const std::vector<std::string> offsets = {"2019", "1989", "1926", "1912", "1868", "1"};
    EXPECT_EQ(data.EraNames, names);
    EXPECT_EQ(data.EraYearOffsets, offsets);

    std::vector<std::string> enumerated;
    const auto collect = [](const char* value, void* context) {
        static_cast<std::vector<std::string>*>(context)->emplace_back(value);
        return true;
    };
    EnumerateCalendarValues(data, collect, &enumerated, 3, 4);
    EnumerateCalendarValues(data, collect, &enumerated, 3, 3);
    EnumerateCalendarValues(data, collect, &enumerated, 1, 4);  // not the era calendar
    EXPECT_EQ(enumerated.size(), 12u);
    EXPECT_EQ(enumerated.back(), "1");
}

struct TDoubleByteCase {
    const char* Name;
    std::vector<std::uint8_t> LeadBytes;  // first and last byte of each range
    std::uint32_t EraCalendar;
};

void PrintTo(const TDoubleByteCase& c, std::ostream* out) { *out << c.Name; }

class OtherDoubleByteCodeSets : public ::testing::TestWithParam<TDoubleByteCase> {};

TEST_P(OtherDoubleByteCodeSets, HaveTheirLeadBytes) {
    const TDoubleByteCase& c = GetParam();
    REQUIRE_LOCALE(c.Name);
    const TPosixLocaleData data = Load(c.Name);
    EXPECT_TRUE(data.DoubleByte);
    std::vector<std::uint8_t> leadBytes(std::begin(data.LeadBytes), std::end(data.LeadBytes));
    leadBytes.resize(c.LeadBytes.size());
    EXPECT_EQ(leadBytes, c.LeadBytes);
    EXPECT_EQ(data.EraCalendar, c.EraCalendar);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, OtherDoubleByteCodeSets,
    ::testing::Values(TDoubleByteCase{"zh_CN.GBK", {0x81, 0xFE}, 0},
                      TDoubleByteCase{"ko_KR.EUC-KR", {0xA1, 0xAC, 0xB0, 0xC8, 0xCA, 0xFD}, 0},
                      TDoubleByteCase{"zh_TW.BIG5", {0xA1, 0xF9}, 4}),
    [](const ::testing::TestParamInfo<TDoubleByteCase>& param) {
        return TestNameOf(param.param.Name);
    });

TEST(PosixLocaleData, TaiwaneseBig5HasTheRepublicEra) {
    REQUIRE_LOCALE("zh_TW.BIG5");
    // 民國 counts from 1912; the era before it counts backwards.
    const TPosixLocaleData taiwan = Load("zh_TW.BIG5");
    EXPECT_EQ(taiwan.EraNames, std::vector<std::string>{"\xA5\xC1\xB0\xEA"});
    EXPECT_EQ(taiwan.EraYearOffsets, std::vector<std::string>{"1912"});
}

TEST(PosixLocaleData, UnicodeLocalesHaveNoLeadBytes) {
    REQUIRE_LOCALE("ja_JP.UTF-8");
    const TPosixLocaleData data = Load("ja_JP.UTF-8");
    EXPECT_FALSE(data.DoubleByte);
    EXPECT_TRUE(std::all_of(std::begin(data.LeadBytes), std::end(data.LeadBytes),
                            [](std::uint8_t byte) { return byte == 0; }));
    EXPECT_EQ(data.EraCalendar, 3u);  // era data, used only with two-byte code sets
}

TEST(PosixLocaleCompare, FoldsTheCaseOfWholeCharacters) {
    REQUIRE_LOCALE("de_DE.UTF-8");
    const TPosixLocaleData data = Load("de_DE.UTF-8");
    EXPECT_EQ(Compare(data, NormIgnoreCase, "\xC3\x84RGER", "\xC3\xA4rger"), 2);  // Ä, ä
    EXPECT_EQ(Compare(data, NormIgnoreCase, "pm", "PM"), 2);
    EXPECT_EQ(Compare(data, NormIgnoreCase, "", ""), 2);
    EXPECT_EQ(Compare(data, NormIgnoreCase, "AM", "PM"), 1);
    EXPECT_EQ(Compare(data, NormIgnoreCase, "PM", "P"), 3);
    EXPECT_EQ(Compare(data, 0, "pm", "PM"), 3);
    EXPECT_EQ(Compare(data, 0, "\xC3\xA4", "\xC3\xA4"), 2);
    // Half a character equals nothing but the same half.
    EXPECT_EQ(Compare(data, NormIgnoreCase, "\xC3", "\xC3"), 2);
    EXPECT_NE(Compare(data, NormIgnoreCase, "\xC3", "\xC3\xA4"), 2);
}

TEST(PosixLocaleCompare, DecodesTwoByteCodeSets) {
    REQUIRE_LOCALE("ja_JP.EUC-JP");
    const TPosixLocaleData data = Load("ja_JP.EUC-JP");
    // Fullwidth a and A.
    EXPECT_EQ(Compare(data, NormIgnoreCase, "\xA3\xE1", "\xA3\xC1"), 2);
    EXPECT_EQ(Compare(data, 0, "\xA3\xE1", "\xA3\xC1"), 3);
    EXPECT_EQ(Compare(data, NormIgnoreCase, "\xB8\xE1\xC1\xB0", "\xB8\xE1\xC1\xB0"), 2);
}

TEST(PosixTimeFormats, TurnIntoPictures) {
    const TLetterTest anyAsciiLetter = [](std::string_view text) {
        return std::any_of(text.begin(), text.end(), [](char c) {
            return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        });
    };
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"%D", "MM/dd/yy"},
        {"%F", "yyyy-MM-dd"},
        {"%-d/%-m/%y", "d/M/yy"},
        {"%e.%m.%Y", "d.MM.yyyy"},
        {"%0e.%_m.%-y", "dd.M.y"},
        {"%A %d %B %Y", "dddd dd MMMM yyyy"},
        {"%a, %Y.eko %bren %da", "ddd, yyyy'.eko 'MMM'ren 'dd'a'"},
        {"%d. %b %Y", "dd. MMM yyyy"},
        {"%EC%Ey/%m/%d", "ggyyyy/MM/dd"},
        {"%Od/%Om/%Oy", "dd/MM/yy"},
        {"%d'%m'%Y", "dd''''MM''''yyyy"},  // a quote stands doubled inside quotes
        {"%Y%%%m%n", "yyyy%MM\n"},
        {"%j %d", " dd"},  // nothing stands for the day of the year
    };
    for (const auto& [format, picture] : cases) {
        EXPECT_EQ(DatePictureOf(SplitDateFormat(format), anyAsciiLetter), picture) << format;
    }
}

TEST(PosixTimeFormats, DateSeparatorIsTheTextBetweenTheFirstTwoFields) {
    const std::vector<std::pair<const char*, std::optional<std::string>>> cases = {
        {"%d.%m.%Y", "."},   {"%D", "/"},        {"%F", "-"},
        {"%d. %m. %y", ". "}, {"%Y%m%d", ""},     {"%a %d/%m", "/"},
        {"%A, %Y", std::nullopt}, {"", std::nullopt},
    };
    for (const auto& [format, separator] : cases) {
        EXPECT_EQ(DateSeparatorOf(SplitDateFormat(format)), separator) << format;
    }
}

TEST(PosixTimeFormats, ClockItemsComeFromTheHourField) {
    struct Case {
        const char* TimeFormat;
        const char* TwelveHourFormat;
        std::optional<std::string> TimeSep;
        std::optional<bool> TwentyFourHour;
        std::optional<bool> LeadingZero;
        bool MarkBeforeHour;
    };
    const std::vector<Case> cases = {
        {"%T", "", ":", true, true, false},
        {"%R", "%p %I:%M", ":", true, true, true},
        {"%r", "%I:%M:%S %p", ":", false, true, false},
        {"%r", "", ":", false, true, false},  // the C library's 12-hour format
        {"%p %l.%M", "", ".", false, false, true},
        {"%k:%M", "", ":", true, false, false},
        {"%-H:%M", "", ":", true, false, false},
        {"%_I:%M %p", "", ":", false, false, false},
        {"%0k:%M", "", ":", true, true, false},
        {"%H%M", "", "", true, true, false},
        {"%H h %M", "", " h ", true, true, false},
        {"%M:%S", "%I:%M %p", std::nullopt, std::nullopt, std::nullopt, false},
    };
    for (const Case& c : cases) {
        const TClockItems items = ClockItemsOf(SplitTimeFormat(c.TimeFormat, c.TwelveHourFormat),
                                               SplitTimeFormat(c.TwelveHourFormat,
                                                               c.TwelveHourFormat));
        EXPECT_EQ(items.TimeSep, c.TimeSep) << c.TimeFormat;
        EXPECT_EQ(items.TwentyFourHour, c.TwentyFourHour) << c.TimeFormat;
        EXPECT_EQ(items.LeadingZero, c.LeadingZero) << c.TimeFormat;
        EXPECT_EQ(items.MarkBeforeHour, c.MarkBeforeHour) << c.TimeFormat;
    }
}

TEST(PosixEras, KeepForwardErasNewestFirstOncePerName) {
    const std::vector<std::string> descriptions = {
        "+:1:1912/01/01:1912/12/31:B:%EC1",
        "+:2:1913/01/01:+*:B:%EC%Ey",
        "+:1:1911/12/31:-*:A:%EC%Ey",       // ends before it starts: counts back
        "-:1:2000/01/01:+*:Back:%EC%Ey",    // later years have lower numbers
        "+:1:-543/01/01:+*:Buddhist:%EC %Ey",
        "+:1:2019/05/01:+*:C:%EC%Ey",
        "+:x:2019/05/01:+*:Broken:%EC%Ey",
        "+:1:2019/05:+*:Broken:%EC%Ey",
        "+:1:+*:+*:Broken:%EC%Ey",
        "too:few",
    };
    const std::vector<TEra> eras = ForwardErasOf(descriptions, 7);
    ASSERT_EQ(eras.size(), 3u);
    EXPECT_EQ(eras[0].Name, "C");
    EXPECT_EQ(eras[0].FirstYear, 2019);
    EXPECT_EQ(eras[1].Name, "B");
    EXPECT_EQ(eras[1].FirstYear, 1912);
    EXPECT_EQ(eras[2].Name, "Buddhist");
    EXPECT_EQ(eras[2].FirstYear, -543);
    EXPECT_EQ(ForwardErasOf(descriptions, 2).size(), 2u);
}

TEST(PosixLanguage, MapsTheLanguageCodeOfALocaleName) {
    const std::vector<std::pair<const char*, std::uint32_t>> cases = {
        {"C", 0},         {"POSIX", 0},          {"C.UTF-8", 0},       {"", 0},
        {"de_DE.UTF-8", 0x0407}, {"en_US", 0x0409}, {"fi_FI@euro", 0x040B},
        {"zh_TW.BIG5", 0x0404}, {"ja_JP.eucJP", 0x0411}, {"ko_KR.EUC-KR", 0x0412},
        {"th_TH", 0x041E}, {"sr_RS@latin", 0x041A}, {"hu", 0x040E},
        {"kok_IN", 0}, {"xx_YY", 0},
    };
    for (const auto& [name, language] : cases) {
        EXPECT_EQ(LanguageIdOfLocaleName(name), language) << name;
    }
    EXPECT_EQ(EraCalendarOfLocaleName("ja_JP.eucJP"), 3u);
    EXPECT_EQ(EraCalendarOfLocaleName("zh_TW"), 4u);
    EXPECT_EQ(EraCalendarOfLocaleName("cmn_TW.UTF-8"), 4u);
    EXPECT_EQ(EraCalendarOfLocaleName("ko_KR.EUC-KR"), 5u);
    EXPECT_EQ(EraCalendarOfLocaleName("th_TH"), 0u);
}

// The one test that reads the environment: the process's data is loaded
// on first use, so it is dropped before and after.
TEST(PosixLocaleService, AnswersFromTheEnvironmentsLocale) {
    REQUIRE_LOCALE("de_DE.UTF-8");
    ::setenv("LC_ALL", "de_DE.UTF-8", 1);
    ResetProcessLocaleData();
    const TLocaleState state = LoadLocaleTextSettings();
    ::unsetenv("LC_ALL");

    EXPECT_EQ(platform::ThreadLocale(), 0x0407u);
    EXPECT_EQ(state.Settings.ShortDatePicture, "dd.MM.yyyy");
    EXPECT_EQ(state.Settings.DateSep, '.');
    EXPECT_EQ(state.Settings.TimeSep, ':');
    EXPECT_EQ(state.Settings.DecimalSep, ',');
    EXPECT_EQ(state.Settings.AmText, "");
    EXPECT_EQ(state.Settings.ShortTimePicture, "hh:mm");
    EXPECT_TRUE(AcceptDateText("25.12.2017", state, [] { return std::uint16_t{2017}; }));
    EXPECT_FALSE(AcceptDateText("25.12.17.", state, [] { return std::uint16_t{2017}; }));
    EXPECT_TRUE(AcceptTimeText("10:20:30", state));
    EXPECT_TRUE(AcceptTimeText("1:30 pm", state));
    EXPECT_EQ(platform::SystemMetric(platform::MetricDbcsEnabled), 0);
    ResetProcessLocaleData();
}

}  // namespace
}  // namespace kelpworth::platform::posix

namespace kelpworth::platform::posix {
namespace {

// The user's forms written directly agree with the C library's "%x %X" in
// every installed locale tried, at every hour and across the years.
TEST(PosixUserForms, AgreeWithTheCLibrary) {
    int tried = 0;
    for (const char* name : {"C", "de_DE.UTF-8", "en_US.UTF-8", "fi_FI.UTF-8", "ja_JP.EUC-JP",
                             "ko_KR.EUC-KR", "zh_TW.Big5", "th_TH.UTF-8", "ar_SA.UTF-8",
                             "en_GB.UTF-8", "fr_FR.UTF-8", "hu_HU.UTF-8"}) {
        if (!Installed(name)) continue;
        ++tried;
        const TPosixLocaleData data = Load(name);
        for (int year : {1601, 1970, 2017, 9999, 30828}) {
            for (int hour = 0; hour < 24; ++hour) {
                struct tm time = {};
                time.tm_year = year - 1900;
                time.tm_mon = (hour * 5) % 12;
                time.tm_mday = 1 + (hour * 7) % 28;
                time.tm_hour = hour;
                time.tm_min = (hour * 13) % 60;
                time.tm_sec = (hour * 29) % 60;
                time.tm_wday = hour % 7;
                EXPECT_EQ(FormatUserForms(data, time), FormatTime(data, "%x %X", time))
                    << name << ' ' << year << ' ' << hour;
            }
        }
    }
    if (tried == 0) GTEST_SKIP() << "no locale of the list loads";
}

}  // namespace
}  // namespace kelpworth::platform::posix
