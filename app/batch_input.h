// Standard input of a batch as the text its lines are read from. Input
// that starts with a UTF-16 byte-order mark (FF FE little-endian, FE FF
// big-endian), as Notepad's "Unicode" and the `>` of Windows PowerShell 5.1
// save it, is UTF-16: converted to the code page the command line comes in.
// A UTF-8 mark (EF BB BF) at the start is dropped. Any other input is its
// own text, byte for byte, at no cost per byte.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "support/utf16_decoder.h"

namespace kelpworth {

class TBatchInput {
public:
    // The text of the next piece of input, in order; empty while the first
    // bytes could still be the start of a mark. Valid until the next call.
    std::string_view TextOf(std::string_view bytes);

    // At the end of the input: what is still held back (the start of a
    // mark that never completed, an unfinished code unit or pair) as text.
    // It never holds a line end.
    std::string_view RestAtEnd();

private:
    enum class TEncoding { Undecided, Bytes, Utf16 };

    std::string_view Decided(std::string_view start);
    std::string_view Converted();

    TEncoding Encoding = TEncoding::Undecided;
    std::string Start;  // the first bytes while the mark is undecided
    std::optional<TUtf16Decoder> Decoder;
    std::u32string Characters;
    std::string Text;
};

}  // namespace kelpworth
