#include "support/utf16_decoder.h"

namespace kelpworth {
namespace {

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

char16_t TUtf16Decoder::UnitOf(char first, char second) const {
    const unsigned a = static_cast<unsigned char>(first);
    const unsigned b = static_cast<unsigned char>(second);
    return static_cast<char16_t>(BigEndian ? (a << 8) | b : (b << 8) | a);  // 0..0xFFFF
}

void TUtf16Decoder::TakeUnit(char16_t unit, std::u32string& characters) {
    if (PendingHighSurrogate != 0) {
        const char16_t high = PendingHighSurrogate;
        PendingHighSurrogate = 0;
        if (IsLowSurrogate(unit)) {
            // (0..0x3FF) << 10 | (0..0x3FF), past the basic plane: 0x10000..0x10FFFF
            characters.push_back(0x10000 + ((char32_t{high} - 0xD800) << 10) +
                                 (char32_t{unit} - 0xDC00));
            return;
        }
        characters.push_back(ReplacementCharacter);
    }
    if (IsHighSurrogate(unit)) {
        PendingHighSurrogate = unit;
    } else if (IsLowSurrogate(unit)) {
        characters.push_back(ReplacementCharacter);
    } else {
        characters.push_back(unit);
    }
}

void TUtf16Decoder::Decode(std::string_view bytes, std::u32string& characters) {
    if (bytes.empty()) return;
    characters.reserve(characters.size() + bytes.size() / 2 + 1);
    std::size_t at = 0;
    if (HasPendingByte) {
        TakeUnit(UnitOf(PendingByte, bytes[0]), characters);
        HasPendingByte = false;
        at = 1;
    }
    for (; at + 1 < bytes.size(); at += 2) TakeUnit(UnitOf(bytes[at], bytes[at + 1]), characters);
    if (at < bytes.size()) {
        PendingByte = bytes[at];
        HasPendingByte = true;
    }
}

void TUtf16Decoder::Finish(std::u32string& characters) {
    if (PendingHighSurrogate != 0) characters.push_back(ReplacementCharacter);
    if (HasPendingByte) characters.push_back(ReplacementCharacter);
    PendingHighSurrogate = 0;
    HasPendingByte = false;
}

}  // namespace kelpworth
