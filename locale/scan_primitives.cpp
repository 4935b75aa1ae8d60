#include "locale/scan_primitives.h"

#include <cstddef>

#include "locale/locale_compare.h"
#include "stamp/calendar.h"

namespace kelpworth {
namespace {

std::int64_t LengthOf(const TScanState& scan) {
    return static_cast<std::int64_t>(scan.Text.size());
}

unsigned char CurrentByte(const TScanState& scan) {
    return static_cast<unsigned char>(scan.Text[static_cast<std::size_t>(scan.Position - 1)]);
}

bool IsDigit(unsigned char byte) { return byte >= '0' && byte <= '9'; }

bool IsAsciiLetter(unsigned char byte) {
    return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
}

}  // namespace

void SkipBlanks(TScanState& scan) {
    while (WithinText(scan) && CurrentByte(scan) == ' ') ++scan.Position;
}

bool ReadNumberField(TScanState& scan, TNumberField& field) {
    SkipBlanks(scan);
    std::uint32_t value = 0;
    std::uint32_t count = 0;
    while (WithinText(scan) && IsDigit(CurrentByte(scan)) && value < 1000) {
        value = value * 10 + (CurrentByte(scan) - '0');
        ++count;
        ++scan.Position;
    }
    if (count == 0) return false;
    field.Value = static_cast<std::uint16_t>(value);
    // A run of hundreds of leading zeros must not wrap into a short count.
    field.Count = static_cast<std::uint8_t>(count > 255 ? 255 : count);
    return true;
}

bool ExpectChar(TScanState& scan, char c) {
    SkipBlanks(scan);
    if (!WithinText(scan) || CurrentByte(scan) != static_cast<unsigned char>(c)) return false;
    ++scan.Position;
    return true;
}

bool ExpectWord(TScanState& scan, std::string_view word) {
    if (word.empty()) return false;
    SkipBlanks(scan);
    const std::size_t start = static_cast<std::size_t>(scan.Position - 1);
    const std::string_view next =
        start < scan.Text.size() ? scan.Text.substr(start, word.size()) : std::string_view{};
    // A word that begins with a letter is never a digit or nothing, in any
    // locale: times are mostly read without asking the locale.
    if (IsAsciiLetter(static_cast<unsigned char>(word[0])) &&
        (next.empty() || IsDigit(static_cast<unsigned char>(next[0])))) {
        return false;
    }
    if (LocaleCompareNoCase(word, next) != 0) return false;
    scan.Position += static_cast<std::int32_t>(word.size());
    return true;
}

void SkipToDigit(TScanState& scan, const TLocaleState& state) {
    while (WithinText(scan) && !IsDigit(CurrentByte(scan))) {
        // A lead byte at the very end has no second byte to step over.
        const bool pair = IsLeadByte(state, CurrentByte(scan)) && scan.Position < LengthOf(scan);
        scan.Position += pair ? 2 : 1;
    }
}

TDateFieldOrder DateFieldOrderOf(std::string_view picture) {
    for (const char c : picture) {
        const auto folded = static_cast<unsigned char>(static_cast<unsigned char>(c) & ~0x20u);
        if (folded == 'D') return TDateFieldOrder::DayFirst;
        if (folded == 'M') return TDateFieldOrder::MonthFirst;
        if (folded == 'E' || folded == 'Y') return TDateFieldOrder::YearFirst;
    }
    return TDateFieldOrder::MonthFirst;
}

bool MakeDateValue(std::uint16_t year, std::uint16_t month, std::uint16_t day, double& value) {
    value = DayNumber(year, month, day);
    return value > 0;
}

bool MakeTimeValue(std::uint16_t hour, std::uint16_t minute, std::uint16_t second,
                   std::uint16_t millisecond, double& value) {
    if (hour >= 24 || minute >= 60 || second >= 60 || millisecond >= 1000) return false;
    const std::int32_t elapsed = hour * 3600000 + minute * 60000 + second * 1000 + millisecond;
    value = static_cast<double>(elapsed) / 86400000.0;
    return true;
}

}  // namespace kelpworth
