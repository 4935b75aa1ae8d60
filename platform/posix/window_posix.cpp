// Windowing questions on POSIX: no icons and no dialogs; the dialog text
// goes to standard error.
#include "platform/platform.h"

namespace kelpworth::platform {

void ShowConsoleIcon() {}

WindowHandle FindTopWindow(const std::string&) { return 0; }

void ShowMessageDialog(WindowHandle, const std::string& text, const std::string&,
                       std::uint32_t) {
    std::string line = text + "\n";
    WriteToErrorStream(line.data(), static_cast<std::uint32_t>(line.size()));
}

}  // namespace kelpworth::platform
