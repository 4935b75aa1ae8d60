// The console channel: one buffered text channel on standard output. Every
// write-out converts its bytes in place to the console's OEM code page, and
// every line end writes out, so a line is on the console before the next
// text attribute change.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace kelpworth {

inline constexpr std::uint32_t ChannelBufferSize = 128;

// Platform error code used when standard output has no device at all.
inline constexpr std::uint32_t NoDeviceError = 105;

// The error of a write on a channel that was never opened (no routines).
inline constexpr std::uint32_t FileNotOpenError = 103;

// Where a run-time error stop was detected; shown in its message.
inline constexpr std::uint32_t AttachFailureLocation = 0x00000010;
inline constexpr std::uint32_t WriteLineFailureLocation = 0x00000020;
inline constexpr std::uint32_t BatchWriteFailureLocation = 0x00000030;

enum class TChannelMode { Closed, Output };

struct TConsoleChannel;
using TChannelRoutine = std::uint32_t (*)(TConsoleChannel& channel);

struct TConsoleChannel {
    platform::Handle Handle = platform::InvalidHandle;
    TChannelMode Mode = TChannelMode::Closed;
    char Buffer[ChannelBufferSize] = {};
    std::uint32_t PendingCount = 0;
    TChannelRoutine WriteOut = nullptr;
    TChannelRoutine Flush = nullptr;
};

// The channel of this process and its pending I/O result (0: no error).
TConsoleChannel& ProcessChannel();
std::uint32_t& PendingIoResult();

// Both back to their state before start-up: the channel closed, without
// routines, and no pending result. Attaching starts from here; tests call
// it before each run of the process's code.
void ResetConsoleChannel();

// Opens the process channel on standard output; stops the process when
// standard output cannot be used.
void AttachConsoleChannel();

void WriteText(TConsoleChannel& channel, std::string_view text);
void WriteLineEnd(TConsoleChannel& channel);

// Returns only when the pending I/O result is 0; otherwise the run-time
// error stop ends the process.
void CheckIo(std::uint32_t location);

// Write text, write line end, I/O check, on the process channel.
void WriteLine(std::string_view text);

// Writes `text`, whole lines, in one write after what the channel holds:
// converted in place to the OEM code page. A failed write stops the
// process with the run-time error at `location`.
void WriteInOnePiece(std::string& text, std::uint32_t location);

// Converts the pending bytes to the OEM code page and hands them to the
// platform; returns the platform error code, 0 for success.
std::uint32_t OemWriteOut(TConsoleChannel& channel);

// Runs the write-out once more at the end of the process.
void CloseConsoleChannel();

// "Runtime error NNN at LLLLLLLL" + CR LF on standard output (outside the
// channel) and on standard error; exit code = low eight bits of the code.
[[noreturn]] void RunTimeErrorStop(std::uint32_t errorCode, std::uint32_t location);

// The message itself, without the CR LF.
std::string RunTimeErrorMessage(std::uint32_t errorCode, std::uint32_t location);

// A line on standard error, converted like standard output and ended with
// a line feed. Failures are ignored: what the user asked for goes to
// standard output.
void WriteErrorLine(std::string_view text);

// The banner line in bright green on a console, then the normal colour
// again; elsewhere the colour changes are ignored.
void WriteBanner(std::string_view text);

// Standard input: the batch's lines, or the console's key events.
platform::Handle StandardInput();

// Waits for a key-down event; other events are passed over. Ends at once
// when the platform can deliver no event at all.
void WaitForKeyDown(platform::Handle input);

}  // namespace kelpworth
