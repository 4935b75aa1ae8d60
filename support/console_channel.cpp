#include "support/console_channel.h"

#include <cstring>
#include <string>

#include "support/text.h"

namespace kelpworth {

TConsoleChannel& ProcessChannel() {
    static TConsoleChannel channel;
    return channel;
}

std::uint32_t& PendingIoResult() {
    static std::uint32_t result = 0;
    return result;
}

namespace {

// A channel that was never opened has no routines: its writes fail.
std::uint32_t CallRoutine(TChannelRoutine routine, TConsoleChannel& channel) {
    return routine != nullptr ? routine(channel) : FileNotOpenError;
}

}  // namespace

std::string RunTimeErrorMessage(std::uint32_t errorCode, std::uint32_t location) {
    const std::uint32_t number = errorCode & 0xFFu;
    std::string numberText = DecimalText(static_cast<std::int32_t>(number));
    // Right-aligned in the three places before " at".
    numberText.insert(0, 3 - numberText.size(), ' ');
    return "Runtime error " + numberText + " at " + HexText(location, 8);
}

void RunTimeErrorStop(std::uint32_t errorCode, std::uint32_t location) {
    const std::string message = RunTimeErrorMessage(errorCode, location) + "\r\n";
    const auto length = static_cast<std::uint32_t>(message.size());
    // Straight to the handle, outside the channel. Standard error gets a copy:
    // when standard output is what failed, this write is usually lost too.
    platform::WriteBytes(platform::StandardHandle(platform::StandardStream::Output),
                         message.data(), length);
    platform::WriteToErrorStream(message.data(), length);
    platform::EndProcess(errorCode & 0xFFu);
}

void ResetConsoleChannel() {
    ProcessChannel() = TConsoleChannel{};
    PendingIoResult() = 0;
}

void AttachConsoleChannel() {
    ResetConsoleChannel();
    TConsoleChannel& channel = ProcessChannel();

    channel.Handle = platform::StandardHandle(platform::StandardStream::Output);
    if (channel.Handle == platform::InvalidHandle) {
        PendingIoResult() = platform::LastErrorCode();
    } else if (!platform::HandleHasDevice(channel.Handle)) {
        PendingIoResult() = NoDeviceError;
    }
    if (PendingIoResult() != 0) {
        channel.Mode = TChannelMode::Closed;
        CheckIo(AttachFailureLocation);
    }
    channel.Mode = TChannelMode::Output;
    channel.WriteOut = OemWriteOut;
    channel.Flush = OemWriteOut;
}

void WriteText(TConsoleChannel& channel, std::string_view text) {
    while (!text.empty()) {
        const std::uint32_t space = ChannelBufferSize - channel.PendingCount;
        if (text.size() < space) {
            std::memcpy(channel.Buffer + channel.PendingCount, text.data(), text.size());
            channel.PendingCount += static_cast<std::uint32_t>(text.size());
            return;
        }
        // The rest fills the buffer: write it out at once.
        std::memcpy(channel.Buffer + channel.PendingCount, text.data(), space);
        channel.PendingCount = ChannelBufferSize;
        text.remove_prefix(space);
        const std::uint32_t code = CallRoutine(channel.WriteOut, channel);
        if (code != 0) {
            PendingIoResult() = code;
            return;  // the rest of the text is dropped
        }
    }
}

void WriteLineEnd(TConsoleChannel& channel) {
    WriteText(channel, "\n");
    if (PendingIoResult() != 0) return;
    const std::uint32_t code = CallRoutine(channel.Flush, channel);
    if (code != 0) PendingIoResult() = code;
}

void CheckIo(std::uint32_t location) {
    if (PendingIoResult() != 0) RunTimeErrorStop(PendingIoResult(), location);
}

void WriteLine(std::string_view text) {
    TConsoleChannel& channel = ProcessChannel();
    WriteText(channel, text);
    WriteLineEnd(channel);
    CheckIo(WriteLineFailureLocation);
}

void WriteInOnePiece(std::string& text, std::uint32_t location) {
    TConsoleChannel& channel = ProcessChannel();
    std::uint32_t code = channel.PendingCount != 0 ? CallRoutine(channel.WriteOut, channel) : 0;
    if (code == 0 && !text.empty()) {
        const auto count = static_cast<std::uint32_t>(text.size());
        if (channel.WriteOut == nullptr) {
            code = FileNotOpenError;
        } else {
            platform::ConvertAnsiToOem(text.data(), count);
            if (!platform::WriteBytes(channel.Handle, text.data(), count)) {
                code = platform::LastErrorCode();
            }
        }
    }
    if (code != 0) PendingIoResult() = code;
    CheckIo(location);
}

std::uint32_t OemWriteOut(TConsoleChannel& channel) {
    const std::uint32_t count = channel.PendingCount;
    if (count == 0) return 0;
    channel.PendingCount = 0;
    platform::ConvertAnsiToOem(channel.Buffer, count);
    if (!platform::WriteBytes(channel.Handle, channel.Buffer, count)) {
        return platform::LastErrorCode();
    }
    return 0;
}

void CloseConsoleChannel() {
    TConsoleChannel& channel = ProcessChannel();
    if (channel.Mode != TChannelMode::Output) return;
    const std::uint32_t code = channel.WriteOut(channel);
    if (code != 0) PendingIoResult() = code;
    channel.Mode = TChannelMode::Closed;
}

void WriteErrorLine(std::string_view text) {
    std::string line(text);
    line += '\n';
    const auto length = static_cast<std::uint32_t>(line.size());
    platform::ConvertAnsiToOem(line.data(), length);
    platform::WriteToErrorStream(line.data(), length);
}

void WriteBanner(std::string_view text) {
    const platform::Handle output = platform::StandardHandle(platform::StandardStream::Output);
    platform::SetTextAttribute(output, platform::BannerAttribute);
    WriteLine(text);
    platform::SetTextAttribute(output, platform::NormalAttribute);
}

platform::Handle StandardInput() {
    return platform::StandardHandle(platform::StandardStream::Input);
}

void WaitForKeyDown(platform::Handle input) {
    platform::TInputEvent event;
    while (platform::ReadInputEvent(input, event)) {
        if (event.EventType == platform::KeyEventType && event.KeyDown != 0) return;
    }
}

}  // namespace kelpworth
