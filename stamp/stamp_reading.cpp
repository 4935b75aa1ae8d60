#include "stamp/stamp_reading.h"

#include "support/text.h"

namespace kelpworth {
namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t at = 0; at < prefix.size(); ++at) {
        const char c = text[at] >= 'A' && text[at] <= 'Z' ? static_cast<char>(text[at] + 32)
                                                           : text[at];
        if (c != prefix[at]) return false;
    }
    return true;
}

void SkipPrefix(std::string_view& text, std::string_view prefix) {
    if (StartsWithNoCase(text, prefix)) text.remove_prefix(prefix.size());
}

// Hexadecimal digits only, at least one; the count of significant digits
// beyond 16 makes it too large.
TStampTextReading HexNumber(std::string_view digits, std::size_t mostDigits) {
    TStampTextReading reading;
    if (digits.empty()) return reading;
    std::size_t significant = 0;
    std::uint64_t value = 0;
    for (const char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0) return reading;
        if (value != 0 || digit != 0) ++significant;
        value = value << 4 | static_cast<std::uint64_t>(digit);
    }
    reading.Kind = significant > mostDigits ? TStampTextKind::TooLarge : TStampTextKind::Stamp;
    reading.Stamp = value;
    return reading;
}

TStampTextReading Decimal(std::string_view digits) {
    TStampTextReading reading;
    std::uint64_t value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return reading;
    }
    for (const char c : digits) {
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (value > (UINT64_MAX - digit) / 10) {
            reading.Kind = TStampTextKind::TooLarge;
            return reading;
        }
        value = value * 10 + digit;
    }
    reading.Kind = TStampTextKind::Stamp;
    reading.Stamp = value;
    return reading;
}

// "HHHHHHHH-LLLLLLLL", each half with or without "0x" and of 1 to 8 digits.
TStampTextReading Halves(std::string_view text, std::size_t dash) {
    std::string_view high = text.substr(0, dash);
    std::string_view low = text.substr(dash + 1);
    SkipPrefix(high, "0x");
    SkipPrefix(low, "0x");
    TStampTextReading reading;
    if (high.size() > 8 || low.size() > 8) return reading;
    const TStampTextReading h = HexNumber(high, 8);
    const TStampTextReading l = HexNumber(low, 8);
    if (h.Kind != TStampTextKind::Stamp || l.Kind != TStampTextKind::Stamp) return reading;
    reading.Kind = TStampTextKind::Stamp;
    reading.Stamp = h.Stamp << 32 | l.Stamp;
    return reading;
}

// Two-digit bytes separated by commas, least significant first.
TStampTextReading Bytes(std::string_view text) {
    SkipPrefix(text, "hex(b):");
    TStampTextReading reading;
    std::size_t count = 0;
    std::uint64_t value = 0;
    while (true) {
        if (text.size() < 2) return reading;
        const int high = HexDigitValue(text[0]);
        const int low = HexDigitValue(text[1]);
        if (high < 0 || low < 0) return reading;
        if (count < 8) value |= static_cast<std::uint64_t>(high * 16 + low) << (8 * count);
        ++count;
        text.remove_prefix(2);
        if (text.empty()) break;
        if (text[0] != ',') return reading;
        text.remove_prefix(1);
    }
    if (count < 8) return reading;
    reading.Kind = count > 8 ? TStampTextKind::TooLarge : TStampTextKind::Stamp;
    reading.Stamp = value;
    return reading;
}

}  // namespace

TStampTextReading ReadStampText(std::string_view text) {
    if (StartsWithNoCase(text, "hex(b):") || text.find(',') != std::string_view::npos) {
        return Bytes(text);
    }
    if (const std::size_t dash = text.find('-'); dash != std::string_view::npos) {
        return Halves(text, dash);
    }
    if (StartsWithNoCase(text, "0x")) return HexNumber(text.substr(2), 16);
    return text.empty() ? TStampTextReading{} : Decimal(text);
}

}  // namespace kelpworth
