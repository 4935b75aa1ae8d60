// A stamp read back from the forms people meet it in: the tool's own
// "0xHHHHHHHH-0xLLLLLLLL" (with or without the "0x"), "0x" and up to 16
// hexadecimal digits, decimal digits, and the 8 bytes in memory order as a
// registry file writes them ("hex(b):80,d4,c9,fc,69,7d,d3,01", with or
// without the "hex(b):"). Letter case is free.
#pragma once

#include <cstdint>
#include <string_view>

namespace kelpworth {

enum class TStampTextKind {
    Stamp,     // read: the 64 bits are in Stamp
    NoForm,    // fits none of the forms
    TooLarge,  // a form, but more than 64 bits
};

struct TStampTextReading {
    TStampTextKind Kind = TStampTextKind::NoForm;
    std::uint64_t Stamp = 0;
};

TStampTextReading ReadStampText(std::string_view text);

}  // namespace kelpworth
