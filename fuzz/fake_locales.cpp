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
constexpr const char* kReiwa = "\x97\xDF\x98\x61";
constexpr const char* kHeisei = "\x95\xBD\x90\xAC";
constexpr const char* kGozen = "\x8C\xDF\x91\x4F";
constexpr const char* kGogo = "\x8C\xDF\x8C\xE3";
constexpr const char* kDangi = "\xB4\xDC\xB1\xE2";
constexpr const char* kOjeon = "\xBF\xC0\xC0\xFC";
constexpr const char* kOhu = "\xBF\xC0\xC8\xC4";

void SetLeadBytes(std::initializer_list<std::uint8_t> ranges) {
    auto& fake = fake::Fake();
    std::fill(std::begin(fake.LeadBytes), std::end(fake.LeadBytes), std::uint8_t{0});
    std::copy_n(ranges.begin(), std::min<std::size_t>(ranges.size(), 12), fake.LeadBytes);
}

void SetEras(std::uint32_t calendar, std::vector<std::string> names,
             std::vector<std::string> offsets) {
    auto& values = fake::Fake().CalendarValues;
    values[{calendar, CalSEraString}] = std::move(names);
    values[{calendar, CalIYearOffsetRange}] = std::move(offsets);
}

void German() {
    fake::Fake().ThreadLocaleId = 0x0407;
    fake::Fake().LocaleItems = TItems{
        {LocaleSShortDate, "dd.MM.yyyy"}, {LocaleSDate, "."},   {LocaleSTime, ":"},
        {LocaleSDecimal, ","},            {LocaleS1159, ""},    {LocaleS2359, ""},
        {LocaleICalendarType, "1"},       {LocaleITime, "1"},   {LocaleITLZero, "1"}};
}

void UnitedStates() {
    fake::Fake().ThreadLocaleId = 0x0409;
    fake::Fake().LocaleItems = TItems{
        {LocaleSShortDate, "M/d/yy"}, {LocaleSDate, "/"},      {LocaleSTime, ":"},
        {LocaleSDecimal, "."},        {LocaleS1159, "AM"},     {LocaleS2359, "PM"},
        {LocaleICalendarType, "1"},   {LocaleITime, "0"},      {LocaleITLZero, "0"},
        {LocaleITimeMarkPosn, "0"}};
}

void Finnish() {
    fake::Fake().ThreadLocaleId = 0x040B;
    fake::Fake().LocaleItems = TItems{
        {LocaleSShortDate, "d.M.yyyy"}, {LocaleSDate, "."},  {LocaleSTime, "."},
        {LocaleSDecimal, ","},          {LocaleS1159, ""},   {LocaleS2359, ""},
        {LocaleICalendarType, "1"},     {LocaleITime, "1"},  {LocaleITLZero, "0"}};
}

void JapaneseEra() {
    auto& fake = fake::Fake();
    fake.ThreadLocaleId = 0x0411;
    fake.DbcsEnabled = true;
    SetLeadBytes({0x81, 0x9F, 0xE0, 0xFC});
    fake.LocaleItems = TItems{
        {LocaleSShortDate, "gg y/M/d"}, {LocaleSDate, "/"},          {LocaleSTime, ":"},
        {LocaleSDecimal, "."},          {LocaleS1159, kGozen},       {LocaleS2359, kGogo},
        {LocaleICalendarType, "3"},     {LocaleIOptionalCalendar, "3"},
        {LocaleITime, "1"},             {LocaleITLZero, "0"}};
    SetEras(3, {kReiwa, kHeisei}, {"2019", "1989"});
}

// A Gregorian picture with day names, which lets words follow the date.
void JapaneseDayNames() {
    JapaneseEra();
    auto& items = fake::Fake().LocaleItems;
    items[LocaleSShortDate] = "yyyy/MM/dd ddd";
    items[LocaleICalendarType] = "1";
    items[LocaleITime] = "0";
    items[LocaleITimeMarkPosn] = "1";
}

void KoreanEra() {
    auto& fake = fake::Fake();
    fake.ThreadLocaleId = 0x0412;
    fake.DbcsEnabled = true;
    SetLeadBytes({0x81, 0xFE});
    fake.LocaleItems = TItems{
        {LocaleSShortDate, "gg yyyy-MM-dd"}, {LocaleSDate, "-"},       {LocaleSTime, ":"},
        {LocaleSDecimal, "."},               {LocaleS1159, kOjeon},    {LocaleS2359, kOhu},
        {LocaleICalendarType, "5"},          {LocaleIOptionalCalendar, "5"},
        {LocaleITime, "0"},                  {LocaleITLZero, "0"},     {LocaleITimeMarkPosn, "1"}};
    SetEras(5, {kDangi}, {"2333"});
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
    static const std::array<const char*, 16> kPictures = {
        "dd.MM.yyyy", "M/d/yy",        "d.M.yyyy",         "yyyy-MM-dd",
        "gg y/M/d",   "gg yyyy/MM/dd", "yyyy/MM/dd ddd",   "ggg ee/MM/dd",
        "",           "e",             "g",                "'x'dd.MM",
        "\x81y/M/d",  "YYYY.MM.DD",    "dddd, MMMM d, yyyy", "gggee/MM/dd ddd"};
    static const std::array<std::string, 16> kDesignators = {
        "AM", "PM", "", "a.m.", kGozen, kGogo, " ", "\x81", "12", "/", ".", std::string(255, 'a'),
        "Am", "pm", ":", "\x81\x40"};
    static const std::array<const char*, 8> kOffsets = {"2019", "1989", "0",          "-1",
                                                        "x",    "65535", "2147483647", "-2147483648"};
    static const std::array<std::uint32_t, 8> kLanguages = {0x0409, 0x0411, 0x0412, 0x0404,
                                                           0x0407, 0x040B, 0x0000, 0x0412};
    static const std::array<const char*, 4> kCalendars = {"1", "3", "4", "5"};

    auto& fake = fake::Fake();
    fake.ThreadLocaleId = kLanguages[(flags >> 3) & 7];
    fake.DbcsEnabled = (flags & 1) != 0;
    fake.LeadBytesAvailable = (flags & 0x40) == 0;
    // The separators themselves may open two-byte characters.
    SetLeadBytes({0x81, 0x9F, static_cast<std::uint8_t>(0xE0 & dateSep), 0xFC});
    const char* calendar = kCalendars[(flags >> 1) & 3];
    fake.LocaleItems = TItems{
        {LocaleSShortDate, kPictures[picture % kPictures.size()]},
        {LocaleSDate, std::string(1, static_cast<char>(dateSep))},
        {LocaleSTime, std::string(1, static_cast<char>(timeSep))},
        {LocaleSDecimal, std::string(1, static_cast<char>(decimalSep))},
        {LocaleS1159, kDesignators[designators % 16]},
        {LocaleS2359, kDesignators[designators / 16]},
        {LocaleICalendarType, calendar},
        {LocaleIOptionalCalendar, calendar},
        {LocaleITime, (flags & 0x80) != 0 ? "0" : "1"},
        {LocaleITLZero, "0"},
        {LocaleITimeMarkPosn, (picture & 0x80) != 0 ? "1" : "0"}};
    const std::vector<std::string> names = {kReiwa, kHeisei, kDangi, "", "x"};
    const std::vector<std::string> offsets = {kOffsets[picture / 16 % 8], "1989", "2333"};
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
