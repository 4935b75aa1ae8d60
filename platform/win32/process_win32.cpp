// Process questions on Win32: the command line exactly as the system
// keeps it.
#include "platform/platform.h"
#include "platform/win32/win32_headers.h"

namespace kelpworth::platform {

void StartProcess(int, char**) {
    // Failures must come back as error codes, never as system dialogs that
    // wait for a click nobody gives.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
}

std::string ReadRawCommandLine() {
    const char* line = GetCommandLineA();
    return line != nullptr ? std::string(line) : std::string();
}

void EndProcess(std::uint32_t exitCode) { ExitProcess(exitCode); }

}  // namespace kelpworth::platform
