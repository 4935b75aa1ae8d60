// Console questions on POSIX: file descriptors 0, 1 and 2, ANSI colours on
// a terminal, and one key read in non-canonical mode.
#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include "platform/platform.h"

namespace kelpworth::platform {
namespace {

std::uint32_t gLastError = 0;

// Terminal settings to put back if a signal ends the process mid-wait.
struct termios gSavedTerminal;
volatile std::sig_atomic_t gTerminalChanged = 0;

constexpr int RestoringSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

void RestoreTerminalAndReraise(int signalNumber) {
    if (gTerminalChanged != 0) tcsetattr(STDIN_FILENO, TCSANOW, &gSavedTerminal);
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

bool WriteAll(int fd, const char* bytes, std::size_t count) {
    while (count > 0) {
        const ssize_t written = ::write(fd, bytes, count);
        if (written < 0) {
            if (errno == EINTR) continue;
            gLastError = static_cast<std::uint32_t>(errno);
            return false;
        }
        bytes += written;
        count -= static_cast<std::size_t>(written);
    }
    return true;
}

// Reads whatever else one key press sent (the rest of an escape sequence)
// so that it counts as one key.
void DrainPendingBytes() {
    char discard[32];
    struct pollfd input = {STDIN_FILENO, POLLIN, 0};
    while (::poll(&input, 1, 30) > 0 && (input.revents & POLLIN) != 0) {
        if (::read(STDIN_FILENO, discard, sizeof discard) <= 0) return;
    }
}

}  // namespace

Handle StandardHandle(StandardStream which) {
    return which == StandardStream::Output ? STDOUT_FILENO : STDIN_FILENO;
}

bool HandleHasDevice(Handle handle) {
    return ::fcntl(static_cast<int>(handle), F_GETFD) != -1;
}

bool WriteBytes(Handle handle, const char* bytes, std::uint32_t count) {
    return WriteAll(static_cast<int>(handle), bytes, count);
}

std::uint32_t LastErrorCode() { return gLastError; }

// There is one code page here: the conversion is the identity.
void ConvertAnsiToOem(char*, std::uint32_t) {}

void SetTextAttribute(Handle output, std::uint16_t attribute) {
    const int fd = static_cast<int>(output);
    if (::isatty(fd) == 0) return;
    const char* sequence = nullptr;
    if (attribute == BannerAttribute) {
        sequence = "\x1b[1;32m";
    } else if (attribute == NormalAttribute) {
        sequence = "\x1b[0m";
    }
    if (sequence != nullptr) WriteAll(fd, sequence, std::strlen(sequence));
}

bool ReadInputEvent(Handle input, TInputEvent& event) {
    const int fd = static_cast<int>(input);
    struct termios original;
    if (::isatty(fd) == 0 || ::tcgetattr(fd, &original) != 0) return false;

    gSavedTerminal = original;
    struct sigaction restoring = {};
    restoring.sa_handler = RestoreTerminalAndReraise;
    struct sigaction previous[std::size(RestoringSignals)];
    for (std::size_t i = 0; i < std::size(RestoringSignals); ++i) {
        ::sigaction(RestoringSignals[i], &restoring, &previous[i]);
    }

    struct termios raw = original;
    raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    gTerminalChanged = 1;
    ::tcsetattr(fd, TCSANOW, &raw);

    char key = 0;
    ssize_t got = 0;
    do {
        got = ::read(fd, &key, 1);
    } while (got < 0 && errno == EINTR);
    if (got == 1) DrainPendingBytes();

    ::tcsetattr(fd, TCSANOW, &original);
    gTerminalChanged = 0;
    for (std::size_t i = 0; i < std::size(RestoringSignals); ++i) {
        ::sigaction(RestoringSignals[i], &previous[i], nullptr);
    }

    if (got != 1) return false;
    event.EventType = KeyEventType;
    event.KeyDown = 1;
    return true;
}

void WriteToErrorStream(const char* bytes, std::uint32_t count) {
    WriteAll(STDERR_FILENO, bytes, count);
}

bool ReadInputBytes(Handle input, char* buffer, std::uint32_t size, std::uint32_t& count) {
    ssize_t got = 0;
    do {
        got = ::read(static_cast<int>(input), buffer, size);
    } while (got < 0 && errno == EINTR);
    if (got < 0) {
        gLastError = static_cast<std::uint32_t>(errno);
        count = 0;
        return false;
    }
    count = static_cast<std::uint32_t>(got);
    return true;
}

}  // namespace kelpworth::platform
