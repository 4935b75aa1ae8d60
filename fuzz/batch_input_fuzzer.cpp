// A batch's standard input as text: marks, UTF-16 of either byte order and
// plain bytes, over the fake platform (whose ANSI code page is UTF-8).
// Input: four bytes of piece lengths, then the bytes of standard input.
// Whatever the bytes and wherever the reads cut them: the same text as in
// one piece; plain bytes unchanged; after a UTF-8 mark the rest unchanged;
// after a UTF-16 mark the characters a plain reference decoding finds;
// nothing held back at the end holds a line end.
#include <cstdint>
#include <string>
#include <string_view>

#include "app/batch_input.h"
#include "fuzz_bytes.h"
#include "platform/platform.h"

namespace kelpworth::fuzz {
namespace {

bool IsSurrogate(std::uint32_t unit) { return unit >= 0xD800 && unit <= 0xDFFF; }

// The whole input at once, unit by unit, as the Unicode standard pairs
// surrogates; every unpaired one, and an odd byte, is U+FFFD.
std::u32string ReferenceDecoding(std::string_view bytes, bool bigEndian) {
    std::u32string units;
    for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
        const std::uint32_t first = static_cast<unsigned char>(bytes[at]);
        const std::uint32_t second = static_cast<unsigned char>(bytes[at + 1]);
        units += static_cast<char32_t>(bigEndian ? first * 256 + second : second * 256 + first);
    }
    std::u32string characters;
    for (std::size_t at = 0; at < units.size(); ++at) {
        const std::uint32_t unit = units[at];
        const std::uint32_t next = at + 1 < units.size() ? units[at + 1] : 0;
        if (unit >= 0xD800 && unit < 0xDC00 && next >= 0xDC00 && next < 0xE000) {
            characters += static_cast<char32_t>(0x10000 + (unit - 0xD800) * 0x400 + (next - 0xDC00));
            ++at;
        } else {
            characters += IsSurrogate(unit) ? U'\uFFFD' : static_cast<char32_t>(unit);
        }
    }
    if (bytes.size() % 2 != 0) characters += U'\uFFFD';
    return characters;
}

std::string TextInPieces(std::string_view input, const std::size_t (&lengths)[4]) {
    TBatchInput reader;
    std::string text;
    std::size_t piece = 0;
    while (!input.empty()) {
        const std::size_t length = lengths[piece++ % 4];
        text += reader.TextOf(input.substr(0, length));
        input.remove_prefix(length < input.size() ? length : input.size());
    }
    const std::string_view rest = reader.RestAtEnd();
    Require(rest.find('\n') == std::string_view::npos, "no line end held back", rest);
    return text += rest;
}

}  // namespace
}  // namespace kelpworth::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kelpworth;
    using namespace kelpworth::fuzz;

    TFuzzBytes bytes{data, size};
    std::size_t lengths[4];
    for (std::size_t& length : lengths) length = 1 + TakeByte(bytes);
    const std::string_view input = RestOf(bytes);

    const std::size_t whole[4] = {input.size() + 1, 1, 1, 1};
    const std::string text = TextInPieces(input, whole);
    Require(TextInPieces(input, lengths) == text, "the same text wherever the reads cut");

    std::string expected;
    if (input.substr(0, 2) == "\xFF\xFE" || input.substr(0, 2) == "\xFE\xFF") {
        platform::AppendAnsiText(ReferenceDecoding(input.substr(2), input[0] == '\xFE'), expected);
    } else if (input.substr(0, 3) == "\xEF\xBB\xBF") {
        expected = input.substr(3);
    } else {
        expected = input;
    }
    Require(text == expected, "the text the input stands for", text);
    return 0;
}
