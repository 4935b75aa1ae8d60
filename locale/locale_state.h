// The user's date and time settings, read once at start-up and read-only
// afterwards, and the numbers of the locale items they come from.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <string>

namespace kelpworth {

// Locale item numbers of the platform's locale service.
inline constexpr std::uint32_t LocaleSDecimal = 0x0E;
inline constexpr std::uint32_t LocaleSDate = 0x1D;
inline constexpr std::uint32_t LocaleSTime = 0x1E;
inline constexpr std::uint32_t LocaleSShortDate = 0x1F;
inline constexpr std::uint32_t LocaleITime = 0x23;
inline constexpr std::uint32_t LocaleITLZero = 0x25;
inline constexpr std::uint32_t LocaleS1159 = 0x28;
inline constexpr std::uint32_t LocaleS2359 = 0x29;
inline constexpr std::uint32_t LocaleITimeMarkPosn = 0x1005;
inline constexpr std::uint32_t LocaleICalendarType = 0x1009;
inline constexpr std::uint32_t LocaleIOptionalCalendar = 0x100B;

// Kinds of calendar values the locale service enumerates.
inline constexpr std::uint32_t CalIYearOffsetRange = 3;
inline constexpr std::uint32_t CalSEraString = 4;

// Primary language numbers that change how a date is read.
inline constexpr std::uint32_t LanguageChinese = 0x04;
inline constexpr std::uint32_t LanguageEnglish = 0x09;
inline constexpr std::uint32_t LanguageJapanese = 0x11;
inline constexpr std::uint32_t LanguageKorean = 0x12;

inline constexpr std::size_t EraSlots = 7;

struct TLocaleTextSettings {
    char DecimalSep = '.';
    char DateSep = '/';
    std::string ShortDatePicture = "m/d/yy";
    char TimeSep = ':';
    std::string AmText = "am";
    std::string PmText = "pm";
    std::string ShortTimePicture;
};

struct TLocaleIdentity {
    std::uint32_t PrimaryLanguage = LanguageEnglish;  // low 10 bits of the language
    bool DoubleByteScript = false;
};

// The byte values that open a two-byte character in the ANSI code page.
using TLeadByteSet = std::bitset<256>;

// Everything the date and time checks consult. The era tables count their
// slots 1..7 at indexes 0..6.
struct TLocaleState {
    TLocaleTextSettings Settings;
    TLocaleIdentity Identity;
    TLeadByteSet LeadByteSet;
    std::array<std::string, EraSlots> EraNameTable;
    std::array<std::int32_t, EraSlots> EraYearOffsetTable{};
};

// The Japanese emperor era, Taiwan and Korean Tangun era calendars.
inline bool IsEraCalendar(std::int32_t calendar) {
    return calendar == 3 || calendar == 4 || calendar == 5;
}

inline bool IsLeadByte(const TLocaleState& state, unsigned char byte) {
    return state.LeadByteSet.test(byte);
}

}  // namespace kelpworth
