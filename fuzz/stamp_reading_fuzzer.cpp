// Reading a stamp back (/r). Input: the text. A reference recognises the
// forms on its own: the text is accepted exactly when it is one of them,
// with the value the reference gives; and every form of an accepted stamp
// is accepted again as the same 64 bits.
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_bytes.h"
#include "kelpworth/stamp.h"
#include "stamp/stamp_forms.h"
#include "stamp/stamp_reading.h"
#include "support/text.h"

namespace kelpworth::fuzz {
namespace {

// Wide enough to see a value above 64 bits.
__extension__ using TWide = unsigned __int128;
constexpr TWide TooWide = TWide{UINT64_MAX} + 1;

int Hex(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string Lowered(std::string_view text) {
    std::string lowered(text);
    for (char& c : lowered) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    }
    return lowered;
}

// Hexadecimal digits, `least` to `most` of them, and their value; false
// when there are more than 64 bits.
bool HexRun(std::string_view digits, std::size_t least, std::size_t most, TWide& value) {
    if (digits.size() < least || digits.size() > most) return false;
    value = 0;
    for (const char c : digits) {
        if (Hex(c) < 0) return false;
        value = value * 16 + static_cast<unsigned>(Hex(c));
        if (value > UINT64_MAX) value = TooWide;  // too large, and kept so
    }
    return true;
}

// What the reading must give, worked out form by form.
TStampTextReading Expected(std::string_view text) {
    const std::string lowered = Lowered(text);
    std::string_view t = lowered;
    TStampTextReading expected;
    TWide value = 0;
    const auto result = [&](TWide v) {
        expected.Kind = v > UINT64_MAX ? TStampTextKind::TooLarge : TStampTextKind::Stamp;
        expected.Stamp = v > UINT64_MAX ? 0 : static_cast<std::uint64_t>(v);
        return expected;
    };
    // the 8 (or more) bytes of a registry file
    if (t.substr(0, 7) == "hex(b):" || t.find(',') != std::string_view::npos) {
        if (t.substr(0, 7) == "hex(b):") t.remove_prefix(7);
        std::size_t count = 0;
        std::uint64_t bytes = 0;
        while (true) {
            TWide byte = 0;
            if (!HexRun(t.substr(0, 2), 2, 2, byte)) return expected;
            if (count < 8) bytes |= static_cast<std::uint64_t>(byte) << (8 * count);
            ++count;
            t.remove_prefix(2);
            if (t.empty()) break;
            if (t[0] != ',') return expected;
            t.remove_prefix(1);
        }
        if (count < 8) return expected;
        return result(count > 8 ? TooWide : bytes);
    }
    // the tool's own two halves
    if (const std::size_t dash = t.find('-'); dash != std::string_view::npos) {
        std::string_view high = t.substr(0, dash);
        std::string_view low = t.substr(dash + 1);
        if (high.substr(0, 2) == "0x") high.remove_prefix(2);
        if (low.substr(0, 2) == "0x") low.remove_prefix(2);
        TWide h = 0;
        TWide l = 0;
        if (!HexRun(high, 1, 8, h) || !HexRun(low, 1, 8, l)) return expected;
        return result(h << 32 | l);
    }
    // 0x and hexadecimal digits
    if (t.substr(0, 2) == "0x") {
        std::string_view digits = t.substr(2);
        if (digits.empty()) return expected;
        while (digits.size() > 1 && digits[0] == '0') digits.remove_prefix(1);
        if (!HexRun(digits, 1, digits.size(), value)) return expected;
        return result(digits.size() > 16 ? TooWide : value);
    }
    // decimal digits
    if (t.empty()) return expected;
    for (const char c : t) {
        if (c < '0' || c > '9') return expected;
        value = value * 10 + static_cast<unsigned>(c - '0');
        if (value > UINT64_MAX) value = TooWide;
    }
    return result(value);
}

void CheckReading(std::string_view text) {
    const TStampTextReading reading = ReadStampText(text);
    const TStampTextReading expected = Expected(text);
    Require(reading.Kind == expected.Kind, "accepted exactly when it is a form", text);
    if (reading.Kind != TStampTextKind::Stamp) return;
    Require(reading.Stamp == expected.Stamp, "the value of the form", text);

    const std::uint64_t stamp = reading.Stamp;
    std::string bytes;
    for (int index = 0; index < 8; ++index) {
        if (index > 0) bytes += ',';
        bytes += HexText((stamp >> (8 * index)) & 0xFF, 2);
    }
    for (const std::string& form :
         {StampText(stamp), StampText(stamp).substr(2, 8) + "-" + StampText(stamp).substr(13),
          "0x" + HexForm(stamp), UnsignedDecimalText(stamp), RegistryForm(stamp), bytes}) {
        const TStampTextReading again = ReadStampText(form);
        Require(again.Kind == TStampTextKind::Stamp && again.Stamp == stamp,
                "every form of the stamp reads back as the same 64 bits", form);
    }
}

}  // namespace
}  // namespace kelpworth::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    kelpworth::fuzz::CheckReading(
        std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
