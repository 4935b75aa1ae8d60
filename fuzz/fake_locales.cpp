#include "fake_locales.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "locale/locale_state.h"
#include "platform/fake/fake_platform.h"

namespace kelpworth::fuzz {
namespace {

using TItems = std::map<std::uint32_t, std::string>;

// Shift-JIS: Reiwa, Heisei, morning, afternoon. Code page 949: Dangi,
// morning, afternoon.
constexpr const char* Reiwa = "\x97\xDF\x98\x61";
constexpr const char* Heisei = "\x95\xBD\x90\xAC";
constexpr const char* Gozen = "\x8C\xDF\x91\x4F";
constexpr const char* Gogo = "\x8C\xDF\x8C\xE3";
constexpr const char* Dangi = "\xB4\xDC\xB1\xE2";
constexpr const char* Ojeon = "\xBF\xC0\xC0\xFC";
constexpr const char* Ohu = "\xBF\xC0\xC8\xC4";

void SetLeadBytes(std::initializer_list<std::uint8_t> ranges) {
    auto& fake = fake::Fake();
    std::fill(std::begin(fake.LeadBytes), std::end(fake.LeadBytes), std::uint8_t{0});
    std::copy_n(ranges.begin(), std::min<std::size_t>(ranges.size(), 12), fake.LeadBytes);
}

void SetEras(std::uint32_t calendar, std::vector<std::string> names,
             std::vector<std::string> offsets) {
    auto& values = fake::Fake().CalendarValues;
    values[{calendar, platform::CalSEraString}] = std::move(names);
    values[{calendar, platform::CalIYearOffsetRange}] = std::move(offsets);
}

void German() {
    fake::Fake().ThreadLocaleId = 0x0407;
    fake::Fake().LocaleItems = TItems{
        {platform::LocaleSShortDate, "dd.MM.yyyy"}, {platform::LocaleSDate, "."},   {platform::LocaleSTime, ":"},
        {platform::LocaleSDecimal, ","},            {platform::LocaleS1159, ""},    {platform::LocaleS2359, ""},
        {platform::LocaleICalendarType, "1"},       {platform::LocaleITime, "1"},   {platform::LocaleITLZero, "1"}};
}

void UnitedStates() {
    fake::Fake().ThreadLocaleId = 0x0409;
    fake::Fake().LocaleItems = TItems{
        {platform::LocaleSShortDate, "M/d/yy"}, {platform::LocaleSDate, "/"},      {platform::LocaleSTime, ":"},
        {platform::LocaleSDecimal, "."},        {platform::LocaleS1159, "AM"},     {platform::LocaleS2359, "PM"},
        {platform::LocaleICalendarType, "1"},   {platform::LocaleITime, "0"},      {platform::LocaleITLZero, "0"},
        {platform::LocaleITimeMarkPosn, "0"}};
}

void Finnish() {
    fake::Fake().ThreadLocaleId = 0x040B;
    fake::Fake().LocaleItems = TItems{
        {platform::LocaleSShortDate, "d.M.yyyy"}, {platform::LocaleSDate, "."},  {platform::LocaleSTime, "."},
        {platform::LocaleSDecimal, ","},          {platform::LocaleS1159, ""},   {platform::LocaleS2359, ""},
        {platform::LocaleICalendarType, "1"},     {platform::LocaleITime, "1"},  {platform::LocaleITLZero, "0"}};
}

void JapaneseEra() {
    auto& fake = fake::Fake();
    fake.ThreadLocaleId = 0x0411;
    fake.DbcsEnabled = true;
    SetLeadBytes({0x81, 0x9F, 0xE0, 0xFC});
    fake.LocaleItems = TItems{
        {platform::LocaleSShortDate, "gg y/M/d"}, {platform::LocaleSDate, "/"},          {platform::LocaleSTime, ":"},
        {platform::LocaleSDecimal, "."},          {platform::LocaleS1159, Gozen},       {platform::LocaleS2359, Gogo},
        {platform::LocaleICalendarType, "3"},     {platform::LocaleIOptionalCalendar, "3"},
        {platform::LocaleITime, "1"},             {platform::LocaleITLZero, "0"}};
    SetEras(3, {Reiwa, Heisei}, {"2019", "1989"});
}

// A Gregorian picture with day names, which lets words follow the date.
void JapaneseDayNames() {
    JapaneseEra();
    auto& items = fake::Fake().LocaleItems;
    items[platform::LocaleSShortDate] = "yyyy/MM/dd ddd";
    items[platform::LocaleICalendarType] = "1";
    items[platform::LocaleITime] = "0";
    items[platform::LocaleITimeMarkPosn] = "1";
}

void KoreanEra() {
    auto& fake = fake::Fake();
    fake.ThreadLocaleId = 0x0412;
    fake.DbcsEnabled = true;
    SetLeadBytes({0x81, 0xFE});
    fake.LocaleItems = TItems{
        {platform::LocaleSShortDate, "gg yyyy-MM-dd"}, {platform::LocaleSDate, "-"},       {platform::LocaleSTime, ":"},
        {platform::LocaleSDecimal, "."},               {platform::LocaleS1159, Ojeon},    {platform::LocaleS2359, Ohu},
        {platform::LocaleICalendarType, "5"},          {platform::LocaleIOptionalCalendar, "5"},
        {platform::LocaleITime, "0"},                  {platform::LocaleITLZero, "0"},     {platform::LocaleITimeMarkPosn, "1"}};
    SetEras(5, {Dangi}, {"2333"});
}

void NoData() {
    auto& fake = fake::Fake();
    fake.ThreadLocaleId = 0;
    fake.LocaleItems.clear();
    fake.LeadBytesAvailable = false;
}

// Items made of the input: any byte as a separator, pictures and
// designators from tables of odd ones, double-byte support and calendars
// in any combination.
void FromBytes(std::uint8_t dateSep, std::uint8_t timeSep, std::uint8_t decimalSep,
               std::uint8_t picture, std::uint8_t designators, std::uint8_t flags) {
    static const std::array<const char*, 16> Pictures = {
        "dd.MM.yyyy", "M/d/yy",        "d.M.yyyy",         "yyyy-MM-dd",
        "gg y/M/d",   "gg yyyy/MM/dd", "yyyy/MM/dd ddd",   "ggg ee/MM/dd",
        "",           "e",             "g",                "'x'dd.MM",
        "\x81y/M/d",  "YYYY.MM.DD",    "dddd, MMMM d, yyyy", "gggee/MM/dd ddd"};
    static const std::array<std::string, 16> Designators = {
        "AM", "PM", "", "a.m.", Gozen, Gogo, " ", "\x81", "12", "/", ".", std::string(255, 'a'),
        "Am", "pm", ":", "\x81\x40"};
    static const std::array<const char*, 8> Offsets = {"2019", "1989", "0",          "-1",
                                                        "x",    "65535", "2147483647", "-2147483648"};
    static const std::array<std::uint32_t, 8> Languages = {0x0409, 0x0411, 0x0412, 0x0404,
                                                           0x0407, 0x040B, 0x0000, 0x0412};
    static const std::array<const char*, 4> Calendars = {"1", "3", "4", "5"};

    auto& fake = fake::Fake();
    fake.ThreadLocaleId = Languages[(flags >> 3) & 7];
    fake.DbcsEnabled = (flags & 1) != 0;
    fake.LeadBytesAvailable = (flags & 0x40) == 0;
    // The separators themselves may open two-byte characters.
    SetLeadBytes({0x81, 0x9F, static_cast<std::uint8_t>(0xE0 & dateSep), 0xFC});
    const char* calendar = Calendars[(flags >> 1) & 3];
    fake.LocaleItems = TItems{
        {platform::LocaleSShortDate, Pictures[picture % Pictures.size()]},
        {platform::LocaleSDate, std::string(1, static_cast<char>(dateSep))},
        {platform::LocaleSTime, std::string(1, static_cast<char>(timeSep))},
        {platform::LocaleSDecimal, std::string(1, static_cast<char>(decimalSep))},
        {platform::LocaleS1159, Designators[designators % 16]},
        {platform::LocaleS2359, Designators[designators / 16]},
        {platform::LocaleICalendarType, calendar},
        {platform::LocaleIOptionalCalendar, calendar},
        {platform::LocaleITime, (flags & 0x80) != 0 ? "0" : "1"},
        {platform::LocaleITLZero, "0"},
        {platform::LocaleITimeMarkPosn, (picture & 0x80) != 0 ? "1" : "0"}};
    const std::vector<std::string> names = {Reiwa, Heisei, Dangi, "", "x"};
    const std::vector<std::string> offsets = {Offsets[picture / 16 % 8], "1989", "2333"};
    for (const std::uint32_t id : {3u, 4u, 5u}) SetEras(id, names, offsets);
}

}  // namespace

void InstallFakeLocale(TFuzzBytes& bytes) {
    const std::uint8_t choice = TakeByte(bytes);
    std::uint8_t params[LocaleHeaderSize - 1];
    for (std::uint8_t& param : params) param = TakeByte(bytes);
    switch (choice % 8) {
        case 0: German(); break;
        case 1: UnitedStates(); break;
        case 2: Finnish(); break;
        case 3: JapaneseEra(); break;
        case 4: JapaneseDayNames(); break;
        case 5: KoreanEra(); break;
        case 6: NoData(); break;
        default: FromBytes(params[0], params[1], params[2], params[3], params[4], params[5]); break;
    }
}

}  // namespace kelpworth::fuzz
