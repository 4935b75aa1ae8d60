// UTF-16 code units of either byte order to Unicode characters, fed in
// pieces of any length: a piece may end inside a code unit or between the
// halves of a surrogate pair, and the rest waits for the next piece.
#pragma once

#include <string>
#include <string_view>

namespace kelpworth {

enum class TByteOrder { LittleEndian, BigEndian };

// Stands in for an unpaired surrogate and for an odd byte at the end.
inline constexpr char32_t ReplacementCharacter = 0xFFFD;

class TUtf16Decoder {
public:
    explicit TUtf16Decoder(TByteOrder order) : BigEndian(order == TByteOrder::BigEndian) {}

    // Appends the characters that `bytes` complete; never a surrogate.
    void Decode(std::string_view bytes, std::u32string& characters);

    // At the end of the input: an unfinished pair or code unit, as
    // ReplacementCharacter each.
    void Finish(std::u32string& characters);

private:
    void TakeUnit(char16_t unit, std::u32string& characters);
    char16_t UnitOf(char first, char second) const;

    bool BigEndian;
    bool HasPendingByte = false;
    char PendingByte = 0;
    char16_t PendingHighSurrogate = 0;  // 0: none
};

}  // namespace kelpworth
