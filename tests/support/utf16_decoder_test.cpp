#include "support/utf16_decoder.h"

#include <gtest/gtest.h>

#include <string>

namespace kelpworth {
namespace {

// The bytes of code units, little-endian; BigEndian swaps each pair.
std::string LittleEndian(std::u16string_view units) {
    std::string bytes;
    for (const char16_t unit : units) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

std::string BigEndian(std::u16string_view units) {
    std::string bytes = LittleEndian(units);
    for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) std::swap(bytes[at], bytes[at + 1]);
    return bytes;
}

std::u32string DecodeInPieces(TByteOrder order, std::string_view bytes,
                              std::initializer_list<std::size_t> cuts) {
    TUtf16Decoder decoder(order);
    std::u32string characters;
    std::size_t from = 0;
    for (const std::size_t cut : cuts) {
        decoder.Decode(bytes.substr(from, cut - from), characters);
        from = cut;
    }
    decoder.Decode(bytes.substr(from), characters);
    decoder.Finish(characters);
    return characters;
}

struct TDecodeCase {
    const char* What;
    std::u16string Units;
    std::u32string Characters;
};

const TDecodeCase DecodeCases[] = {
    {"ASCII with CR LF", u"/c\r\n", U"/c\r\n"},
    {"a letter past ASCII and one past Latin-1", u"\u00E4\u20AC", U"\u00E4\u20AC"},
    {"NUL is a character", std::u16string(1, u'\0') + u"x", std::u32string(1, U'\0') + U"x"},
    {"a surrogate pair", u"a\U0001F600b", U"a\U0001F600b"},
    {"the last character there is", u"\U0010FFFF", U"\U0010FFFF"},
    {"a high surrogate before a letter", u"\xD83Dx", U"\uFFFDx"},
    {"a high surrogate before another pair", u"\xD83D\U0001F600", U"\uFFFD\U0001F600"},
    {"a low surrogate alone", u"x\xDE00y", U"x\uFFFDy"},
    {"a high surrogate at the end", u"x\xD83D", U"x\uFFFD"},
    {"the characters next to the surrogates", u"\uD7FF\uE000\uFFFF", U"\uD7FF\uE000\uFFFF"},
};

// Every case in either byte order, in one piece and cut in two at every
// offset: a cut inside a code unit or inside a pair changes nothing.
TEST(Utf16Decoder, GivesTheSameCharactersWhereverTheInputIsCut) {
    for (const TDecodeCase& example : DecodeCases) {
        for (const TByteOrder order : {TByteOrder::LittleEndian, TByteOrder::BigEndian}) {
            const std::string bytes = order == TByteOrder::LittleEndian
                                          ? LittleEndian(example.Units)
                                          : BigEndian(example.Units);
            EXPECT_EQ(DecodeInPieces(order, bytes, {}), example.Characters) << example.What;
            for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
                EXPECT_EQ(DecodeInPieces(order, bytes, {cut}), example.Characters)
                    << example.What << ", cut at " << cut;
            }
        }
    }
}

TEST(Utf16Decoder, ByteByByteThroughAPair) {
    const std::string bytes = LittleEndian(u"\U0001F600\r\n");
    EXPECT_EQ(DecodeInPieces(TByteOrder::LittleEndian, bytes, {1, 2, 3, 4, 5}), U"\U0001F600\r\n");
}

TEST(Utf16Decoder, AnOddByteAtTheEndIsOneReplacement) {
    EXPECT_EQ(DecodeInPieces(TByteOrder::LittleEndian, std::string_view("a\0b", 3), {}), U"a\uFFFD");
    // after a high surrogate: one for each
    EXPECT_EQ(DecodeInPieces(TByteOrder::BigEndian, std::string("\xD8\x3D\x41", 3), {}),
              U"\uFFFD\uFFFD");
}

TEST(Utf16Decoder, FinishLeavesNothingForLater) {
    TUtf16Decoder decoder(TByteOrder::LittleEndian);
    std::u32string characters;
    decoder.Decode(std::string("\x3D\xD8", 2), characters);  // a high surrogate
    EXPECT_EQ(characters, U"");
    decoder.Finish(characters);
    decoder.Finish(characters);
    EXPECT_EQ(characters, U"\uFFFD");
}

}  // namespace
}  // namespace kelpworth
