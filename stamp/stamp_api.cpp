#include "kelpworth/stamp.h"

#include "support/text.h"

namespace kelpworth {

std::string StampText(std::uint64_t stamp) {
    const std::string digits = HexText(stamp, 16);
    return "0x" + digits.substr(0, 8) + "-0x" + digits.substr(8, 8);
}

}  // namespace kelpworth
