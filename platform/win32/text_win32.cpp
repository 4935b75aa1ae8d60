// Text conversion on Win32: characters to the ANSI code page, as the
// system converts the command line for GetCommandLineA.
#include "platform/platform.h"
#include "platform/win32/win32_headers.h"

namespace kelpworth::platform {

void AppendAnsiText(std::u32string_view characters, std::string& text) {
    if (characters.empty()) return;
    std::wstring units;
    units.reserve(characters.size());
    for (const char32_t character : characters) {
        if (character < 0x10000) {
            units += static_cast<wchar_t>(character);
            continue;
        }
        const char32_t above = character - 0x10000;  // 0..0xFFFFF: ten bits for each half
        units += static_cast<wchar_t>(0xD800 + (above >> 10));
        units += static_cast<wchar_t>(0xDC00 + (above & 0x3FF));
    }
    const int length = static_cast<int>(units.size());
    const int needed =
        WideCharToMultiByte(CP_ACP, 0, units.data(), length, nullptr, 0, nullptr, nullptr);
    if (needed <= 0) return;
    const std::size_t at = text.size();
    text.resize(at + static_cast<std::size_t>(needed));
    const int written = WideCharToMultiByte(CP_ACP, 0, units.data(), length, text.data() + at,
                                            needed, nullptr, nullptr);
    text.resize(at + static_cast<std::size_t>(written > 0 ? written : 0));
}

}  // namespace kelpworth::platform
