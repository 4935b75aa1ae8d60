// Console questions on Win32: standard handles, WriteFile, the OEM code
// page, text attributes and console input events.
#include "platform/platform.h"
#include "platform/win32/win32_headers.h"

namespace kelpworth::platform {

static_assert(KeyEventType == KEY_EVENT);
static_assert(BannerAttribute == (FOREGROUND_GREEN | FOREGROUND_INTENSITY));
static_assert(NormalAttribute == (FOREGROUND_RED | FOREGROUND_GREEN | FOREGROUND_BLUE));

namespace {

// Kept at the failing call: other calls between the failure and the
// question may overwrite the thread's last error.
DWORD gLastError = 0;

HANDLE ToNative(Handle handle) { return reinterpret_cast<HANDLE>(handle); }

}  // namespace

Handle StandardHandle(StandardStream which) {
    const HANDLE handle =
        GetStdHandle(which == StandardStream::Output ? STD_OUTPUT_HANDLE : STD_INPUT_HANDLE);
    const Handle result = reinterpret_cast<Handle>(handle);
    if (result == InvalidHandle) gLastError = GetLastError();
    return result;
}

bool HandleHasDevice(Handle handle) {
    return GetFileType(ToNative(handle)) != FILE_TYPE_UNKNOWN;
}

bool WriteBytes(Handle handle, const char* bytes, std::uint32_t count) {
    DWORD written = 0;
    if (WriteFile(ToNative(handle), bytes, count, &written, nullptr) == 0) {
        gLastError = GetLastError();
        return false;
    }
    return true;
}

std::uint32_t LastErrorCode() { return gLastError; }

void ConvertAnsiToOem(char* bytes, std::uint32_t count) {
    // Source and destination may be the same buffer for the ANSI form.
    CharToOemBuffA(bytes, bytes, count);
}

void SetTextAttribute(Handle output, std::uint16_t attribute) {
    SetConsoleTextAttribute(ToNative(output), attribute);
}

bool ReadInputEvent(Handle input, TInputEvent& event) {
    INPUT_RECORD record = {};
    DWORD read = 0;
    // Input that is no console fails at once: the wait ends instead of
    // asking again forever.
    if (ReadConsoleInputA(ToNative(input), &record, 1, &read) == 0 || read == 0) return false;
    event.EventType = record.EventType;
    event.KeyDown = record.EventType == KEY_EVENT
                        ? static_cast<std::uint32_t>(record.Event.KeyEvent.bKeyDown)
                        : 0;
    return true;
}

bool ReadInputBytes(Handle input, char* buffer, std::uint32_t size, std::uint32_t& count) {
    DWORD read = 0;
    count = 0;
    if (ReadFile(ToNative(input), buffer, size, &read, nullptr) == 0) {
        // A pipe whose writer has gone is at its end.
        if (GetLastError() == ERROR_BROKEN_PIPE) return true;
        gLastError = GetLastError();
        return false;
    }
    count = read;
    return true;
}

void WriteToErrorStream(const char* bytes, std::uint32_t count) {
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_ERROR_HANDLE), bytes, count, &written, nullptr);
}

}  // namespace kelpworth::platform
