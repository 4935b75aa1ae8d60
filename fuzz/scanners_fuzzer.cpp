// The date and time scanners and checks. Input: a mode byte, then either
// settings made of the input (separators, pictures, designators, lead
// bytes, eras, the clock's year) followed by the text, or, in the reference
// mode, a text mapped onto digits and one separator for a day-month-year
// locale with '.' and ':', where the answers follow from the forms of the
// text alone.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_bytes.h"
#include "locale/date_check.h"
#include "locale/locale_state.h"
#include "locale/time_check.h"
#include "platform/fake/fake_platform.h"
#include "stamp/calendar.h"

namespace kelpworth::fuzz {
namespace {

// The clock's year, in which a date without a year is read.
std::uint16_t ClockYear() { return 2017; }

TLocaleState TakeSettings(TFuzzBytes& bytes) {
    TLocaleState state;
    TLocaleTextSettings& settings = state.Settings;
    settings.DateSep = static_cast<char>(TakeByte(bytes));
    settings.TimeSep = static_cast<char>(TakeByte(bytes));
    settings.DecimalSep = static_cast<char>(TakeByte(bytes));
    const std::uint8_t flags = TakeByte(bytes);
    state.Identity.DoubleByteScript = (flags & 1) != 0;
    static constexpr std::uint32_t Languages[4] = {
        platform::LanguageEnglish, platform::LanguageJapanese, platform::LanguageKorean,
        platform::LanguageChinese};
    state.Identity.PrimaryLanguage = Languages[(flags >> 1) & 3];
    const std::uint8_t low = TakeByte(bytes);
    const std::uint8_t high = TakeByte(bytes);
    for (unsigned byte = low; byte <= high; ++byte) state.LeadByteSet.set(byte);
    settings.ShortDatePicture = TakeText(bytes, 16);
    settings.ShortTimePicture = TakeText(bytes, 8);
    settings.AmText = TakeText(bytes, 8);
    settings.PmText = TakeText(bytes, 8);
    const std::size_t eras = TakeByte(bytes) % (platform::EraSlots + 1);
    state.EraYearOffsetTable.fill(-1);
    for (std::size_t slot = 0; slot < eras; ++slot) {
        state.EraNameTable[slot] = TakeText(bytes, 6);
        state.EraYearOffsetTable[slot] = static_cast<std::int32_t>(TakeLong(bytes));
    }
    fake::Fake().Clock.Year = static_cast<std::uint16_t>(1601 + TakeWord(bytes) % 8399);
    return state;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool HasDigitOrBlank(std::string_view text) {
    for (const char c : text) {
        if (IsDigit(c) || c == ' ') return true;
    }
    return false;
}

// N: any leading zeros and at most four significant digits, as the scan
// reads a number.
bool ReadN(std::string_view text, std::size_t& at, unsigned& value, std::size_t& digits) {
    const std::size_t first = at;
    while (at < text.size() && text[at] == '0') ++at;
    value = 0;
    for (int significant = 0; significant < 4 && at < text.size() && IsDigit(text[at]);
         ++significant) {
        value = value * 10 + static_cast<unsigned>(text[at++] - '0');
    }
    digits = at - first;
    return digits > 0;
}

bool Expect(std::string_view text, std::size_t& at, char c) {
    if (at >= text.size() || text[at] != c) return false;
    ++at;
    return true;
}

// Digits only: accepted exactly when the one number is the whole text.
bool DigitsOnlyAccepted(std::string_view text) {
    std::size_t at = 0;
    unsigned value = 0;
    std::size_t digits = 0;
    return !ReadN(text, at, value, digits) || at == text.size();
}

// Digits and '.', day-month-year: empty, N, N., N.N, N.N., N.N.N; N.N.N.
// with a year of three or more digits; or N.N.N with such a year making a
// date from 1899-12-31 on, whatever follows.
bool ExpectedDateAnswer(std::string_view text) {
    std::size_t at = 0;
    unsigned day = 0;
    unsigned month = 0;
    unsigned year = 0;
    std::size_t digits = 0;
    if (!ReadN(text, at, day, digits)) return text.empty();
    if (at == text.size()) return true;
    if (!Expect(text, at, '.')) return false;
    if (at == text.size()) return true;
    if (!ReadN(text, at, month, digits)) return false;
    if (at == text.size()) return true;
    if (!Expect(text, at, '.')) return false;
    if (at == text.size()) return true;
    if (!ReadN(text, at, year, digits)) return false;
    if (at == text.size()) return true;
    if (digits < 3) return false;
    if (text.substr(at) == ".") return true;
    return DayNumber(static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month),
                     static_cast<std::uint16_t>(day)) > 0;
}

// Digits and ':': empty, N, N:, N:N, N:N:, N:N:N; or N:N:N making a time
// of day, whatever follows.
bool ExpectedTimeAnswer(std::string_view text) {
    std::size_t at = 0;
    unsigned hour = 0;
    unsigned minute = 0;
    unsigned second = 0;
    std::size_t digits = 0;
    if (!ReadN(text, at, hour, digits)) return text.empty();
    if (at == text.size()) return true;
    if (!Expect(text, at, ':')) return false;
    if (at == text.size()) return true;
    if (!ReadN(text, at, minute, digits)) return false;
    if (at == text.size()) return true;
    if (!Expect(text, at, ':')) return false;
    if (at == text.size()) return true;
    if (!ReadN(text, at, second, digits)) return false;
    if (at == text.size()) return true;
    return hour < 24 && minute < 60 && second < 60;
}

std::string Mapped(std::string_view raw, char separator) {
    std::string text;
    for (const char c : raw) {
        const unsigned pick = static_cast<unsigned char>(c) % 13;
        text.push_back(pick < 10 ? static_cast<char>('0' + pick) : separator);
    }
    return text;
}

void ReferenceMode(std::string_view raw) {
    TLocaleState state;
    state.Settings.ShortDatePicture = "dd.MM.yyyy";
    state.Settings.DateSep = '.';
    state.Settings.TimeSep = ':';
    state.Settings.DecimalSep = ',';
    state.Settings.AmText = "";
    state.Settings.PmText = "";
    state.Settings.ShortTimePicture = "hh:mm";

    const std::string date = Mapped(raw, '.');
    Require(AcceptDateText(date, state, ClockYear) == ExpectedDateAnswer(date), "date answer",
            date);
    const std::string time = Mapped(raw, ':');
    Require(AcceptTimeText(time, state) == ExpectedTimeAnswer(time), "time answer", time);
}

void CheckPosition(const TScanState& scan, const char* what) {
    Require(scan.Position >= 1 &&
                static_cast<std::size_t>(scan.Position) <= scan.Text.size() + 1,
            what,
            "position " + std::to_string(scan.Position) + " of " +
                std::to_string(scan.Text.size()) + " bytes");
}

void RandomMode(TFuzzBytes& bytes) {
    const TLocaleState state = TakeSettings(bytes);
    const std::string text(RestOf(bytes));

    double value = 0;
    TScanState date{text, 1};
    const bool dateOk = ScanDateText(date, value, state, ClockYear);
    CheckPosition(date, "the date scan stays within the text and one past it");
    TScanState time{text, 1};
    const bool timeOk = ScanTimeText(time, value, state);
    CheckPosition(time, "the time scan stays within the text and one past it");

    const bool dateAccepted = AcceptDateText(text, state, ClockYear);
    const bool timeAccepted = AcceptTimeText(text, state);
    const auto pastEnd = [&](const TScanState& scan) {
        return static_cast<std::size_t>(scan.Position) > text.size();
    };
    Require(dateAccepted == (dateOk || pastEnd(date)), "the date check follows its scan", text);
    Require(timeAccepted == (timeOk || pastEnd(time)), "the time check follows its scan", text);

    bool digitsOnly = true;
    for (const char c : text) digitsOnly = digitsOnly && IsDigit(c);
    if (!digitsOnly) return;
    const TLocaleTextSettings& settings = state.Settings;
    const std::string& picture = settings.ShortDatePicture;
    if (picture.empty()) {
        Require(dateAccepted == text.empty(), "without a picture only the empty date", text);
    } else if (!IsDigit(settings.DateSep) && settings.DateSep != ' ') {
        Require(dateAccepted == DigitsOnlyAccepted(text), "digits-only date answer", text);
    }
    if (!IsDigit(settings.TimeSep) && settings.TimeSep != ' ' && !IsDigit(settings.DecimalSep) &&
        settings.DecimalSep != ' ' && !HasDigitOrBlank(settings.AmText) &&
        !HasDigitOrBlank(settings.PmText)) {
        Require(timeAccepted == DigitsOnlyAccepted(text), "digits-only time answer", text);
    }
}

}  // namespace
}  // namespace kelpworth::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kelpworth::fuzz;
    kelpworth::fake::ResetFake();
    TFuzzBytes bytes{data, size};
    if (TakeByte(bytes) % 2 == 1) {
        ReferenceMode(RestOf(bytes));
    } else {
        RandomMode(bytes);
    }
    return 0;
}
