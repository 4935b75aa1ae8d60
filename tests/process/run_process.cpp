#include "run_process.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <map>
#include <thread>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <glob.h>
#include <locale.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kelpworth::testing {
namespace {

void ReadAvailable(int& fd, std::string& into) {
    char buffer[4096];
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got > 0) {
        into.append(buffer, static_cast<std::size_t>(got));
    } else if (got == 0 || (errno != EINTR && errno != EAGAIN)) {
        ::close(fd);
        fd = -1;
    }
}

// Reads all that is in the pipe now, without waiting for more.
void ReadReady(int& fd, std::string& into) {
    struct pollfd ready = {fd, POLLIN, 0};
    while (fd >= 0 && ::poll(&ready, 1, 0) > 0 && (ready.revents & (POLLIN | POLLHUP)) != 0) {
        ReadAvailable(fd, into);
        ready.fd = fd;
    }
}

// The terminal as the executable sets it while it waits for one key.
bool InKeyWait(int terminal) {
    struct termios settings = {};
    return ::tcgetattr(terminal, &settings) == 0 && (settings.c_lflag & (ICANON | ECHO)) == 0;
}

std::vector<std::string> BaseEnvironment() {
    std::vector<std::string> environment = {"PATH=/usr/bin:/bin", "TZ=UTC", "LC_ALL=",
                                            "LANG=C"};
    if (const char* preload = std::getenv("LD_PRELOAD")) {
        environment.push_back(std::string("LD_PRELOAD=") + preload);
    }
    for (const char* name : {"ASAN_OPTIONS", "UBSAN_OPTIONS"}) {
        if (const char* value = std::getenv(name)) {
            environment.push_back(std::string(name) + "=" + value);
        }
    }
    return environment;
}

// Later entries replace earlier ones with the same name; a name without
// '=' removes the variable.
std::vector<std::string> MergeEnvironment(const std::vector<std::string>& extra) {
    std::vector<std::string> merged = BaseEnvironment();
    for (const std::string& entry : extra) {
        const bool removes = entry.find('=') == std::string::npos;
        const std::string name = removes ? entry + "=" : entry.substr(0, entry.find('=') + 1);
        std::erase_if(merged, [&](const std::string& e) { return e.rfind(name, 0) == 0; });
        if (!removes) merged.push_back(entry);
    }
    return merged;
}

}  // namespace

std::string ExecutablePath() {
    if (const char* overridden = std::getenv("KELPWORTH_UNDER_TEST")) return overridden;
    return KELPWORTH_EXE;
}

// faketime reaches a dynamically linked program only: a statically linked
// tool has a dynamically linked twin of the same code for runs with a fixed
// clock.
std::string ClockExecutablePath() {
    if (const char* overridden = std::getenv("KELPWORTH_UNDER_TEST")) return overridden;
    return KELPWORTH_CLOCK_EXE;
}

// libfaketime, preloaded directly rather than through the faketime wrapper:
// the wrapper keeps a semaphore and a shared memory object named after its
// process id, which stay behind when a test ends it by a signal, and a later
// wrapper that gets the same id then fails to start.
std::string FaketimeLibrary() {
    glob_t found = {};
    std::string library;
    for (const char* pattern : {"/usr/lib/*/faketime/libfaketime.so.1",
                                "/usr/lib/faketime/libfaketime.so.1",
                                "/usr/local/lib/faketime/libfaketime.so.1"}) {
        if (::glob(pattern, 0, nullptr, &found) == 0 && found.gl_pathc > 0) {
            library = found.gl_pathv[0];
        }
        ::globfree(&found);
        if (!library.empty()) break;
    }
    return library;
}

bool FaketimeAvailable() { return !FaketimeLibrary().empty(); }

// Asks the C library itself: the names that "locale -a" lists are not the
// only ones it loads (zh_TW.Big5 is listed as zh_TW, ko_KR.EUC-KR as
// ko_KR.euckr).
bool LocaleAvailable(const std::string& name) {
    static std::map<std::string, bool> known;
    if (const auto found = known.find(name); found != known.end()) return found->second;
    const locale_t probe = ::newlocale(LC_ALL_MASK, name.c_str(), nullptr);
    if (probe != nullptr) ::freelocale(probe);
    return known[name] = probe != nullptr;
}

std::string WhyFixedRunsCannotBeMade() {
    if (!FaketimeAvailable()) {
        return "libfaketime is needed to fix the clock (Debian package faketime)";
    }
    if (!LocaleAvailable("de_DE.UTF-8")) {
        return "the locale de_DE.UTF-8 is needed (Debian package locales-all)";
    }
    return {};
}

void NoteSkippedCases(const std::vector<std::string>& skipped) {
    if (skipped.empty()) return;
    std::string list;
    for (const std::string& what : skipped) list += (list.empty() ? "" : "; ") + what;
    std::cout << "[ SKIPPED CASES ] " << list << std::endl;
    ::testing::Test::RecordProperty("skipped", list);
}

TProcessResult RunProcess(const TProcessOptions& options) {
    int outPipe[2] = {-1, -1};
    int errPipe[2] = {-1, -1};
    int inPipe[2] = {-1, -1};
    if (::pipe(outPipe) != 0 || ::pipe(errPipe) != 0 || ::pipe(inPipe) != 0) return {};
    int terminalMaster = -1;
    int terminalSlave = -1;
    if (options.Input == InputSource::Terminal &&
        ::openpty(&terminalMaster, &terminalSlave, nullptr, nullptr, nullptr) != 0) {
        return {};
    }
    int outputFile = -1;
    if (options.Output == OutputTarget::File) {
        char path[] = "/tmp/kelpworth-output-XXXXXX";
        outputFile = ::mkstemp(path);
        if (outputFile < 0) return {};
        ::unlink(path);  // gone with the last descriptor
    }
    if (options.Input == InputSource::Terminal &&
        options.Terminal == TerminalAction::KeyTypedAhead) {
        [[maybe_unused]] const ssize_t sent = ::write(terminalMaster, "k", 1);
    }
    if (options.Output == OutputTarget::BrokenPipe) {
        ::close(outPipe[0]);  // the reader is gone before the first write
        outPipe[0] = -1;
    }
    int inputFile = -1;
    if (options.Input == InputSource::TextFile) {
        char path[] = "/tmp/kelpworth-input-XXXXXX";
        inputFile = ::mkstemp(path);
        if (inputFile < 0) return {};
        ::unlink(path);
        for (std::size_t at = 0; at < options.InputText.size();) {
            const ssize_t put =
                ::write(inputFile, options.InputText.data() + at, options.InputText.size() - at);
            if (put <= 0) return {};
            at += static_cast<std::size_t>(put);
        }
        ::lseek(inputFile, 0, SEEK_SET);
    }

    std::vector<std::string> argv;
    std::string program = options.ProgramPath.empty() ? ExecutablePath() : options.ProgramPath;
    std::vector<std::string> environment = MergeEnvironment(options.Environment);
    if (options.ProgramPath.empty() && !options.FixedClock.empty()) {
        program = ClockExecutablePath();
        // A frozen clock at that local time, as "faketime -f" sets it.
        std::string preload = "LD_PRELOAD=" + FaketimeLibrary();
        for (std::string& entry : environment) {
            if (entry.rfind("LD_PRELOAD=", 0) == 0) {
                preload += ":" + entry.substr(11);
                entry.clear();
            }
        }
        std::erase(environment, std::string());
        environment.push_back(preload);
        environment.push_back("FAKETIME=" + options.FixedClock);
    }
    argv.push_back(program);
    argv.insert(argv.end(), options.Arguments.begin(), options.Arguments.end());

    std::vector<char*> argvPointers;
    for (const std::string& a : argv) argvPointers.push_back(const_cast<char*>(a.c_str()));
    argvPointers.push_back(nullptr);
    std::vector<char*> envPointers;
    for (const std::string& e : environment) envPointers.push_back(const_cast<char*>(e.c_str()));
    envPointers.push_back(nullptr);

    const pid_t child = ::fork();
    if (child == 0) {
        ::setpgid(0, 0);
        switch (options.Input) {
            case InputSource::DevNull: {
                const int fd = ::open("/dev/null", O_RDONLY);
                ::dup2(fd, 0);
                break;
            }
            case InputSource::Pipe:
            case InputSource::OpenPipe:
            case InputSource::TextPipe:
                ::dup2(inPipe[0], 0);
                break;
            case InputSource::TextFile:
                ::dup2(inputFile, 0);
                break;
            case InputSource::Closed:
                ::close(0);
                break;
            case InputSource::Terminal:
                ::dup2(terminalSlave, 0);
                break;
        }
        switch (options.Output) {
            case OutputTarget::Pipe:
            case OutputTarget::BrokenPipe:
                ::dup2(outPipe[1], 1);
                break;
            case OutputTarget::DevNull:
                ::dup2(::open("/dev/null", O_WRONLY), 1);
                break;
            case OutputTarget::DevFull:
                ::dup2(::open("/dev/full", O_WRONLY), 1);
                break;
            case OutputTarget::Closed:
                ::close(1);
                break;
            case OutputTarget::File:
                ::dup2(outputFile, 1);
                if (options.OutputFileLimit > 0) {
                    // A write past the limit fails (EFBIG) instead of ending the process.
                    ::signal(SIGXFSZ, SIG_IGN);
                    const auto limit = static_cast<rlim_t>(options.OutputFileLimit);
                    const struct rlimit size = {limit, limit};
                    ::setrlimit(RLIMIT_FSIZE, &size);
                }
                break;
        }
        ::dup2(errPipe[1], 2);
        for (int fd = 3; fd < 256; ++fd) ::close(fd);
        // A test that ends the process by SIGQUIT leaves no core file.
        const struct rlimit noCore = {0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
        ::signal(SIGPIPE, SIG_DFL);
        ::execve(argvPointers[0], argvPointers.data(), envPointers.data());
        ::_exit(127);
    }

    ::close(outPipe[1]);
    ::close(errPipe[1]);
    ::close(inPipe[0]);
    if (inputFile >= 0) ::close(inputFile);
    std::thread feeder;
    if (options.Input == InputSource::TextPipe) {
        // Written beside the reading of the output, which the process may
        // fill first; a process that stops reading ends the writing.
        ::signal(SIGPIPE, SIG_IGN);
        feeder = std::thread([fd = inPipe[1], &text = options.InputText] {
            for (std::size_t at = 0; at < text.size();) {
                const ssize_t put = ::write(fd, text.data() + at, text.size() - at);
                if (put <= 0) break;
                at += static_cast<std::size_t>(put);
            }
            ::close(fd);
        });
        inPipe[1] = -1;
    } else if (options.Input != InputSource::OpenPipe) {
        ::close(inPipe[1]);  // a piped standard input is at its end at once
        inPipe[1] = -1;
    }
    ::setpgid(child, child);

    TProcessResult result;
    const bool terminal = options.Input == InputSource::Terminal;
    int outFd = outPipe[0];
    int errFd = errPipe[0];
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::milliseconds(static_cast<int>(options.TimeLimitSeconds * 1000));
    int status = 0;
    bool exited = false;
    while (!exited) {
        // Descriptors already closed (-1) are left out; the poll then only
        // paces the loop.
        struct pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
        ::poll(fds, 2, 10);
        if (outFd >= 0 && (fds[0].revents & (POLLIN | POLLHUP)) != 0) ReadAvailable(outFd, result.Output);
        if (errFd >= 0 && (fds[1].revents & (POLLIN | POLLHUP)) != 0) ReadAvailable(errFd, result.Error);
        exited = ::waitpid(child, &status, WNOHANG) == child;
        if (!exited && terminal && !result.KeyWaitSeen && InKeyWait(terminalSlave)) {
            result.KeyWaitSeen = true;
            // What the process wrote before it began to wait is in the pipe.
            ReadReady(outFd, result.Output);
            result.OutputAtKeyWait = result.Output;
            switch (options.Terminal) {
                case TerminalAction::KeyTypedAhead:
                    break;
                case TerminalAction::SignalWhenWaiting:
                    ::kill(-child, options.Signal);
                    break;
                case TerminalAction::HangUpWhenWaiting:
                    ::close(terminalMaster);
                    terminalMaster = -1;
                    break;
                case TerminalAction::KeyWhenWaiting: {
                    [[maybe_unused]] const ssize_t sent = ::write(terminalMaster, "k", 1);
                    break;
                }
            }
        }
        if (!exited && std::chrono::steady_clock::now() > deadline) {
            result.TimedOut = true;
            ::kill(-child, SIGKILL);
            ::waitpid(child, &status, 0);
            exited = true;
        }
    }
    // What is left in the pipes after the exit; a stray grandchild that
    // still holds them must not hang the test.
    const auto drainUntil = std::chrono::steady_clock::now() + std::chrono::milliseconds(500);
    while ((outFd >= 0 || errFd >= 0) && std::chrono::steady_clock::now() < drainUntil) {
        struct pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
        if (::poll(fds, 2, 20) <= 0) continue;
        if (outFd >= 0 && fds[0].revents != 0) ReadAvailable(outFd, result.Output);
        if (errFd >= 0 && fds[1].revents != 0) ReadAvailable(errFd, result.Error);
    }
    if (inPipe[1] >= 0) ::close(inPipe[1]);
    if (feeder.joinable()) feeder.join();
    if (outputFile >= 0) {
        char buffer[65536];
        ssize_t got = 0;
        for (off_t at = 0; (got = ::pread(outputFile, buffer, sizeof buffer, at)) > 0; at += got) {
            result.Output.append(buffer, static_cast<std::size_t>(got));
        }
        ::close(outputFile);
    }
    if (outFd >= 0) ::close(outFd);
    if (errFd >= 0) ::close(errFd);
    if (terminalSlave >= 0) {
        struct termios settings = {};
        result.TerminalRestored = ::tcgetattr(terminalSlave, &settings) == 0 &&
                                  (settings.c_lflag & ICANON) != 0 &&
                                  (settings.c_lflag & ECHO) != 0;
        ::close(terminalSlave);
        if (terminalMaster >= 0) ::close(terminalMaster);
    }

    if (WIFEXITED(status)) result.ExitCode = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) result.Signal = WTERMSIG(status);
    return result;
}

}  // namespace kelpworth::testing
