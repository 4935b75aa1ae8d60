#include "locale/locale_compare.h"

#include "platform/platform.h"

namespace kelpworth {
namespace {

int UpperAscii(unsigned char byte) {
    return (byte >= 'a' && byte <= 'z') ? byte - ('a' - 'A') : byte;
}

int ByteAt(std::string_view text, std::size_t index) {
    return index < text.size() ? static_cast<unsigned char>(text[index]) : 0;
}

int LengthOf(std::string_view text) { return static_cast<int>(text.size()); }

}  // namespace

int LocaleCompareNoCase(std::string_view a, std::string_view b) {
    return platform::CompareLocaleText(platform::LocaleUserDefault, platform::NormIgnoreCase,
                                       a.data(), LengthOf(a), b.data(), LengthOf(b)) -
           platform::CompareEqual;
}

int LimitedCompareNoCase(std::string_view a, std::string_view b, std::size_t n) {
    for (std::size_t at = 0; at < n; ++at) {
        const int x = UpperAscii(static_cast<unsigned char>(ByteAt(a, at)));
        const int y = UpperAscii(static_cast<unsigned char>(ByteAt(b, at)));
        if (x != y) return x - y;
        if (y == 0) break;
    }
    return 0;
}

TByteKind ClassifyByte(std::string_view text, std::size_t index, const TLocaleState& state) {
    if (!state.Identity.DoubleByteScript || index >= text.size()) return TByteKind::Single;
    const auto byteAt = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
    if (index == 0) return IsLeadByte(state, byteAt(0)) ? TByteKind::Lead : TByteKind::Single;

    // Count back over the run of lead-byte values before the byte: an odd
    // run length pairs its last member with this byte.
    std::size_t run = 0;
    while (run < index && IsLeadByte(state, byteAt(index - 1 - run))) ++run;
    if (run % 2 == 1) return TByteKind::Trail;
    return IsLeadByte(state, byteAt(index)) ? TByteKind::Lead : TByteKind::Single;
}

std::optional<std::size_t> LocaleFindText(std::string_view text, std::string_view sought,
                                          const TLocaleState& state) {
    if (text.empty() || sought.empty()) return std::nullopt;
    std::size_t from = 0;
    while (from < text.size()) {
        const std::size_t at = text.find(sought, from);
        if (at == std::string_view::npos || text.size() - at < sought.size()) break;
        const TByteKind kind = ClassifyByte(text, at, state);
        if (kind != TByteKind::Trail &&
            platform::CompareLocaleText(platform::LocaleUserDefault, 0, text.data() + at,
                                        LengthOf(sought), sought.data(),
                                        LengthOf(sought)) == platform::CompareEqual) {
            return at;
        }
        from = at + (kind == TByteKind::Lead ? 2 : 1);
    }
    return std::nullopt;
}

std::size_t LocalePosition(std::string_view sought, std::string_view text,
                           const TLocaleState& state) {
    const std::optional<std::size_t> found = LocaleFindText(text, sought, state);
    return found ? *found + 1 : 0;
}

}  // namespace kelpworth
