// Text conversion on POSIX: characters to the locale's character set, the
// one a command line's bytes come in.
#include <climits>
#include <cwchar>

#include "platform/platform.h"
#include "platform/posix/posix_locale_data.h"

namespace kelpworth::platform {

static_assert(sizeof(wchar_t) == 4, "wchar_t holds a Unicode character");

void AppendAnsiText(std::u32string_view characters, std::string& text) {
    text.reserve(text.size() + characters.size());
    // Every character set the C library takes for a locale holds ASCII as
    // itself, so only other characters need the locale.
    std::size_t at = 0;
    while (at < characters.size() && characters[at] < 0x80) {
        text += static_cast<char>(characters[at]);
        ++at;
    }
    if (at == characters.size()) return;

    const locale_t locale = posix::ProcessLocaleData().Handle.get();
    const locale_t previous = locale != nullptr ? ::uselocale(locale) : nullptr;
    std::mbstate_t state{};
    char bytes[MB_LEN_MAX];
    for (; at < characters.size(); ++at) {
        const char32_t character = characters[at];
        if (character < 0x80) {
            text += static_cast<char>(character);
            continue;
        }
        const std::size_t length = std::wcrtomb(bytes, static_cast<wchar_t>(character), &state);
        if (length == static_cast<std::size_t>(-1)) {
            text += '?';
            state = std::mbstate_t{};
        } else {
            text.append(bytes, length);
        }
    }
    if (previous != nullptr) ::uselocale(previous);
}

}  // namespace kelpworth::platform
