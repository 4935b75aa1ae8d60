#include "support/number_reader.h"

#include "support/text.h"

namespace kelpworth {
namespace {

// Two's complement view of the accumulated 32 bits.
std::int32_t AsSigned(std::uint32_t bits) {
    return static_cast<std::int32_t>(bits);
}

}  // namespace

TNumberReading ReadNumber(std::string_view text) {
    if (text.empty()) return {0, true};

    // Up to nine digits alone, the common case, cannot overflow.
    if (text.size() <= 9) {
        std::uint32_t value = 0;
        std::size_t at = 0;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
            value = value * 10u + static_cast<std::uint32_t>(text[at++] - '0');
        }
        if (at == text.size()) return {AsSigned(value), false};
    }

    std::size_t at = 0;
    while (at < text.size() && text[at] == ' ') ++at;

    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        negative = text[at] == '-';
        ++at;
    }

    bool hexadecimal = false;
    if (at < text.size()) {
        const char c = text[at];
        if (c == '$' || c == 'x' || c == 'X') {
            hexadecimal = true;
            at += 1;
        } else if (c == '0' && at + 1 < text.size() &&
                   (text[at + 1] == 'x' || text[at + 1] == 'X')) {
            hexadecimal = true;
            at += 2;
        }
    }

    // At least one character must follow the blanks, the sign and the prefix.
    if (at >= text.size()) return {0, true};

    std::uint32_t value = 0;
    if (hexadecimal) {
        for (; at < text.size(); ++at) {
            const int digit = HexDigitValue(text[at]);
            if (digit < 0 || value > 0x0FFFFFFFu) return {AsSigned(value), true};
            value = value * 16u + static_cast<std::uint32_t>(digit);
        }
        // Eight hexadecimal digits may set the sign bit; '-' negates mod 2^32.
        if (negative) value = 0u - value;
        return {AsSigned(value), false};
    }

    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c < '0' || c > '9' || value > 214748364u) return {AsSigned(value), true};
        value = value * 10u + static_cast<std::uint32_t>(c - '0');  // at most 2147483649
    }
    if (negative) return {AsSigned(0u - value), value > 2147483648u};
    return {AsSigned(value), value > 2147483647u};
}

std::int32_t ReadDecimal(std::string_view text) { return ReadNumber(text).Value; }

std::int32_t ReadDecimalOr(std::string_view text, std::int32_t fallback) {
    const TNumberReading reading = ReadNumber(text);
    return reading.Failed ? fallback : reading.Value;
}

}  // namespace kelpworth
