// The user's date and time settings, read once at start-up and read-only
// afterwards.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <string>

#include "platform/platform.h"

namespace kelpworth {

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
    std::uint32_t PrimaryLanguage = platform::LanguageEnglish;  // low 10 bits of the language
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
    std::array<std::string, platform::EraSlots> EraNameTable;
    std::array<std::int32_t, platform::EraSlots> EraYearOffsetTable{};
};

// The Japanese emperor era, Taiwan and Korean Tangun era calendars.
inline bool IsEraCalendar(std::int32_t calendar) {
    return calendar == platform::CalendarJapaneseEra || calendar == platform::CalendarTaiwan ||
           calendar == platform::CalendarKoreanTangun;
}

inline bool IsLeadByte(const TLocaleState& state, unsigned char byte) {
    return state.LeadByteSet.test(byte);
}

}  // namespace kelpworth
