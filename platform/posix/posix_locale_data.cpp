#include "platform/posix/posix_locale_data.h"

#include <langinfo.h>
#include <cwchar>
#include <cwctype>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <string_view>

#include "platform/posix/posix_eras.h"
#include "platform/posix/posix_language.h"
#include "platform/posix/posix_time_formats.h"

namespace kelpworth::platform::posix {
namespace {

constexpr std::uint32_t MostEraEntries = 256;
// Six (low, high) pairs fill the lead-byte field.
constexpr std::size_t LeadByteRangeLimit = LeadByteFieldSize / 2;

constexpr std::size_t Incomplete = static_cast<std::size_t>(-2);
constexpr std::size_t Invalid = static_cast<std::size_t>(-1);
// Bytes that decode to no character compare above every character.
constexpr std::uint32_t StrayByteBase = 0x110000;

// Runs `work` with the locale current on this thread, then restores it.
template <typename Work>
auto WithThreadLocale(locale_t locale, Work work) {
    if (locale == nullptr) return work();
    const locale_t previous = ::uselocale(locale);
    auto result = work();
    ::uselocale(previous);
    return result;
}

TLocaleHandle LoadHandle(const std::string& timeName, const std::string& numericName,
                         const std::string& ctypeName) {
    locale_t base = ::newlocale(LC_CTYPE_MASK, ctypeName.c_str(), nullptr);
    if (base == nullptr) base = ::newlocale(LC_CTYPE_MASK, "C", nullptr);
    if (base == nullptr) return nullptr;
    // On failure newlocale leaves the base as it was: that category stays C.
    if (const locale_t next = ::newlocale(LC_TIME_MASK, timeName.c_str(), base)) base = next;
    if (const locale_t next = ::newlocale(LC_NUMERIC_MASK, numericName.c_str(), base)) base = next;
    return TLocaleHandle(base, ::freelocale);
}

std::string Info(locale_t locale, nl_item item) {
    const char* text = locale != nullptr ? ::nl_langinfo_l(item, locale) : ::nl_langinfo(item);
    return text != nullptr ? text : "";
}

bool IsAsciiLetter(unsigned char byte) {
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
}

// A letter that stands alone as a character, not inside a multibyte one.
bool HoldsAsciiLetter(std::string_view text, locale_t locale) {
    return WithThreadLocale(locale, [&] {
        std::mbstate_t state{};
        std::size_t at = 0;
        while (at < text.size()) {
            wchar_t wide = 0;
            std::size_t length =
                locale != nullptr ? std::mbrtowc(&wide, text.data() + at, text.size() - at, &state)
                                  : 1;
            if (length == Invalid || length == Incomplete || length == 0) {
                state = std::mbstate_t{};
                length = 1;
            }
            if (length == 1 && IsAsciiLetter(static_cast<unsigned char>(text[at]))) return true;
            at += length;
        }
        return false;
    });
}

bool IsUtf8(std::string codeSet) {
    for (char& c : codeSet) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - ('a' - 'A'));
    }
    return codeSet == "UTF-8" || codeSet == "UTF8";
}

bool OpensCharacterAlone(unsigned char lead) {
    std::mbstate_t state{};
    wchar_t wide = 0;
    const char one = static_cast<char>(lead);
    return std::mbrtowc(&wide, &one, 1, &state) == Incomplete;
}

// Trail bytes lie high in every double-byte code set: trying them from the
// top finds one in a few steps.
bool SomeSecondByteCompletes(unsigned char lead) {
    for (unsigned trail = 255; trail >= 1; --trail) {
        std::mbstate_t state{};
        wchar_t wide = 0;
        const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
        if (std::mbrtowc(&wide, pair, 2, &state) == 2) return true;
    }
    return false;
}

// The bytes that open a two-byte character, as ascending (low, high)
// ranges; ranges past the sixth are left out.
void ReadLeadBytes(TPosixLocaleData& data) {
    bool lead[256] = {};
    WithThreadLocale(data.Handle.get(), [&] {
        for (unsigned byte = 1; byte <= 255; ++byte) {
            const auto value = static_cast<unsigned char>(byte);
            lead[byte] = OpensCharacterAlone(value) && SomeSecondByteCompletes(value);
        }
        return 0;
    });
    std::size_t ranges = 0;
    for (unsigned byte = 1; byte <= 255 && ranges < LeadByteRangeLimit; ++byte) {
        if (!lead[byte] || lead[byte - 1]) continue;
        unsigned high = byte;
        while (high < 255 && lead[high + 1]) ++high;
        data.LeadBytes[2 * ranges] = static_cast<std::uint8_t>(byte);
        data.LeadBytes[2 * ranges + 1] = static_cast<std::uint8_t>(high);
        ++ranges;
    }
}

void ReadDoubleByteSupport(TPosixLocaleData& data) {
    locale_t locale = data.Handle.get();
    if (locale == nullptr) return;
    const std::size_t longest = WithThreadLocale(locale, [] { return MB_CUR_MAX; });
    data.DoubleByte = !IsUtf8(Info(locale, CODESET)) && longest > 1;
    if (data.DoubleByte) ReadLeadBytes(data);
}

std::vector<std::string> EraDescriptions(locale_t locale) {
    std::vector<std::string> descriptions;
    if (locale == nullptr) return descriptions;
    // The count is a number stored where the C library keeps texts.
    const auto count = static_cast<std::uint32_t>(
        reinterpret_cast<std::uintptr_t>(::nl_langinfo_l(_NL_TIME_ERA_NUM_ENTRIES, locale)));
    const char* entry = ::nl_langinfo_l(ERA, locale);
    for (std::uint32_t at = 0; at < count && at < MostEraEntries && entry != nullptr; ++at) {
        if (*entry == '\0') break;
        descriptions.emplace_back(entry);
        entry += std::strlen(entry) + 1;
    }
    return descriptions;
}

std::string FlagItem(bool set) { return std::string(1, set ? '1' : '0'); }

bool UsesEraFields(const std::vector<TFormatPiece>& format) {
    for (const TFormatPiece& piece : format) {
        if (piece.IsField && piece.Modifier == 'E') return true;
    }
    return false;
}

void ReadDateTimeItems(TPosixLocaleData& data) {
    locale_t locale = data.Handle.get();
    auto& items = data.Items;
    const std::string dateFormat = Info(locale, D_FMT);
    const std::string twelveHourFormat = Info(locale, T_FMT_AMPM);

    const std::vector<TFormatPiece> date = SplitDateFormat(dateFormat);
    data.DateAndTimeForms = date;
    data.DateAndTimeForms.push_back(TFormatPiece{false, " ", 0, 0, 0});
    for (TFormatPiece& piece : SplitTimeFormat(Info(locale, T_FMT), twelveHourFormat)) {
        data.DateAndTimeForms.push_back(std::move(piece));
    }
    items[LocaleSShortDate] =
        DatePictureOf(date, [&](std::string_view text) { return HoldsAsciiLetter(text, locale); });
    if (const auto separator = DateSeparatorOf(date)) items[LocaleSDate] = *separator;

    const TClockItems clock =
        ClockItemsOf(SplitTimeFormat(Info(locale, T_FMT), twelveHourFormat),
                     SplitTimeFormat(twelveHourFormat, twelveHourFormat));
    if (clock.TimeSep) items[LocaleSTime] = *clock.TimeSep;
    if (clock.TwentyFourHour) items[LocaleITime] = FlagItem(*clock.TwentyFourHour);
    if (clock.LeadingZero) items[LocaleITLZero] = FlagItem(*clock.LeadingZero);
    items[LocaleITimeMarkPosn] = FlagItem(clock.MarkBeforeHour);
    items[LocaleS1159] = Info(locale, AM_STR);
    items[LocaleS2359] = Info(locale, PM_STR);
    items[LocaleSDecimal] = Info(locale, RADIXCHAR);

    const std::vector<std::string> descriptions = EraDescriptions(locale);
    data.EraCalendar = descriptions.empty() ? 0 : EraCalendarOfLocaleName(data.TimeLocaleName);
    const std::string calendar =
        std::to_string(data.EraCalendar != 0 ? data.EraCalendar : CalendarGregorian);
    items[LocaleIOptionalCalendar] = calendar;
    items[LocaleICalendarType] = UsesEraFields(date) ? calendar : std::to_string(CalendarGregorian);
    if (data.EraCalendar == 0) return;
    for (const TEra& era : ForwardErasOf(descriptions, EraSlots)) {
        data.EraNames.push_back(era.Name);
        data.EraYearOffsets.push_back(std::to_string(era.FirstYear));
    }
}

// The characters of a text; with `upper` each is upper-cased.
std::vector<std::uint32_t> CharactersOf(const char* text, std::size_t length, bool upper,
                                        bool decode) {
    std::vector<std::uint32_t> characters;
    std::mbstate_t state{};
    std::size_t at = 0;
    while (at < length) {
        wchar_t wide = 0;
        std::size_t used = decode ? std::mbrtowc(&wide, text + at, length - at, &state) : Invalid;
        std::uint32_t character = 0;
        if (used == Invalid || used == Incomplete) {
            state = std::mbstate_t{};
            const auto byte = static_cast<unsigned char>(text[at]);
            character = byte < 0x80 ? byte : StrayByteBase + byte;
            used = 1;
        } else {
            if (used == 0) used = 1;  // an embedded NUL
            // NOLINTNEXTLINE(bugprone-signed-char-misuse): a wchar_t, not a char
            character = static_cast<std::uint32_t>(wide);
        }
        if (upper && character < StrayByteBase) {
            character = static_cast<std::uint32_t>(std::towupper(static_cast<wint_t>(character)));
        }
        characters.push_back(character);
        at += used;
    }
    return characters;
}

std::size_t LengthOf(const char* text, int length) {
    if (text == nullptr) return 0;
    return length < 0 ? std::strlen(text) : static_cast<std::size_t>(length);
}

}  // namespace

TPosixLocaleData LoadPosixLocaleData(const std::string& timeName, const std::string& numericName,
                                     const std::string& ctypeName) {
    TPosixLocaleData data;
    data.Handle = LoadHandle(timeName, numericName, ctypeName);
    locale_t locale = data.Handle.get();
    // A statically linked C library answers nl_langinfo_l from the thread's
    // current locale, whatever locale it is given: read with ours current.
    WithThreadLocale(locale, [&] {
        data.TimeLocaleName = locale != nullptr ? Info(locale, _NL_LOCALE_NAME(LC_TIME)) : "C";
        data.Language = LanguageIdOfLocaleName(data.TimeLocaleName);
        ReadDoubleByteSupport(data);
        ReadDateTimeItems(data);
        return 0;
    });
    return data;
}

namespace {

// Inside a function, so that nothing runs before main.
std::optional<TPosixLocaleData>& StoredProcessLocaleData() {
    static std::optional<TPosixLocaleData> data;
    return data;
}

}  // namespace

const TPosixLocaleData& ProcessLocaleData() {
    std::optional<TPosixLocaleData>& data = StoredProcessLocaleData();
    if (!data) data = LoadPosixLocaleData("", "", "");
    return *data;
}

void ResetProcessLocaleData() { StoredProcessLocaleData().reset(); }

std::string FormatTime(const TPosixLocaleData& data, const char* format, const struct tm& time) {
    char buffer[256];
    const std::size_t length = WithThreadLocale(data.Handle.get(), [&] {
        return std::strftime(buffer, sizeof buffer, format, &time);
    });
    return std::string(buffer, length);
}

namespace {

// A number of at most two digits, padded to two with `padding`.
void AppendNumber(std::string& text, int value, char padding) {
    if (value >= 10) text += static_cast<char>('0' + value / 10);
    if (value < 10) text += padding;
    text += static_cast<char>('0' + value % 10);
}

// Writes the field, or says it cannot.
bool AppendField(const TPosixLocaleData& data, const TFormatPiece& field, const struct tm& time,
                 std::string& text) {
    if (field.Flag != 0 || field.Modifier != 0) return false;
    const auto item = [&](std::uint32_t number) {
        const auto found = data.Items.find(number);
        return found != data.Items.end() ? found->second : std::string();
    };
    switch (field.Letter) {
        case 'd': AppendNumber(text, time.tm_mday, '0'); return true;
        case 'e': AppendNumber(text, time.tm_mday, ' '); return true;
        case 'm': AppendNumber(text, time.tm_mon + 1, '0'); return true;
        case 'Y': text += std::to_string(time.tm_year + 1900); return true;
        case 'y': AppendNumber(text, (time.tm_year + 1900) % 100, '0'); return true;
        case 'H': AppendNumber(text, time.tm_hour, '0'); return true;
        case 'M': AppendNumber(text, time.tm_min, '0'); return true;
        case 'S': AppendNumber(text, time.tm_sec, '0'); return true;
        case 'I': AppendNumber(text, time.tm_hour % 12 == 0 ? 12 : time.tm_hour % 12, '0'); return true;
        case 'p': text += item(time.tm_hour < 12 ? LocaleS1159 : LocaleS2359); return true;
        default: return false;
    }
}

}  // namespace

std::string FormatUserForms(const TPosixLocaleData& data, const struct tm& time) {
    std::string text;
    for (const TFormatPiece& piece : data.DateAndTimeForms) {
        if (!piece.IsField) {
            text += piece.Literal;
        } else if (!AppendField(data, piece, time, text)) {
            return FormatTime(data, "%x %X", time);  // names, eras, flags: the C library's way
        }
    }
    return text;
}

int CopyLocaleItem(const TPosixLocaleData& data, std::uint32_t item, char* buffer, int size) {
    const auto found = data.Items.find(item);
    if (found == data.Items.end() || buffer == nullptr || size <= 0) return 0;
    const std::string& value = found->second;
    if (value.size() + 1 > static_cast<std::size_t>(size)) return 0;
    std::memcpy(buffer, value.c_str(), value.size() + 1);
    return static_cast<int>(value.size() + 1);
}

namespace {

bool AllAscii(const char* text, std::size_t length) {
    for (std::size_t at = 0; at < length; ++at) {
        if (static_cast<unsigned char>(text[at]) >= 0x80) return false;
    }
    return true;
}

// The character of an ASCII byte, plain or upper-cased, as CharactersOf
// gives it; false where the locale does not read the byte as itself (then
// a text holding it is compared the long way).
bool AsciiCharacter(const TPosixLocaleData& data, unsigned char byte, bool upper,
                    std::uint32_t& character) {
    auto& ascii = data.Ascii;
    if (!ascii.Known.test(byte)) {
        const char text = static_cast<char>(byte);
        const bool decode = data.Handle != nullptr;
        WithThreadLocale(data.Handle.get(), [&] {
            ascii.Plain[byte] = CharactersOf(&text, 1, false, decode).front();
            ascii.Upper[byte] = CharactersOf(&text, 1, true, decode).front();
            return 0;
        });
        ascii.Known.set(byte);
    }
    if (ascii.Plain[byte] != byte) return false;
    character = upper ? ascii.Upper[byte] : byte;
    return true;
}

// The comparison of two ASCII texts, without decoding them anew; false
// when it cannot be made that way.
bool CompareAscii(const TPosixLocaleData& data, bool upper, const char* a, std::size_t lengthA,
                  const char* b, std::size_t lengthB, int& result) {
    if (!AllAscii(a, lengthA) || !AllAscii(b, lengthB)) return false;
    const std::size_t common = lengthA < lengthB ? lengthA : lengthB;
    for (std::size_t at = 0; at < common; ++at) {
        std::uint32_t x = 0;
        std::uint32_t y = 0;
        if (!AsciiCharacter(data, static_cast<unsigned char>(a[at]), upper, x) ||
            !AsciiCharacter(data, static_cast<unsigned char>(b[at]), upper, y)) {
            return false;
        }
        if (x != y) {
            result = x < y ? CompareLess : CompareGreater;
            return true;
        }
    }
    for (std::size_t at = common; at < lengthA || at < lengthB; ++at) {
        std::uint32_t ignored = 0;
        const char c = at < lengthA ? a[at] : b[at];
        if (!AsciiCharacter(data, static_cast<unsigned char>(c), upper, ignored)) return false;
    }
    result = lengthA == lengthB ? CompareEqual : lengthA < lengthB ? CompareLess : CompareGreater;
    return true;
}

}  // namespace

int CompareTextsIn(const TPosixLocaleData& data, std::uint32_t flags, const char* a, int lengthA,
                   const char* b, int lengthB) {
    const bool upper = (flags & NormIgnoreCase) != 0;
    int result = CompareFailed;
    if (CompareAscii(data, upper, a, LengthOf(a, lengthA), b, LengthOf(b, lengthB), result)) {
        return result;
    }
    const bool decode = data.Handle != nullptr;
    const auto [left, right] = WithThreadLocale(data.Handle.get(), [&] {
        return std::make_pair(CharactersOf(a, LengthOf(a, lengthA), upper, decode),
                              CharactersOf(b, LengthOf(b, lengthB), upper, decode));
    });
    if (left == right) return CompareEqual;
    return left < right ? CompareLess : CompareGreater;
}

void EnumerateCalendarValues(const TPosixLocaleData& data, CalendarValueCallback callback,
                             void* context, std::uint32_t calendar, std::uint32_t kind) {
    if (data.EraCalendar == 0 || calendar != data.EraCalendar) return;
    const std::vector<std::string>* values = nullptr;
    if (kind == CalSEraString) values = &data.EraNames;
    if (kind == CalIYearOffsetRange) values = &data.EraYearOffsets;
    if (values == nullptr) return;
    for (const std::string& value : *values) {
        if (!callback(value.c_str(), context)) return;
    }
}

}  // namespace kelpworth::platform::posix
