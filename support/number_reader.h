// The one reading rule behind both decimal readings: an optional sign, an
// optional hexadecimal prefix ('$', 'x', 'X', "0x", "0X") and digits, with
// the overflow and failure results that callers rely on.
#pragma once

#include <cstdint>
#include <string_view>

namespace kelpworth {

struct TNumberReading {
    std::int32_t Value = 0;
    bool Failed = true;
};

TNumberReading ReadNumber(std::string_view text);

// Decimal reading: the reader's result whether or not it failed, so the
// leading number of a text is read and what follows is ignored.
std::int32_t ReadDecimal(std::string_view text);

// Decimal reading with default: the default whenever the reader failed.
std::int32_t ReadDecimalOr(std::string_view text, std::int32_t fallback);

}  // namespace kelpworth
