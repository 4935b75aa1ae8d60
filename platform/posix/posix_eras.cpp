#include "platform/posix/posix_eras.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "platform/platform.h"
#include "platform/posix/posix_language.h"

namespace kelpworth::platform::posix {
namespace {

struct TEraDate {
    bool Infinite = false;  // "+*" or "-*"
    bool Negative = false;
    std::int64_t Year = 0;
    std::int64_t Month = 0;
    std::int64_t Day = 0;

    std::int64_t Order() const {
        if (Infinite) return Negative ? INT64_MIN : INT64_MAX;
        return (Year * 100 + Month) * 100 + Day;
    }
};

std::vector<std::string_view> SplitAt(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(separator, start);
        if (end == std::string_view::npos) {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

std::optional<std::int64_t> WholeNumber(std::string_view text) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

std::optional<TEraDate> EraDateOf(std::string_view text) {
    TEraDate date;
    if (text == "+*" || text == "-*") {
        date.Infinite = true;
        date.Negative = text[0] == '-';
        return date;
    }
    const bool negative = !text.empty() && text[0] == '-';
    const std::vector<std::string_view> parts = SplitAt(negative ? text.substr(1) : text, '/');
    if (parts.size() != 3) return std::nullopt;
    const auto year = WholeNumber(parts[0]);
    const auto month = WholeNumber(parts[1]);
    const auto day = WholeNumber(parts[2]);
    if (!year || !month || !day) return std::nullopt;
    date.Year = negative ? -*year : *year;
    date.Month = *month;
    date.Day = *day;
    return date;
}

}  // namespace

std::vector<TEra> ForwardErasOf(const std::vector<std::string>& descriptions,
                                std::size_t limit) {
    std::vector<TEra> eras;
    for (const std::string& description : descriptions) {
        const std::vector<std::string_view> fields = SplitAt(description, ':');
        if (fields.size() < 5 || (fields[0] != "+" && fields[0] != "-")) continue;
        const auto offset = WholeNumber(fields[1]);
        const auto start = EraDateOf(fields[2]);
        const auto end = EraDateOf(fields[3]);
        if (!offset || !start || !end || start->Infinite || fields[4].empty()) continue;
        // An era that ends before it starts counts the other way.
        const bool forward = (fields[0] == "+") == (end->Order() >= start->Order());
        if (!forward) continue;
        const std::int64_t firstYear = start->Year - *offset + 1;
        if (firstYear < INT32_MIN || firstYear > INT32_MAX) continue;
        const std::string name(fields[4]);
        const bool known = std::any_of(eras.begin(), eras.end(),
                                       [&](const TEra& era) { return era.Name == name; });
        if (!known) eras.push_back(TEra{name, static_cast<std::int32_t>(firstYear)});
    }
    std::stable_sort(eras.begin(), eras.end(),
                     [](const TEra& a, const TEra& b) { return a.FirstYear > b.FirstYear; });
    if (eras.size() > limit) eras.resize(limit);
    return eras;
}

std::uint32_t EraCalendarOfLocaleName(std::string_view localeName) {
    const std::string_view language = LanguageCodeOf(localeName);
    if (language == "ja") return CalendarJapaneseEra;
    if (language == "ko") return CalendarKoreanTangun;
    if (TerritoryCodeOf(localeName) == "TW") return CalendarTaiwan;
    return 0;
}

}  // namespace kelpworth::platform::posix
