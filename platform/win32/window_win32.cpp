// Windowing questions on Win32: the console window's icon, window lookup
// by title and the message box.
#include "platform/platform.h"
#include "platform/win32/win32_headers.h"

namespace kelpworth::platform {

static_assert(MessageStylePlain == MB_OK);

void ShowConsoleIcon() {
    const HICON icon = LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
    const HWND console = GetConsoleWindow();
    // Sending a null icon would remove the one the window has.
    if (icon == nullptr || console == nullptr) return;
    SendMessageA(console, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
}

WindowHandle FindTopWindow(const std::string& title) {
    return reinterpret_cast<WindowHandle>(FindWindowA(nullptr, title.c_str()));
}

void ShowMessageDialog(WindowHandle owner, const std::string& text, const std::string& caption,
                       std::uint32_t style) {
    MessageBoxA(reinterpret_cast<HWND>(owner), text.c_str(), caption.c_str(), style);
}

}  // namespace kelpworth::platform
