// The user's locale as the C library describes it, turned into answers to
// the locale service's questions. Read through locale objects of its own,
// so the process-wide locale is never changed.
#pragma once

#include <locale.h>
#include <time.h>

#include <bitset>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/platform.h"
#include "platform/posix/posix_time_formats.h"

namespace kelpworth::platform::posix {

using TLocaleHandle = std::shared_ptr<std::remove_pointer_t<locale_t>>;

struct TPosixLocaleData {
    std::string TimeLocaleName;                  // as the C library resolved it
    LocaleId Language = 0;
    std::map<std::uint32_t, std::string> Items;  // an absent item is missing
    std::uint32_t EraCalendar = 0;               // 0: no era calendar
    std::vector<std::string> EraNames;           // newest first
    std::vector<std::string> EraYearOffsets;
    bool DoubleByte = false;
    std::uint8_t LeadBytes[LeadByteFieldSize] = {};
    TLocaleHandle Handle;  // decodes texts; null: every byte is a character
    // The user's short date and time forms (%x and %X), split into pieces.
    std::vector<TFormatPiece> DateAndTimeForms;

    // The characters of the bytes below 0x80, as a comparison takes them,
    // found when first compared: most texts compared are ASCII.
    struct TAsciiCharacters {
        std::uint32_t Plain[128] = {};
        std::uint32_t Upper[128] = {};
        std::bitset<128> Known;
    };
    mutable TAsciiCharacters Ascii;
};

// An empty name takes the category from the environment (LC_ALL, then
// LC_TIME / LC_NUMERIC / LC_CTYPE, then LANG). A category that cannot be
// loaded is the C locale's.
TPosixLocaleData LoadPosixLocaleData(const std::string& timeName,
                                     const std::string& numericName,
                                     const std::string& ctypeName);

// The process's data, loaded from the environment on first use and kept
// until the reset below.
const TPosixLocaleData& ProcessLocaleData();

// Drops the process's data, so that the next use loads it from the
// environment again. The tool reads its locale once; tests that change the
// environment call this before and after.
void ResetProcessLocaleData();

// strftime with `format` in the data's locale; empty when it yields
// nothing.
std::string FormatTime(const TPosixLocaleData& data, const char* format, const struct tm& time);

// The user's short date and time forms of `time`, as strftime's "%x %X"
// writes them; numeric fields and the designator are written here
// directly, which is many times quicker.
std::string FormatUserForms(const TPosixLocaleData& data, const struct tm& time);

// GetLocaleInfoA over the data.
int CopyLocaleItem(const TPosixLocaleData& data, std::uint32_t item, char* buffer, int size);

// CompareStringA over the data: texts are decoded in the locale's code
// set; with NormIgnoreCase each character is upper-cased first.
int CompareTextsIn(const TPosixLocaleData& data, std::uint32_t flags, const char* a,
                   int lengthA, const char* b, int lengthB);

// EnumCalendarInfoA over the data: era names (kind 4) and year offsets
// (kind 3) of the locale's era calendar.
void EnumerateCalendarValues(const TPosixLocaleData& data, CalendarValueCallback callback,
                             void* context, std::uint32_t calendar, std::uint32_t kind);

}  // namespace kelpworth::platform::posix
