// The number reader. Input: four bytes of a default, then the text. Both
// decimal readings rest on the one reader, and a well-formed decimal text
// (blanks, an optional sign, digits) reads as its value or fails exactly
// where the 32 bits run out.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_bytes.h"
#include "support/number_reader.h"

namespace kelpworth::fuzz {
namespace {

struct TWellFormed {
    bool Negative = false;
    std::string Digits;  // without leading zeros; empty for zero
};

// Blanks, at most one sign, then at least one digit and nothing else.
bool ReadWellFormed(std::string_view text, TWellFormed& number) {
    std::size_t at = text.find_first_not_of(' ');
    if (at == std::string_view::npos) return false;
    if (text[at] == '-' || text[at] == '+') number.Negative = text[at++] == '-';
    if (at == text.size()) return false;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c < '0' || c > '9') return false;
        if (!(number.Digits.empty() && c == '0')) number.Digits.push_back(c);
    }
    return true;
}

// What the reader must give for a well-formed decimal text: its value when
// that fits; otherwise failure, with the value of the first run of leading
// digits above 214748364 that is not the whole number (reading stops before
// the next digit, the sign lost), or else the whole number taken modulo 2^32
// with its sign.
TNumberReading Expected(const TWellFormed& number) {
    std::uint64_t prefix = 0;
    for (std::size_t i = 0; i < number.Digits.size(); ++i) {
        prefix = prefix * 10 + static_cast<std::uint64_t>(number.Digits[i] - '0');
        if (prefix > 214748364 && i + 1 < number.Digits.size()) {
            return {static_cast<std::int32_t>(static_cast<std::uint32_t>(prefix)), true};
        }
    }
    const auto bits = static_cast<std::uint32_t>(number.Negative ? 0 - prefix : prefix);
    const bool fits = prefix <= (number.Negative ? 2147483648u : 2147483647u);
    return {static_cast<std::int32_t>(bits), !fits};
}

}  // namespace
}  // namespace kelpworth::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kelpworth;
    using namespace kelpworth::fuzz;

    TFuzzBytes bytes{data, size};
    const auto fallback = static_cast<std::int32_t>(TakeLong(bytes));
    const std::string_view text = RestOf(bytes);

    const TNumberReading reading = ReadNumber(text);
    Require(ReadDecimal(text) == reading.Value, "decimal reading is the reader's value", text);
    // Two defaults that differ, so that a default equal to the value cannot hide a failure.
    const std::int32_t other = fallback ^ 1;
    const std::int32_t first = ReadDecimalOr(text, fallback);
    const std::int32_t second = ReadDecimalOr(text, other);
    if (reading.Failed) {
        Require(first == fallback && second == other, "a failed reading gives the default", text);
    } else {
        Require(first == reading.Value && second == reading.Value,
                "a successful reading gives the value", text);
    }

    TWellFormed number;
    if (ReadWellFormed(text, number)) {
        const TNumberReading expected = Expected(number);
        Require(reading.Failed == expected.Failed, "failure of a well-formed decimal text", text);
        Require(reading.Value == expected.Value, "value of a well-formed decimal text", text);
    }
    return 0;
}
