#include "support/text.h"

#include <iterator>

namespace kelpworth {

std::string DecimalText(std::int32_t value) {
    // The magnitude in 32 unsigned bits covers the most negative value too.
    const std::uint32_t magnitude = value < 0 ? 0u - static_cast<std::uint32_t>(value)
                                              : static_cast<std::uint32_t>(value);
    return value < 0 ? "-" + UnsignedDecimalText(magnitude) : UnsignedDecimalText(magnitude);
}

std::string UnsignedDecimalText(std::uint64_t value) {
    char digits[20];
    std::size_t count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10u);
        value /= 10u;
    } while (value != 0);
    return std::string(std::make_reverse_iterator(digits + count),
                       std::make_reverse_iterator(digits));
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::string HexText(std::uint64_t value, std::int32_t minimumWidth) {
    if (minimumWidth > 32 || minimumWidth < 0) minimumWidth = 0;
    static constexpr char Digits[] = "0123456789ABCDEF";
    char reversed[32];
    std::size_t count = 0;
    do {
        reversed[count++] = Digits[value % 16u];
        value /= 16u;
    } while (value != 0);

    std::string text;
    const auto width = static_cast<std::size_t>(minimumWidth);
    if (count < width) text.assign(width - count, '0');
    while (count > 0) text.push_back(reversed[--count]);
    return text;
}

std::string LowerAscii(std::string_view text) {
    std::string lowered(text);
    for (char& c : lowered) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    }
    return lowered;
}

std::size_t FindFrom(std::string_view pattern, std::string_view text, std::size_t start) {
    if (pattern.empty() || start < 1) return 0;
    const std::size_t found = text.find(pattern, start - 1);
    return found == std::string_view::npos ? 0 : found + 1;
}

std::string ReplaceAll(std::string_view text, std::string_view pattern,
                       std::string_view replacement) {
    std::string result(text);
    std::size_t searchFrom = 1;
    for (;;) {
        const std::size_t position = FindFrom(pattern, result, searchFrom);
        if (position == 0) return result;
        result.replace(position - 1, pattern.size(), replacement);
        searchFrom = position;
    }
}

std::string TrimText(std::string_view text) {
    auto isTrimmed = [](char c) { return static_cast<unsigned char>(c) <= 32; };
    std::size_t first = 0;
    std::size_t end = text.size();
    while (first < end && isTrimmed(text[first])) ++first;
    while (end > first && isTrimmed(text[end - 1])) --end;
    return std::string(text.substr(first, end - first));
}

}  // namespace kelpworth
